// Joining texts. Texts are UTF-8 byte strings; an empty std::string_view (also a
// default-constructed one, which holds no pointer) counts as the empty text.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// A new text holding the bytes of every part in order, allocated once at its final size.
std::string concat_text(std::initializer_list<std::string_view> parts);
