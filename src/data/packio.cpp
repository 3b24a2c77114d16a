#include "packio.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "filepack.h"

int32_t get_le32(const unsigned char *p) {
  uint32_t v = uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
  return static_cast<int32_t>(v);
}

void put_le32(unsigned char *p, int32_t v) {
  uint32_t u = static_cast<uint32_t>(v);
  for (int i = 0; i < 4; i++) p[i] = static_cast<unsigned char>(u >> (8 * i));
}

bool read_bytes(PACKFILE *f, void *p, long n) { return n == 0 || pack_fread(p, n, f) == n; }

bool write_bytes(PACKFILE *f, const void *p, long n) {
  return n == 0 || pack_fwrite(p, n, f) == n;
}

bool read_le32(PACKFILE *f, int32_t *v) {
  unsigned char b[4];
  if (!read_bytes(f, b, 4)) return false;
  *v = get_le32(b);
  return true;
}

bool write_le32(PACKFILE *f, int32_t v) {
  unsigned char b[4];
  put_le32(b, v);
  return write_bytes(f, b, 4);
}

PACKFILE *open_replacement(const char *filename, char *tmpname, size_t tmpsize) {
  if (!filename || !*filename) return nullptr;
  int n = std::snprintf(tmpname, tmpsize, "%s.XXXXXX", filename);
  if (n < 0 || static_cast<size_t>(n) >= tmpsize) return nullptr;
  int fd = mkstemp(tmpname);
  if (fd < 0) return nullptr;
  // mkstemp makes the file private. The file that replaces an existing one
  // keeps that one's permissions (a private character stays private); a new
  // one gets the mode a plain create would.
  struct stat old;
  mode_t mask = umask(0);
  umask(mask);
  fchmod(fd, stat(filename, &old) == 0 ? old.st_mode & 07777 : 0666 & ~mask);
  FILE *file = fdopen(fd, "wb");
  if (!file) close(fd);
  PACKFILE *f = filepack_wrap(file);
  if (!f) std::remove(tmpname);
  return f;
}

int finish_replacement(PACKFILE *f, bool written, const char *tmpname, const char *filename) {
  bool ok = written && !pack_ferror(f);
  ok = pack_fclose(f) == 0 && ok;
  ok = ok && std::rename(tmpname, filename) == 0;
  if (!ok) std::remove(tmpname);
  return ok ? 1 : 0;
}
