// Feeds arbitrary bytes to the character file reader.
#include "fuzz_common.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  fuzz_start_allegro();
  PACKFILE *f = memfile_open_read(data, size);
  SpritePtr s(zq_sprite_load_fp(f));
  pack_fclose(f);
  if (!s) return 0;
  fuzz_check_round_trip([&](PACKFILE *out) { return zq_sprite_save_fp(s.get(), out) == 1; },
                        [&](PACKFILE *in) {
                          s.reset(zq_sprite_load_fp(in));
                          return s != nullptr;
                        });
  return 0;
}
