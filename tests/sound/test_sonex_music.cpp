// Music playback on real modules from Debian's game data, and MIDI files.
#include "sonex_fixture.h"
#include "sound_env.h"
#include "test_support.h"

namespace {

const std::string kMod = "/usr/share/open-invaders/endsong.mod";
const std::string kXm = "/usr/share/games/rafkill/music/song1.xm";

// A copy of a music file under another name in the temporary folder.
std::string copy_as(const std::string &source, const std::string &name)
{
  const std::string path = temp_path(name);
  EXPECT_TRUE(write_file(path, read_file(source)));
  return path;
}

bool modules_present() { return exists(kMod.c_str()) && exists(kXm.c_str()); }

class SonexMusic : public SonexTest {
 protected:
  void SetUp() override
  {
    if (!modules_present())
      GTEST_SKIP() << "open-invaders-data and rafkill-data are not installed";
    SonexTest::SetUp();
  }
  void update_for(double seconds)
  {
    poll_until([] { return false; }, sonex_update_music, seconds);
  }
  static long position() { return al_duh_get_position(sonex_dplayer); }
};

enum class Outcome { plays_new, stops_old, keeps_old };

struct DispatchCase {
  const char *source;  // file whose bytes the name gets
  const char *name;
  Outcome outcome;
};

// Each case starts from a playing module; the loader a name leads to shows in
// whether the next piece plays, or the old one stops because a module loader
// was tried on bytes it refuses, or nothing happens at all.
TEST_F(SonexMusic, PlayMusicDispatchesByExtension)
{
  const DispatchCase cases[] = {
      {"mod", "Song.MOD", Outcome::plays_new},   {"xm", "tune.xm", Outcome::plays_new},
      {"xm", "TUNE2.Xm", Outcome::plays_new},    {"mod", "song.IT", Outcome::stops_old},
      {"mod", "song.s3m", Outcome::stops_old},   {"mod", "track.umx", Outcome::stops_old},
      {"mod", "noextension", Outcome::stops_old}, {"mod", "theme.mp3", Outcome::keeps_old},
      {"mod", "theme.OGG", Outcome::keeps_old},
  };
  for (const DispatchCase &c : cases) {
    const std::string path = copy_as(std::string(c.source) == "mod" ? kMod : kXm, c.name);
    sonex_play_music(kMod.c_str(), 1);
    DUH *before = sonex_duh;
    ASSERT_NE(nullptr, before);
    sonex_play_music(path.c_str(), 1);
    switch (c.outcome) {
      case Outcome::plays_new:
        EXPECT_NE(nullptr, sonex_dplayer) << c.name;
        EXPECT_EQ(0, sonex_done) << c.name;
        break;
      case Outcome::stops_old:
        EXPECT_EQ(nullptr, sonex_duh) << c.name;
        EXPECT_EQ(nullptr, sonex_dplayer) << c.name;
        EXPECT_EQ(1, sonex_done) << c.name;
        break;
      case Outcome::keeps_old:
        EXPECT_EQ(before, sonex_duh) << c.name;
        EXPECT_EQ(0, sonex_done) << c.name;
        break;
    }
  }
  sonex_play_music("", 0);
  EXPECT_EQ(0, sonex_done);
}

class SonexModule : public SonexMusic, public testing::WithParamInterface<std::string> {};

TEST_P(SonexModule, PlaysPausesResumesAndStops)
{
  sonex_play_music(GetParam().c_str(), 1);
  ASSERT_NE(nullptr, sonex_dplayer);
  EXPECT_EQ(0, sonex_done);
  EXPECT_EQ(1, sonex_loop);
  EXPECT_FLOAT_EQ(1.0f, al_duh_get_volume(sonex_dplayer));

  update_for(0.3);
  const long played = position();
  EXPECT_GT(played, 0);

  sonex_pause_music();
  update_for(0.3);
  EXPECT_EQ(played, position());

  sonex_resume_music();
  update_for(0.3);
  EXPECT_GT(position(), played);

  sonex_set_music_volume(40);
  EXPECT_FLOAT_EQ(0.4f, al_duh_get_volume(sonex_dplayer));

  sonex_stop_music();
  EXPECT_EQ(nullptr, sonex_dplayer);
  EXPECT_EQ(nullptr, sonex_duh);
  EXPECT_EQ(1, sonex_done);
}

TEST_P(SonexModule, WithoutLoopReachesItsEnd)
{
  sonex_play_music(GetParam().c_str(), 0);
  ASSERT_NE(nullptr, sonex_duh);
  const int orders = dumb_it_sd_get_n_orders(duh_get_it_sigdata(sonex_duh));
  sonex_set_position(orders - 1);
  ASSERT_NE(nullptr, sonex_dplayer);
  EXPECT_EQ(0, sonex_done);
  EXPECT_TRUE(poll_until([] { return sonex_done == 1; }, sonex_update_music, 30.0));
  EXPECT_NE(nullptr, sonex_dplayer) << "a finished piece stays loaded until the next stop";
}

TEST_P(SonexModule, WithLoopGoesPastItsEnd)
{
  sonex_play_music(GetParam().c_str(), 1);
  ASSERT_NE(nullptr, sonex_duh);
  const int orders = dumb_it_sd_get_n_orders(duh_get_it_sigdata(sonex_duh));
  sonex_set_position(orders - 1);
  // Both modules end within 3.5 s from their last order without looping.
  update_for(5.0);
  EXPECT_EQ(0, sonex_done);
  EXPECT_LT(dumb_it_sr_get_current_order(duh_get_it_sigrenderer(al_duh_get_sigrenderer(sonex_dplayer))),
            orders - 1);
}

INSTANTIATE_TEST_SUITE_P(DebianGameData, SonexModule, testing::Values(kMod, kXm),
                         [](const testing::TestParamInfo<std::string> &info) {
                           return info.param == kMod ? std::string("mod") : std::string("xm");
                         });

TEST_F(SonexMusic, SetPositionWithoutPlayerDoesNothing)
{
  sonex_set_position(3);
  EXPECT_EQ(nullptr, sonex_dplayer);
  EXPECT_EQ(1, sonex_done);
}

TEST_F(SonexMusic, SetPositionPastTheLastOrderNeverHangs)
{
  sonex_play_music(kMod.c_str(), 0);
  sonex_set_position(10000);
  EXPECT_TRUE(poll_until([] { return sonex_done == 1; }, sonex_update_music, 30.0));
  // DUMB renders nothing from a negative order: the piece ends at once.
  sonex_play_music(kMod.c_str(), 0);
  sonex_set_position(-5);
  EXPECT_TRUE(poll_until([] { return sonex_done == 1; }, sonex_update_music, 30.0));
}

TEST_F(SonexMusic, UnloadableFileLeavesNothingPlaying)
{
  const std::string junk = temp_path("junk.xm");
  ASSERT_TRUE(write_file(junk, "not a module at all"));
  for (const std::string &name : {temp_path("missing.mod"), junk}) {
    sonex_play_music(kMod.c_str(), 1);
    sonex_play_music(name.c_str(), 1);
    EXPECT_EQ(nullptr, sonex_duh) << name;
    EXPECT_EQ(nullptr, sonex_dplayer) << name;
    EXPECT_EQ(1, sonex_done) << name << ": a game waiting for the end would wait forever";
  }
}

TEST_F(SonexMusic, MusicSwitchedOffNeitherPlaysNorStops)
{
  sonex_play_music(kMod.c_str(), 1);
  DUH *playing = sonex_duh;
  sonex_disable_music();
  sonex_play_music(kXm.c_str(), 1);
  EXPECT_EQ(playing, sonex_duh);
  sonex_stop_music();
  EXPECT_EQ(playing, sonex_duh);
  EXPECT_EQ(0, sonex_done);
  sonex_enable_music();
  sonex_stop_music();
  EXPECT_EQ(nullptr, sonex_duh);
}

TEST_F(SonexMusic, RemoveStopsTheMusic)
{
  sonex_play_music(kMod.c_str(), 1);
  sonex_remove();
  EXPECT_EQ(nullptr, sonex_duh);
  EXPECT_EQ(nullptr, sonex_dplayer);
  EXPECT_EQ(1, sonex_done);
  ASSERT_EQ(1, sonex_install());
  sonex_play_music(kMod.c_str(), 1);
  EXPECT_NE(nullptr, sonex_dplayer);
}

TEST_F(SonexMusic, MidiPlaysPausesAndEnds)
{
  if (!sonex_midi_on)
    GTEST_SKIP() << "no MIDI output (freepats missing); NoMidiOutputMeansNoMidType covers it";
  const std::string song = write_test_midi("note.mid");
  sonex_set_music_volume(100);
  sonex_play_music(song.c_str(), 0);
  ASSERT_NE(nullptr, sonex_midi);
  EXPECT_EQ(0, sonex_done);
  int digi = 0, midi = 0;
  get_volume(&digi, &midi);
  EXPECT_EQ(250, midi);

  update_for(0.1);  // Allegro's MIDI player never resumes a pause from before its first beat
  sonex_pause_music();
  const long paused_at = midi_pos;
  update_for(0.7);
  EXPECT_EQ(paused_at, midi_pos);
  EXPECT_EQ(0, sonex_done);
  sonex_resume_music();
  EXPECT_TRUE(poll_until([] { return sonex_done == 1; }, sonex_update_music, 10.0));

  sonex_play_midi(song.c_str(), 1);
  update_for(0.7);
  EXPECT_EQ(0, sonex_done) << "a looping MIDI file keeps playing";
  sonex_stop_music();
  EXPECT_EQ(nullptr, sonex_midi);
  EXPECT_EQ(1, sonex_done);
}

}  // namespace
