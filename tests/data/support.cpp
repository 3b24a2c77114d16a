#include "support.h"

#include <dirent.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <random>

#include "memfile.h"

void start_allegro() {
  static bool started = install_allegro(SYSTEM_NONE, &errno, atexit) == 0;
  ASSERT_TRUE(started);
}

AniPtr make_ani(int w, int h, int f, unsigned seed, int d) {
  AniPtr ani(create_ani(w, h));
  if (!ani) return ani;
  ani->d = d;
  std::mt19937 rng(seed);
  for (int i = 0; i < f; i++) {
    BitmapPtr b(create_bitmap_ex(8, w, h));
    for (int y = 0; y < h; y++)
      for (int x = 0; x < w; x++) b->line[y][x] = seed ? rng() & 255 : (i * 7 + y * w + x + 1) & 255;
    animation_add_frame(ani.get(), b.get());
  }
  return ani;
}

void make_palette(PALETTE pal) {
  for (int i = 0; i < PAL_SIZE; i++) {
    pal[i].r = i & 63;
    pal[i].g = (i >> 2) & 63;
    pal[i].b = (255 - i) & 63;
    pal[i].filler = 0;
  }
}

BitmapPtr solid_bitmap(int w, int h, int colour) {
  BitmapPtr b(create_bitmap_ex(8, w, h));
  clear_to_color(b.get(), colour);
  return b;
}

Bytes ani_bytes(ANIMATION *ani, RGB *pal) {
  Bytes out;
  PACKFILE *f = memfile_open_write(&out);
  EXPECT_EQ(save_ani_fp(ani, f, pal), 1);
  pack_fclose(f);
  return out;
}

Bytes sprite_bytes(ZQ_SPRITE *s) {
  Bytes out;
  PACKFILE *f = memfile_open_write(&out);
  EXPECT_EQ(zq_sprite_save_fp(s, f), 1);
  pack_fclose(f);
  return out;
}

AniPtr ani_from(const Bytes &b, RGB *pal, LoadStatus *st, long *rest) {
  PACKFILE *f = memfile_open_read(b.data(), b.size());
  AniPtr ani(load_ani_fp(f, pal, st));
  if (rest) {
    *rest = 0;
    while (pack_getc(f) != EOF) ++*rest;
  }
  pack_fclose(f);
  return ani;
}

SpritePtr sprite_from(const Bytes &b, LoadStatus *st) {
  PACKFILE *f = memfile_open_read(b.data(), b.size());
  SpritePtr s(zq_sprite_load_fp(f, st));
  pack_fclose(f);
  return s;
}

void put32(Bytes &b, int32_t v) {
  for (int i = 0; i < 4; i++) b.push_back(static_cast<uint32_t>(v) >> (8 * i) & 255);
}

Bytes ani_header(int w, int h, int f, int d, unsigned char flag) {
  Bytes b{'A', 'N', 'I', 21};
  for (int v : {w, h, f, d}) put32(b, v);
  b.push_back(flag);
  return b;
}

::testing::AssertionResult same_ani(const ANIMATION *a, const ANIMATION *b) {
  if (!a || !b) return ::testing::AssertionFailure() << "null animation";
  if (a->w != b->w || a->h != b->h || a->f != b->f || a->d != b->d)
    return ::testing::AssertionFailure() << "fields " << a->w << "x" << a->h << " f" << a->f << " d"
                                         << a->d << " vs " << b->w << "x" << b->h << " f" << b->f
                                         << " d" << b->d;
  for (int i = 0; i < a->f; i++)
    for (int y = 0; y < a->h; y++)
      for (int x = 0; x < a->w; x++)
        if (a->frames[i]->line[y][x] != b->frames[i]->line[y][x])
          return ::testing::AssertionFailure() << "frame " << i << " differs at " << x << "," << y;
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult same_sprite(const ZQ_SPRITE *a, const ZQ_SPRITE *b) {
  for (int i = 0; i < ZQ_SPRITE_SLOTS; i++) {
    if (a->cx[i] != b->cx[i] || a->cy[i] != b->cy[i] || a->cw[i] != b->cw[i] || a->ch[i] != b->ch[i])
      return ::testing::AssertionFailure() << "box of slot " << i;
    if (!a->ani[i] != !b->ani[i]) return ::testing::AssertionFailure() << "presence of slot " << i;
    if (a->ani[i]) {
      auto r = same_ani(a->ani[i], b->ani[i]);
      if (!r) return r << " in slot " << i;
    }
  }
  return ::testing::AssertionSuccess();
}

ScratchDir::ScratchDir() {
  const char *base = std::getenv("TMPDIR");
  std::string tmpl = std::string(base && *base ? base : "/tmp") + "/chared-data-XXXXXX";
  dir = mkdtemp(tmpl.data()) ? tmpl : std::string();
}

ScratchDir::~ScratchDir() {
  for (const std::string &e : entries()) std::remove(path(e).c_str());
  rmdir(dir.c_str());
}

std::vector<std::string> ScratchDir::entries() const {
  std::vector<std::string> names;
  if (DIR *d = opendir(dir.c_str())) {
    while (dirent *e = readdir(d)) {
      std::string n = e->d_name;
      if (n != "." && n != "..") names.push_back(n);
    }
    closedir(d);
  }
  return names;
}

Bytes read_file(const std::string &path) {
  Bytes b;
  if (FILE *f = std::fopen(path.c_str(), "rb")) {
    int c;
    while ((c = std::fgetc(f)) != EOF) b.push_back(static_cast<unsigned char>(c));
    std::fclose(f);
  }
  return b;
}

void write_file(const std::string &path, const Bytes &b) {
  FILE *f = std::fopen(path.c_str(), "wb");
  ASSERT_TRUE(f);
  std::fwrite(b.data(), 1, b.size(), f);
  std::fclose(f);
}
