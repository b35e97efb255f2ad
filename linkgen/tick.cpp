#include "linkgen/tick.h"

namespace {
TickSource tick_source = system_tick;
}

std::uint32_t current_tick() {
    return tick_source();
}

void set_tick_source(TickSource source) {
    tick_source = source != nullptr ? source : system_tick;
}
