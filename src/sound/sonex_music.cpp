// Music: the type table, the finder, modules through DUMB and MIDI files.
#include "sonex.h"
#include "sonex_internal.h"

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <string>

int sonex_music_types = 0;
char sonex_music_type[SONEX_MAX_MUSIC_TYPES][SONEX_MUSIC_TYPE_SIZE] = {};
DUH *sonex_duh = nullptr;
AL_DUH_PLAYER *sonex_dplayer = nullptr;
MIDI *sonex_midi = nullptr;

namespace {

constexpr int kNameSize = 1024;
constexpr int kStreamSamples = 4096;
constexpr int kOutputRate = 22050;

bool music_allowed() { return sonex_initialized && sonex_music_on; }

// A looping piece repeats at its loop point; any other one ends there.
void set_loop_control()
{
  DUMB_IT_SIGRENDERER *r = duh_get_it_sigrenderer(al_duh_get_sigrenderer(sonex_dplayer));
  if (!r)
    return;
  if (sonex_loop)
    dumb_it_set_loop_callback(r, nullptr, nullptr);
  else
    dumb_it_set_loop_callback(r, sonex_dumb_loop_killer, r);
}

void play_module(DUH *(*loader)(const char *), const char *filename, int loop)
{
  if (!music_allowed() || !filename)
    return;
  sonex_stop_music();
  sonex_duh = loader(filename);
  if (!sonex_duh)
    return;  // nothing to play, and sonex_done stays 1 so nobody waits for an end
  sonex_dplayer = al_start_duh(sonex_duh, 2, 0, 1.0f, kStreamSamples, kOutputRate);
  if (!sonex_dplayer) {
    sonex_stop_duh();
    return;
  }
  sonex_set_music_volume(sonex_music_volume);
  sonex_loop = loop;
  sonex_done = 0;
  set_loop_control();
}

std::string lowercase_extension(const char *filename)
{
  std::string ext = get_extension(filename);
  for (char &c : ext)
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return ext;
}

}  // namespace

void sonex_add_music_type(const char *ext)
{
  if (!ext || !*ext || sonex_music_types >= SONEX_MAX_MUSIC_TYPES)
    return;
  char *entry = sonex_music_type[sonex_music_types];
  std::strncpy(entry, ext, SONEX_MUSIC_TYPE_SIZE - 1);
  entry[SONEX_MUSIC_TYPE_SIZE - 1] = '\0';
  sonex_music_types++;
}

char *sonex_get_music(const char *filename)
{
  if (!filename || !music_allowed())
    return nullptr;
  auto *name = static_cast<char *>(std::malloc(kNameSize));
  if (!name)
    return nullptr;
  for (int i = 0; i < sonex_music_types; i++) {
    replace_extension(name, filename, sonex_music_type[i], kNameSize);
    if (exists(name))
      return name;
  }
  std::free(name);
  return nullptr;
}

void sonex_play_music(const char *filename, int loop)
{
  if (!filename || !*filename)
    return;
  const std::string ext = lowercase_extension(filename);
  if (ext == "mid")
    sonex_play_midi(filename, loop);
  else if (ext == "s3m")
    sonex_play_s3m(filename, loop);
  else if (ext == "xm")
    sonex_play_xm(filename, loop);
  else if (ext == "it")
    sonex_play_it(filename, loop);
  else if (ext == "mod")
    sonex_play_mod(filename, loop);
  else if (ext == "mp3" || ext == "ogg")
    return;
  else
    sonex_play_it(filename, loop);  // unknown types are most often IT modules
}

void sonex_play_mod(const char *filename, int loop) { play_module(dumb_load_mod, filename, loop); }
void sonex_play_it(const char *filename, int loop) { play_module(dumb_load_it, filename, loop); }
void sonex_play_xm(const char *filename, int loop) { play_module(dumb_load_xm, filename, loop); }
void sonex_play_s3m(const char *filename, int loop) { play_module(dumb_load_s3m, filename, loop); }

void sonex_play_midi(const char *filename, int loop)
{
  if (!music_allowed() || !sonex_midi_on || !filename)
    return;
  sonex_stop_music();
  sonex_midi = load_midi(filename);
  if (!sonex_midi)
    return;
  sonex_set_music_volume(sonex_music_volume);
  if (play_midi(sonex_midi, loop) != 0) {
    sonex_stop_music();
    return;
  }
  sonex_loop = loop;
  sonex_done = 0;
}

// This library plays no compressed music; games may still call these.
void sonex_play_mp3() {}
void sonex_play_ogg() {}
void sonex_stop_mp3() {}
void sonex_stop_ogg() {}

void sonex_stop_duh()
{
  if (sonex_dplayer)
    al_stop_duh(sonex_dplayer);
  sonex_dplayer = nullptr;
  if (sonex_duh)
    unload_duh(sonex_duh);
  sonex_duh = nullptr;
}

void sonex_stop_music_now()
{
  if (sonex_duh) {
    sonex_stop_duh();
  } else if (sonex_midi) {
    stop_midi();
    destroy_midi(sonex_midi);
    sonex_midi = nullptr;
  }
  sonex_done = 1;
}

void sonex_stop_music()
{
  if (music_allowed())
    sonex_stop_music_now();
}

void sonex_pause_music()
{
  if (sonex_dplayer)
    al_pause_duh(sonex_dplayer);
  else if (sonex_midi)
    midi_pause();
}

void sonex_resume_music()
{
  if (sonex_dplayer)
    al_resume_duh(sonex_dplayer);
  else if (sonex_midi)
    midi_resume();
}

void sonex_set_position(int order)
{
  if (!sonex_dplayer)
    return;
  al_stop_duh(sonex_dplayer);
  sonex_dplayer = nullptr;
  DUH_SIGRENDERER *renderer = dumb_it_start_at_order(sonex_duh, 2, order);
  if (renderer)
    sonex_dplayer = al_duh_encapsulate_sigrenderer(renderer, 1.0f, kStreamSamples, kOutputRate);
  if (!sonex_dplayer) {
    // The player owns the renderer only once it exists.
    if (renderer)
      duh_end_sigrenderer(renderer);
    sonex_stop_duh();
    sonex_done = 1;
    return;
  }
  sonex_set_music_volume(sonex_music_volume);
  sonex_done = 0;
  set_loop_control();
}

void sonex_update_music()
{
  if (!sonex_initialized || sonex_done)
    return;
  if (sonex_dplayer) {
    if (al_poll_duh(sonex_dplayer))
      sonex_done = 1;
  } else if (sonex_midi && midi_pos < 0) {
    sonex_done = 1;
  }
  sonex_update_queue();
}

int sonex_dumb_loop_killer(void *data)
{
  dumb_it_sr_set_speed(static_cast<DUMB_IT_SIGRENDERER *>(data), 0);
  return 1;
}
