#include "resources.h"

#include "palette.h"
#include "peg_pointer.h"
#include "tool_box.h"

#include "animate.h"
#include "memfile.h"

#include <memory>
#include <string>

namespace mkres {
namespace {

BitmapPtr make_bitmap(int w, int h) {
  return BitmapPtr(create_bitmap_ex(8, w, h));
}

}  // namespace

std::vector<unsigned char> encode_pcx(BITMAP* bmp, const RGB* pal) {
  std::vector<unsigned char> bytes;
  PACKFILE* out = memfile_open_write(&bytes);
  if (!out) return {};
  const bool ok = save_pcx_pf(out, bmp, pal) == 0;
  pack_fclose(out);
  return ok ? bytes : std::vector<unsigned char>{};
}

std::vector<DatObject> build_resources() {
  PALETTE pal;
  make_editor_palette(pal);

  std::vector<DatObject> objects;
  BitmapPtr pointer = make_bitmap(kPointerSize, kPointerSize);
  if (!pointer) return {};
  draw_peg_pointer(pointer.get());
  objects.push_back({"mouse_corner.pcx", encode_pcx(pointer.get(), pal)});

  BitmapPtr box = make_bitmap(kToolBoxSize, kToolBoxSize);
  if (!box) return {};
  for (int tool = 0; tool < kToolCount; ++tool) {
    draw_tool_box(box.get(), tool);
    objects.push_back({"tool" + std::to_string(tool) + ".pcx", encode_pcx(box.get(), pal)});
  }
  for (const DatObject& object : objects) {
    if (object.data.empty()) return {};
  }
  return objects;
}

}  // namespace mkres
