// The 32-bit millisecond counter that seeds the generator. A program may install
// another source (the tests do, to replay fixed ticks); nullptr restores the system one.
#pragma once

#include <cstdint>

using TickSource = std::uint32_t (*)();

std::uint32_t system_tick();
std::uint32_t current_tick();
void set_tick_source(TickSource source);
