// The ANI stream: layout, round trips and refusals.
#include <cstring>

#include "memfile.h"
#include "support.h"

namespace {

using AniFile = DataTest;

TEST_F(AniFile, WriterLaysOutTheStreamByteForByte) {
  AniPtr ani(create_ani(2, 1));
  ani->d = -2;
  BitmapPtr b(create_bitmap_ex(8, 2, 1));
  b->line[0][0] = 0x10;
  b->line[0][1] = 0xFE;
  ASSERT_TRUE(animation_add_frame(ani.get(), b.get()));
  b->line[0][0] = 0;
  ASSERT_TRUE(animation_add_frame(ani.get(), b.get()));
  Bytes expected = {'A', 'N', 'I', 0x15, 2, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0,
                    0xFE, 0xFF, 0xFF, 0xFF, 0, 0x10, 0xFE, 0, 0xFE};
  EXPECT_EQ(ani_bytes(ani.get(), nullptr), expected);

  PALETTE pal;
  make_palette(pal);
  Bytes with = ani_bytes(ani.get(), pal);
  ASSERT_EQ(with.size(), 21u + 768 + 4);
  EXPECT_EQ(with[20], 1);
  EXPECT_EQ(with[21 + 3 * 5 + 1], pal[5].g);
  EXPECT_EQ(with[21 + 3 * 255 + 2], pal[255].b);
}

struct RoundTripCase {
  int w, h, f, d;
  bool palette;
};

class AniRoundTrip : public ::testing::TestWithParam<RoundTripCase> {
  void SetUp() override { start_allegro(); }
};

TEST_P(AniRoundTrip, KeepsEveryFieldPixelAndPaletteEntry) {
  const RoundTripCase c = GetParam();
  AniPtr ani = make_ani(c.w, c.h, c.f, 1234 + c.w, c.d);
  PALETTE pal, back;
  make_palette(pal);
  std::memset(back, 0x77, sizeof back);
  Bytes b = ani_bytes(ani.get(), c.palette ? pal : nullptr);
  EXPECT_EQ(b.size(), 21u + (c.palette ? 768u : 0u) + size_t(c.f) * c.w * c.h);
  b.push_back(0x5A);  // whatever follows must stay unread

  long rest = -1;
  LoadStatus st;
  AniPtr loaded = ani_from(b, back, &st, &rest);
  ASSERT_TRUE(loaded);
  EXPECT_TRUE(same_ani(ani.get(), loaded.get()));
  EXPECT_EQ(rest, 1);
  EXPECT_EQ(st.palettes, c.palette ? 1u : 0u);
  for (int i = 0; i < PAL_SIZE; i++) {
    RGB want = c.palette ? pal[i] : RGB{0x77, 0x77, 0x77, 0x77};
    ASSERT_EQ(back[i].r, want.r);
    ASSERT_EQ(back[i].g, want.g);
    ASSERT_EQ(back[i].b, want.b);
    ASSERT_EQ(back[i].filler, 0x77) << "the filler byte is not part of the file";
  }
  // Read without a palette, the palette is skipped and the frames are the same.
  rest = -1;
  loaded = ani_from(b, nullptr, nullptr, &rest);
  EXPECT_TRUE(same_ani(ani.get(), loaded.get()));
  EXPECT_EQ(rest, 1);
}

INSTANTIATE_TEST_SUITE_P(Shapes, AniRoundTrip,
                         ::testing::Values(RoundTripCase{16, 16, 1, 1, false},
                                           RoundTripCase{16, 16, 1, 1, true},
                                           RoundTripCase{13, 7, 5, 0, true},
                                           RoundTripCase{1, 1, 256, 3, false},
                                           RoundTripCase{3, 200, 2, -1, false},
                                           RoundTripCase{8, 8, 0, 4, false},
                                           RoundTripCase{8, 8, 0, 4, true}));

TEST_F(AniFile, SizesOfTheEdgeCases) {
  AniPtr empty(create_ani(8, 8));
  PALETTE pal;
  make_palette(pal);
  EXPECT_EQ(ani_bytes(empty.get(), nullptr).size(), 21u);
  EXPECT_EQ(ani_bytes(empty.get(), pal).size(), 789u);
  AniPtr tiny = make_ani(1, 1, 256);
  EXPECT_EQ(ani_bytes(tiny.get(), nullptr).size(), 277u);
}

TEST_F(AniFile, AnyNonZeroFlagMeansAPalette) {
  for (unsigned char flag : {2, 255}) {
    Bytes b = ani_header(2, 2, 1, 1, flag);
    for (int i = 0; i < 768; i++) b.push_back(i % 64);
    b.insert(b.end(), {1, 2, 3, 4});
    PALETTE pal;
    long rest = -1;
    AniPtr ani = ani_from(b, pal, nullptr, &rest);
    ASSERT_TRUE(ani) << int(flag);
    EXPECT_EQ(rest, 0);
    EXPECT_EQ(pal[1].r, 3);
    EXPECT_EQ(ani->frames[0]->line[1][1], 4);
  }
}

struct BadStream {
  const char *what;
  Bytes bytes;
  LoadError error;
};

Bytes cut(Bytes b, size_t n) {
  b.resize(n);
  return b;
}

Bytes with_byte(Bytes b, size_t at, unsigned char v) {
  b[at] = v;
  return b;
}

Bytes pixels_after(Bytes head, size_t n) {
  head.resize(head.size() + n, 9);
  return head;
}

TEST_F(AniFile, RefusesBrokenStreamsAndLeavesThePaletteAlone) {
  AniPtr good = make_ani(4, 3, 2);
  PALETTE pal;
  make_palette(pal);
  const Bytes plain = ani_bytes(good.get(), nullptr);
  const Bytes paletted = ani_bytes(good.get(), pal);
  const BadStream cases[] = {
      {"empty", {}, LoadError::truncated},
      {"inside the magic", cut(plain, 3), LoadError::truncated},
      {"magic byte 0", with_byte(plain, 0, 'a'), LoadError::bad_magic},
      {"magic byte 2", with_byte(plain, 2, 'J'), LoadError::bad_magic},
      {"version byte", with_byte(plain, 3, 20), LoadError::bad_magic},
      {"inside the header", cut(plain, 11), LoadError::truncated},
      {"before the flag", cut(plain, 20), LoadError::truncated},
      {"inside the palette", cut(paletted, 21 + 500), LoadError::truncated},
      {"inside frame 0", cut(plain, 21 + 5), LoadError::truncated},
      {"one byte short", cut(plain, plain.size() - 1), LoadError::truncated},
      {"w 0", pixels_after(ani_header(0, 3, 1, 1, 0), 0), LoadError::bad_header},
      {"w -1", pixels_after(ani_header(-1, 3, 1, 1, 0), 3), LoadError::bad_header},
      {"w too large", pixels_after(ani_header(ANI_MAX_SIDE + 1, 1, 1, 1, 0), 4097), LoadError::bad_header},
      {"h 0", ani_header(3, 0, 1, 1, 0), LoadError::bad_header},
      {"h too large", ani_header(1, ANI_MAX_SIDE + 1, 1, 1, 0), LoadError::bad_header},
      {"h INT_MIN", ani_header(1, INT32_MIN, 1, 1, 0), LoadError::bad_header},
      {"f -1", ani_header(2, 2, -1, 1, 0), LoadError::bad_header},
      {"f 257", pixels_after(ani_header(1, 1, 257, 1, 0), 257), LoadError::bad_header},
      {"too many pixels", ani_header(ANI_MAX_SIDE, ANI_MAX_SIDE, 65, 1, 0), LoadError::bad_header},
      {"largest frame, no pixels", ani_header(ANI_MAX_SIDE, ANI_MAX_SIDE, 1, 1, 0), LoadError::truncated},
  };
  for (const BadStream &c : cases) {
    PALETTE back;
    std::memset(back, 0x33, sizeof back);
    LoadStatus st;
    EXPECT_FALSE(ani_from(c.bytes, back, &st)) << c.what;
    EXPECT_EQ(st.error, c.error) << c.what;
    EXPECT_EQ(back[7].r, 0x33) << c.what;
  }
}

TEST_F(AniFile, LargestAcceptedHeaderLoads) {
  Bytes b = pixels_after(ani_header(ANI_MAX_SIDE, 2, 2, 1, 0), size_t(ANI_MAX_SIDE) * 4);
  AniPtr ani = ani_from(b);
  ASSERT_TRUE(ani);
  EXPECT_EQ(ani->frames[1]->line[1][ANI_MAX_SIDE - 1], 9);
}

TEST_F(AniFile, WriterReportsEveryFailedWrite) {
  AniPtr ani = make_ani(5, 5, 3);
  PALETTE pal;
  make_palette(pal);
  const size_t full = ani_bytes(ani.get(), pal).size();
  for (size_t limit : {size_t(0), size_t(3), size_t(20), size_t(400), full - 75, full - 1}) {
    Bytes out;
    PACKFILE *f = memfile_open_write(&out, limit);
    EXPECT_EQ(save_ani_fp(ani.get(), f, pal), 0) << limit;
    pack_fclose(f);
  }
}

TEST_F(AniFile, WriterRefusesARecordThatBreaksItsInvariants) {
  AniPtr ani = make_ani(4, 4, 2);
  Bytes out;
  PACKFILE *f = memfile_open_write(&out);
  EXPECT_EQ(save_ani_fp(nullptr, f, nullptr), 0);
  BITMAP *kept = ani->frames[1];
  ani->frames[1] = nullptr;
  EXPECT_EQ(save_ani_fp(ani.get(), f, nullptr), 0);
  ani->frames[1] = kept;
  ani->f = 300;
  EXPECT_EQ(save_ani_fp(ani.get(), f, nullptr), 0);
  ani->f = 2;
  pack_fclose(f);
  EXPECT_TRUE(out.empty());
}

TEST_F(AniFile, CreateDuplicateAndDestroy) {
  EXPECT_FALSE(create_ani(0, 4));
  EXPECT_FALSE(create_ani(4, ANI_MAX_SIDE + 1));
  AniPtr fresh(create_ani(24, 32));
  ASSERT_TRUE(fresh);
  EXPECT_EQ(fresh->f, 0);
  EXPECT_EQ(fresh->d, 1);

  AniPtr ani = make_ani(6, 4, 3, 77, 5);
  AniPtr copy(duplicate_ani(ani.get()));
  ASSERT_TRUE(same_ani(ani.get(), copy.get()));
  for (int i = 0; i < 3; i++) EXPECT_NE(copy->frames[i], ani->frames[i]);
  ani->frames[2]->line[3][5] ^= 1;
  EXPECT_FALSE(same_ani(ani.get(), copy.get()));
  EXPECT_FALSE(duplicate_ani(nullptr));
  destroy_ani(nullptr);
}

}  // namespace
