// What the Windows files of the program share with each other.
#pragma once

#include "ui/layout_win.h"

#include <string>
#include <string_view>

// UTF-8 inside the program, UTF-16 at every Windows call.
std::wstring to_wide(std::string_view text);
std::string to_utf8(std::wstring_view text);

// Start-up and shutdown.
bool load_main_window();
void run_event_loop();
// Releases what the run acquired; safe to call twice (a fatal stop may come late).
void end_sequence();

HWND main_window();
HWND control_window(Control id);

// One window class of the program, with the arrow cursor; false if it cannot be registered.
bool register_window_class(HINSTANCE instance, const wchar_t* name, WNDPROC procedure, UINT style,
                           HBRUSH background, HICON icon = nullptr);
bool register_label_class(HINSTANCE instance);
bool register_browser_pane_class(HINSTANCE instance);

// The WebBrowser control inside the pane; false when it cannot be had.
bool attach_browser(HWND pane);
// Gives a key to the page when the focus is inside the pane; true when the page used it.
bool browser_translate_key(MSG& message);

void release_user_agent_library();

// The per-user document-mode value that lets the control render current pages;
// written only when absent and removed at the end only if this run wrote it.
void register_document_mode();
void unregister_document_mode();
