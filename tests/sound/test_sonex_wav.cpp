// WAV reading and writing, against files made by sox and Debian game data.
#include "memfile.h"
#include "sonex.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <random>
#include <vector>
#include <sys/stat.h>

namespace {

class AllegroEnvironment : public testing::Environment {
 public:
  void SetUp() override { ASSERT_EQ(0, install_allegro(SYSTEM_NONE, &errno, atexit)); }
};
const auto *const kEnvironment =
    testing::AddGlobalTestEnvironment(std::make_unique<AllegroEnvironment>().release());

struct SampleFree {
  void operator()(SAMPLE *spl) const { sonex_free_sample(spl); }
};
using SamplePtr = std::unique_ptr<SAMPLE, SampleFree>;

std::string le16(uint32_t v) { return {static_cast<char>(v & 0xff), static_cast<char>(v >> 8 & 0xff)}; }
std::string le32(uint32_t v) { return le16(v & 0xffff) + le16(v >> 16); }
std::string chunk(const std::string &id, const std::string &body, uint32_t length)
{
  return id + le32(length) + body;
}
std::string chunk(const std::string &id, const std::string &body)
{
  return chunk(id, body, static_cast<uint32_t>(body.size()));
}
std::string fmt(uint32_t tag, uint32_t channels, uint32_t rate, uint32_t bits, const std::string &extra = "")
{
  const uint32_t align = channels * bits / 8;
  return chunk("fmt ", le16(tag) + le16(channels) + le32(rate) + le32(rate * align) + le16(align) +
                           le16(bits) + extra);
}
std::string riff(const std::string &chunks, const char *magic = "RIFF", const char *form = "WAVE")
{
  return magic + le32(4 + chunks.size()) + form + chunks;
}

SamplePtr load_bytes(const std::string &bytes)
{
  PACKFILE *f = memfile_open_read(reinterpret_cast<const unsigned char *>(bytes.data()), bytes.size());
  SamplePtr spl(sonex_load_wav_fp(f));
  pack_fclose(f);
  return spl;
}

// Writes through a memory packfile that fails past `limit` bytes; `ok` gets
// the writer's result.
std::string save_bytes(SAMPLE *spl, int &ok, size_t limit = SIZE_MAX)
{
  std::vector<unsigned char> out;
  PACKFILE *f = memfile_open_write(&out, limit);
  ok = sonex_save_wav_fp(spl, f);
  pack_fclose(f);
  return std::string(out.begin(), out.end());
}

std::string sample_bytes(const SAMPLE *spl)
{
  const size_t n = spl->len * (spl->stereo ? 2 : 1) * (spl->bits / 8);
  return std::string(static_cast<const char *>(spl->data), n);
}

// The file's data as sox converts it to Allegro's form: unsigned values in
// this (little-endian) machine's order.
std::string sox_unsigned(const std::string &path, int bits)
{
  const std::string raw = path + ".raw";
  EXPECT_TRUE(run_command("sox '" + path + "' -t raw -e unsigned-integer -b " + std::to_string(bits) +
                          " -L '" + raw + "'"));
  return read_file(raw);
}

struct SoxCase {
  const char *name;
  int bits;
  int channels;
  int rate;
};

class SoxFile : public testing::TestWithParam<SoxCase> {};

TEST_P(SoxFile, ReadsWhatSoxWrote)
{
  const SoxCase &c = GetParam();
  const std::string path = temp_path(std::string(c.name) + ".wav");
  ASSERT_TRUE(run_command("sox -n -r " + std::to_string(c.rate) + " -b " + std::to_string(c.bits) + " -c " +
                          std::to_string(c.channels) + " '" + path + "' synth 0.05 sine 300 sine 500"));
  SamplePtr spl(sonex_load_wav(path.c_str()));
  ASSERT_NE(nullptr, spl);
  EXPECT_EQ(c.bits, spl->bits);
  EXPECT_EQ(c.channels == 2, spl->stereo != 0);
  EXPECT_EQ(c.rate, spl->freq);
  const std::string expected = sox_unsigned(path, c.bits);
  EXPECT_EQ(expected.size() / c.channels / (c.bits / 8), spl->len);
  EXPECT_EQ(expected, sample_bytes(spl.get()));
}

INSTANTIATE_TEST_SUITE_P(Formats, SoxFile,
                         testing::Values(SoxCase{"mono8", 8, 1, 11025}, SoxCase{"stereo8", 8, 2, 22050},
                                         SoxCase{"mono16", 16, 1, 44100}, SoxCase{"stereo16", 16, 2, 8000}),
                         [](const testing::TestParamInfo<SoxCase> &info) { return std::string(info.param.name); });


// Sound effects of a Debian game: 8 and 16 bit, one with a LIST chunk after its data.
TEST(SonexWav, ReadsGameEffects)
{
  for (const char *name : {"destroy.wav", "shoot.wav", "move.wav"}) {
    const std::string path = std::string("/usr/share/open-invaders/") + name;
    if (!exists(path.c_str()))
      GTEST_SKIP() << "open-invaders-data is not installed";
    SamplePtr spl(sonex_load_wav(path.c_str()));
    ASSERT_NE(nullptr, spl) << name;
    EXPECT_EQ(sox_unsigned(path, spl->bits), sample_bytes(spl.get())) << name;
  }
}

// sox output taken apart into its fmt body and its data body.
struct SoxParts {
  std::string fmt_body;
  std::string data_body;
};

SoxParts sox_parts(int bits, int channels)
{
  const std::string path = temp_path("parts" + std::to_string(bits) + "_" + std::to_string(channels) + ".wav");
  EXPECT_TRUE(run_command("sox -n -r 11025 -b " + std::to_string(bits) + " -c " + std::to_string(channels) +
                          " '" + path + "' synth 0.02 sine 700"));
  const std::string file = read_file(path);
  EXPECT_EQ(44u, file.find("data") + 8);  // sox writes the plain 44-byte header
  return {file.substr(20, 16), file.substr(44)};
}

TEST(SonexWav, SkipsChunksBeforeDataAndTheLongFmtTail)
{
  const SoxParts sox = sox_parts(16, 2);
  const std::string fmt18 = chunk("fmt ", sox.fmt_body + le16(0));
  const std::string list = chunk("LIST", "INFOISFT" + le32(6) + "sox!\0\0" + "");
  for (const std::string &file : {riff(fmt18 + chunk("data", sox.data_body)),
                                  riff(chunk("fmt ", sox.fmt_body) + list + chunk("data", sox.data_body)),
                                  riff(chunk("junk", "abc") + fmt18 + list + chunk("data", sox.data_body))}) {
    SamplePtr spl = load_bytes(file);
    ASSERT_NE(nullptr, spl);
    EXPECT_EQ(16, spl->bits);
    EXPECT_NE(0, spl->stereo);
    EXPECT_EQ(11025, spl->freq);
    EXPECT_EQ(sox.data_body.size() / 4, spl->len);
  }
}

TEST(SonexWav, RefusesFormatsSoxWritesButWeDoNotRead)
{
  for (const char *args : {"-b 8 -e u-law", "-b 24", "-b 32 -e floating-point", "-b 16 -c 6"}) {
    const std::string path = temp_path("refused.wav");
    ASSERT_TRUE(run_command(std::string("sox -n -r 8000 ") + args + " '" + path + "' synth 0.01 sine 440"));
    EXPECT_EQ(nullptr, SamplePtr(sonex_load_wav(path.c_str()))) << args;
  }
}

TEST(SonexWav, DataBeforeFmtUsesDefaults)
{
  SamplePtr spl = load_bytes(riff(chunk("data", std::string(7, '\x90'))));
  ASSERT_NE(nullptr, spl);
  EXPECT_EQ(8, spl->bits);
  EXPECT_EQ(0, spl->stereo);
  EXPECT_EQ(22050, spl->freq);
  EXPECT_EQ(7u, spl->len);
}

TEST(SonexWav, OddRemainderStaysUnreadAndLaterChunksAreIgnored)
{
  const std::string values = le16(0x0001) + le16(0x8000) + le16(0x7fff) + le16(0xffff);
  SamplePtr spl = load_bytes(riff(fmt(1, 2, 22050, 16) + chunk("data", values + "xy") + "garbage"));
  ASSERT_NE(nullptr, spl);
  EXPECT_EQ(2u, spl->len);
  const auto *data = static_cast<const uint16_t *>(spl->data);
  EXPECT_EQ(0x8001, data[0]);
  EXPECT_EQ(0x0000, data[1]);
  EXPECT_EQ(0xffff, data[2]);
  EXPECT_EQ(0x7fff, data[3]);
}

TEST(SonexWav, RefusesBadFiles)
{
  const std::string data = chunk("data", std::string(8, '\x80'));
  const struct {
    const char *why;
    std::string bytes;
  } cases[] = {
      {"empty", ""},
      {"short header", "RIFF\0\0\0\0WAV"},
      {"RIFX", riff(fmt(1, 1, 8000, 8) + data, "RIFX")},
      {"not WAVE", riff(fmt(1, 1, 8000, 8) + data, "RIFF", "AVI ")},
      {"lower-case riff", riff(fmt(1, 1, 8000, 8) + data, "riff")},
      {"format tag 3", riff(fmt(3, 1, 8000, 8) + data)},
      {"6 channels", riff(fmt(1, 6, 8000, 16) + data)},
      {"0 channels", riff(fmt(1, 0, 8000, 16) + data)},
      {"24 bits", riff(fmt(1, 1, 8000, 24) + data)},
      {"rate 0", riff(fmt(1, 1, 0, 8) + data)},
      {"fmt body of 14 bytes", riff(chunk("fmt ", std::string(14, '\1')) + data)},
      {"fmt cut off", riff(fmt(1, 1, 8000, 8)).substr(0, 30)},
      {"no data chunk", riff(fmt(1, 1, 8000, 8) + chunk("LIST", "abcd"))},
      {"data shorter than stated", riff(fmt(1, 1, 8000, 8) + chunk("data", std::string(50, 'x'), 100))},
      {"16-bit data cut off", riff(fmt(1, 2, 8000, 16) + chunk("data", std::string(6, 'x'), 400))},
      {"data length of 4 GiB", riff(fmt(1, 2, 8000, 16) + chunk("data", std::string(16, 'x'), 0xffffffff))},
      {"only a partial frame", riff(fmt(1, 2, 8000, 16) + chunk("data", "abc"))},
      {"other chunk longer than the file", riff(chunk("LIST", "ab", 0x7fffffff))},
  };
  for (const auto &c : cases)
    EXPECT_EQ(nullptr, load_bytes(c.bytes)) << c.why;
}

TEST(SonexWav, LoadByNameRefusesMissingFiles)
{
  EXPECT_EQ(nullptr, SamplePtr(sonex_load_wav(temp_path("missing.wav").c_str())));
  EXPECT_EQ(nullptr, SamplePtr(sonex_load_wav(nullptr)));
  EXPECT_EQ(nullptr, sonex_load_wav_fp(nullptr));
  sonex_free_sample(nullptr);
}

SamplePtr random_sample(int bits, bool stereo, int freq, int len, unsigned seed)
{
  SamplePtr spl(create_sample(bits, stereo, freq, len));
  std::mt19937 rng(seed);
  auto *bytes = static_cast<unsigned char *>(spl->data);
  for (size_t i = 0; i < sample_bytes(spl.get()).size(); i++)
    bytes[i] = static_cast<unsigned char>(rng());
  return spl;
}

TEST(SonexWav, WritesThe144ByteFile)
{
  SamplePtr spl = random_sample(8, false, 11025, 100, 1);
  int ok = 0;
  const std::string bytes = save_bytes(spl.get(), ok);
  ASSERT_EQ(1, ok);
  const std::string expected =
      riff(fmt(1, 1, 11025, 8) + chunk("data", sample_bytes(spl.get())));
  ASSERT_EQ(144u, bytes.size());
  EXPECT_EQ(expected, bytes);
  EXPECT_EQ(le32(136), bytes.substr(4, 4));
}

TEST(SonexWav, Writes16BitStereoHeader)
{
  SamplePtr spl = random_sample(16, true, 22050, 100, 2);
  int ok = 0;
  const std::string bytes = save_bytes(spl.get(), ok);
  ASSERT_EQ(1, ok);
  ASSERT_EQ(444u, bytes.size());
  EXPECT_EQ(fmt(1, 2, 22050, 16), bytes.substr(12, 24));
  EXPECT_EQ(le32(22050 * 4), bytes.substr(28, 4));
  EXPECT_EQ(le16(4), bytes.substr(32, 2));
  EXPECT_EQ("data" + le32(400), bytes.substr(36, 8));
  const auto *values = static_cast<const uint16_t *>(spl->data);
  EXPECT_EQ(le16(values[0] ^ 0x8000), bytes.substr(44, 2));
}

struct RoundTrip {
  int bits;
  bool stereo;
  int freq;
  int len;
};

class SonexWavRoundTrip : public testing::TestWithParam<RoundTrip> {};

TEST_P(SonexWavRoundTrip, ReadsBackWhatItWroteAndSoxAgrees)
{
  const RoundTrip &c = GetParam();
  SamplePtr spl = random_sample(c.bits, c.stereo, c.freq, c.len, 1234 + c.bits + c.stereo);
  const std::string path = temp_path("round" + std::to_string(c.bits) + (c.stereo ? "s" : "m") + ".wav");
  ASSERT_EQ(1, sonex_save_wav(spl.get(), path.c_str()));

  SamplePtr back(sonex_load_wav(path.c_str()));
  ASSERT_NE(nullptr, back);
  EXPECT_EQ(spl->bits, back->bits);
  EXPECT_EQ(spl->stereo != 0, back->stereo != 0);
  EXPECT_EQ(spl->freq, back->freq);
  EXPECT_EQ(spl->len, back->len);
  EXPECT_EQ(sample_bytes(spl.get()), sample_bytes(back.get()));

  const std::string info = temp_path("soxi.txt");
  ASSERT_TRUE(run_command("(soxi -r '" + path + "'; soxi -c '" + path + "'; soxi -b '" + path + "'; soxi -s '" +
                          path + "') > '" + info + "'"));
  EXPECT_EQ(std::to_string(c.freq) + "\n" + (c.stereo ? "2" : "1") + "\n" + std::to_string(c.bits) + "\n" +
                std::to_string(c.len) + "\n",
            read_file(info));
  EXPECT_EQ(sample_bytes(spl.get()), sox_unsigned(path, c.bits));
}

INSTANTIATE_TEST_SUITE_P(Formats, SonexWavRoundTrip,
                         testing::Values(RoundTrip{8, false, 11025, 1000}, RoundTrip{8, true, 22050, 777},
                                         RoundTrip{16, false, 44100, 1500}, RoundTrip{16, true, 8000, 4096}),
                         [](const testing::TestParamInfo<RoundTrip> &info) {
                           return std::to_string(info.param.bits) + (info.param.stereo ? "stereo" : "mono");
                         });

TEST(SonexWav, SavedFileGetsTheUsualPermissions)
{
  SamplePtr spl = random_sample(8, false, 8000, 10, 5);
  const mode_t saved_mask = umask(022);
  const std::string fresh = temp_path("fresh.wav"), kept = temp_path("private.wav");
  ASSERT_TRUE(write_file(kept, "old contents"));
  ASSERT_EQ(0, chmod(kept.c_str(), 0600));
  const int saved_fresh = sonex_save_wav(spl.get(), fresh.c_str());
  const int saved_kept = sonex_save_wav(spl.get(), kept.c_str());
  umask(saved_mask);
  ASSERT_EQ(1, saved_fresh);
  ASSERT_EQ(1, saved_kept);
  struct stat info;
  ASSERT_EQ(0, stat(fresh.c_str(), &info));
  EXPECT_EQ(0644u, info.st_mode & 07777) << "a new file is readable as a plain create makes it";
  ASSERT_EQ(0, stat(kept.c_str(), &info));
  EXPECT_EQ(0600u, info.st_mode & 07777) << "a replaced file keeps its permissions";
}

TEST(SonexWav, FailedSaveKeepsTheOldFileAndSaysSo)
{
  const std::string path = temp_path("keep.wav");
  ASSERT_TRUE(write_file(path, "old contents"));
  SamplePtr odd = random_sample(8, false, 8000, 10, 3);
  odd->bits = 24;
  EXPECT_EQ(0, sonex_save_wav(odd.get(), path.c_str()));
  EXPECT_EQ(0, sonex_save_wav(nullptr, path.c_str()));
  EXPECT_EQ("old contents", read_file(path));
  EXPECT_EQ(0, run_command("ls '" + path + "'.?????? 2>/dev/null")) << "temporary file left behind";

  SamplePtr good = random_sample(16, true, 8000, 10, 4);
  EXPECT_EQ(0, sonex_save_wav(good.get(), temp_path("no/such/folder/x.wav").c_str()));

  int ok = 1;
  save_bytes(good.get(), ok, 60);
  EXPECT_EQ(0, ok);
}

}  // namespace
