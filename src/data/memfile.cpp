#include "memfile.h"

#include <algorithm>
#include <cstring>
#include <memory>

namespace {

struct MemFile {
  const unsigned char *data = nullptr;  // reading
  size_t size = 0;
  size_t pos = 0;
  std::vector<unsigned char> *out = nullptr;  // writing
  size_t limit = 0;
  bool error = false;
};

MemFile *mem(void *userdata) { return static_cast<MemFile *>(userdata); }

int mem_fclose(void *userdata) {
  std::unique_ptr<MemFile> m(mem(userdata));
  return m->error ? -1 : 0;
}

int mem_getc(void *userdata) {
  MemFile *m = mem(userdata);
  return m->pos < m->size ? m->data[m->pos++] : EOF;
}

int mem_ungetc(int c, void *userdata) {
  MemFile *m = mem(userdata);
  if (m->pos == 0) return EOF;
  m->pos--;
  return c;
}

long mem_fread(void *p, long n, void *userdata) {
  MemFile *m = mem(userdata);
  size_t take = std::min(static_cast<size_t>(n), m->size - m->pos);
  if (take) std::memcpy(p, m->data + m->pos, take);
  m->pos += take;
  return static_cast<long>(take);
}

long mem_fwrite(const void *p, long n, void *userdata) {
  MemFile *m = mem(userdata);
  if (!m->out) return 0;
  size_t room = m->limit - std::min(m->limit, m->out->size());
  size_t put = std::min(static_cast<size_t>(n), room);
  const auto *bytes = static_cast<const unsigned char *>(p);
  m->out->insert(m->out->end(), bytes, bytes + put);
  if (put < static_cast<size_t>(n)) m->error = true;
  return static_cast<long>(put);
}

int mem_putc(int c, void *userdata) {
  unsigned char byte = static_cast<unsigned char>(c);
  return mem_fwrite(&byte, 1, userdata) == 1 ? byte : EOF;
}

int mem_fseek(void *userdata, int offset) {
  MemFile *m = mem(userdata);
  if (offset < 0 || static_cast<size_t>(offset) > m->size - m->pos) return -1;
  m->pos += offset;
  return 0;
}

int mem_feof(void *userdata) {
  MemFile *m = mem(userdata);
  return m->out ? 0 : m->pos >= m->size;
}

int mem_ferror(void *userdata) { return mem(userdata)->error; }

PACKFILE_VTABLE mem_vtable = {mem_fclose, mem_getc,  mem_ungetc, mem_fread, mem_putc,
                              mem_fwrite, mem_fseek, mem_feof,   mem_ferror};

PACKFILE *open_mem(std::unique_ptr<MemFile> m) {
  PACKFILE *f = pack_fopen_vtable(&mem_vtable, m.get());
  if (f) m.release();
  return f;
}

}  // namespace

PACKFILE *memfile_open_read(const unsigned char *data, size_t size) {
  auto m = std::make_unique<MemFile>();
  m->data = data;
  m->size = size;
  return open_mem(std::move(m));
}

PACKFILE *memfile_open_write(std::vector<unsigned char> *out, size_t limit) {
  auto m = std::make_unique<MemFile>();
  m->out = out;
  m->limit = limit;
  return open_mem(std::move(m));
}
