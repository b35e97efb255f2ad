#include "linkgen/text.h"

std::string concat_text(std::initializer_list<std::string_view> parts) {
    std::size_t total = 0;
    for (std::string_view part : parts)
        total += part.size();
    std::string result;
    result.reserve(total);
    for (std::string_view part : parts)
        result.append(part);
    return result;
}
