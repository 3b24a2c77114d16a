// A fixture that installs the sound library for one test and leaves the
// library's settings as a fresh process has them.
#ifndef CHARED_TESTS_SOUND_SONEX_FIXTURE_H
#define CHARED_TESTS_SOUND_SONEX_FIXTURE_H

#include "sonex.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>

struct SampleDeleter {
  void operator()(SAMPLE *spl) const { destroy_sample(spl); }
};
using SamplePtr = std::unique_ptr<SAMPLE, SampleDeleter>;

// An 8-bit mono sample of silence at 11025 Hz.
inline SamplePtr make_silence(int frames)
{
  SamplePtr spl(create_sample(8, 0, 11025, frames));
  if (spl)
    std::fill_n(static_cast<unsigned char *>(spl->data), frames, 128);
  return spl;
}

// Calls step until done() holds or the time runs out; true when it held.
inline bool poll_until(const std::function<bool()> &done, const std::function<void()> &step,
                       double seconds)
{
  const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  while (!done()) {
    if (std::chrono::steady_clock::now() > end)
      return false;
    step();
    rest(1);
  }
  return true;
}

class SonexTest : public testing::Test {
 protected:
  void SetUp() override
  {
    sonex_enable_music();
    sonex_enable_effects();
    sonex_set_music_volume(100);
    sonex_set_sound_volume(100);
    ASSERT_EQ(1, sonex_install());
  }
  void TearDown() override
  {
    sonex_enable_music();
    sonex_remove();
  }
};

#endif
