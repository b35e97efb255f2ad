#include "linkgen/tick.h"

#include <windows.h>

std::uint32_t system_tick() {
    return GetTickCount();
}
