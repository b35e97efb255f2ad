// Reading, replacing and appending to the link box and the log box.
#include "log/activity_log.h"
#include "ui/app_win.h"
#include "ui/seam.h"

namespace {
HWND box_window(Box box) {
    return control_window(box == Box::link ? Control::link_box : Control::log_box);
}
} // namespace

std::string get_content(Box box) {
    const HWND window = box_window(box);
    const int length = GetWindowTextLengthW(window);
    if (length <= 0) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return to_utf8(text);
}

void set_content(Box box, std::string_view text) {
    SetWindowTextW(box_window(box), to_wide(text).c_str());
}

// Goes to the very end whatever the user selected, and shows the new line.
void append_log(std::string_view message) {
    const std::wstring line = to_wide(make_log_line(message));
    const HWND log = control_window(Control::log_box);
    const int length = GetWindowTextLengthW(log);
    SendMessageW(log, EM_SETSEL, static_cast<WPARAM>(length), static_cast<LPARAM>(length));
    SendMessageW(log, EM_SCROLLCARET, 0, 0);
    SendMessageW(log, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(line.c_str()));
}
