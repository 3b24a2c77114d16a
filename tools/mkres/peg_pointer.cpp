#include "peg_pointer.h"

#include "palette.h"

namespace mkres {
namespace {

// The 5 x 5 peg reaches 2 pixels from its centre; the arms stop one pixel
// further out so the peg's black border keeps a clear ring around it.
constexpr int kGap = 5;
constexpr int kLast = kPointerSize - 1;
constexpr int kHot = kPointerHotSpot;

// One arm of the cross, white on a black outline so it shows on any colour.
void arm(BITMAP* b, int x1, int y1, int x2, int y2) {
  rectfill(b, x1 - 1, y1 - 1, x2 + 1, y2 + 1, kBlack);
}

void arm_core(BITMAP* b, int x1, int y1, int x2, int y2) {
  rectfill(b, x1, y1, x2, y2, kWhite);
}

}  // namespace

void draw_peg_pointer(BITMAP* bmp) {
  clear_to_color(bmp, kTransparent);
  struct Span {
    int x1, y1, x2, y2;
  };
  const Span arms[] = {
      {1, kHot, kHot - kGap, kHot},              // left
      {kHot + kGap, kHot, kLast - 1, kHot},      // right
      {kHot, 1, kHot, kHot - kGap},              // top
      {kHot, kHot + kGap, kHot, kLast - 1},      // bottom
  };
  for (const Span& s : arms) arm(bmp, s.x1, s.y1, s.x2, s.y2);
  for (const Span& s : arms) arm_core(bmp, s.x1, s.y1, s.x2, s.y2);
}

}  // namespace mkres
