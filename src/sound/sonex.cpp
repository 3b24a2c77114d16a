// Library state, start-up and shutdown, switches and volume settings.
#include "sonex.h"
#include "sonex_internal.h"

#include <algorithm>
#include <cstdlib>

int sonex_initialized = 0;
int sonex_midi_on = 1;
int sonex_music_on = 1;
int sonex_sound_on = 1;
int sonex_music_volume = 100;
int sonex_sound_volume = 100;
int sonex_done = 1;
int sonex_loop = 0;
int sonex_compressed_buffer_size = 8192;
SAMPLE *sonex_internal_sample = nullptr;

namespace {

constexpr int kVoices = 32;

// Volumes outside 0 ... 100 would hand Allegro's mixer levels above 255.
int clamp_volume(int volume) { return std::clamp(volume, 0, 100); }

// Registers a built-in type once, however often the library is reinstalled.
void register_type(const char *ext)
{
  for (int i = 0; i < sonex_music_types; i++)
    if (ustricmp(sonex_music_type[i], ext) == 0)
      return;
  sonex_add_music_type(ext);
}

// Takes "mid" out again when a reinstall finds no MIDI output.
void unregister_type(const char *ext)
{
  for (int i = 0; i < sonex_music_types; i++) {
    if (ustricmp(sonex_music_type[i], ext) != 0)
      continue;
    std::copy(sonex_music_type[i + 1], sonex_music_type[sonex_music_types], sonex_music_type[i]);
    sonex_music_types--;
    std::fill_n(sonex_music_type[sonex_music_types], SONEX_MUSIC_TYPE_SIZE, '\0');
    return;
  }
}

bool start_sound_system()
{
  reserve_voices(kVoices, 0);
  if (install_sound(DIGI_AUTODETECT, MIDI_AUTODETECT, nullptr) == 0) {
    // Autodetection settles for the silent MIDI_NONE driver when it finds no
    // MIDI output (DIGMID without patches, no sequencer); that is no MIDI.
    sonex_midi_on = midi_driver && midi_driver->id != MIDI_NONE;
    return true;
  }
  if (install_sound(DIGI_AUTODETECT, MIDI_NONE, nullptr) == 0) {
    sonex_midi_on = 0;
    return true;
  }
  return false;
}

}  // namespace

int sonex_install()
{
  if (sonex_initialized)
    return 1;
  if (!start_sound_system()) {
    sonex_initialized = 0;
    return 0;
  }
  if (!sonex_internal_sample) {
    sonex_internal_sample = create_sample(8, 0, 11025, 1);
    if (sonex_internal_sample)
      static_cast<unsigned char *>(sonex_internal_sample->data)[0] = 128;
  }

  // DUMB reads modules through Allegro's packfiles; linear resampling is
  // cheap and good enough for game music. dumb_exit runs once at exit.
  static bool dumb_exit_registered = false;
  if (!dumb_exit_registered) {
    atexit(dumb_exit);
    dumb_exit_registered = true;
  }
  dumb_resampling_quality = 1;
  dumb_register_packfiles();

  for (const char *ext : {"s3m", "xm", "it", "mod"})
    register_type(ext);
  if (sonex_midi_on)
    register_type("mid");
  else
    unregister_type("mid");

  sonex_initialized = 1;
  return 1;
}

void sonex_remove()
{
  if (!sonex_initialized)
    return;
  // The module player and the queue voice belong to the sound system that is
  // about to go; leaving them would let a later reinstall touch dead streams.
  sonex_stop_music_now();
  sonex_clear_queue();
  sonex_release_queue_voice();
  destroy_sample(sonex_internal_sample);
  sonex_internal_sample = nullptr;
  remove_sound();
  sonex_initialized = 0;
}

void sonex_enable_music() { sonex_music_on = 1; }
void sonex_disable_music() { sonex_music_on = 0; }
void sonex_enable_effects() { sonex_sound_on = 1; }
void sonex_disable_effects() { sonex_sound_on = 0; }

void sonex_set_sound_volume(int volume) { sonex_sound_volume = clamp_volume(volume); }
void sonex_set_compressed_buffer_size(int size) { sonex_compressed_buffer_size = size; }

void sonex_set_music_volume(int volume)
{
  sonex_music_volume = clamp_volume(volume);
  if (sonex_dplayer)
    al_duh_set_volume(sonex_dplayer, sonex_module_volume());
  if (sonex_midi)
    set_volume(-1, sonex_midi_volume());
}

int sonex_effect_volume() { return static_cast<int>(sonex_sound_volume * 2.55); }
float sonex_module_volume() { return static_cast<float>(sonex_music_volume * 0.01); }
int sonex_midi_volume() { return static_cast<int>(2.5 * sonex_music_volume); }
