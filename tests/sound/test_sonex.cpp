// Start-up and shutdown, the music-type table and finder, settings and pan.
#include "sonex_fixture.h"
#include "sound_env.h"
#include "test_support.h"

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

std::vector<std::string> music_types()
{
  return std::vector<std::string>(sonex_music_type, sonex_music_type + sonex_music_types);
}

std::vector<std::string> expected_types()
{
  std::vector<std::string> types{"s3m", "xm", "it", "mod"};
  if (sonex_midi_on)
    types.push_back("mid");
  return types;
}

// sonex_get_music's answer as a string, freeing the block it returns.
std::string found_music(const std::string &name)
{
  char *found = sonex_get_music(name.c_str());
  std::string result = found ? found : "";
  std::free(found);
  return result;
}

using Sonex = SonexTest;

TEST_F(Sonex, InstallGetsAlsaAndTheSilentSample)
{
  EXPECT_EQ(1, sonex_initialized);
  ASSERT_NE(nullptr, digi_driver);
  EXPECT_EQ(DIGI_ALSA, digi_driver->id) << "install_sound fell back to " << digi_driver->name;
  ASSERT_NE(nullptr, sonex_internal_sample);
  EXPECT_EQ(8, sonex_internal_sample->bits);
  EXPECT_EQ(0, sonex_internal_sample->stereo);
  EXPECT_EQ(11025, sonex_internal_sample->freq);
  EXPECT_EQ(1u, sonex_internal_sample->len);
  EXPECT_EQ(128, static_cast<unsigned char *>(sonex_internal_sample->data)[0]);
}

TEST_F(Sonex, MidiComesFromDigmidWithFreepats)
{
  if (!sound_has_midi_patches())
    GTEST_SKIP() << "freepats is not installed";
  EXPECT_EQ(1, sonex_midi_on);
  ASSERT_NE(nullptr, midi_driver);
  EXPECT_EQ(MIDI_DIGMID, midi_driver->id);
}

TEST_F(Sonex, TypesRegisteredInOrder) { EXPECT_EQ(expected_types(), music_types()); }

TEST_F(Sonex, SecondInstallChangesNothing)
{
  SAMPLE *silent = sonex_internal_sample;
  EXPECT_EQ(1, sonex_install());
  EXPECT_EQ(silent, sonex_internal_sample);
  EXPECT_EQ(expected_types(), music_types());
}

TEST_F(Sonex, ReinstallDoesNotRegisterTypesAgain)
{
  sonex_remove();
  EXPECT_EQ(0, sonex_initialized);
  EXPECT_EQ(nullptr, sonex_internal_sample);
  ASSERT_EQ(1, sonex_install());
  EXPECT_EQ(expected_types(), music_types());
}

TEST_F(Sonex, NoMidiOutputMeansNoMidType)
{
  // Without a patch set DIGMID cannot start, and there is no sequencer here.
  sonex_remove();
  const std::string missing = "[sound]\npatches = " + temp_path("no-patches/") + "\n";
  override_config_data(missing.c_str(), static_cast<int>(missing.size()));
  const int installed = sonex_install();
  override_config_file(nullptr);
  ASSERT_EQ(1, installed);
  EXPECT_EQ(0, sonex_midi_on);
  EXPECT_EQ(expected_types(), music_types());

  const std::string song = temp_path("nomidi.mid");
  ASSERT_TRUE(write_file(song, "MThd"));
  EXPECT_EQ("", found_music(temp_path("nomidi")));
  sonex_play_midi(song.c_str(), 0);
  EXPECT_EQ(nullptr, sonex_midi);
  EXPECT_EQ(1, sonex_done);

  sonex_remove();  // a later install with MIDI registers "mid" again
  ASSERT_EQ(1, sonex_install());
  EXPECT_EQ(expected_types(), music_types());
}

