#include "datafile_writer.h"

#include <allegro.h>

#include <cstdint>
#include <cstdio>
#include <memory>

namespace mkres {
namespace {

// The datafile format stores every number big-endian.
void put_u32(std::vector<unsigned char>& out, std::uint32_t v) {
  out.push_back(static_cast<unsigned char>(v >> 24));
  out.push_back(static_cast<unsigned char>(v >> 16));
  out.push_back(static_cast<unsigned char>(v >> 8));
  out.push_back(static_cast<unsigned char>(v));
}

void put_bytes(std::vector<unsigned char>& out, const void* p, std::size_t n) {
  const auto* b = static_cast<const unsigned char*>(p);
  out.insert(out.end(), b, b + n);
}

void put_object(std::vector<unsigned char>& out, const DatObject& object) {
  // Properties come first: here only the name, without a terminating null.
  put_u32(out, DAT_PROPERTY);
  put_u32(out, DAT_NAME);
  put_u32(out, static_cast<std::uint32_t>(object.name.size()));
  put_bytes(out, object.name.data(), object.name.size());
  // Equal stored and expanded sizes (positive) mark the data as uncompressed.
  put_u32(out, DAT_DATA);
  put_u32(out, static_cast<std::uint32_t>(object.data.size()));
  put_u32(out, static_cast<std::uint32_t>(object.data.size()));
  put_bytes(out, object.data.data(), object.data.size());
}

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

bool write_whole_file(const std::string& path, const std::vector<unsigned char>& bytes) {
  std::unique_ptr<std::FILE, FileCloser> f(std::fopen(path.c_str(), "wb"));
  if (!f) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f.get()) == bytes.size();
  return std::fclose(f.release()) == 0 && written;
}

}  // namespace

std::vector<unsigned char> encode_datafile(const std::vector<DatObject>& objects) {
  std::vector<unsigned char> out;
  constexpr std::size_t kMaxSize = 0x7fffffff;  // sizes are signed 32-bit fields
  for (const DatObject& object : objects) {
    if (object.name.empty() || object.data.size() > kMaxSize) return {};
  }
  put_u32(out, F_NOPACK_MAGIC);
  put_u32(out, DAT_MAGIC);
  put_u32(out, static_cast<std::uint32_t>(objects.size()));
  for (const DatObject& object : objects) put_object(out, object);
  return out;
}

bool write_datafile(const std::string& path, const std::vector<DatObject>& objects) {
  const std::vector<unsigned char> bytes = encode_datafile(objects);
  if (bytes.empty()) return false;
  const std::string temp = path + ".tmp";
  if (!write_whole_file(temp, bytes)) {
    std::remove(temp.c_str());
    return false;
  }
  if (std::rename(temp.c_str(), path.c_str()) != 0) {
    std::remove(temp.c_str());
    return false;
  }
  return true;
}

}  // namespace mkres
