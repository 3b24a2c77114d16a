// The animation record: a strip of up to 256 equally sized 8-bit frames with a
// playback delay, its ANI file format, frame editing and drawing.
#pragma once

#include <allegro.h>

#include <memory>

#include "loadstatus.h"

constexpr int ANI_MAX_FRAMES = 256;
// Largest frame side the readers accept and create_ani makes. No sprite ever
// needs more, and it keeps one frame within 16 MiB.
constexpr int ANI_MAX_SIDE = 4096;
// Largest w * h * f of one animation (1 GiB of pixels). The readers refuse more,
// so the frame operations refuse to grow an animation past it as well: whatever
// is saved can be loaded again.
constexpr long long ANI_MAX_PIXELS = 1LL << 30;

struct ANIMATION {
  BITMAP *frames[ANI_MAX_FRAMES];  // 0 .. f-1 valid and owned, the rest never read
  int w;
  int h;
  int f;  // frames in use, 0 .. 256
  int d;  // logic ticks per displayed frame; 0 and 1 both mean every tick
};

// Record life. create_ani refuses (null) a side outside 1 .. ANI_MAX_SIDE.
ANIMATION *create_ani(int w, int h);
void destroy_ani(ANIMATION *ani);  // null is ignored
ANIMATION *duplicate_ani(ANIMATION *ani);

// ANI streams. The readers return null for anything but a complete, sane
// stream (wrong magic, header out of range, early end, no memory) and then
// have allocated nothing; `status`, when given, says why. `pal` (256 entries)
// receives the stream's palette if it has one, and may be null.
ANIMATION *load_ani_fp(PACKFILE *f, RGB *pal, LoadStatus *status = nullptr);
ANIMATION *load_ani(const char *filename, RGB *pal, LoadStatus *status = nullptr);
// The writers return 1, or 0 when a write failed or the record is not sound.
// save_ani writes a temporary file beside the target and renames it over the
// target only when everything was written, so a failed save keeps the old file.
int save_ani_fp(ANIMATION *ani, PACKFILE *f, RGB *pal);
int save_ani(ANIMATION *ani, const char *filename, RGB *pal);

// Frame editing: 1 on success, 0 when refused; a refused call changes nothing.
int animation_add_frame(ANIMATION *ani, BITMAP *source);
int animation_insert_frame(ANIMATION *ani, int index, BITMAP *source);
int animation_replace_frame(ANIMATION *ani, int index, BITMAP *source);
int animation_delete_frame(ANIMATION *ani, int index);
BITMAP *animation_copy_frame(ANIMATION *ani, int index);  // caller owns the copy

// New animations cut from a rectangle of every frame; the caller owns them.
ANIMATION *clip_ani(ANIMATION *ani, int x, int y, int w, int h);
ANIMATION *mask_ani(ANIMATION *ani, int x, int y, int w, int h);

// Picking frames. An index outside 0 .. f-1 gives null. The tick rule picks
// frame (t / d) mod f, or t mod f when d is 0, in unsigned 32-bit arithmetic.
BITMAP *get_ani_frame(ANIMATION *ani, int index);
BITMAP *get_ani(ANIMATION *ani, int t);

// Putting frames: 1 when drawn, 0 when refused (null record, bad index, f = 0).
int blit_ani_frame(ANIMATION *ani, BITMAP *dest, int x, int y, int index);
int blit_ani(ANIMATION *ani, BITMAP *dest, int x, int y, int t);
int draw_ani_frame(BITMAP *dest, ANIMATION *ani, int x, int y, int index);
int draw_ani(BITMAP *dest, ANIMATION *ani, int x, int y, int t);
int draw_trans_ani_frame(BITMAP *dest, ANIMATION *ani, int x, int y, int index);
int draw_trans_ani(BITMAP *dest, ANIMATION *ani, int x, int y, int t);
int draw_solid_ani_frame(BITMAP *dest, ANIMATION *ani, int x, int y, int color, int index);
int draw_solid_ani(BITMAP *dest, ANIMATION *ani, int x, int y, int color, int t);

// Owning handles for code that builds records and bitmaps step by step.
struct BitmapDeleter {
  void operator()(BITMAP *b) const { destroy_bitmap(b); }
};
struct AniDeleter {
  void operator()(ANIMATION *a) const { destroy_ani(a); }
};
using BitmapPtr = std::unique_ptr<BITMAP, BitmapDeleter>;
using AniPtr = std::unique_ptr<ANIMATION, AniDeleter>;
