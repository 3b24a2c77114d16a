// Picking a frame by index or by tick count, and putting it on a bitmap.
#include <cstdint>

#include "ani_internal.h"

namespace {

// The frame to show at tick t: (t / d) mod f, or t mod f when d is 0, all
// unsigned 32-bit, so a negative tick or delay wraps instead of dividing
// into a negative index. -1 when there is nothing to show.
int tick_index(const ANIMATION *ani, int t) {
  if (!ani || ani->f <= 0 || ani->f > ANI_MAX_FRAMES) return -1;
  uint32_t ticks = static_cast<uint32_t>(t), delay = static_cast<uint32_t>(ani->d);
  uint32_t step = delay ? ticks / delay : ticks;
  return static_cast<int>(step % static_cast<uint32_t>(ani->f));
}

BITMAP *frame_at(ANIMATION *ani, int index) {
  if (!ani || index < 0 || index >= ani->f || index >= ANI_MAX_FRAMES) return nullptr;
  return ani->frames[index];
}

}  // namespace

BITMAP *get_ani_frame(ANIMATION *ani, int index) { return frame_at(ani, index); }

BITMAP *get_ani(ANIMATION *ani, int t) { return frame_at(ani, tick_index(ani, t)); }

int blit_ani_frame(ANIMATION *ani, BITMAP *dest, int x, int y, int index) {
  BITMAP *frame = frame_at(ani, index);
  if (!frame || !dest) return 0;
  blit(frame, dest, 0, 0, x, y, dest->w, dest->h);
  return 1;
}

int blit_ani(ANIMATION *ani, BITMAP *dest, int x, int y, int t) {
  return blit_ani_frame(ani, dest, x, y, tick_index(ani, t));
}

int draw_ani_frame(BITMAP *dest, ANIMATION *ani, int x, int y, int index) {
  BITMAP *frame = frame_at(ani, index);
  if (!frame || !dest) return 0;
  draw_sprite(dest, frame, x, y);
  return 1;
}

int draw_ani(BITMAP *dest, ANIMATION *ani, int x, int y, int t) {
  return draw_ani_frame(dest, ani, x, y, tick_index(ani, t));
}

int draw_trans_ani_frame(BITMAP *dest, ANIMATION *ani, int x, int y, int index) {
  BITMAP *frame = frame_at(ani, index);
  // In 8-bit modes translucency needs a colour map; without one Allegro
  // would read through a null pointer.
  if (!frame || !dest || (bitmap_color_depth(dest) == 8 && !color_map)) return 0;
  draw_trans_sprite(dest, frame, x, y);
  return 1;
}

int draw_trans_ani(BITMAP *dest, ANIMATION *ani, int x, int y, int t) {
  return draw_trans_ani_frame(dest, ani, x, y, tick_index(ani, t));
}

int draw_solid_ani_frame(BITMAP *dest, ANIMATION *ani, int x, int y, int color, int index) {
  BITMAP *frame = frame_at(ani, index);
  if (!frame || !dest) return 0;
  draw_character_ex(dest, frame, x, y, color, -1);
  return 1;
}

int draw_solid_ani(BITMAP *dest, ANIMATION *ani, int x, int y, int color, int t) {
  return draw_solid_ani_frame(dest, ani, x, y, color, tick_index(ani, t));
}
