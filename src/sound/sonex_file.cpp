// Reading a whole file into memory, for games that keep data in blocks.
#include "sonex.h"

#include <cstdint>
#include <cstdlib>
#include <memory>

void *buffer_file(const char *filename)
{
  if (!filename)
    return nullptr;
  const uint64_t size = file_size_ex(filename);
  if (size > static_cast<uint64_t>(INT32_MAX))
    return nullptr;  // pack_fread takes an int count
  std::unique_ptr<PACKFILE, decltype(&pack_fclose)> f(pack_fopen(filename, "r"), pack_fclose);
  if (!f)
    return nullptr;
  // An empty file still gets a block of its own, so null keeps meaning failure.
  std::unique_ptr<void, decltype(&std::free)> block(std::malloc(size ? size : 1), std::free);
  if (!block)
    return nullptr;
  const long n = static_cast<long>(size);
  if (pack_fread(block.get(), n, f.get()) != n)
    return nullptr;  // the file shrank or could not be read: no half-filled block
  return block.release();
}
