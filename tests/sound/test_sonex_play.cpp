// The sonex-play tool, run as a user would from a terminal (without one here,
// so only the time limit or the end of the piece stops it).
#include "sound_env.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

namespace {

// Under the sanitizers the tool's leak check stays off: what it would find are
// ALSA's and Allegro's driver modules' own allocations, unloaded (so nameless)
// by the time it runs; the library's leaks are checked in this process.
int play(const std::string &args)
{
  const std::string command =
      "ASAN_OPTIONS=detect_leaks=0 " + std::string(SONEX_PLAY) + " " + args + " </dev/null 2>/dev/null";
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(SonexPlay, PlaysEachKindOfFile)
{
  const std::string xm = "/usr/share/games/rafkill/music/song1.xm";
  const std::string wav = "/usr/share/open-invaders/shoot.wav";
  if (read_file(xm).empty() || read_file(wav).empty())
    GTEST_SKIP() << "rafkill-data or open-invaders-data is not installed";
  EXPECT_EQ(0, play("--seconds 0.5 --volume 30 " + xm));
  EXPECT_EQ(0, play("--loop --seconds 0.5 " + wav));
  EXPECT_EQ(0, play(wav));  // ends by itself with the sample
}

TEST(SonexPlay, PlaysMidiWithPatches)
{
  if (!sound_has_midi_patches())
    GTEST_SKIP() << "freepats is not installed";
  const std::string song = write_test_midi("tool.mid");
  EXPECT_EQ(0, play("--seconds 5 " + song));
}

TEST(SonexPlay, RefusesBadArgumentsAndFiles)
{
  const std::string junk = temp_path("junk.mod");
  const std::string junk_wav = temp_path("junk.wav");
  ASSERT_TRUE(write_file(junk, "junk"));
  ASSERT_TRUE(write_file(junk_wav, "RIFF junk"));
  EXPECT_EQ(2, play(""));
  for (const char *volume : {"101", "-1", "nan", "1e300", "''", "5x"})
    EXPECT_EQ(2, play(std::string("--volume ") + volume + " " + junk)) << volume;
  EXPECT_EQ(2, play("--seconds nan " + junk));
  EXPECT_EQ(2, play("--bogus " + junk));
  EXPECT_EQ(1, play(temp_path("missing.xm")));
  EXPECT_EQ(1, play(junk));
  EXPECT_EQ(1, play(junk_wav + " --seconds 1"));
}

}  // namespace
