#include "linkgen/tick.h"

#include <time.h>

// Milliseconds of the coarse monotonic clock, truncated to 32 bits so it wraps
// as GetTickCount does. Its few-millisecond steps match GetTickCount's own, and
// reading it costs a fraction of the fine clock.
std::uint32_t system_tick() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC_COARSE, &now);
    const auto milliseconds = static_cast<std::uint64_t>(now.tv_sec) * 1000u +
                              static_cast<std::uint64_t>(now.tv_nsec) / 1000000u;
    return static_cast<std::uint32_t>(milliseconds);
}
