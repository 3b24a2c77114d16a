// sonex: a small sound library for Allegro games.
//
// Music (tracker modules through DUMB, MIDI through Allegro), one-shot
// effects, a queue of samples played one after another on a voice of its
// own, a pan helper and WAV sample files. All calls come from the game's one
// logic thread; the state lives in the globals below so a game can read it.
//
// A game calls sonex_install() once, sonex_update_music() every logic tick
// (or sonex_update_queue() while no music plays) and sonex_remove() at exit.
#ifndef CHARED_SOUND_SONEX_H
#define CHARED_SOUND_SONEX_H

#include <allegro.h>
#include <aldumb.h>

constexpr int SONEX_MAX_MUSIC_TYPES = 32;
constexpr int SONEX_MUSIC_TYPE_SIZE = 8;  // up to 7 characters and the end
constexpr int SONEX_QUEUE_SIZE = 32;

extern int sonex_initialized;        // 1 after a successful sonex_install
extern int sonex_midi_on;            // 1 when installed with MIDI output
extern int sonex_music_on;           // music switch
extern int sonex_sound_on;           // effects switch
extern int sonex_music_volume;       // 0 ... 100
extern int sonex_sound_volume;       // 0 ... 100
extern int sonex_done;               // 1 while no piece of music plays
extern int sonex_loop;               // loop flag of the current piece
extern int sonex_compressed_buffer_size;
extern int sonex_music_types;        // entries used in sonex_music_type
extern char sonex_music_type[SONEX_MAX_MUSIC_TYPES][SONEX_MUSIC_TYPE_SIZE];
extern SAMPLE *sonex_sample_queue[SONEX_QUEUE_SIZE];  // entry 0 plays next
extern int sonex_queue_channel;      // voice of the queue, -1 when none
extern SAMPLE *sonex_internal_sample;  // silent: 8 bit, mono, one frame
extern DUH *sonex_duh;
extern AL_DUH_PLAYER *sonex_dplayer;
extern MIDI *sonex_midi;

// Start-up and shutdown.
int sonex_install();   // 1 on success or when installed already, 0 without digital sound
void sonex_remove();

// Switches and settings; they work whether or not the library is installed.
void sonex_enable_music();
void sonex_disable_music();
void sonex_enable_effects();
void sonex_disable_effects();
void sonex_set_music_volume(int volume);
void sonex_set_sound_volume(int volume);
void sonex_set_compressed_buffer_size(int size);

// Volume conversions from the 0 ... 100 settings to what Allegro and DUMB take.
int sonex_effect_volume();       // (int)(sound volume * 2.55): 254 at 100
float sonex_module_volume();     // music volume * 0.01: 1.0 at 100
int sonex_midi_volume();         // (int)(2.5 * music volume): 250 at 100

// Music files.
void sonex_add_music_type(const char *ext);
char *sonex_get_music(const char *filename);  // caller frees with free()
void sonex_play_music(const char *filename, int loop);
void sonex_play_mod(const char *filename, int loop);
void sonex_play_it(const char *filename, int loop);
void sonex_play_xm(const char *filename, int loop);
void sonex_play_s3m(const char *filename, int loop);
void sonex_play_midi(const char *filename, int loop);
void sonex_play_mp3();
void sonex_play_ogg();
void sonex_stop_mp3();
void sonex_stop_ogg();
void sonex_stop_music();
void sonex_stop_duh();
void sonex_pause_music();
void sonex_resume_music();
void sonex_set_position(int order);
void sonex_update_music();
int sonex_dumb_loop_killer(void *data);

// Effects and the sample queue. Samples stay the caller's and must live
// while they are queued or playing.
void sonex_play_sample(SAMPLE *spl, int pan, int freq, int priority);
void sonex_queue_sample(SAMPLE *spl);
void sonex_update_queue();
int queue_in_use();
void sonex_clear_queue();
void sonex_hijack_queue(SAMPLE *spl);
int sonex_place_sound(int a, int b);

// The whole file in a new block (caller frees with free()), or null.
void *buffer_file(const char *filename);

// WAV sample files (uncompressed PCM, 8 or 16 bit, mono or stereo).
SAMPLE *sonex_load_wav_fp(PACKFILE *f);
SAMPLE *sonex_load_wav(const char *filename);
int sonex_save_wav_fp(SAMPLE *spl, PACKFILE *f);
int sonex_save_wav(SAMPLE *spl, const char *filename);
void sonex_free_sample(SAMPLE *spl);

#endif
