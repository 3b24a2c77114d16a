// sonex-play: plays a module, MIDI or WAV file through the sonex library
// until it ends or a key is pressed in the terminal.
//
//   sonex-play [--loop] [--volume 0-100] [--seconds N] FILE
//
// It is also the library's example of use: install, play, call the update
// every tick, remove.
#include "sonex.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <termios.h>
#include <unistd.h>

namespace {

struct Options {
  bool loop = false;
  int volume = 100;
  double seconds = 0;  // 0: no limit
  std::string file;
};

bool parse_options(int argc, char **argv, Options &opt)
{
  for (int i = 1; i < argc; i++) {
    const std::string arg = argv[i];
    if (arg == "--loop") {
      opt.loop = true;
    } else if ((arg == "--volume" || arg == "--seconds") && i + 1 < argc) {
      const char *text = argv[++i];
      char *end = nullptr;
      const double value = std::strtod(text, &end);
      // Also refuses an empty value and NaN; the volume is checked before the
      // conversion, which is undefined for values an int cannot hold.
      if (end == text || *end || !(value >= 0) || (arg == "--volume" && value > 100))
        return false;
      if (arg == "--volume")
        opt.volume = static_cast<int>(value);
      else
        opt.seconds = value;
    } else if (arg.rfind("--", 0) == 0 || !opt.file.empty()) {
      return false;
    } else {
      opt.file = arg;
    }
  }
  return !opt.file.empty();
}

// Puts the terminal in unbuffered mode for the run, so one key press ends it.
class KeyWatch {
 public:
  KeyWatch()
  {
    active_ = isatty(STDIN_FILENO) && tcgetattr(STDIN_FILENO, &saved_) == 0;
    if (!active_)
      return;
    termios raw = saved_;
    raw.c_lflag &= ~(ICANON | ECHO);
    raw.c_cc[VMIN] = 0;
    raw.c_cc[VTIME] = 0;
    tcsetattr(STDIN_FILENO, TCSANOW, &raw);
  }
  ~KeyWatch()
  {
    if (active_)
      tcsetattr(STDIN_FILENO, TCSANOW, &saved_);
  }
  bool pressed() const
  {
    char c;
    return active_ && read(STDIN_FILENO, &c, 1) == 1;
  }

 private:
  bool active_ = false;
  termios saved_{};
};

struct SampleFree {
  void operator()(SAMPLE *spl) const { sonex_free_sample(spl); }
};

bool is_wav(const std::string &file) { return ustricmp(get_extension(file.c_str()), "wav") == 0; }

// Runs the game-style loop at 60 ticks a second until playing() turns false,
// a key is pressed or the time limit passes.
template <class Playing>
void run(const Options &opt, Playing playing)
{
  KeyWatch keys;
  const auto start = std::chrono::steady_clock::now();
  while (playing() && !keys.pressed()) {
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    if (opt.seconds > 0 && elapsed.count() >= opt.seconds)
      break;
    rest(1000 / 60);
  }
}

int play_wav(const Options &opt)
{
  std::unique_ptr<SAMPLE, SampleFree> spl(sonex_load_wav(opt.file.c_str()));
  if (!spl) {
    std::fprintf(stderr, "sonex-play: %s is not a WAV file it can read\n", opt.file.c_str());
    return 1;
  }
  sonex_queue_sample(spl.get());
  run(opt, [&] {
    sonex_update_queue();
    if (opt.loop && !sonex_sample_queue[0] && !queue_in_use())
      sonex_queue_sample(spl.get());
    return sonex_sample_queue[0] || queue_in_use();
  });
  sonex_clear_queue();
  return 0;
}

int play_music(const Options &opt)
{
  sonex_play_music(opt.file.c_str(), opt.loop);
  if (sonex_done) {
    std::fprintf(stderr, "sonex-play: cannot play %s\n", opt.file.c_str());
    return 1;
  }
  run(opt, [] {
    sonex_update_music();
    return !sonex_done;
  });
  sonex_stop_music();
  return 0;
}

}  // namespace

int main(int argc, char **argv)
{
  Options opt;
  if (!parse_options(argc, argv, opt)) {
    std::fprintf(stderr, "usage: sonex-play [--loop] [--volume 0-100] [--seconds N] FILE\n");
    return 2;
  }
  if (access(opt.file.c_str(), R_OK) != 0) {
    std::fprintf(stderr, "sonex-play: cannot read %s\n", opt.file.c_str());
    return 1;
  }
  // Allegro's X11 system driver supplies the timer and the sound thread.
  if (allegro_init() != 0 || install_timer() != 0 || !sonex_install()) {
    std::fprintf(stderr, "sonex-play: no sound (%s)\n", allegro_error);
    return 1;
  }
  sonex_set_music_volume(opt.volume);
  sonex_set_sound_volume(opt.volume);
  const int result = is_wav(opt.file) ? play_wav(opt) : play_music(opt);
  sonex_remove();
  return result;
}
END_OF_MAIN()
