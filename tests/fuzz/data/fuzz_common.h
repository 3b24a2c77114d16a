// Shared by the reader fuzz targets: Allegro without a display, and the
// check that whatever a reader accepts survives a save and a second load.
#pragma once

#include <cerrno>
#include <cstdlib>
#include <vector>

#include "memfile.h"
#include "sprite.h"

inline void fuzz_start_allegro() {
  static bool started = install_allegro(SYSTEM_NONE, &errno, atexit) == 0;
  if (!started) std::abort();
}

// Saves with `save`, loads the bytes with `load` and saves again: the two
// saves must be identical.
template <class Save, class Load>
void fuzz_check_round_trip(Save save, Load load) {
  std::vector<unsigned char> first, second;
  PACKFILE *f = memfile_open_write(&first);
  if (!save(f)) std::abort();
  pack_fclose(f);
  f = memfile_open_read(first.data(), first.size());
  bool reloaded = load(f);
  pack_fclose(f);
  if (!reloaded) std::abort();
  f = memfile_open_write(&second);
  if (!save(f)) std::abort();
  pack_fclose(f);
  if (first != second) std::abort();
}
