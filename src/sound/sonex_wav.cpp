// WAV sample files: uncompressed PCM in a RIFF WAVE container.
//
// Allegro keeps sample data unsigned in the machine's byte order; WAV stores
// 8-bit data unsigned and 16-bit data signed little-endian. Flipping the top
// bit of each 16-bit value converts between the two.
#include "sonex.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

struct SampleDeleter {
  void operator()(SAMPLE *spl) const { destroy_sample(spl); }
};
using SamplePtr = std::unique_ptr<SAMPLE, SampleDeleter>;

struct WavFormat {
  int channels = 1;
  int bits = 8;
  int rate = 22050;  // used when the data comes before any "fmt " chunk
};

constexpr int kPcm = 1;
constexpr long kBlock = 65536;
constexpr uint16_t kSignFlip = 0x8000;

// Readers that tell end of file apart from data.
bool read_bytes(PACKFILE *f, void *out, long n) { return pack_fread(out, n, f) == n; }

bool read_u16(PACKFILE *f, uint32_t &out)
{
  unsigned char b[2];
  if (!read_bytes(f, b, 2))
    return false;
  out = b[0] | (b[1] << 8);
  return true;
}

bool read_u32(PACKFILE *f, uint32_t &out)
{
  unsigned char b[4];
  if (!read_bytes(f, b, 4))
    return false;
  out = b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<uint32_t>(b[3]) << 24);
  return true;
}

// Skips n bytes, stopping early at the end of the file.
void skip_bytes(PACKFILE *f, uint32_t n)
{
  char scratch[4096];
  while (n > 0) {
    const long step = std::min<uint32_t>(n, sizeof scratch);
    if (!read_bytes(f, scratch, step))
      return;
    n -= step;
  }
}

// Reads n bytes in blocks, so a length field larger than the file never
// becomes an allocation of that size. False when the file ends first.
bool read_body(PACKFILE *f, uint64_t n, std::vector<unsigned char> &out)
{
  out.clear();
  while (out.size() < n) {
    const size_t step = std::min<uint64_t>(n - out.size(), kBlock);
    const size_t at = out.size();
    out.resize(at + step);
    if (!read_bytes(f, out.data() + at, static_cast<long>(step)))
      return false;
  }
  return true;
}

bool read_format(PACKFILE *f, uint32_t length, WavFormat &fmt)
{
  uint32_t tag, channels, rate, ignored, bits;
  if (length < 16 || !read_u16(f, tag) || !read_u16(f, channels) || !read_u32(f, rate) ||
      !read_u32(f, ignored) || !read_u16(f, ignored) || !read_u16(f, bits))
    return false;
  if (tag != kPcm || (channels != 1 && channels != 2) || (bits != 8 && bits != 16))
    return false;
  if (rate == 0 || rate > INT32_MAX)
    return false;
  fmt.channels = static_cast<int>(channels);
  fmt.bits = static_cast<int>(bits);
  fmt.rate = static_cast<int>(rate);
  skip_bytes(f, length - 16);
  return true;
}

enum class DataResult { sample, skipped, refused };

// Reads a "data" chunk into a new sample. An odd remainder past the last
// whole frame stays unread.
DataResult read_data(PACKFILE *f, uint32_t length, const WavFormat &fmt, SamplePtr &out)
{
  const uint32_t bytes_per_value = fmt.bits / 8;
  const uint32_t frames = length / fmt.channels / bytes_per_value;
  if (frames == 0) {
    skip_bytes(f, length);
    return DataResult::skipped;
  }
  const uint64_t values = static_cast<uint64_t>(frames) * fmt.channels;
  std::vector<unsigned char> body;
  if (!read_body(f, values * bytes_per_value, body))
    return DataResult::refused;  // the chunk ends before its stated length
  SamplePtr spl(create_sample(fmt.bits, fmt.channels == 2, fmt.rate, frames));
  if (!spl) {
    return DataResult::skipped;
  }
  if (fmt.bits == 8) {
    std::memcpy(spl->data, body.data(), body.size());
  } else {
    auto *dst = static_cast<uint16_t *>(spl->data);
    for (uint64_t i = 0; i < values; i++)
      dst[i] = static_cast<uint16_t>((body[2 * i] | (body[2 * i + 1] << 8)) ^ kSignFlip);
  }
  out = std::move(spl);
  return DataResult::sample;
}

bool write_u16(PACKFILE *f, uint32_t v) { return pack_iputw(static_cast<int>(v), f) != EOF; }
bool write_u32(PACKFILE *f, uint32_t v) { return pack_iputl(static_cast<long>(v), f) != EOF; }
bool write_id(PACKFILE *f, const char *id) { return pack_fwrite(id, 4, f) == 4; }

