// Effects and the sample queue on Allegro's real mixer.
#include "sonex_fixture.h"

#include <vector>

namespace {

// The voices that are playing spl right now.
std::vector<int> voices_of(const SAMPLE *spl)
{
  std::vector<int> found;
  for (int v = 0; v < digi_driver->voices; v++)
    if (voice_check(v) == spl)
      found.push_back(v);
  return found;
}

std::vector<SAMPLE *> queued()
{
  std::vector<SAMPLE *> q;
  for (SAMPLE *spl : sonex_sample_queue)
    if (spl)
      q.push_back(spl);
  return q;
}

class SonexQueue : public SonexTest {
 protected:
  SamplePtr a_ = make_silence(11025);  // a second long
  SamplePtr b_ = make_silence(11025);
  SamplePtr blip_ = make_silence(110);  // 10 ms
};

TEST_F(SonexQueue, HoldsThirtyTwoAndDropsTheRest)
{
  std::vector<SamplePtr> samples;
  for (int i = 0; i < SONEX_QUEUE_SIZE + 1; i++) {
    samples.push_back(make_silence(10));
    sonex_queue_sample(samples.back().get());
  }
  const std::vector<SAMPLE *> q = queued();
  ASSERT_EQ(static_cast<size_t>(SONEX_QUEUE_SIZE), q.size());
  for (int i = 0; i < SONEX_QUEUE_SIZE; i++)
    EXPECT_EQ(samples[i].get(), sonex_sample_queue[i]);
}

TEST_F(SonexQueue, RefusesSilentNullAndSwitchedOff)
{
  sonex_queue_sample(sonex_internal_sample);
  sonex_queue_sample(nullptr);
  sonex_disable_effects();
  sonex_queue_sample(a_.get());
  EXPECT_TRUE(queued().empty());
}

TEST_F(SonexQueue, UpdateMusicLeavesTheQueueAloneWithoutMusic)
{
  sonex_queue_sample(a_.get());
  sonex_update_music();
  EXPECT_EQ(-1, sonex_queue_channel);
  EXPECT_EQ(a_.get(), sonex_sample_queue[0]);
}

TEST_F(SonexQueue, UpdateStartsTheHeadCentredAtItsOwnRate)
{
  a_->freq = 8000;
  sonex_set_sound_volume(50);
  sonex_queue_sample(a_.get());
  sonex_queue_sample(b_.get());
  sonex_update_queue();
  ASSERT_GE(sonex_queue_channel, 0);
  EXPECT_EQ(a_.get(), voice_check(sonex_queue_channel));
  EXPECT_EQ(127, voice_get_volume(sonex_queue_channel));
  EXPECT_EQ(8000, voice_get_frequency(sonex_queue_channel));
  EXPECT_EQ(128, voice_get_pan(sonex_queue_channel));
  EXPECT_EQ(1, queue_in_use());
  EXPECT_EQ(std::vector<SAMPLE *>{b_.get()}, queued());

  sonex_update_queue();  // a still sounds: b waits
  EXPECT_EQ(std::vector<SAMPLE *>{b_.get()}, queued());
}

TEST_F(SonexQueue, SamplesFollowOnOneVoiceWhichIsThenReleased)
{
  SamplePtr second = make_silence(110);
  sonex_queue_sample(blip_.get());
  sonex_queue_sample(second.get());
  sonex_update_queue();
  const int channel = sonex_queue_channel;
  ASSERT_GE(channel, 0);
  ASSERT_TRUE(poll_until([&] { return voice_check(channel) == second.get(); }, sonex_update_queue, 5));
  EXPECT_EQ(channel, sonex_queue_channel);
  EXPECT_TRUE(queued().empty());
  ASSERT_TRUE(poll_until([] { return sonex_queue_channel == -1; }, sonex_update_queue, 5));
  EXPECT_EQ(0, queue_in_use());
}

TEST_F(SonexQueue, WaitsWhileNoVoiceIsFree)
{
  // Every voice taken by a sample that cannot be pushed aside.
  SamplePtr hog = make_silence(11025);
  hog->priority = 255;
  a_->priority = 0;
  std::vector<int> held;
  for (int v; (v = allocate_voice(hog.get())) >= 0;)
    held.push_back(v);
  ASSERT_FALSE(held.empty());

  sonex_queue_sample(a_.get());
  sonex_update_queue();
  EXPECT_EQ(-1, sonex_queue_channel);
  EXPECT_EQ(std::vector<SAMPLE *>{a_.get()}, queued());

  deallocate_voice(held.back());
  held.pop_back();
  sonex_update_queue();
  EXPECT_GE(sonex_queue_channel, 0);
  EXPECT_TRUE(queued().empty());
  for (int v : held)
    deallocate_voice(v);
}

TEST_F(SonexQueue, ClearEmptiesAndSilencesButKeepsTheVoice)
{
  sonex_queue_sample(a_.get());
  sonex_queue_sample(b_.get());
  sonex_update_queue();
  const int channel = sonex_queue_channel;
  sonex_clear_queue();
  EXPECT_TRUE(queued().empty());
  EXPECT_EQ(channel, sonex_queue_channel);
  EXPECT_EQ(0, queue_in_use());
  sonex_update_queue();
  EXPECT_EQ(-1, sonex_queue_channel);
}

TEST_F(SonexQueue, HijackReplacesWhatSounds)
{
  sonex_queue_sample(a_.get());
  sonex_queue_sample(a_.get());
  sonex_update_queue();
  ASSERT_EQ(1, queue_in_use());
  sonex_hijack_queue(b_.get());
  EXPECT_EQ(std::vector<SAMPLE *>{b_.get()}, queued());
  EXPECT_EQ(0, queue_in_use());
  sonex_update_queue();
  EXPECT_EQ(b_.get(), voice_check(sonex_queue_channel));
  EXPECT_EQ(1, queue_in_use());
}

TEST_F(SonexQueue, HijackWhileIdleAppends)
{
  sonex_queue_sample(a_.get());
  sonex_hijack_queue(b_.get());
  EXPECT_EQ((std::vector<SAMPLE *>{a_.get(), b_.get()}), queued());
  sonex_hijack_queue(nullptr);
  EXPECT_TRUE(queued().empty());
}

TEST_F(SonexQueue, UpdateMusicServesTheQueueWhileMusicPlays)
{
  sonex_play_music("/usr/share/open-invaders/endsong.mod", 1);
  if (!sonex_dplayer)
    GTEST_SKIP() << "open-invaders-data is not installed";
  sonex_queue_sample(a_.get());
  sonex_update_music();
  EXPECT_GE(sonex_queue_channel, 0);
  EXPECT_TRUE(queued().empty());
}

TEST_F(SonexQueue, PlaySampleUsesEffectVolumeAndPitch)
{
  a_->freq = 10000;
  sonex_set_sound_volume(100);
  sonex_play_sample(a_.get(), 30, -1, 77);
  std::vector<int> voices = voices_of(a_.get());
  ASSERT_EQ(1u, voices.size());
  EXPECT_EQ(254, voice_get_volume(voices[0]));
  EXPECT_EQ(30, voice_get_pan(voices[0]));
  EXPECT_EQ(10000, voice_get_frequency(voices[0]));
  EXPECT_EQ(77, a_->priority);

  sonex_play_sample(b_.get(), 128, 2000, -1);
  voices = voices_of(b_.get());
  ASSERT_EQ(1u, voices.size());
  EXPECT_EQ(22050, voice_get_frequency(voices[0]));
}

TEST_F(SonexQueue, PlaySampleNeedsEffectsOn)
{
  sonex_disable_effects();
  sonex_play_sample(a_.get(), 128, 1000, -1);
  sonex_play_sample(nullptr, 128, 1000, -1);
  EXPECT_TRUE(voices_of(a_.get()).empty());
}

}  // namespace
