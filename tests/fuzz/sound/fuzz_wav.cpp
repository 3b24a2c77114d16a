// Feeds arbitrary bytes to the WAV reader through a memory packfile; any
// sample it returns is written back out, which walks its whole data.
#include "mem_packfile.h"
#include "sonex.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
  static const bool ready = install_allegro(SYSTEM_NONE, &errno, atexit) == 0;
  if (!ready)
    return 0;
  MemFile in{std::string(reinterpret_cast<const char *>(data), size)};
  SAMPLE *spl = sonex_load_wav_fp(open_mem(in).get());
  if (spl) {
    MemFile out;
    sonex_save_wav_fp(spl, open_mem(out).get());
    sonex_free_sample(spl);
  }
  return 0;
}
