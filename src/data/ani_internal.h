// Helpers shared by the animate module's source files.
#pragma once

#include "animate.h"

// True when w x h frames, f of them, are within the limits the readers accept.
bool ani_size_ok(int w, int h, int f);
// True when the record keeps its invariants: sane size and count, and every
// frame an 8-bit bitmap at least w x h. The writer refuses anything else.
bool ani_is_sound(const ANIMATION *ani);
// A zeroed record with the given size, f = 0 and d = 1, or null.
AniPtr alloc_ani(int w, int h);
// An 8-bit w x h bitmap cleared to 0, or null.
BitmapPtr new_frame(int w, int h);
