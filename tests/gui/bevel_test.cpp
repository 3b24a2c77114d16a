#include "gui_fixture.h"
#include "mygui.h"

namespace {

constexpr int A = 30, B = 16, F = 2, FILL = 23;

const std::vector<std::pair<char, int>> legend = {
    {'X', BACKDROP}, {'F', F}, {'A', A}, {'B', B}, {'.', FILL}};

using BevelTest = GuiTest;

TEST_F(BevelTest, OuterBoxRingsLeaveTheirMitreCornersInTheFill)
{
   outer_bevel_box(canvas.get(), 1, 1, 8, 7, FILL, F, A, B, 2, 1);
   EXPECT_TRUE(matches_picture(canvas.get(), 0, 0,
                               {"XXXXXXXXXX",
                                "XFFFFFFFFX",
                                "XFAAAAA.FX",
                                "XFAAAA.BFX",
                                "XFAA..BBFX",
                                "XFA.BBBBFX",
                                "XF.BBBBBFX",
                                "XFFFFFFFFX",
                                "XXXXXXXXXX"},
                               legend));
}

TEST_F(BevelTest, OuterBoxWithoutFrameBevelsItsOwnBorder)
{
   outer_bevel_box(canvas.get(), 0, 0, 4, 3, FILL, F, A, B, 1, 0);
   EXPECT_TRUE(matches_picture(canvas.get(), 0, 0, {"AAAA.X", "A...BX", "A...BX", ".BBBBX"},
                               legend));
}

TEST_F(BevelTest, OuterBoxWithoutRingsIsFillAndOutline)
{
   outer_bevel_box(canvas.get(), 0, 0, 3, 2, FILL, F, A, B, 0, 1);
   EXPECT_TRUE(matches_picture(canvas.get(), 0, 0, {"FFFF", "F..F", "FFFF"}, legend));
}

TEST_F(BevelTest, OuterBoxTooSmallForItsRingsStaysInside)
{
   outer_bevel_box(canvas.get(), 2, 2, 4, 4, FILL, F, A, B, 5, 1);
   EXPECT_TRUE(matches_picture(canvas.get(), 1, 1, {"XXXXX", "XFFFX", "XF.FX", "XFFFX", "XXXXX"},
                               legend));
}

TEST_F(BevelTest, InnerBoxSinksAroundTheRectangle)
{
   inner_bevel_box(canvas.get(), 5, 5, 6, 6, FILL, F, A, B, 1, 1);
   EXPECT_TRUE(matches_picture(canvas.get(), 0, 0,
                               {"XXXXXXXXXXXX",
                                "XBBBBBBBBBXX",
                                "XBFFFFFFFFAX",
                                "XBF......FAX",
                                "XBF......FAX",
                                "XBF......FAX",
                                "XBF......FAX",
                                "XBF......FAX",
                                "XBF......FAX",
                                "XBFFFFFFFFAX",
                                "XXAAAAAAAAAX",
                                "XXXXXXXXXXXX"},
                               legend));
}

TEST_F(BevelTest, InnerBoxWithoutFrameLeavesTheOutlineRingAlone)
{
   inner_bevel_box(canvas.get(), 5, 5, 5, 5, FILL, F, A, B, 2, 0);
   EXPECT_TRUE(matches_picture(canvas.get(), 0, 0,
                               {"BBBBBBBBBBX",
                                "BBBBBBBBBXA",
                                "BBXXXXXXXAA",
                                "BBX.....XAA",
                                "BBX.....XAA",
                                "BBX.....XAA",
                                "BBX.....XAA",
                                "BBX.....XAA",
                                "BBXXXXXXXAA",
                                "BXAAAAAAAAA",
                                "XAAAAAAAAAA"},
                               legend));
}

}  // namespace
