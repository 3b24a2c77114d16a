// The character record and its stream.
#include "memfile.h"
#include "support.h"

namespace {

using Sprite = DataTest;

// What File > New makes: 16 one-frame slots of w x h, each box the whole frame.
SpritePtr new_character(int w, int h) {
  SpritePtr s(zq_sprite_create());
  for (int i = 0; i < ZQ_SPRITE_SLOTS; i++) {
    s->ani[i] = create_ani(w, h);
    animation_add_frame(s->ani[i], solid_bitmap(w, h, 0).get());
    s->cw[i] = w;
    s->ch[i] = h;
  }
  return s;
}

// Slots of different sizes and lengths, empty ones between, odd boxes.
SpritePtr mixed_character() {
  SpritePtr s(zq_sprite_create());
  for (int i = 0; i < ZQ_SPRITE_SLOTS; i++) {
    if (i % 3 != 1) s->ani[i] = make_ani(1 + i, 16 - i, i % 4, 100 + i, i - 3).release();
    s->cx[i] = -i;
    s->cy[i] = i * 1000;
    s->cw[i] = INT32_MAX - i;
    s->ch[i] = INT32_MIN + i;
  }
  return s;
}

// A stream of `count` slots, slot k holding `slot_bytes(k)` after its flag.
Bytes hand_made(int count, int present, const Bytes &ani) {
  Bytes b;
  put32(b, count);
  for (int i = 0; i < std::max(count, 0); i++) {
    put32(b, present);
    b.insert(b.end(), ani.begin(), ani.end());
    for (int v : {i, i + 1, i + 2, i + 3}) put32(b, v);
  }
  return b;
}

// Saves, checks the size, loads back and compares every slot and box.
void expect_round_trip(ZQ_SPRITE *s, size_t size) {
  Bytes b = sprite_bytes(s);
  EXPECT_EQ(b.size(), size);
  LoadStatus st;
  SpritePtr back = sprite_from(b, &st);
  ASSERT_TRUE(back);
  EXPECT_TRUE(same_sprite(s, back.get()));
  EXPECT_EQ(st.palettes, 0u);
}

TEST_F(Sprite, EmptyRecordIs324BytesAndKeepsItsBoxes) {
  SpritePtr s(zq_sprite_create());
  ASSERT_TRUE(s);
  for (int i = 0; i < ZQ_SPRITE_SLOTS; i++) EXPECT_FALSE(s->ani[i]);
  EXPECT_EQ(s->cw[15], 0);
  s->cx[3] = -7;
  s->ch[15] = 99;
  expect_round_trip(s.get(), 324);
}

TEST_F(Sprite, NewCharacterOf16By16Is4756Bytes) { expect_round_trip(new_character(16, 16).get(), 4756); }

TEST_F(Sprite, RoundTripsEverySlotAndBox) {
  SpritePtr s = mixed_character();
  size_t size = 4;
  for (const ANIMATION *a : s->ani) size += 20 + (a ? 21 + size_t(a->f) * a->w * a->h : 0);
  expect_round_trip(s.get(), size);
}

TEST_F(Sprite, SlotCountsBelow16) {
  AniPtr ani = make_ani(3, 2, 2);
  for (int count : {3, 0, -5}) {
    SpritePtr s = sprite_from(hand_made(count, 1, ani_bytes(ani.get(), nullptr)));
    ASSERT_TRUE(s) << count;
    for (int i = 0; i < ZQ_SPRITE_SLOTS; i++) {
      bool loaded = i < count;
      EXPECT_EQ(s->ani[i] != nullptr, loaded) << count << " slot " << i;
      EXPECT_EQ(s->ch[i], loaded ? i + 3 : 0);
    }
  }
}

TEST_F(Sprite, FlagTwoIsPresentAndEmbeddedPalettesAreSkipped) {
  AniPtr ani = make_ani(3, 2, 2, 9);
  PALETTE pal;
  make_palette(pal);
  LoadStatus st;
  SpritePtr s = sprite_from(hand_made(16, 2, ani_bytes(ani.get(), pal)), &st);
  ASSERT_TRUE(s);
  EXPECT_EQ(st.palettes, 0xFFFFu);
  for (int i = 0; i < ZQ_SPRITE_SLOTS; i++) {
    EXPECT_TRUE(same_ani(ani.get(), s->ani[i])) << i;
    EXPECT_EQ(s->cx[i], i);
  }
}

TEST_F(Sprite, RefusesBrokenCharacters) {
  SpritePtr good = mixed_character();
  const Bytes b = sprite_bytes(good.get());
  // Offsets of the slots in `b`.
  std::vector<size_t> at;
  for (size_t pos = 4, i = 0; i < ZQ_SPRITE_SLOTS; i++) {
    at.push_back(pos);
    const ANIMATION *a = good->ani[i];
    pos += 4 + (a ? 21 + size_t(a->f) * a->w * a->h : 0) + 16;
  }
  ASSERT_EQ(at[1] - at[0], 4u + 21 + 0 + 16);  // slot 0: 1 x 16, no frames

  struct Case {
    const char *what;
    Bytes bytes;
    LoadError error;
    int slot;
  };
  auto cut = [&](size_t n) { return Bytes(b.begin(), b.begin() + n); };
  auto poke = [&](size_t pos, unsigned char v) {
    Bytes c = b;
    c[pos] = v;
    return c;
  };
  Bytes count17 = b;
  count17[0] = 17;
  const Case cases[] = {
      {"count 17", count17, LoadError::bad_header, -1},
      {"empty", {}, LoadError::truncated, -1},
      {"inside the count", cut(2), LoadError::truncated, -1},
      {"before slot 0", cut(4), LoadError::truncated, 0},
      {"wrong magic in slot 0", poke(at[0] + 4, 'X'), LoadError::bad_magic, 0},
      {"wrong magic in slot 8", poke(at[8] + 4 + 3, 22), LoadError::bad_magic, 8},
      {"wrong magic in slot 15", poke(at[15] + 4 + 1, 0), LoadError::bad_magic, 15},
      {"bad width in slot 5", poke(at[5] + 4 + 7, 0x80), LoadError::bad_header, 5},
      {"inside the pixels of slot 14", cut(at[15] - 20), LoadError::truncated, 14},
      {"inside an empty slot's box", cut(at[7] + 10), LoadError::truncated, 7},
      {"inside the last box", cut(b.size() - 1), LoadError::truncated, 15},
  };
  for (const Case &c : cases) {
    LoadStatus st;
    EXPECT_FALSE(sprite_from(c.bytes, &st)) << c.what;
    EXPECT_EQ(st.error, c.error) << c.what;
    EXPECT_EQ(st.slot, c.slot) << c.what;
  }
}

TEST_F(Sprite, WriterReportsFailedWrites) {
  SpritePtr s = new_character(4, 4);
  for (size_t limit : {size_t(0), size_t(4), size_t(30), size_t(500), size_t(4 + 16 * 57 - 1)}) {
    Bytes out;
    PACKFILE *f = memfile_open_write(&out, limit);
    EXPECT_EQ(zq_sprite_save_fp(s.get(), f), 0) << limit;
    pack_fclose(f);
  }
  // A slot animation that breaks its invariants fails the save too.
  s->ani[9]->f = -1;
  Bytes out;
  PACKFILE *f = memfile_open_write(&out);
  EXPECT_EQ(zq_sprite_save_fp(s.get(), f), 0);
  pack_fclose(f);
  s->ani[9]->f = 1;
}

}  // namespace
