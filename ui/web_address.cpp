#include "ui/web_address.h"

namespace {
bool is_white_space(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool is_control(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
}

bool starts_with_ignoring_case(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != prefix[i]) return false;
    }
    return true;
}
} // namespace

std::string_view trim_white_space(std::string_view text) {
    while (!text.empty() && is_white_space(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && is_white_space(text.back()))
        text.remove_suffix(1);
    return text;
}

std::optional<std::string> web_address_for_shell(std::string_view text) {
    const std::string_view address = trim_white_space(text);
    std::size_t scheme_length = 0;
    if (starts_with_ignoring_case(address, "http://"))
        scheme_length = 7;
    else if (starts_with_ignoring_case(address, "https://"))
        scheme_length = 8;
    else
        return std::nullopt;
    for (char c : address)
        if (is_white_space(c) || is_control(c)) return std::nullopt;
    // The authority runs to the first '/', '?' or '#'; after any user info it must
    // still name a host, so "http://", "http:///x" and "http://user@" are refused.
    std::string_view authority = address.substr(scheme_length);
    authority = authority.substr(0, authority.find_first_of("/?#"));
    if (const std::size_t at = authority.rfind('@'); at != std::string_view::npos)
        authority.remove_prefix(at + 1);
    if (authority.empty() || authority.front() == ':' || authority.front() == '\\')
        return std::nullopt;
    if (authority.find('\\') != std::string_view::npos) return std::nullopt;
    return std::string(address);
}
