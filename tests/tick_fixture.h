// Replays fixed millisecond ticks and a known seed counter, and puts the system
// clock back afterwards.
#pragma once

#include "linkgen/random_text.h"
#include "linkgen/tick.h"

#include <gtest/gtest.h>

inline std::uint32_t fixed_tick_value = 0;
inline std::uint32_t fixed_tick() {
    return fixed_tick_value;
}

class FixedTick : public ::testing::Test {
  protected:
    void SetUp() override { use_tick(0, 0); }
    void TearDown() override { set_tick_source(nullptr); }
    static void use_tick(std::uint32_t tick, std::uint32_t counter) {
        fixed_tick_value = tick;
        set_tick_source(fixed_tick);
        set_seed_counter(counter);
    }
};

// The 69-character pool every caller draws from.
inline bool only_pool_characters(std::string_view run) {
    const std::string pool = std::string(UPPER_POOL) + std::string(LOWER_POOL) +
                             std::string(DIGIT_POOL) + std::string(EXTRA_CHARS);
    return run.find_first_not_of(pool) == std::string_view::npos;
}
