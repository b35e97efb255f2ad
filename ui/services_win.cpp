// Message boxes, the fatal stop, the process-wide user agent and the shell hand-off.
#include "ui/app_win.h"
#include "ui/seam.h"

#include <shellapi.h>

#include <cwchar>

namespace {
constexpr wchar_t MESSAGE_CAPTION[] = L"信息：";
constexpr wchar_t FATAL_CAPTION[] = L"运行时错误";
constexpr wchar_t FATAL_INTRO[] = L"程序运行时发生错误：";
constexpr DWORD URLMON_OPTION_USERAGENT = 0x10000001;

using SetSessionOption = HRESULT(WINAPI*)(DWORD option, LPVOID buffer, DWORD length,
                                          DWORD reserved);
HMODULE urlmon = nullptr;
SetSessionOption set_session_option = nullptr;
} // namespace

// No owner and task-modal: every window of the thread is disabled while it is open.
void show_message(std::string_view text) {
    MessageBoxW(nullptr, to_wide(text).c_str(), MESSAGE_CAPTION, MB_OK | MB_TASKMODAL);
}

// Builds its text in a fixed buffer: it may be reporting that memory ran out.
void report_fatal_error(const char* message) {
    wchar_t text[1024];
    const int intro = std::swprintf(text, std::size(text), L"%ls\r\n\r\n", FATAL_INTRO);
    const int room = static_cast<int>(std::size(text)) - intro - 1;
    const int written =
        MultiByteToWideChar(CP_UTF8, 0, message != nullptr ? message : "", -1, text + intro, room);
    if (written == 0) text[intro] = L'\0';
    text[std::size(text) - 1] = L'\0';
    MessageBoxW(nullptr, text, FATAL_CAPTION, MB_OK | MB_ICONERROR | MB_TASKMODAL);
    end_sequence();
    ExitProcess(static_cast<UINT>(FATAL_EXIT_CODE));
}

bool set_process_user_agent(std::string_view ua) {
    if (set_session_option == nullptr) {
        urlmon = LoadLibraryW(L"urlmon.dll");
        if (urlmon != nullptr)
            set_session_option = reinterpret_cast<SetSessionOption>(
                reinterpret_cast<void*>(GetProcAddress(urlmon, "UrlMkSetSessionOption")));
        if (set_session_option == nullptr) report_fatal_error(FATAL_USER_AGENT_LIBRARY);
    }
    std::string buffer(ua);
    return set_session_option(URLMON_OPTION_USERAGENT, buffer.data(),
                              static_cast<DWORD>(buffer.size()), 0) == S_OK;
}

void release_user_agent_library() {
    set_session_option = nullptr;
    if (urlmon != nullptr) FreeLibrary(urlmon);
    urlmon = nullptr;
}

// An open Internet Explorer window, if any, owns whatever the shell shows; the
// main window never does.
void open_in_system_browser(std::string_view url) {
    const HWND owner = FindWindowExW(nullptr, nullptr, nullptr, L"Microsoft Internet Explorer");
    ShellExecuteW(owner, L"open", to_wide(url).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
