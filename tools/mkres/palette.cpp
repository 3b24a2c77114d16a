#include "palette.h"

#include <cmath>

namespace mkres {
namespace {

struct Rgb8 {
  double r, g, b;  // 0..255
};

// Grey levels in Allegro units (0..63). Index 0 and 1 are both black: 0 is
// the transparent colour, so artists need a second, opaque black. The step
// from face (23) to focused face (24) is wider than the rest so a focused
// button shows.
constexpr int kGreyLevels[kGreyCount] = {
    0,  0,  4,  6,  8,  10, 12, 14, 16, 18, 20, 22, 24, 26, 28, 30,
    32, 34, 36, 38, 40, 42, 45, 48, 52, 54, 56, 58, 60, 61, 62, 63};

// Each ramp runs from its dark colour to the base colour over steps 0..10,
// then from the base towards its light colour over steps 10..15. The dark
// ends lean a little towards purple or blue, which reads better as shadow
// than plain black.
struct Ramp {
  Rgb8 dark, base, light;
};

constexpr Ramp kRamps[kHueCount] = {
    {{40, 6, 18}, {232, 32, 32}, {255, 216, 208}},     // red
    {{44, 14, 10}, {255, 128, 0}, {255, 228, 192}},    // orange
    {{42, 28, 10}, {255, 228, 0}, {255, 255, 214}},    // yellow
    {{14, 30, 10}, {140, 216, 24}, {230, 255, 204}},   // lime
    {{0, 30, 14}, {0, 255, 0}, {214, 255, 214}},       // green
    {{0, 26, 28}, {0, 184, 148}, {204, 255, 240}},     // teal
    {{0, 22, 36}, {0, 228, 255}, {214, 250, 255}},     // cyan
    // Step 4 of azure is exactly the views' background (0,64,128).
    {{0, 21.33, 43.33}, {0, 128, 255}, {208, 232, 255}},  // azure
    {{6, 4, 40}, {0, 0, 255}, {216, 216, 255}},        // blue
    {{20, 6, 40}, {144, 48, 255}, {234, 216, 255}},    // violet
    {{36, 4, 34}, {228, 0, 200}, {255, 212, 246}},     // magenta
    {{52, 22, 16}, {232, 160, 120}, {255, 240, 226}},  // skin
    {{22, 12, 8}, {150, 96, 50}, {238, 216, 182}},     // brown
    {{14, 16, 26}, {112, 124, 152}, {226, 232, 242}},  // slate
};

Rgb8 mix(const Rgb8& a, const Rgb8& b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

unsigned char to_allegro(double v) {
  return static_cast<unsigned char>(std::lround(v * 63.0 / 255.0));
}

RGB ramp_colour(const Ramp& ramp, int step) {
  const Rgb8 c = step <= kBaseStep
                     ? mix(ramp.dark, ramp.base, step / double(kBaseStep))
                     : mix(ramp.base, ramp.light,
                           (step - kBaseStep) / double(kRampLength - 1 - kBaseStep));
  return {to_allegro(c.r), to_allegro(c.g), to_allegro(c.b), 0};
}

}  // namespace

void make_editor_palette(PALETTE pal) {
  for (int i = 0; i < kGreyCount; ++i) {
    const auto v = static_cast<unsigned char>(kGreyLevels[i]);
    pal[i] = {v, v, v, 0};
  }
  for (int h = 0; h < kHueCount; ++h) {
    for (int s = 0; s < kRampLength; ++s) {
      pal[ramp_index(static_cast<Hue>(h), s)] = ramp_colour(kRamps[h], s);
    }
  }
}

}  // namespace mkres
