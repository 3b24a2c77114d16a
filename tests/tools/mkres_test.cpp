// Checks the generated chared.dat and chared.txt the way the editor reads
// them: through Allegro's own datafile and PCX readers.
#include "datafile_writer.h"
#include "palette.h"
#include "peg_pointer.h"
#include "tool_box.h"

#include <allegro.h>
#include <gtest/gtest.h>

#include "animate.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using namespace mkres;

class AllegroEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { ASSERT_EQ(install_allegro(SYSTEM_NONE, &errno, atexit), 0); }
};
const auto* const kAllegro = ::testing::AddGlobalTestEnvironment(new AllegroEnvironment);

BitmapPtr load_object(const std::string& name, RGB* pal = nullptr) {
  const std::string path = std::string(CHARED_DAT_PATH) + "#" + name;
  return BitmapPtr(load_pcx(path.c_str(), pal));
}

std::string tool_name(int tool) { return "tool" + std::to_string(tool) + ".pcx"; }

// --- the datafile objects -------------------------------------------------

struct ObjectCase {
  std::string name;
  int size;
};

class DatObjectTest : public ::testing::TestWithParam<ObjectCase> {};

TEST_P(DatObjectTest, LoadsThroughTheHashPathAsAn8BitImage) {
  BitmapPtr image = load_object(GetParam().name);
  ASSERT_NE(image, nullptr) << GetParam().name;
  EXPECT_EQ(image->w, GetParam().size);
  EXPECT_EQ(image->h, GetParam().size);
  EXPECT_EQ(bitmap_color_depth(image.get()), 8);
}

INSTANTIATE_TEST_SUITE_P(
    AllObjects, DatObjectTest,
    ::testing::Values(ObjectCase{"mouse_corner.pcx", kPointerSize},
                      ObjectCase{"tool0.pcx", 48}, ObjectCase{"tool1.pcx", 48},
                      ObjectCase{"tool2.pcx", 48}, ObjectCase{"tool3.pcx", 48},
                      ObjectCase{"tool4.pcx", 48}, ObjectCase{"tool5.pcx", 48},
                      ObjectCase{"tool6.pcx", 48}, ObjectCase{"tool7.pcx", 48},
                      ObjectCase{"tool8.pcx", 48}),
    [](const auto& info) { return info.param.name.substr(0, info.param.name.find('.')); });

TEST(DatObject, UnknownNameIsNotFound) {
  EXPECT_EQ(load_object("tool9.pcx"), nullptr);
}

// --- the palette ----------------------------------------------------------

class PaletteTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_NE(load_object("mouse_corner.pcx", pal), nullptr); }

  // Relative luminance (0..1) of an entry, for contrast checks.
  double luminance(int i) const {
    auto lin = [](int v) {
      const double c = v / 63.0;
      return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * lin(pal[i].r) + 0.7152 * lin(pal[i].g) + 0.0722 * lin(pal[i].b);
  }
  double contrast(int a, int b) const {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
  }

  PALETTE pal;
};

TEST_F(PaletteTest, IndexZeroIsExactBlack) {
  EXPECT_EQ(pal[0].r, 0);
  EXPECT_EQ(pal[0].g, 0);
  EXPECT_EQ(pal[0].b, 0);
}

TEST_F(PaletteTest, GuiShadesAreLitFromTheTopLeft) {
  // A raised panel draws top and left in face + 7, bottom and right in face - 7.
  EXPECT_GT(luminance(30), luminance(23));
  EXPECT_GT(luminance(23), luminance(16));
  EXPECT_GT(luminance(31), luminance(24));
  EXPECT_GT(luminance(24), luminance(17));
  EXPECT_GT(contrast(24, 23), 1.1) << "a focused button must look different";
}

TEST_F(PaletteTest, TextColoursReadOnTheirBackgrounds) {
  EXPECT_GE(contrast(2, 23), 7.0) << "dialog text on dialog face";
  EXPECT_GE(contrast(2, 24), 7.0) << "dialog text on focused face";
  EXPECT_GE(contrast(8, 31), 7.0) << "help text on help background";
  EXPECT_GE(contrast(12, 23), 2.0) << "disabled text must still be legible";
  EXPECT_LT(contrast(12, 23), contrast(2, 23)) << "disabled text must look weaker";
}

