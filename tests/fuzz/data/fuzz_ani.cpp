// Feeds arbitrary bytes to the ANI reader.
#include "fuzz_common.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  fuzz_start_allegro();
  PACKFILE *f = memfile_open_read(data, size);
  PALETTE pal;
  LoadStatus st;
  AniPtr ani(load_ani_fp(f, pal, &st));
  pack_fclose(f);
  if (!ani) return 0;
  RGB *keep = (st.palettes & 1) ? pal : nullptr;
  fuzz_check_round_trip([&](PACKFILE *out) { return save_ani_fp(ani.get(), out, keep) == 1; },
                        [&](PACKFILE *in) {
                          ani.reset(load_ani_fp(in, pal));
                          return ani != nullptr;
                        });
  return 0;
}
