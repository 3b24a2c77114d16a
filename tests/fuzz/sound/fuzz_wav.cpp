// Feeds arbitrary bytes to the WAV reader through a memory packfile; any
// sample it returns is written back out, which walks its whole data.
#include "memfile.h"
#include "sonex.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
  static const bool ready = install_allegro(SYSTEM_NONE, &errno, atexit) == 0;
  if (!ready)
    return 0;
  PACKFILE *in = memfile_open_read(data, size);
  SAMPLE *spl = sonex_load_wav_fp(in);
  pack_fclose(in);
  if (spl) {
    std::vector<unsigned char> bytes;
    PACKFILE *out = memfile_open_write(&bytes);
    sonex_save_wav_fp(spl, out);
    pack_fclose(out);
    sonex_free_sample(spl);
  }
  return 0;
}
