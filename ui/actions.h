// The eleven things the user can do, one per button or label press. Each runs to
// completion on the window's thread and talks to Windows only through ui/seam.h.
#pragma once

#include "velmora_config.h"

#include <string_view>

inline constexpr std::string_view GREETING = "作者QQ:" VELMORA_AUTHOR_CONTACT_NUMBER "\r\n";
inline constexpr std::string_view VIP_MESSAGE =
    "恭喜您成功生成VIP申请链接\r\nTarsel的QQ：" VELMORA_AUTHOR_CONTACT_NUMBER;
inline constexpr std::string_view SWITCHED_MESSAGE = "切换成功";
inline constexpr std::string_view ONLY_WEB_ADDRESSES_MESSAGE =
    "只有以 http:// 或 https:// 开头的网址才能在系统浏览器中打开。";

void greet_on_created();

void act_generate();
void act_generate_vip();
void act_quick_apply_big();
void act_quick_apply_small();
void act_open_in_mobile_browser();
void act_open_in_system_browser();
void act_switch_android();
void act_switch_iphone();
void act_refresh();
void act_close_page();
void act_add_author();
