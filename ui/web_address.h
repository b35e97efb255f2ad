// Which texts may be handed to the shell's "open" verb. That verb also runs
// programs, opens files and shares and starts any protocol handler, so only
// absolute http and https links go there.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// White space (spaces, tabs, line breaks) removed from both ends.
std::string_view trim_white_space(std::string_view text);

// The trimmed text when it is an http:// or https:// link (scheme in any case)
// with a host and no white space or control characters inside; nothing otherwise.
std::optional<std::string> web_address_for_shell(std::string_view text);
