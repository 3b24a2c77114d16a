// Helpers shared by the library's own files; games use sonex.h only.
#ifndef CHARED_SOUND_SONEX_INTERNAL_H
#define CHARED_SOUND_SONEX_INTERNAL_H

// Stops and unloads the current piece whatever the music switch says.
void sonex_stop_music_now();
// Gives the queue voice back to Allegro (sonex_queue_channel becomes -1).
void sonex_release_queue_voice();

#endif
