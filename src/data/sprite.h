// The character record: 16 slots, each an optional animation and a collision
// box, and the character ("spr") file format.
#pragma once

#include "animate.h"

constexpr int ZQ_SPRITE_SLOTS = 16;

struct ZQ_SPRITE {
  ANIMATION *ani[ZQ_SPRITE_SLOTS];  // null = empty slot; owned by the record
  int cx[ZQ_SPRITE_SLOTS];          // collision box, in the slot's frame pixels
  int cy[ZQ_SPRITE_SLOTS];
  int cw[ZQ_SPRITE_SLOTS];
  int ch[ZQ_SPRITE_SLOTS];
};

// All slots empty, all boxes 0; null if memory runs out.
ZQ_SPRITE *zq_sprite_create();
// Frees the record AND the slot animations it holds; null is ignored.
void zq_sprite_destroy(ZQ_SPRITE *s);

// The writers return 1, or 0 when any write failed. zq_sprite_save writes a
// temporary file beside the target and renames it over the target only when
// everything was written, so a failed save keeps the old file.
int zq_sprite_save_fp(ZQ_SPRITE *s, PACKFILE *f);
int zq_sprite_save(ZQ_SPRITE *s, const char *filename);

// The readers return null for a stream that is not a complete character:
// slot count above 16, an embedded stream refused by load_ani_fp, an early
// end, no memory. A count of 0 or below gives an empty record.
ZQ_SPRITE *zq_sprite_load_fp(PACKFILE *f, LoadStatus *status = nullptr);
ZQ_SPRITE *zq_sprite_load(const char *filename, LoadStatus *status = nullptr);

struct SpriteDeleter {
  void operator()(ZQ_SPRITE *s) const { zq_sprite_destroy(s); }
};
using SpritePtr = std::unique_ptr<ZQ_SPRITE, SpriteDeleter>;
