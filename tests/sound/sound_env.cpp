// Puts Allegro's real ALSA driver on a null device for the sound tests.
//
// Allegro's neutral system driver (SYSTEM_NONE) has no timer driver and no
// background thread for the ALSA driver: install_timer() jumps through a null
// pointer and install_sound() either settles for the silent driver or, asked
// for ALSA, crashes. So each test process starts its own hidden Xvfb and runs
// Allegro's X11 system driver against it. HOME points to a private folder
// whose .asoundrc sends the default PCM to ALSA's null device, and DIGMID
// reads its patches from Debian's freepats when they are installed. Nothing
// here changes Allegro's configuration, which Allegro would write back into
// an allegro.cfg beside the test program.
#include "sound_env.h"
#include "test_support.h"

#include <allegro.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <dlfcn.h>
#include <glob.h>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

// Leaks inside the system libraries (ALSA's parsed configuration, Xlib's
// caches, Allegro's driver modules) are theirs and live for the whole process.
extern "C" const char *__lsan_default_suppressions()
{
  return "leak:libasound\nleak:libX11\nleak:liballeg\nleak:alleg-\nleak:libxcb\n";
}

namespace {

constexpr const char *kFreepatsCfg = "/etc/timidity/freepats.cfg";
constexpr const char *kFreepatsDir = "/usr/share/midi/freepats/";

bool g_has_patches = false;

// Allegro unloads its driver modules at exit, before the leak check runs, and
// a leak from an unloaded module cannot be told apart from one of ours. Kept
// loaded, their allocations carry the module's name.
void pin_allegro_modules()
{
  glob_t found{};
  if (glob("/usr/lib/*/allegro/*/alleg-*.so", 0, nullptr, &found) == 0)
    for (size_t i = 0; i < found.gl_pathc; i++)
      dlopen(found.gl_pathv[i], RTLD_LAZY | RTLD_NODELETE);
  globfree(&found);
}
pid_t g_xvfb = -1;

// freepats.cfg names its patches relative to a "dir" line that DIGMID does
// not read; a default.cfg with absolute paths is what DIGMID understands.
bool write_patch_index(const std::string &dir)
{
  const std::string cmd = std::string("test -r ") + kFreepatsCfg + " && sed -e '/^dir/d' -e " +
                          "'s#\\(Tone_000\\|Drum_000\\)/#" + kFreepatsDir + "\\1/#' " + kFreepatsCfg +
                          " > '" + dir + "/default.cfg'";
  return run_command(cmd);
}

// Starts Xvfb on a display number it picks itself; returns that number or -1.
int start_xvfb()
{
  int fds[2];
  if (pipe(fds) != 0)
    return -1;
  const std::string fd_arg = std::to_string(fds[1]);
  const char *argv[] = {"Xvfb", "-displayfd", fd_arg.c_str(), "-nolisten", "tcp",
                        "-screen", "0", "320x240x8", nullptr};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addclose(&actions, fds[0]);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  const int rc = posix_spawnp(&g_xvfb, "Xvfb", &actions, nullptr, const_cast<char **>(argv), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(fds[1]);
  if (rc != 0) {
    g_xvfb = -1;
    close(fds[0]);
    return -1;
  }
  std::string number;
  pollfd p{fds[0], POLLIN, 0};
  char c;
  while (poll(&p, 1, 20000) > 0 && read(fds[0], &c, 1) == 1 && c != '\n')
    number += c;
  close(fds[0]);
  return number.empty() ? -1 : std::atoi(number.c_str());
}

class SoundEnvironment : public testing::Environment {
 public:
  void SetUp() override
  {
    const std::string home = test_temp_dir();
    ASSERT_FALSE(home.empty());
    ASSERT_TRUE(write_file(home + "/.asoundrc", "pcm.!default { type null }\n"));
    setenv("HOME", home.c_str(), 1);
    const int display = start_xvfb();
    ASSERT_GE(display, 0) << "Xvfb did not start";
    setenv("DISPLAY", (":" + std::to_string(display)).c_str(), 1);
    // DIGMID looks for default.cfg in the folder named by ALLEGRO when no
    // patch set is configured; programs the tests start inherit it.
    g_has_patches = write_patch_index(home);
    setenv("ALLEGRO", home.c_str(), 1);
    pin_allegro_modules();
    ASSERT_EQ(0, install_allegro(SYSTEM_AUTODETECT, &errno, atexit)) << allegro_error;
    ASSERT_EQ(0, install_timer());
  }

  void TearDown() override
  {
    allegro_exit();  // drops the X connection before its server goes
    if (g_xvfb > 0) {
      kill(g_xvfb, SIGTERM);
      waitpid(g_xvfb, nullptr, 0);
    }
  }
};

const auto *const kEnvironment =
    testing::AddGlobalTestEnvironment(std::make_unique<SoundEnvironment>().release());

}  // namespace

bool sound_has_midi_patches() { return g_has_patches; }
