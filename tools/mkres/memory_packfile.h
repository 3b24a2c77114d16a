// A write-only Allegro packfile that collects its bytes in memory, so images
// can be encoded by Allegro's own writers without a temporary file.
#pragma once

#include <allegro.h>

#include <memory>
#include <vector>

namespace mkres {

struct PackfileCloser {
  void operator()(PACKFILE* f) const { pack_fclose(f); }
};
using PackfilePtr = std::unique_ptr<PACKFILE, PackfileCloser>;

// The packfile appends to `sink`, which must outlive it.
PackfilePtr open_memory_writer(std::vector<unsigned char>& sink);

}  // namespace mkres