TEST_F(PaletteTest, ColoursTheViewsAskForHaveCloseEntries) {
  struct Want {
    int r, g, b;
  };
  for (const Want w : {Want{0, 64, 128}, Want{255, 255, 255}, Want{0, 0, 0},
                       Want{0, 255, 0}, Want{0, 0, 255}}) {
    // makecol8 looks the colour up in the current palette.
    set_palette(pal);
    const int i = makecol8(w.r, w.g, w.b);
    EXPECT_EQ(i, bestfit_color(pal, w.r >> 2, w.g >> 2, w.b >> 2));
    EXPECT_NE(i, 0) << "index 0 is transparent";
    EXPECT_LE(std::abs(pal[i].r - (w.r >> 2)), 1) << w.r << "," << w.g << "," << w.b;
    EXPECT_LE(std::abs(pal[i].g - (w.g >> 2)), 1) << w.r << "," << w.g << "," << w.b;
    EXPECT_LE(std::abs(pal[i].b - (w.b >> 2)), 1) << w.r << "," << w.g << "," << w.b;
  }
}

TEST_F(PaletteTest, GreyRampRunsFromBlackToWhite) {
  for (int i = 1; i < kGreyCount; ++i) {
    EXPECT_EQ(pal[i].r, pal[i].g);
    EXPECT_EQ(pal[i].g, pal[i].b);
    EXPECT_GE(pal[i].r, pal[i - 1].r) << "at " << i;
  }
  EXPECT_EQ(pal[kGreyCount - 1].r, 63);
}

TEST_F(PaletteTest, NoEntryIsWastedOnADuplicate) {
  // Only the opaque black may repeat the transparent index 0.
  for (int i = 2; i < PAL_SIZE; ++i) {
    for (int j = 0; j < i; ++j) {
      EXPECT_FALSE(pal[i].r == pal[j].r && pal[i].g == pal[j].g && pal[i].b == pal[j].b)
          << i << " repeats " << j;
    }
  }
}

// --- the tool box images --------------------------------------------------

int cell_of(int tool) {
  for (int cell = 0; cell < kToolCount; ++cell) {
    if (kToolMap[cell] == tool) return cell;
  }
  return -1;
}

// The bevel pixel just inside a button's top-left corner: light when the
// button is up, dark when it is pressed.
int bevel_corner(BITMAP* box, int cell) {
  return getpixel(box, (cell % 3) * kCellSize + 1, (cell / 3) * kCellSize + 1);
}

TEST(ToolBox, EachImagePressesItsOwnToolOnly) {
  for (int tool = 0; tool < kToolCount; ++tool) {
    BitmapPtr box = load_object(tool_name(tool));
    ASSERT_NE(box, nullptr);
    for (int cell = 0; cell < kToolCount; ++cell) {
      const bool pressed = cell == cell_of(tool);
      EXPECT_EQ(bevel_corner(box.get(), cell), pressed ? kFaceShadow : kFaceLight)
          << "image " << tool << " cell " << cell;
    }
  }
}

TEST(ToolBox, ImagesHaveNoTransparentHoles) {
  // The view draws them masked, so colour 0 would show the background.
  for (int tool = 0; tool < kToolCount; ++tool) {
    BitmapPtr box = load_object(tool_name(tool));
    ASSERT_NE(box, nullptr);
    for (int y = 0; y < box->h; ++y) {
      for (int x = 0; x < box->w; ++x) {
        ASSERT_NE(getpixel(box.get(), x, y), 0) << "image " << tool << " at " << x << "," << y;
      }
    }
  }
}

TEST(ToolBox, CellsShowDifferentPictures) {
  BitmapPtr box = load_object(tool_name(0));
  ASSERT_NE(box, nullptr);
  auto same_cells = [&](int a, int b) {
    for (int y = 2; y < kCellSize - 2; ++y) {
      for (int x = 2; x < kCellSize - 2; ++x) {
        if (getpixel(box.get(), (a % 3) * kCellSize + x, (a / 3) * kCellSize + y) !=
            getpixel(box.get(), (b % 3) * kCellSize + x, (b / 3) * kCellSize + y)) {
          return false;
        }
      }
    }
    return true;
  };
  for (int a = 1; a < kToolCount; ++a) {
    for (int b = 1; b < a; ++b) EXPECT_FALSE(same_cells(a, b)) << a << " and " << b;
  }
}

// --- the peg pointer ------------------------------------------------------

