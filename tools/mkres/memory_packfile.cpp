#include "memory_packfile.h"

namespace mkres {
namespace {

std::vector<unsigned char>& sink_of(void* userdata) {
  return *static_cast<std::vector<unsigned char>*>(userdata);
}

int mem_close(void*) { return 0; }
int mem_getc(void*) { return EOF; }
int mem_ungetc(int, void*) { return EOF; }
long mem_fread(void*, long, void*) { return 0; }

int mem_putc(int c, void* userdata) {
  sink_of(userdata).push_back(static_cast<unsigned char>(c));
  return c;
}

long mem_fwrite(const void* p, long n, void* userdata) {
  const auto* bytes = static_cast<const unsigned char*>(p);
  sink_of(userdata).insert(sink_of(userdata).end(), bytes, bytes + n);
  return n;
}

int mem_fseek(void*, int) { return -1; }
int mem_feof(void*) { return 1; }
int mem_ferror(void*) { return 0; }

const PACKFILE_VTABLE kWriterVtable = {mem_close, mem_getc,  mem_ungetc,
                                       mem_fread, mem_putc,  mem_fwrite,
                                       mem_fseek, mem_feof,  mem_ferror};

}  // namespace

PackfilePtr open_memory_writer(std::vector<unsigned char>& sink) {
  return PackfilePtr(pack_fopen_vtable(&kWriterVtable, &sink));
}

}  // namespace mkres
