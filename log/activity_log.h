// The activity log: one line per action, a Chinese-notation time stamp followed
// by a fixed message that starts with five spaces and ends with CR LF.
#pragma once

#include "linkgen/links.h"

#include <string>
#include <string_view>

struct LocalTime {
    int year;
    int month;
    int day;
    int hour;
    int minute;
    int second;
};

// The local date and time in whole seconds, read afresh for every line.
LocalTime local_now();

inline constexpr std::string_view LOG_GENERATE = "     生成申请链接\r\n";
inline constexpr std::string_view LOG_GENERATE_VIP = "     生成VIP申请地址\r\n";
inline constexpr std::string_view LOG_QUICK_APPLY = "     点击快捷申请链接\r\n";
inline constexpr std::string_view LOG_OPEN_IN_MOBILE_BROWSER =
    "     在手机浏览器中进入申请链接\r\n";
inline constexpr std::string_view LOG_OPEN_IN_SYSTEM_BROWSER =
    "     在系统浏览器中进入申请链接\r\n";
inline constexpr std::string_view LOG_SWITCH_ANDROID = "     切换Android内核\r\n";
inline constexpr std::string_view LOG_SWITCH_IPHONE = "     切换iPhone内核\r\n";
inline constexpr std::string_view LOG_REFRESH = "     刷新浏览器\r\n";
inline constexpr std::string_view LOG_CLOSE_PAGE = "     关闭网页\r\n";
inline constexpr std::string_view LOG_ADD_AUTHOR =
    "     作者QQ：" VELMORA_AUTHOR_CONTACT_NUMBER "\r\n";

// "2016年12月31日11时15分54秒"; trailing zero fields are left out, and exactly
// midnight gives the date alone.
std::string format_timestamp(const LocalTime& now);

// The time stamp of now followed directly by the message.
std::string make_log_line(std::string_view message);
