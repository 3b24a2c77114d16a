// Box values come straight from character files, so sums of them may not fit
// an int. The box arithmetic wraps like 32-bit machine arithmetic instead of
// overflowing; drawing clamps to coordinates Allegro can clip safely.
#pragma once

constexpr int wrap32(long long v)
{
    return static_cast<int>(static_cast<unsigned>(v));
}

constexpr int clamp_coord(long long v)
{
    constexpr long long limit = 1 << 20;
    return static_cast<int>(v < -limit ? -limit : v > limit ? limit : v);
}
