// Frame editing and the two operations that cut a rectangle out of every
// frame. Frame bitmaps keep their slots in `frames`: inserting and deleting
// move pixels, and only the bitmap at the end of the strip is made or freed,
// so a pointer to frame i held across an edit still means position i.
#include "ani_internal.h"

namespace {

bool valid_index(const ANIMATION *ani, int index) {
  return ani && index >= 0 && index < ani->f && index < ANI_MAX_FRAMES;
}

// Room for one more frame, within the frame count and the pixel bound.
bool can_grow(const ANIMATION *ani) {
  return ani && ani->f < ANI_MAX_FRAMES && ani_size_ok(ani->w, ani->h, ani->f + 1);
}

void copy_frame(BITMAP *from, BITMAP *to, int w, int h) { blit(from, to, 0, 0, 0, 0, w, h); }

// Clears the frame, then copies the source's top-left w x h area into it.
// A source smaller than the frame leaves the rest at 0.
void fill_frame(BITMAP *frame, BITMAP *source, int w, int h) {
  clear_to_color(frame, 0);
  copy_frame(source, frame, w, h);
}

}  // namespace

int animation_add_frame(ANIMATION *ani, BITMAP *source) {
  if (!can_grow(ani) || !source) return 0;
  BitmapPtr frame = new_frame(ani->w, ani->h);
  if (!frame) return 0;
  copy_frame(source, frame.get(), ani->w, ani->h);
  ani->frames[ani->f++] = frame.release();
  return 1;
}

int animation_insert_frame(ANIMATION *ani, int index, BITMAP *source) {
  if (!can_grow(ani) || !valid_index(ani, index) || !source) return 0;
  BitmapPtr end = new_frame(ani->w, ani->h);
  if (!end) return 0;
  ani->frames[ani->f] = end.release();
  // From the end toward the insertion point, so nothing is overwritten
  // before it has moved up.
  for (int j = ani->f; j > index; j--) copy_frame(ani->frames[j - 1], ani->frames[j], ani->w, ani->h);
  ani->f++;
  // When the source is the frame at `index` itself, this leaves it blank:
  // its old pixels have already moved up one place.
  fill_frame(ani->frames[index], source, ani->w, ani->h);
  return 1;
}

int animation_replace_frame(ANIMATION *ani, int index, BITMAP *source) {
  if (!valid_index(ani, index) || !source) return 0;
  fill_frame(ani->frames[index], source, ani->w, ani->h);
  return 1;
}

int animation_delete_frame(ANIMATION *ani, int index) {
  if (!valid_index(ani, index)) return 0;
  for (int j = index; j < ani->f - 1; j++) copy_frame(ani->frames[j + 1], ani->frames[j], ani->w, ani->h);
  ani->f--;
  destroy_bitmap(ani->frames[ani->f]);
  ani->frames[ani->f] = nullptr;
  return 1;
}

BITMAP *animation_copy_frame(ANIMATION *ani, int index) {
  if (!valid_index(ani, index)) return nullptr;
  BitmapPtr copy = new_frame(ani->w, ani->h);
  if (copy) copy_frame(ani->frames[index], copy.get(), ani->w, ani->h);
  return copy.release();
}

// Builds an animation with the source's f and d and frames of w x h, each
// made by `make(source_frame, new_frame)` on a frame cleared to 0.
template <class Make>
static ANIMATION *derive_ani(ANIMATION *ani, int w, int h, Make make) {
  if (!ani_is_sound(ani) || !ani_size_ok(w, h, ani->f)) return nullptr;
  AniPtr out = alloc_ani(w, h);
  if (!out) return nullptr;
  out->d = ani->d;
  for (int i = 0; i < ani->f; i++) {
    BitmapPtr frame = new_frame(w, h);
    if (!frame || !make(ani->frames[i], frame.get())) return nullptr;
    out->frames[out->f++] = frame.release();
  }
  return out.release();
}

// Offsets this far out already miss the frame entirely; pulling them in
// keeps -x and Allegro's clipping sums away from integer overflow.
static int near_frame(int v) {
  constexpr int reach = 2 * ANI_MAX_SIDE;
  return v < -reach ? -reach : v > reach ? reach : v;
}

ANIMATION *clip_ani(ANIMATION *ani, int x, int y, int w, int h) {
  x = near_frame(x);
  y = near_frame(y);
  return derive_ani(ani, w, h, [&](BITMAP *from, BITMAP *to) {
    draw_sprite(to, from, -x, -y);
    return true;
  });
}

ANIMATION *mask_ani(ANIMATION *ani, int x, int y, int w, int h) {
  if (!ani) return nullptr;
  // Only the part of the rectangle inside the frame can keep pixels; an
  // empty overlap gives all-zero frames.
  int x0 = x < 0 ? 0 : x, y0 = y < 0 ? 0 : y;
  long long x1 = static_cast<long long>(x) + w, y1 = static_cast<long long>(y) + h;
  int cw = static_cast<int>((x1 < ani->w ? x1 : ani->w) - x0);
  int ch = static_cast<int>((y1 < ani->h ? y1 : ani->h) - y0);
  BitmapPtr temp;
  if (cw > 0 && ch > 0 && !(temp = new_frame(cw, ch))) return nullptr;
  return derive_ani(ani, ani->w, ani->h, [&](BITMAP *from, BITMAP *to) {
    if (!temp) return true;
    clear_to_color(temp.get(), 0);
    draw_sprite(temp.get(), from, -x0, -y0);
    draw_sprite(to, temp.get(), x0, y0);
    return true;
  });
}