TEST_F(Sonex, AddMusicTypeStopsAtThirtyTwoAndTruncates)
{
  const int saved = sonex_music_types;
  sonex_add_music_type("toolongext");
  EXPECT_STREQ("toolong", sonex_music_type[saved]);
  while (sonex_music_types < SONEX_MAX_MUSIC_TYPES)
    sonex_add_music_type("x");
  sonex_add_music_type("over");
  EXPECT_EQ(SONEX_MAX_MUSIC_TYPES, sonex_music_types);
  EXPECT_STREQ("x", sonex_music_type[SONEX_MAX_MUSIC_TYPES - 1]);
  sonex_music_types = saved;
  std::memset(sonex_music_type[saved], 0, sizeof sonex_music_type - saved * SONEX_MUSIC_TYPE_SIZE);
}

TEST_F(Sonex, GetMusicTakesTheFirstTypeThatExists)
{
  const std::string base = temp_path("level1");
  ASSERT_TRUE(write_file(base + ".xm", "x"));
  ASSERT_TRUE(write_file(base + ".mod", "x"));
  EXPECT_EQ(base + ".xm", found_music(base + ".ogg"));
  ASSERT_TRUE(write_file(base + ".s3m", "x"));
  EXPECT_EQ(base + ".s3m", found_music(base));
  EXPECT_EQ("", found_music(temp_path("level2")));

  sonex_disable_music();
  EXPECT_EQ("", found_music(base));
  sonex_enable_music();
  sonex_remove();
  EXPECT_EQ("", found_music(base));
}

TEST_F(Sonex, GetMusicFindsMidiOnlyWithMidiOutput)
{
  const std::string base = temp_path("level3");
  ASSERT_TRUE(write_file(base + ".mid", "x"));
  EXPECT_EQ(sonex_midi_on ? base + ".mid" : "", found_music(base));
}

TEST_F(Sonex, OperationsDoNothingWhileUninstalled)
{
  sonex_remove();
  SamplePtr spl = make_silence(100);
  sonex_play_music("/usr/share/open-invaders/endsong.mod", 0);
  EXPECT_EQ(nullptr, sonex_duh);
  EXPECT_EQ(1, sonex_done);
  sonex_queue_sample(spl.get());
  EXPECT_EQ(nullptr, sonex_sample_queue[0]);
  sonex_update_queue();
  EXPECT_EQ(-1, sonex_queue_channel);
  EXPECT_EQ(0, queue_in_use());
}

struct VolumeCase {
  int setting;
  int effect;
  float module;
  int midi;
};

TEST(SonexVolume, Conversions)
{
  const VolumeCase cases[] = {
      {100, 254, 1.0f, 250}, {50, 127, 0.5f, 125}, {1, 2, 0.01f, 2},
      {0, 0, 0.0f, 0},       {-20, 0, 0.0f, 0},    {300, 254, 1.0f, 250},
  };
  for (const VolumeCase &c : cases) {
    sonex_set_sound_volume(c.setting);
    sonex_set_music_volume(c.setting);
    EXPECT_EQ(c.effect, sonex_effect_volume()) << c.setting;
    EXPECT_FLOAT_EQ(c.module, sonex_module_volume()) << c.setting;
    EXPECT_EQ(c.midi, sonex_midi_volume()) << c.setting;
  }
  sonex_set_sound_volume(100);
  sonex_set_music_volume(100);
}

TEST(SonexSettings, SwitchesAndBufferSizeWorkUninstalled)
{
  sonex_disable_music();
  sonex_disable_effects();
  EXPECT_EQ(0, sonex_music_on);
  EXPECT_EQ(0, sonex_sound_on);
  sonex_enable_music();
  sonex_enable_effects();
  EXPECT_EQ(1, sonex_music_on);
  EXPECT_EQ(1, sonex_sound_on);
  EXPECT_EQ(8192, sonex_compressed_buffer_size);
  sonex_set_compressed_buffer_size(4096);
  EXPECT_EQ(4096, sonex_compressed_buffer_size);
}

TEST(SonexPlaceSound, PanTable)
{
  const struct {
    int a, b, pan;
  } cases[] = {
      {100, 512, 200}, {100, 255, 0}, {200, 512, 255}, {-100, 512, 0},
      {100, -512, 0},  {127, 256, 127}, {255, 256, 255}, {0, 1024, 0},
  };
  for (const auto &c : cases)
    EXPECT_EQ(c.pan, sonex_place_sound(c.a, c.b)) << c.a << ", " << c.b;
}

}  // namespace
