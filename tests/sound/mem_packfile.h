// Allegro packfiles over a string in memory, for reader and writer tests and
// the fuzz target. A limit makes writes fail past that many bytes.
#ifndef CHARED_TESTS_SOUND_MEM_PACKFILE_H
#define CHARED_TESTS_SOUND_MEM_PACKFILE_H

#include <allegro.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>

struct MemFile {
  std::string bytes;
  size_t pos = 0;
  size_t write_limit = std::string::npos;
  bool failed = false;
};

namespace mem_packfile_detail {

inline MemFile &of(void *userdata) { return *static_cast<MemFile *>(userdata); }

inline long read(void *p, long n, void *u)
{
  MemFile &m = of(u);
  const long got = static_cast<long>(std::min<size_t>(n, m.bytes.size() - m.pos));
  std::memcpy(p, m.bytes.data() + m.pos, got);
  m.pos += got;
  return got;
}

inline long write(const void *p, long n, void *u)
{
  MemFile &m = of(u);
  const long room = static_cast<long>(std::min<size_t>(n, m.write_limit - std::min(m.write_limit, m.bytes.size())));
  m.bytes.append(static_cast<const char *>(p), room);
  if (room < n)
    m.failed = true;
  return room;
}

inline int getc(void *u)
{
  unsigned char c;
  return read(&c, 1, u) == 1 ? c : EOF;
}

inline int putc(int c, void *u)
{
  const char b = static_cast<char>(c);
  return write(&b, 1, u) == 1 ? (c & 0xff) : EOF;
}

inline int ungetc(int c, void *u)
{
  MemFile &m = of(u);
  if (m.pos == 0)
    return EOF;
  m.pos--;
  return c;
}

inline int seek(void *u, int offset)
{
  MemFile &m = of(u);
  if (offset < 0 || m.pos + offset > m.bytes.size())
    return -1;
  m.pos += offset;
  return 0;
}

inline int close(void *) { return 0; }
inline int eof(void *u) { return of(u).pos >= of(u).bytes.size(); }
inline int error(void *u) { return of(u).failed; }

inline PACKFILE_VTABLE vtable{close, getc, ungetc, read, putc, write, seek, eof, error};

}  // namespace mem_packfile_detail

struct PackfileCloser {
  void operator()(PACKFILE *f) const { pack_fclose(f); }
};
using PackfilePtr = std::unique_ptr<PACKFILE, PackfileCloser>;

// Opens m for reading and writing; m must outlive the packfile.
inline PackfilePtr open_mem(MemFile &m)
{
  return PackfilePtr(pack_fopen_vtable(&mem_packfile_detail::vtable, &m));
}

#endif