bool write_data(SAMPLE *spl, uint64_t values, PACKFILE *f)
{
  if (spl->bits == 8)
    return pack_fwrite(spl->data, static_cast<long>(values), f) == static_cast<long>(values);
  const auto *src = static_cast<const uint16_t *>(spl->data);
  std::vector<unsigned char> block;
  for (uint64_t at = 0; at < values;) {
    const uint64_t n = std::min<uint64_t>(values - at, kBlock / 2);
    block.resize(n * 2);
    for (uint64_t i = 0; i < n; i++) {
      const uint16_t v = src[at + i] ^ kSignFlip;
      block[2 * i] = static_cast<unsigned char>(v & 0xff);
      block[2 * i + 1] = static_cast<unsigned char>(v >> 8);
    }
    if (pack_fwrite(block.data(), static_cast<long>(block.size()), f) != static_cast<long>(block.size()))
      return false;
    at += n;
  }
  return true;
}

}  // namespace

SAMPLE *sonex_load_wav_fp(PACKFILE *f)
{
  if (!f)
    return nullptr;
  char header[12];
  if (!read_bytes(f, header, 12) || std::memcmp(header, "RIFF", 4) != 0 ||
      std::memcmp(header + 8, "WAVE", 4) != 0)
    return nullptr;
  WavFormat fmt;
  char id[4];
  uint32_t length;
  while (read_bytes(f, id, 4) && read_u32(f, length)) {
    if (std::memcmp(id, "fmt ", 4) == 0) {
      if (!read_format(f, length, fmt))
        return nullptr;
    } else if (std::memcmp(id, "data", 4) == 0) {
      SamplePtr spl;
      switch (read_data(f, length, fmt, spl)) {
        case DataResult::sample: return spl.release();
        case DataResult::refused: return nullptr;
        case DataResult::skipped: break;
      }
    } else {
      skip_bytes(f, length);
    }
  }
  return nullptr;
}

SAMPLE *sonex_load_wav(const char *filename)
{
  if (!filename)
    return nullptr;
  PACKFILE *f = pack_fopen(filename, "r");
  if (!f)
    return nullptr;
  SAMPLE *spl = sonex_load_wav_fp(f);
  pack_fclose(f);
  return spl;
}

int sonex_save_wav_fp(SAMPLE *spl, PACKFILE *f)
{
  if (!spl || !f || (spl->bits != 8 && spl->bits != 16))
    return 0;
  const uint32_t channels = spl->stereo ? 2 : 1;
  const uint32_t block_align = channels * spl->bits / 8;
  const uint64_t values = static_cast<uint64_t>(spl->len) * channels;
  const uint64_t data_size = static_cast<uint64_t>(spl->len) * block_align;
  if (data_size > UINT32_MAX - 36 || spl->freq <= 0)
    return 0;  // a RIFF size field cannot describe it
  const bool ok = write_id(f, "RIFF") && write_u32(f, 36 + data_size) && write_id(f, "WAVE") &&
                  write_id(f, "fmt ") && write_u32(f, 16) && write_u16(f, kPcm) &&
                  write_u16(f, channels) && write_u32(f, spl->freq) &&
                  write_u32(f, spl->freq * block_align) && write_u16(f, block_align) &&
                  write_u16(f, spl->bits) && write_id(f, "data") && write_u32(f, data_size) &&
                  write_data(spl, values, f);
  return ok && !pack_ferror(f);
}

int sonex_save_wav(SAMPLE *spl, const char *filename)
{
  if (!spl || !filename)
    return 0;
  // Written beside the target and moved over it only when complete, so a
  // failed save leaves the old file as it was.
  std::string temp = std::string(filename) + ".XXXXXX";
  const int fd = mkstemp(temp.data());
  if (fd < 0)
    return 0;
  // mkstemp makes the file private; the saved file gets the permissions of
  // the one it replaces, or those a plain create would give.
  struct stat old;
  const mode_t mask = umask(0);
  umask(mask);
  fchmod(fd, stat(filename, &old) == 0 ? old.st_mode & 07777 : 0666 & ~mask);
  close(fd);
  PACKFILE *f = pack_fopen(temp.c_str(), "w");
  int ok = f ? sonex_save_wav_fp(spl, f) : 0;
  if (f && pack_fclose(f) != 0)
    ok = 0;
  if (ok && std::rename(temp.c_str(), filename) != 0)
    ok = 0;
  if (!ok)
    std::remove(temp.c_str());
  return ok;
}

void sonex_free_sample(SAMPLE *spl)
{
  if (spl)
    destroy_sample(spl);
}
