// The animation record's life: creation, deep copy, destruction.
#include <cstdlib>

#include "ani_internal.h"

bool ani_size_ok(int w, int h, int f) {
  if (w < 1 || h < 1 || w > ANI_MAX_SIDE || h > ANI_MAX_SIDE) return false;
  if (f < 0 || f > ANI_MAX_FRAMES) return false;
  return static_cast<long long>(w) * h * f <= ANI_MAX_PIXELS;
}

bool ani_is_sound(const ANIMATION *ani) {
  if (!ani || !ani_size_ok(ani->w, ani->h, ani->f)) return false;
  for (int i = 0; i < ani->f; i++) {
    const BITMAP *b = ani->frames[i];
    if (!b || bitmap_color_depth(const_cast<BITMAP *>(b)) != 8 || b->w < ani->w || b->h < ani->h)
      return false;
  }
  return true;
}

// The record is plain data; calloc gives a null result instead of an
// exception when memory runs out, which is what the callers check for.
AniPtr alloc_ani(int w, int h) {
  AniPtr ani(static_cast<ANIMATION *>(std::calloc(1, sizeof(ANIMATION))));
  if (ani) {
    ani->w = w;
    ani->h = h;
    ani->d = 1;
  }
  return ani;
}

BitmapPtr new_frame(int w, int h) {
  BitmapPtr b(create_bitmap_ex(8, w, h));
  if (b) clear_to_color(b.get(), 0);
  return b;
}

ANIMATION *create_ani(int w, int h) {
  if (!ani_size_ok(w, h, 0)) return nullptr;
  return alloc_ani(w, h).release();
}

void destroy_ani(ANIMATION *ani) {
  if (!ani) return;
  for (int i = 0; i < ani->f && i < ANI_MAX_FRAMES; i++) {
    if (ani->frames[i]) destroy_bitmap(ani->frames[i]);
  }
  std::free(ani);
}

ANIMATION *duplicate_ani(ANIMATION *ani) {
  if (!ani_is_sound(ani)) return nullptr;
  AniPtr copy = alloc_ani(ani->w, ani->h);
  if (!copy) return nullptr;
  copy->d = ani->d;
  for (int i = 0; i < ani->f; i++) {
    BitmapPtr frame = new_frame(ani->w, ani->h);
    if (!frame) return nullptr;
    blit(ani->frames[i], frame.get(), 0, 0, 0, 0, ani->w, ani->h);
    copy->frames[copy->f++] = frame.release();
  }
  return copy.release();
}
