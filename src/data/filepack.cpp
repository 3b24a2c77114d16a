#include "filepack.h"

#include <cstring>
#include <memory>

namespace {

// A large buffer turns a character's thousands of frame-sized reads and
// writes into a few hundred system calls.
constexpr size_t buffer_size = 256 * 1024;

struct FilePack {
  FILE *file;
  std::unique_ptr<char[]> buffer;
};

FILE *file(void *userdata) { return static_cast<FilePack *>(userdata)->file; }

int file_fclose(void *userdata) {
  std::unique_ptr<FilePack> pack(static_cast<FilePack *>(userdata));
  return std::fclose(pack->file) == 0 ? 0 : -1;
}
int file_getc(void *userdata) { return std::fgetc(file(userdata)); }
int file_ungetc(int c, void *userdata) { return std::ungetc(c, file(userdata)); }
long file_fread(void *p, long n, void *userdata) {
  return static_cast<long>(std::fread(p, 1, static_cast<size_t>(n), file(userdata)));
}
int file_putc(int c, void *userdata) { return std::fputc(c, file(userdata)); }
long file_fwrite(const void *p, long n, void *userdata) {
  return static_cast<long>(std::fwrite(p, 1, static_cast<size_t>(n), file(userdata)));
}
int file_fseek(void *userdata, int offset) { return std::fseek(file(userdata), offset, SEEK_CUR); }
int file_feof(void *userdata) { return std::feof(file(userdata)); }
int file_ferror(void *userdata) { return std::ferror(file(userdata)); }

const PACKFILE_VTABLE file_vtable = {file_fclose, file_getc,  file_ungetc, file_fread, file_putc,
                                     file_fwrite, file_fseek, file_feof,   file_ferror};

}  // namespace

PACKFILE *filepack_wrap(FILE *f) {
  if (!f) return nullptr;
  auto pack = std::make_unique<FilePack>(FilePack{f, std::make_unique<char[]>(buffer_size)});
  std::setvbuf(f, pack->buffer.get(), _IOFBF, buffer_size);
  PACKFILE *p = pack_fopen_vtable(&file_vtable, pack.get());
  if (!p) {
    std::fclose(f);
    return nullptr;
  }
  pack.release();
  return p;
}

PACKFILE *filepack_open_read(const char *filename) {
  if (!filename) return nullptr;
  if (std::strchr(filename, '#')) return pack_fopen(filename, F_READ);
  return filepack_wrap(std::fopen(filename, "rb"));
}