TEST(PegPointer, LeavesThePegUnderTheHotSpotVisible) {
  BitmapPtr pointer = load_object("mouse_corner.pcx");
  ASSERT_NE(pointer, nullptr);
  const int h = kPointerHotSpot;
  // The peg covers two pixels around the hot spot, and its border one more.
  for (int y = h - 3; y <= h + 3; ++y) {
    for (int x = h - 3; x <= h + 3; ++x) EXPECT_EQ(getpixel(pointer.get(), x, y), 0);
  }
  // The four arms point at the hot spot from every side.
  EXPECT_EQ(getpixel(pointer.get(), h, 2), kWhite);
  EXPECT_EQ(getpixel(pointer.get(), h, kPointerSize - 3), kWhite);
  EXPECT_EQ(getpixel(pointer.get(), 2, h), kWhite);
  EXPECT_EQ(getpixel(pointer.get(), kPointerSize - 3, h), kWhite);
  EXPECT_EQ(getpixel(pointer.get(), 0, 0), 0);
}

// --- the datafile writer --------------------------------------------------

std::string temp_path(const std::string& leaf) {
  return ::testing::TempDir() + "mkres_" + std::to_string(getpid()) + "_" + leaf;
}

std::string read_object(const std::string& dat, const std::string& name) {
  const std::string path = dat + "#" + name;
  PACKFILE* f = pack_fopen(path.c_str(), F_READ);
  if (!f) return "<missing>";
  std::string bytes;
  for (int c; (c = pack_getc(f)) != EOF;) bytes.push_back(static_cast<char>(c));
  pack_fclose(f);
  return bytes;
}

DatObject object(const std::string& name, const std::string& text) {
  return {name, std::vector<unsigned char>(text.begin(), text.end())};
}

TEST(DatafileWriter, AllegroFindsEveryObjectByName) {
  const std::string dat = temp_path("round.dat");
  const std::string big(70000, 'x');  // wider than Allegro's packfile buffer
  ASSERT_TRUE(write_datafile(dat, {object("first.bin", "abc"), object("empty", ""),
                                   object("big.bin", big), object("last", std::string("\x01\x00\xff", 3))}));
  EXPECT_EQ(read_object(dat, "first.bin"), "abc");
  EXPECT_EQ(read_object(dat, "big.bin"), big);
  EXPECT_EQ(read_object(dat, "last"), std::string("\x01\x00\xff", 3));
  EXPECT_EQ(read_object(dat, "empty"), "");
  EXPECT_EQ(read_object(dat, "absent"), "<missing>");
  std::remove(dat.c_str());
}

std::string file_text(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

TEST(DatafileWriter, RefusedWriteKeepsTheOldFile) {
  const std::string dat = temp_path("keep.dat");
  ASSERT_TRUE(write_datafile(dat, {object("a", "old")}));
  const std::string before = file_text(dat);
  EXPECT_FALSE(write_datafile(dat, {object("", "nameless")}));
  EXPECT_EQ(file_text(dat), before);
  std::remove(dat.c_str());
}

TEST(DatafileWriter, FailingWriteReportsFailureAndLeavesNoTemporary) {
  const std::string dir = temp_path("dir.dat");
  ASSERT_EQ(mkdir(dir.c_str(), 0755), 0);
  const std::string inside = dir + "/x";
  ASSERT_TRUE(std::ofstream(inside).good());
  // Renaming a file onto a non-empty directory fails after the data was written.
  EXPECT_FALSE(write_datafile(dir, {object("a", "data")}));
  EXPECT_NE(access((dir + ".tmp").c_str(), F_OK), 0);
  EXPECT_FALSE(write_datafile(temp_path("no/such/folder.dat"), {object("a", "data")}));
  std::remove(inside.c_str());
  rmdir(dir.c_str());
}

// --- the help text --------------------------------------------------------

TEST(HelpText, LinesFitTheHelpBox) {
  std::ifstream in(CHARED_HELP_PATH, std::ios::binary);
  ASSERT_TRUE(in.good());
  int n = 0;
  for (std::string line; std::getline(in, line); ++n) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    EXPECT_LE(line.size(), 70u) << "line " << n + 1 << ": " << line;
    for (unsigned char c : line) EXPECT_TRUE(c >= 32 && c < 127) << "line " << n + 1;
  }
  EXPECT_GT(n, 40);
}

TEST(HelpText, NamesEveryMenuEntryAndGlobalKey) {
  const std::string help = file_text(CHARED_HELP_PATH);
  for (const char* word :
       {"New", "Open", "Save", "Exit", "Cut", "Copy", "Paste", "Mirror", "Flip", "Turn",
        "Animation", "Layout", "Scratch", "Sounds", "Load", "Import", "Frame", "Speed",
        "Create", "Rotation", "Shift", "Insert", "Add", "Delete", "Clear", "Decrease",
        "Increase", "F1", "F2", "F3", "F4", "Tab", "Esc", "-admin"}) {
    EXPECT_NE(help.find(word), std::string::npos) << word;
  }
}

}  // namespace
