// The editor palette: a 32-step grey ramp that doubles as the GUI colours,
// then fourteen 16-step hue ramps for painting.
#pragma once

#include <allegro.h>

namespace mkres {

// Indices the editor uses by number. The bevel shades are the face index
// plus and minus 7, so the grey ramp is laid out around them.
constexpr int kTransparent = 0;
constexpr int kBlack = 1;           // opaque black, the one makecol(0,0,0) finds
constexpr int kGuiText = 2;
constexpr int kHelpText = 8;
constexpr int kGuiDisabled = 12;
constexpr int kFaceShadow = 16;
constexpr int kFocusShadow = 17;
constexpr int kFace = 23;
constexpr int kFocusFace = 24;
constexpr int kFaceLight = 30;
constexpr int kWhite = 31;          // also the help box background

constexpr int kGreyCount = 32;
constexpr int kRampLength = 16;

// Hue ramps follow the grey ramp, one palette row each, dark to light.
// The base colour sits at step 10; steps 11 to 15 are tints.
enum class Hue {
  red, orange, yellow, lime, green, teal, cyan, azure,
  blue, violet, magenta, skin, brown, slate
};
constexpr int kHueCount = 14;
constexpr int kBaseStep = 10;

constexpr int ramp_index(Hue hue, int step) {
  return kGreyCount + static_cast<int>(hue) * kRampLength + step;
}

void make_editor_palette(PALETTE pal);

}  // namespace mkres
