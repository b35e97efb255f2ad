// Start-up, the message loop and the end of the program.
#include "ui/actions.h"
#include "ui/app_win.h"
#include "ui/seam.h"

#include <ole2.h>

namespace {
bool ole_initialized = false;

// Nothing the program opens depends on it, but a tool started from a shortcut
// or another folder behaves the same as one started from its own.
void enter_program_folder() {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return;
    for (DWORD i = length; i > 0; --i)
        if (path[i - 1] == L'\\' || path[i - 1] == L'/') {
            path[i - 1] = L'\0';
            break;
        }
    SetCurrentDirectoryW(path);
}

int program_main() {
    // The browser pane hosts an OLE control, so this comes before any window.
    OleInitialize(nullptr);
    ole_initialized = true;
    enter_program_folder();
    register_document_mode();
    if (!load_main_window()) report_fatal_error(FATAL_LOAD_WINDOW_FAILED);
    if (IsWindow(main_window())) run_event_loop();
    end_sequence();
    return 0;
}
} // namespace

void end_sequence() {
    if (IsWindow(main_window())) DestroyWindow(main_window());
    release_user_agent_library();
    unregister_document_mode();
    if (ole_initialized) OleUninitialize();
    ole_initialized = false;
}

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    return program_main();
}
