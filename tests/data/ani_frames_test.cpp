// Frame editing, derived animations, and picking and drawing frames.
#include "support.h"

namespace {

using Frames = DataTest;

// Each frame i of the animation filled with colour i + 1.
AniPtr numbered(int f, int w = 4, int h = 4) {
  AniPtr ani(create_ani(w, h));
  for (int i = 0; i < f; i++) animation_add_frame(ani.get(), solid_bitmap(w, h, i + 1).get());
  return ani;
}

// The colour at (0, 0) of every frame, to compare strips at a glance.
std::vector<int> firsts(const ANIMATION *ani) {
  std::vector<int> v;
  for (int i = 0; i < ani->f; i++) v.push_back(ani->frames[i]->line[0][0]);
  return v;
}

int count_nonzero(BITMAP *b) {
  int n = 0;
  for (int y = 0; y < b->h; y++)
    for (int x = 0; x < b->w; x++) n += b->line[y][x] != 0;
  return n;
}

TEST_F(Frames, AddStopsAt256Frames) {
  AniPtr ani(create_ani(2, 2));
  BitmapPtr src = solid_bitmap(2, 2, 5);
  for (int i = 0; i < 256; i++) ASSERT_EQ(animation_add_frame(ani.get(), src.get()), 1) << i;
  EXPECT_EQ(animation_add_frame(ani.get(), src.get()), 0);
  EXPECT_EQ(animation_insert_frame(ani.get(), 0, src.get()), 0);
  EXPECT_EQ(ani->f, 256);
  EXPECT_EQ(animation_add_frame(nullptr, src.get()), 0);
}

TEST_F(Frames, GrowingPastThePixelBoundIsRefused) {
  // Frames are never touched before the bound is checked, so one small
  // bitmap can stand in for the 64 big ones.
  AniPtr ani(create_ani(ANI_MAX_SIDE, ANI_MAX_SIDE));
  BitmapPtr stand_in = solid_bitmap(1, 1, 1);
  for (int i = 0; i < 64; i++) ani->frames[i] = stand_in.get();
  ani->f = 64;
  EXPECT_EQ(animation_add_frame(ani.get(), stand_in.get()), 0);
  EXPECT_EQ(animation_insert_frame(ani.get(), 0, stand_in.get()), 0);
  EXPECT_EQ(ani->f, 64);
  ani->f = 0;
}

TEST_F(Frames, InsertShiftsTheTailUp) {
  AniPtr ani = numbered(3);
  BITMAP *held = ani->frames[2];
  BitmapPtr src = solid_bitmap(4, 4, 9);
  ASSERT_EQ(animation_insert_frame(ani.get(), 2, src.get()), 1);  // at f - 1
  EXPECT_EQ(firsts(ani.get()), (std::vector<int>{1, 2, 9, 3}));
  EXPECT_EQ(ani->frames[2], held) << "bitmaps keep their positions";
  ASSERT_EQ(animation_insert_frame(ani.get(), 0, src.get()), 1);
  EXPECT_EQ(firsts(ani.get()), (std::vector<int>{9, 1, 2, 9, 3}));
  EXPECT_EQ(animation_insert_frame(ani.get(), 5, src.get()), 0);  // at f
  EXPECT_EQ(animation_insert_frame(ani.get(), -1, src.get()), 0);
  EXPECT_EQ(ani->f, 5);
}

TEST_F(Frames, InsertingAFrameBeforeItselfLeavesABlank) {
  AniPtr ani = numbered(3);
  ASSERT_EQ(animation_insert_frame(ani.get(), 1, ani->frames[1]), 1);
  EXPECT_EQ(firsts(ani.get()), (std::vector<int>{1, 0, 2, 3}));
  EXPECT_EQ(count_nonzero(ani->frames[1]), 0);
}

TEST_F(Frames, SourcesAreCutOrPaddedToTheFrameSize) {
  AniPtr ani = numbered(1, 6, 5);
  BitmapPtr small = solid_bitmap(2, 3, 7), large = solid_bitmap(40, 30, 8);
  ASSERT_EQ(animation_replace_frame(ani.get(), 0, small.get()), 1);
  EXPECT_EQ(count_nonzero(ani->frames[0]), 6);
  EXPECT_EQ(ani->frames[0]->line[2][1], 7);
  EXPECT_EQ(ani->frames[0]->line[3][1], 0);
  ASSERT_EQ(animation_add_frame(ani.get(), small.get()), 1);
  EXPECT_EQ(count_nonzero(ani->frames[1]), 6);
  ASSERT_EQ(animation_insert_frame(ani.get(), 0, large.get()), 1);
  EXPECT_EQ(count_nonzero(ani->frames[0]), 30);
  EXPECT_EQ(animation_replace_frame(ani.get(), 3, large.get()), 0);
}

TEST_F(Frames, DeleteShiftsTheTailDown) {
  AniPtr ani = numbered(3);
  BITMAP *first = ani->frames[0];
  ASSERT_EQ(animation_delete_frame(ani.get(), 0), 1);
  EXPECT_EQ(firsts(ani.get()), (std::vector<int>{2, 3}));
  EXPECT_EQ(ani->frames[0], first);
  EXPECT_EQ(animation_delete_frame(ani.get(), 2), 0);
  ASSERT_EQ(animation_delete_frame(ani.get(), 1), 1);
  ASSERT_EQ(animation_delete_frame(ani.get(), 0), 1);
  EXPECT_EQ(ani->f, 0);
  EXPECT_EQ(animation_delete_frame(ani.get(), 0), 0);
}

TEST_F(Frames, CopyFrameIsTheCallersOwn) {
  AniPtr ani = numbered(2);
  BitmapPtr copy(animation_copy_frame(ani.get(), 1));
  ASSERT_TRUE(copy);
  EXPECT_NE(copy.get(), ani->frames[1]);
  EXPECT_EQ(copy->line[3][3], 2);
  EXPECT_FALSE(animation_copy_frame(ani.get(), 2));
  EXPECT_FALSE(animation_copy_frame(nullptr, 0));
}

TEST_F(Frames, MaskKeepsOnlyTheRectangle) {
  AniPtr ani = make_ani(8, 8, 2, 0, 4);
  ani->frames[1]->line[3][3] = 0;  // a zero inside stays zero
  AniPtr masked(mask_ani(ani.get(), 2, 2, 4, 4));
  ASSERT_TRUE(masked);
  EXPECT_EQ(masked->w, 8);
  EXPECT_EQ(masked->f, 2);
  EXPECT_EQ(masked->d, 4);
  EXPECT_EQ(count_nonzero(masked->frames[0]), 16);
  EXPECT_EQ(count_nonzero(masked->frames[1]), 15);
  EXPECT_EQ(masked->frames[0]->line[5][5], ani->frames[0]->line[5][5]);
  EXPECT_EQ(masked->frames[0]->line[6][5], 0);
  // Rectangles partly or wholly outside the frame.
  AniPtr corner(mask_ani(ani.get(), -3, 6, 5, 10));
  EXPECT_EQ(count_nonzero(corner->frames[0]), 4);
  for (int x : {9, INT32_MAX, INT32_MIN}) {
    AniPtr none(mask_ani(ani.get(), x, 0, INT32_MAX, 4));
    ASSERT_TRUE(none);
    EXPECT_EQ(count_nonzero(none->frames[0]), 0);
  }
}

TEST_F(Frames, ClipCutsARectangleAndPadsWithZero) {
  AniPtr ani = make_ani(8, 8, 3, 0, 2);
  AniPtr clipped(clip_ani(ani.get(), -2, 1, 5, 4));
  ASSERT_TRUE(clipped);
  EXPECT_EQ(clipped->w, 5);
  EXPECT_EQ(clipped->h, 4);
  EXPECT_EQ(clipped->f, 3);
  EXPECT_EQ(clipped->d, 2);
  for (int y = 0; y < 4; y++) {
    EXPECT_EQ(clipped->frames[2]->line[y][0], 0);
    EXPECT_EQ(clipped->frames[2]->line[y][1], 0);
    EXPECT_EQ(clipped->frames[2]->line[y][2], ani->frames[2]->line[y + 1][0]);
  }
  AniPtr far(clip_ani(ani.get(), INT32_MIN, INT32_MAX, 2, 2));
  ASSERT_TRUE(far);
  EXPECT_EQ(count_nonzero(far->frames[0]), 0);
  EXPECT_FALSE(clip_ani(ani.get(), 0, 0, 0, 4));
  EXPECT_FALSE(clip_ani(nullptr, 0, 0, 4, 4));
}

TEST_F(Frames, TickRulePicksFrames) {
  struct Case {
    int d, t, frame;
  } cases[] = {{3, 0, 0}, {3, 2, 0}, {3, 3, 1}, {3, 11, 3}, {3, 12, 0}, {0, 5, 1},
               {1, 5, 1}, {0, 7, 3}, {2, -1, 3},  // 0xFFFFFFFF / 2 = 0x7FFFFFFF, mod 4 = 3
               {-1, 9, 0}};                      // t / 0xFFFFFFFF = 0
  AniPtr ani = numbered(4);
  for (const Case &c : cases) {
    ani->d = c.d;
    EXPECT_EQ(get_ani(ani.get(), c.t), ani->frames[c.frame]) << "d " << c.d << " t " << c.t;
  }
  EXPECT_EQ(get_ani_frame(ani.get(), 3), ani->frames[3]);
  EXPECT_FALSE(get_ani_frame(ani.get(), 4));
  EXPECT_FALSE(get_ani(nullptr, 0));
}

TEST_F(Frames, DrawingRoutinesPutTheRightPixels) {
  AniPtr ani(create_ani(3, 1));
  BitmapPtr src(create_bitmap_ex(8, 3, 1));
  src->line[0][0] = 0;
  src->line[0][1] = 4;
  src->line[0][2] = 6;
  animation_add_frame(ani.get(), src.get());
  BitmapPtr dest = solid_bitmap(5, 1, 2);
  auto row = [&] {
    std::vector<int> v;
    for (int x = 0; x < 5; x++) v.push_back(dest->line[0][x]);
    return v;
  };
  EXPECT_EQ(draw_ani_frame(dest.get(), ani.get(), 1, 0, 0), 1);
  EXPECT_EQ(row(), (std::vector<int>{2, 2, 4, 6, 2}));
  EXPECT_EQ(draw_solid_ani(dest.get(), ani.get(), 0, 0, 15, 7), 1);
  EXPECT_EQ(row(), (std::vector<int>{2, 15, 15, 6, 2}));
  EXPECT_EQ(blit_ani(ani.get(), dest.get(), 2, 0, 99), 1);
  EXPECT_EQ(row(), (std::vector<int>{2, 15, 0, 4, 6}));
  EXPECT_EQ(draw_ani(dest.get(), ani.get(), 0, 0, 1), 1);
  EXPECT_EQ(blit_ani_frame(ani.get(), dest.get(), 0, 0, 1), 0);
  EXPECT_EQ(draw_solid_ani_frame(dest.get(), ani.get(), 0, 0, 15, -1), 0);
  // Translucency in 8 bits needs a colour map; without one it is refused.
  COLOR_MAP *saved = color_map;
  color_map = nullptr;
  EXPECT_EQ(draw_trans_ani(dest.get(), ani.get(), 0, 0, 0), 0);
  color_map = saved;

  AniPtr empty(create_ani(3, 1));
  for (auto draw : {draw_ani, draw_trans_ani})
    EXPECT_EQ(draw(dest.get(), empty.get(), 0, 0, 0), 0);
  EXPECT_EQ(blit_ani(empty.get(), dest.get(), 0, 0, 0), 0);
  EXPECT_EQ(draw_solid_ani(dest.get(), nullptr, 0, 0, 1, 0), 0);
}

TEST_F(Frames, TranslucentDrawingGoesThroughTheColourMap) {
  AniPtr ani = numbered(1, 2, 2);
  static COLOR_MAP map;
  for (int a = 0; a < PAL_SIZE; a++)
    for (int b = 0; b < PAL_SIZE; b++) map.data[a][b] = static_cast<unsigned char>(a + b);
  COLOR_MAP *saved = color_map;
  color_map = &map;
  BitmapPtr dest = solid_bitmap(2, 2, 10);
  EXPECT_EQ(draw_trans_ani_frame(dest.get(), ani.get(), 0, 0, 0), 1);
  color_map = saved;
  EXPECT_EQ(dest->line[1][1], 11);
}

}  // namespace
