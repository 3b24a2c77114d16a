// Byte-level helpers shared by the ANI and character readers and writers.
#pragma once

#include <allegro.h>

#include <cstdint>

// Little-endian 32-bit values kept apart from end-of-file: pack_igetl's -1
// is also a legal value.
int32_t get_le32(const unsigned char *p);
void put_le32(unsigned char *p, int32_t v);
bool read_bytes(PACKFILE *f, void *p, long n);
bool write_bytes(PACKFILE *f, const void *p, long n);
bool read_le32(PACKFILE *f, int32_t *v);
bool write_le32(PACKFILE *f, int32_t v);

// Writes a file through a temporary one beside it, renamed over the target
// only when `write` returned true and every write and the close succeeded.
// Returns 1 on success, 0 otherwise (the previous file is then untouched).
template <class Write>
int save_replacing(const char *filename, Write write);

PACKFILE *open_replacement(const char *filename, char *tmpname, size_t tmpsize);
int finish_replacement(PACKFILE *f, bool written, const char *tmpname, const char *filename);

template <class Write>
int save_replacing(const char *filename, Write write) {
  char tmpname[4096];
  PACKFILE *f = open_replacement(filename, tmpname, sizeof tmpname);
  if (!f) return 0;
  bool written = write(f);
  return finish_replacement(f, written, tmpname, filename);
}
