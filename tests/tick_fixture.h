// Replays fixed millisecond ticks and a known seed counter, and puts the system
// clock back afterwards.
#pragma once

#include "linkgen/random_text.h"
#include "pool_check.h"
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
