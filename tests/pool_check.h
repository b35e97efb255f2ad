// True when every character of run comes from the 69-character pool of the links.
#pragma once

#include "linkgen/random_text.h"

#include <string>
#include <string_view>

inline bool only_pool_characters(std::string_view run) {
    const std::string pool = std::string(UPPER_POOL) + std::string(LOWER_POOL) +
                             std::string(DIGIT_POOL) + std::string(EXTRA_CHARS);
    return run.find_first_not_of(pool) == std::string_view::npos;
}
