// The ANI stream: magic "ANI" + version 21, w, h, f, d, a palette flag, an
// optional 768-byte palette, then every frame's pixels row by row.
#include <cstring>

#include "ani_internal.h"
#include "filepack.h"
#include "packio.h"

namespace {

constexpr unsigned char ani_magic[4] = {'A', 'N', 'I', 21};
constexpr int header_size = 17;  // w, h, f, d, palette flag
constexpr int palette_size = PAL_SIZE * 3;

// Memory bitmaps keep their rows back to back, so a whole frame moves in
// one call; anything else (sub-bitmaps, odd strides) goes row by row.
bool rows_contiguous(BITMAP *b, int w, int h) {
  return b->w == w && (h == 1 || b->line[h - 1] == b->line[0] + static_cast<long>(h - 1) * w);
}

bool read_frame(PACKFILE *f, BITMAP *b, int w, int h) {
  if (rows_contiguous(b, w, h)) return read_bytes(f, b->line[0], static_cast<long>(w) * h);
  for (int y = 0; y < h; y++) {
    if (!read_bytes(f, b->line[y], w)) return false;
  }
  return true;
}

bool write_frame(PACKFILE *f, BITMAP *b, int w, int h) {
  if (rows_contiguous(b, w, h)) return write_bytes(f, b->line[0], static_cast<long>(w) * h);
  for (int y = 0; y < h; y++) {
    if (!write_bytes(f, b->line[y], w)) return false;
  }
  return true;
}

ANIMATION *refuse(LoadStatus *status, LoadError error) {
  if (status) status->error = error;
  return nullptr;
}

}  // namespace

ANIMATION *load_ani_fp(PACKFILE *f, RGB *pal, LoadStatus *status) {
  if (!f) return refuse(status, LoadError::cannot_open);
  unsigned char magic[4];
  if (!read_bytes(f, magic, 4)) return refuse(status, LoadError::truncated);
  if (std::memcmp(magic, ani_magic, 4) != 0) return refuse(status, LoadError::bad_magic);

  unsigned char head[header_size];
  if (!read_bytes(f, head, header_size)) return refuse(status, LoadError::truncated);
  int w = get_le32(head), h = get_le32(head + 4), count = get_le32(head + 8);
  if (!ani_size_ok(w, h, count)) return refuse(status, LoadError::bad_header);

  // The palette goes to the caller only once the whole stream has been read.
  unsigned char palette[palette_size];
  bool has_palette = head[16] != 0;
  if (has_palette && !read_bytes(f, palette, palette_size))
    return refuse(status, LoadError::truncated);

  AniPtr ani = alloc_ani(w, h);
  if (!ani) return refuse(status, LoadError::no_memory);
  ani->d = get_le32(head + 12);
  for (int i = 0; i < count; i++) {
    BitmapPtr frame(create_bitmap_ex(8, w, h));
    if (!frame) return refuse(status, LoadError::no_memory);
    if (!read_frame(f, frame.get(), w, h)) return refuse(status, LoadError::truncated);
    ani->frames[ani->f++] = frame.release();
  }

  if (has_palette && pal) {
    for (int i = 0; i < PAL_SIZE; i++) {
      pal[i].r = palette[3 * i];
      pal[i].g = palette[3 * i + 1];
      pal[i].b = palette[3 * i + 2];
    }
  }
  if (status) {
    status->error = LoadError::none;
    status->palettes = has_palette ? 1u : 0u;
  }
  return ani.release();
}

ANIMATION *load_ani(const char *filename, RGB *pal, LoadStatus *status) {
  PACKFILE *f = filepack_open_read(filename);
  if (!f) return refuse(status, LoadError::cannot_open);
  ANIMATION *ani = load_ani_fp(f, pal, status);
  pack_fclose(f);
  return ani;
}

int save_ani_fp(ANIMATION *ani, PACKFILE *f, RGB *pal) {
  if (!f || !ani_is_sound(ani)) return 0;
  unsigned char head[4 + header_size];
  std::memcpy(head, ani_magic, 4);
  put_le32(head + 4, ani->w);
  put_le32(head + 8, ani->h);
  put_le32(head + 12, ani->f);
  put_le32(head + 16, ani->d);
  head[20] = pal ? 1 : 0;
  if (!write_bytes(f, head, sizeof head)) return 0;

  if (pal) {
    unsigned char palette[palette_size];
    for (int i = 0; i < PAL_SIZE; i++) {
      palette[3 * i] = pal[i].r;
      palette[3 * i + 1] = pal[i].g;
      palette[3 * i + 2] = pal[i].b;
    }
    if (!write_bytes(f, palette, palette_size)) return 0;
  }
  for (int i = 0; i < ani->f; i++) {
    if (!write_frame(f, ani->frames[i], ani->w, ani->h)) return 0;
  }
  return pack_ferror(f) ? 0 : 1;
}

int save_ani(ANIMATION *ani, const char *filename, RGB *pal) {
  if (!ani_is_sound(ani)) return 0;
  return save_replacing(filename, [&](PACKFILE *f) { return save_ani_fp(ani, f, pal) == 1; });
}
