// The fatal stop: the one way the program ends other than closing its window.
// The Windows build shows an error box first; both bodies end with exit code -1.
#pragma once

#include <cstddef>

inline constexpr int FATAL_EXIT_CODE = -1;

inline constexpr char FATAL_LOAD_WINDOW_FAILED[] = "载入启动窗口失败";
inline constexpr char FATAL_USER_AGENT_LIBRARY[] =
    "找不到 urlmon.dll 或其中的 UrlMkSetSessionOption";

// "allocating <bytes> bytes failed", written into a fixed buffer because it is
// needed exactly when memory has run out.
struct AllocationMessage {
    char text[96];
};
AllocationMessage allocation_failure_message(std::size_t bytes);

[[noreturn]] void report_fatal_error(const char* message);
