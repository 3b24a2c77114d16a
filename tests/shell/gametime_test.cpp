#include "gametime.h"

#include <gtest/gtest.h>

namespace {

uint64_t fake_now = 0;
uint64_t fake_counter() { return fake_now; }

class GametimeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        gametime_installed = 0;
        fake_now = 0;
    }
    void TearDown() override
    {
        gametime_set_counter(nullptr, 0);
        gametime_installed = 0;
    }
    // The classic 3 579 545 Hz counter at 60 ticks a second.
    void start(uint64_t at, uint64_t frequency = 3579545, int rate = 60)
    {
        fake_now = at;
        gametime_set_counter(fake_counter, frequency);
        gametime_init(rate);
    }
};

TEST_F(GametimeTest, StoppedTimerCountsNothing)
{
    gametime_tick = 7;
    EXPECT_EQ(gametime_get_frames(), 0);
    gametime_reset();
    EXPECT_EQ(gametime_tick, 0);
}

TEST_F(GametimeTest, TickLengthIsFrequencyOverRate)
{
    start(1000);
    EXPECT_EQ(clocks_per_tic, 59659u);
    EXPECT_EQ(gametime_tick, 0);
    fake_now = 1000 + 59658;
    EXPECT_EQ(gametime_get_frames(), 0);
    fake_now = 1000 + 59659;
    EXPECT_EQ(gametime_get_frames(), 1);
}

TEST_F(GametimeTest, PartialTickCarriesOver)
{
    start(0);
    fake_now = 59659 * 5 / 2;  // two and a half ticks
    EXPECT_EQ(gametime_get_frames(), 2);
    fake_now += 59659 / 2 + 1;  // the rest of the started tick
    EXPECT_EQ(gametime_get_frames(), 3);
    fake_now += 59658;
    EXPECT_EQ(gametime_get_frames(), 3);
}

TEST_F(GametimeTest, CounterWrapsModulo32Bits)
{
    // Only the low 32 bits count, so a counter passing 2^32 keeps ticking.
    const uint64_t near_wrap = (uint64_t{1} << 32) - 100;
    start(near_wrap);
    fake_now = near_wrap + 59659 * 3;
    EXPECT_EQ(gametime_get_frames(), 3);
    // A huge counter value: only its low bits matter.
    start((uint64_t{7} << 40) + 5);
    fake_now += 59659;
    EXPECT_EQ(gametime_get_frames(), 1);
}

TEST_F(GametimeTest, ResetLeavesNoPendingTicks)
{
    start(0);
    fake_now = 59659 * 600;  // ten seconds in a dialog
    gametime_reset();
    EXPECT_EQ(gametime_tick, 600);
    EXPECT_EQ(gametime_get_frames() - gametime_tick, 0);
    fake_now += 59659;
    EXPECT_EQ(gametime_get_frames() - gametime_tick, 1);
}

TEST_F(GametimeTest, InitAgainStartsOver)
{
    start(0);
    fake_now = 59659 * 10;
    EXPECT_EQ(gametime_get_frames(), 10);
    gametime_init(60);
    EXPECT_EQ(gametime_get_frames(), 0);
}

TEST_F(GametimeTest, TimeToNextTick)
{
    start(0, 1'000'000, 50);  // 20 ms ticks on a microsecond counter
    fake_now = 5'000;
    EXPECT_EQ(gametime_usec_to_next_tick(), 15'000);
    fake_now = 20'000;
    EXPECT_EQ(gametime_usec_to_next_tick(), 20'000);
}

TEST_F(GametimeTest, RealCounterRunsAtTheRate)
{
    gametime_set_counter(nullptr, 0);
    gametime_init(60);
    EXPECT_GT(clocks_per_tic, 0u);
    EXPECT_LE(gametime_usec_to_next_tick(), 16'667);
}

} // namespace
