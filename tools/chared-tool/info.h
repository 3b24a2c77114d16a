// The JSON summary that `chared-tool info` prints.
#pragma once

#include <cstdio>

#include "sprite.h"

void print_ani_info(FILE *out, const char *filename, const ANIMATION *ani, bool palette);
void print_sprite_info(FILE *out, const char *filename, const ZQ_SPRITE *s, unsigned palettes);
