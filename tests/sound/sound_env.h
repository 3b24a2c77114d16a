// The sound tests' environment (see sound_env.cpp): Allegro with a timer and
// ALSA on a null device, set up once per test process.
#ifndef CHARED_TESTS_SOUND_SOUND_ENV_H
#define CHARED_TESTS_SOUND_SOUND_ENV_H

// True when DIGMID was given Debian's freepats as its patch set.
bool sound_has_midi_patches();

#endif
