// Fixed-rate tick counter for the editor's logic steps. Polled, no thread:
// the main loop runs one logic step for every tick that has passed.
#pragma once
#include <cstdint>

extern int gametime_installed;
extern int tic_counter;
extern int gametime_tick;
extern uint32_t clocks_per_tic;
extern uint32_t base_clock;

int gametime_init(int rate);
int gametime_get_frames();
void gametime_reset();

// The counter the timer reads. Only the low 32 bits of the value and the
// frequency are used. Tests swap in a fake counter; nullptr restores the
// monotonic system counter.
using gametime_counter_fn = uint64_t (*)();
void gametime_set_counter(gametime_counter_fn read, uint64_t frequency);

// Time until the current tick ends, in counter units converted to
// microseconds; lets an idle loop sleep instead of spinning.
long gametime_usec_to_next_tick();
