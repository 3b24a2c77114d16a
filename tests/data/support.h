// Shared helpers of the data tests: Allegro without a display, animations
// with known pixels, streams in memory, scratch folders.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "animate.h"
#include "sprite.h"

using Bytes = std::vector<unsigned char>;

// Starts Allegro (no display) once per process.
void start_allegro();

// A w x h animation of f frames whose pixels come from `seed`, or with
// `seed` 0 a pattern in which every frame differs.
AniPtr make_ani(int w, int h, int f, unsigned seed = 0, int d = 1);
// A palette with every entry distinct.
void make_palette(PALETTE pal);
// An 8-bit w x h bitmap filled with one colour.
BitmapPtr solid_bitmap(int w, int h, int colour);

Bytes ani_bytes(ANIMATION *ani, RGB *pal);
Bytes sprite_bytes(ZQ_SPRITE *s);
// Loads from bytes; `rest` receives the number of bytes left unread.
AniPtr ani_from(const Bytes &b, RGB *pal = nullptr, LoadStatus *st = nullptr, long *rest = nullptr);
SpritePtr sprite_from(const Bytes &b, LoadStatus *st = nullptr);

// Little-endian builders for hand-made streams.
void put32(Bytes &b, int32_t v);
Bytes ani_header(int w, int h, int f, int d, unsigned char flag);

// gtest assertions: same w, h, f, d and the same pixels in every frame.
::testing::AssertionResult same_ani(const ANIMATION *a, const ANIMATION *b);
::testing::AssertionResult same_sprite(const ZQ_SPRITE *a, const ZQ_SPRITE *b);

// A fresh folder under the system's temporary folder, removed on destruction.
struct ScratchDir {
  ScratchDir();
  ~ScratchDir();
  std::string path(const std::string &name) const { return dir + "/" + name; }
  std::vector<std::string> entries() const;
  std::string dir;
};
Bytes read_file(const std::string &path);
void write_file(const std::string &path, const Bytes &b);

// Every test fixture of the data tests starts Allegro first.
struct DataTest : ::testing::Test {
  void SetUp() override { start_allegro(); }
};
