#include "gametime.h"

#include <chrono>

int gametime_installed = 0;
int tic_counter = 0;
int gametime_tick = 0;
uint32_t clocks_per_tic = 0;
uint32_t base_clock = 0;

namespace {

// 10 MHz, the usual resolution of a desktop high-resolution counter; a 32-bit
// span of it is over seven minutes, far longer than any gap between polls.
constexpr uint64_t system_frequency = 10'000'000;

uint64_t system_counter()
{
    using namespace std::chrono;
    auto t = steady_clock::now().time_since_epoch();
    return static_cast<uint64_t>(duration_cast<nanoseconds>(t).count() / 100);
}

gametime_counter_fn read_counter = system_counter;
uint64_t counter_frequency = system_frequency;

uint32_t counter_low() { return static_cast<uint32_t>(read_counter()); }

} // namespace

void gametime_set_counter(gametime_counter_fn read, uint64_t frequency)
{
    read_counter = read ? read : system_counter;
    counter_frequency = read ? frequency : system_frequency;
}

int gametime_init(int rate)
{
    const uint32_t freq = static_cast<uint32_t>(counter_frequency);
    tic_counter = 0;
    clocks_per_tic = freq / static_cast<uint32_t>(rate);
    base_clock = counter_low();
    gametime_tick = 0;
    gametime_installed = 1;
    return 1;
}

int gametime_get_frames()
{
    if (!gametime_installed)
        return 0;
    const uint32_t elapsed = counter_low() - base_clock;
    const uint32_t n = elapsed / clocks_per_tic;
    base_clock += n * clocks_per_tic;
    tic_counter += static_cast<int>(n);
    return tic_counter;
}

void gametime_reset()
{
    gametime_tick = gametime_get_frames();
}

long gametime_usec_to_next_tick()
{
    if (!gametime_installed || clocks_per_tic == 0)
        return 0;
    const uint32_t into_tick = (counter_low() - base_clock) % clocks_per_tic;
    const uint64_t left = clocks_per_tic - into_tick;
    return static_cast<long>(left * 1'000'000 / counter_frequency);
}
