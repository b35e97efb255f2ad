// The fixed links, browser identities and marker, and the two kinds of link
// the program composes. The host, contact number and web address are build options.
#pragma once

#include "velmora_config.h"

#include <string>
#include <string_view>

#define VELMORA_HTTPS_HOST "https://" VELMORA_CARRIER_MOBILE_HOST

inline constexpr std::string_view AUTHOR_CONTACT_NUMBER = VELMORA_AUTHOR_CONTACT_NUMBER;
inline constexpr std::string_view AUTHOR_WEB_ADDRESS = VELMORA_AUTHOR_WEB_ADDRESS;
inline constexpr std::string_view CARRIER_MOBILE_HOST = VELMORA_CARRIER_MOBILE_HOST;

inline constexpr std::string_view MUSIC_TAB_URL =
    VELMORA_HTTPS_HOST "/queen/tencent/king-music-tab.html?channel=1";
// Product 0 is the big card, 1 the small card.
inline constexpr std::string_view BIG_CARD_URL =
    VELMORA_HTTPS_HOST "/queen/tencent/fill.html?product=0&channel=1";
inline constexpr std::string_view SMALL_CARD_URL =
    VELMORA_HTTPS_HOST "/queen/tencent/fill.html?product=1&channel=1";
inline constexpr std::string_view CONTACT_URL =
    "tencent://ContactInfo/?subcmd=ViewInfo&puin=0&uin=" VELMORA_AUTHOR_CONTACT_NUMBER;
inline constexpr std::string_view BLANK_PAGE = "about:blank";

inline constexpr std::string_view UA_ANDROID =
    "Mozilla/5.0 (Linux; U; Android 2.2; en-gb; GT-I5500 Build/FROYO) AppleWebKit/533.1 "
    "(KHTML, like Gecko) Version/4.0 Mobile Safari/533.1";
inline constexpr std::string_view UA_IPHONE =
    "Mozilla/5.0 (iPhone; CPU iPhone OS 8_1_2 like Mac OS X) AppleWebKit/600.1.4 "
    "(KHTML, like Gecko) Version/8.0 Mobile/12B440 Safari/600.1.4";

inline constexpr std::string_view VIP_MARKER = "{Tarsel是Brannoc的爸爸}";

inline constexpr int GENERATED_RUN_LENGTH = 100;
inline constexpr int VIP_HEAD_LENGTH = 5;
inline constexpr int VIP_TAIL_LENGTH = 20;

// MUSIC_TAB_URL followed directly by 100 pool characters; nothing is escaped,
// so the run becomes part of the channel value.
std::string make_generated_link();

// MUSIC_TAB_URL + 5 pool characters + VIP_MARKER + 20 pool characters, from two
// separately seeded draws (head first).
std::string make_vip_link();
