// Packfiles over memory, for reading a stream out of a byte buffer or
// writing one into a vector (clipboard data, tests, benchmarks).
#pragma once

#include <allegro.h>

#include <cstddef>
#include <cstdint>
#include <vector>

// Reads `size` bytes at `data`, which must outlive the packfile.
PACKFILE *memfile_open_read(const unsigned char *data, size_t size);
// Appends to `out`, which must outlive the packfile. Writes that would take
// `out` past `limit` bytes fail, as on a full disk.
PACKFILE *memfile_open_write(std::vector<unsigned char> *out, size_t limit = SIZE_MAX);
