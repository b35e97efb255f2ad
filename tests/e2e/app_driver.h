// Drives a running velmora.exe from another process, the way a user would:
// finds its windows by title, caption or layout place, clicks, types, reads
// texts and message boxes, and waits for the process to end.
#pragma once

#include "ui/app_win.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

inline constexpr wchar_t MESSAGE_BOX_CLASS[] = L"#32770";
inline constexpr wchar_t MESSAGE_CAPTION[] = L"信息：";
inline constexpr DWORD DEFAULT_WAIT_MS = 20000;

// Set by the suite's runner: where the program and the witnesses are.
std::wstring environment(const wchar_t* name);

// Polls until the condition holds or the time is up; true when it held.
bool wait_until(const std::function<bool()>& condition, DWORD timeout_ms = DEFAULT_WAIT_MS,
                DWORD poll_ms = 10);

std::wstring window_text(HWND window);
// The lines of an edit box's text, without their CR LF.
std::vector<std::wstring> lines_of(const std::wstring& text);
std::wstring class_name(HWND window);

class App {
  public:
    // Starts velmora.exe (with extra "NAME=value" environment entries) and waits
    // until it shows its first top-level window.
    explicit App(const std::vector<std::wstring>& extra_environment = {});
    ~App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    DWORD process_id() const { return process_.dwProcessId; }

    // Top-level windows of the process, visible or not.
    std::vector<HWND> top_level_windows() const;
    HWND main_window() const;
    // The visible message box of the process, waiting for it; nullptr if none came.
    HWND wait_message_box(DWORD timeout_ms = DEFAULT_WAIT_MS) const;
    HWND message_box_now() const;
    static std::wstring message_text(HWND box);
    static void press_ok(HWND box);

    // Greeting box: waits for it, checks it, presses OK, waits for the main window.
    HWND dismiss_greeting();
    // Starts and gets past the greeting in one go.
    static std::unique_ptr<App> started(const std::vector<std::wstring>& extra_environment = {});

    // A control of the layout, found by its parent group's caption and its place.
    HWND control(Control id) const;

    std::wstring text(Control id) const { return window_text(control(id)); }
    void set_text(Control id, const std::wstring& text) const;
    // Sent click: returns when the action has finished.
    void click(Control id) const;
    // Posted click: for actions that open a modal box.
    void post_click(Control id) const;

    // Keyboard input through the system, to the window in the foreground.
    void bring_to_front() const;
    void press_key(WORD key, bool shift = false, bool ctrl = false) const;
    HWND focused_window() const;

    // Exit code once the process has ended; STILL_ACTIVE if it did not in time.
    DWORD wait_exit(DWORD timeout_ms = DEFAULT_WAIT_MS) const;
    bool running() const;

  private:
    PROCESS_INFORMATION process_{};
};

// Lines the local HTTP witness recorded, "path<TAB>user agent" each.
std::vector<std::string> witness_requests();
std::string witness_url(const std::string& path);
// What the stub xdg-open was handed, one line per call.
std::vector<std::string> shell_handoffs();

// Saves the window's rectangle of the screen as a 24-bit BMP.
bool save_screenshot(HWND window, const std::wstring& path);
