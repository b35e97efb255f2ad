// The main window: its controls made from the layout table, the clicks bound to
// the actions, and the window's own keys (Esc, Tab, Shift+Tab).
#include "ui/actions.h"
#include "ui/app_win.h"

#include <commctrl.h>

namespace {
HWND main = nullptr;
HWND controls[LAYOUT.size()] = {};
HWND last_focus = nullptr;
// False until the message loop runs: only then does destroying the window end it.
bool loop_running = false;

struct Binding {
    Control control;
    void (*action)();
};

constexpr Binding CLICK_BINDINGS[] = {
    {Control::generate, act_generate},
    {Control::open_in_system_browser, act_open_in_system_browser},
    {Control::quick_apply_big, act_quick_apply_big},
    {Control::quick_apply_small, act_quick_apply_small},
    {Control::add_author, act_add_author},
    {Control::open_in_mobile_browser, act_open_in_mobile_browser},
    {Control::refresh, act_refresh},
    {Control::close_page, act_close_page},
    {Control::switch_android, act_switch_android},
    {Control::switch_iphone, act_switch_iphone},
};

void on_command(WPARAM wparam) {
    if (HIWORD(wparam) != BN_CLICKED) return;
    for (const Binding& binding : CLICK_BINDINGS)
        if (control_id(binding.control) == LOWORD(wparam)) binding.action();
}

HWND first_tab_stop() {
    for (std::size_t i = LAYOUT.size(); i-- > 0;)
        if (is_tab_stop(LAYOUT[i])) return controls[i];
    return nullptr;
}

// Children of a group box report to the group box; pass their notifications on,
// and paint the inside, which the main window's WS_CLIPCHILDREN leaves alone.
LRESULT CALLBACK group_box_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                DWORD_PTR) {
    switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
        return SendMessageW(main, message, wparam, lparam);
    case WM_ERASEBKGND: {
        RECT inside;
        GetClientRect(window, &inside);
        FillRect(reinterpret_cast<HDC>(wparam), &inside, GetSysColorBrush(COLOR_BTNFACE));
        return 1;
    }
    default:
        return DefSubclassProc(window, message, wparam, lparam);
    }
}

LRESULT CALLBACK main_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_COMMAND:
        on_command(wparam);
        return 0;
    case WM_ACTIVATE:
        // Like a dialog: leave with the focus remembered, come back to it.
        if (LOWORD(wparam) == WA_INACTIVE) {
            const HWND focus = GetFocus();
            if (focus != nullptr && IsChild(window, focus)) last_focus = focus;
        } else {
            SetFocus(last_focus != nullptr && IsWindow(last_focus) ? last_focus : first_tab_stop());
        }
        return 0;
    case WM_DESTROY:
        main = nullptr;
        if (loop_running) PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, wparam, lparam);
    }
}

HWND window_of(Control id) {
    return id == Control::none ? main : controls[static_cast<int>(id)];
}

// Is control already stacked directly below above (HWND_TOP: first of its siblings)?
bool stacked_below(HWND control, HWND above) {
    const HWND previous = GetWindow(control, GW_HWNDPREV);
    return above == HWND_TOP ? previous == nullptr : previous == above;
}

bool create_controls(HINSTANCE instance) {
    const auto font = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
    // Hidden children of the main window first. Each is made at the place the
    // layout stores for it; re-parenting keeps that place, so a control that moves
    // into a group box lands where the layout puts it without being moved again.
    for (const ControlRow& row : LAYOUT) {
        const HWND control = CreateWindowExW(
            row.ex_style, window_class_of(row.kind), row.caption, WS_CHILD | row.style, row.x,
            row.y, row.width, row.height, main,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(control_id(row.id))), instance, nullptr);
        if (control == nullptr) return false;
        controls[static_cast<int>(row.id)] = control;
        SendMessageW(control, WM_SETFONT, font, FALSE);
        if (row.kind == Kind::edit_box)
            // The default limit (32,767 characters, 30,000 under Wine) silently cuts
            // appends short, and the log would stop growing after a few hundred lines.
            SendMessageW(control, EM_SETLIMITTEXT, 0, 0);
        if (row.kind == Kind::group_box && !SetWindowSubclass(control, group_box_proc, 0, 0))
            return false;
        if (row.kind == Kind::browser_pane && !attach_browser(control)) return false;
    }
    // Then into their group boxes. A re-parented window goes on top of its new
    // siblings, so taking the rows last to first leaves them in layout order.
    for (auto row = LAYOUT.rbegin(); row != LAYOUT.rend(); ++row)
        if (row->parent != Control::none &&
            SetParent(window_of(row->id), window_of(row->parent)) == nullptr)
            return false;
    // Stacked among their siblings in layout order, earlier on top; each window
    // move costs a round trip under Wine, so those already in place stay.
    for (std::size_t i = 0; i < LAYOUT.size(); ++i) {
        HWND above = HWND_TOP;
        for (std::size_t j = i; j-- > 0;)
            if (LAYOUT[j].parent == LAYOUT[i].parent) {
                above = controls[j];
                break;
            }
        if (!stacked_below(controls[i], above))
            SetWindowPos(controls[i], above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    for (HWND control : controls)
        ShowWindow(control, SW_SHOWNA);
    return true;
}

// The control of the layout that holds the focus (the page inside the pane counts
// as the pane); -1 when the focus is on none of them.
int focused_row(HWND focus) {
    for (std::size_t i = 0; i < LAYOUT.size(); ++i)
        if (LAYOUT[i].kind != Kind::group_box &&
            (controls[i] == focus || IsChild(controls[i], focus)))
            return static_cast<int>(i);
    return -1;
}

// Tab order is the layout order reversed, so "next" walks the table backwards.
void move_focus(bool backwards) {
    const int count = static_cast<int>(LAYOUT.size());
    const int start = focused_row(GetFocus());
    int row = start < 0 ? (backwards ? -1 : count) : start;
    for (int step = 0; step < count; ++step) {
        row = backwards ? (row + 1) % count : (row - 1 + count) % count;
        const HWND candidate = controls[row];
        if (is_tab_stop(LAYOUT[static_cast<std::size_t>(row)]) && IsWindowVisible(candidate) &&
            IsWindowEnabled(candidate)) {
            SetFocus(candidate);
            return;
        }
    }
}

bool key_down(int key) {
    return GetKeyState(key) < 0;
}

// Esc, Tab and Shift+Tab belong to the window wherever the focus is, the page in
// the pane included; true when the key was used here.
bool handle_window_key(const MSG& message) {
    if (message.message != WM_KEYDOWN || main == nullptr ||
        (message.hwnd != main && !IsChild(main, message.hwnd)))
        return false;
    const bool ctrl = key_down(VK_CONTROL);
    const bool alt = key_down(VK_MENU);
    const bool shift = key_down(VK_SHIFT);
    if (message.wParam == VK_ESCAPE && !ctrl && !alt && !shift) {
        SendMessageW(main, WM_SYSCOMMAND, SC_CLOSE, 0);
        return true;
    }
    if (message.wParam == VK_TAB && !ctrl && !alt) {
        move_focus(shift);
        return true;
    }
    return false;
}
} // namespace

bool register_window_class(HINSTANCE instance, const wchar_t* name, WNDPROC procedure, UINT style,
                           HBRUSH background, HICON icon) {
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof window_class;
    window_class.style = style;
    window_class.lpfnWndProc = procedure;
    window_class.hInstance = instance;
    window_class.hIcon = icon;
    window_class.hIconSm = icon;
    window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    window_class.hbrBackground = background;
    window_class.lpszClassName = name;
    return RegisterClassExW(&window_class) != 0;
}

HWND main_window() {
    return main;
}

HWND control_window(Control id) {
    return window_of(id);
}

bool load_main_window() {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    const auto icon = static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON, 64, 64, LR_DEFAULTCOLOR));
    INITCOMMONCONTROLSEX common_controls{sizeof common_controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&common_controls);
    if (!register_window_class(instance, MAIN_WINDOW_CLASS, main_window_proc, 0,
                               reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), icon) ||
        !register_label_class(instance) || !register_browser_pane_class(instance))
        return false;

    // Centred on the primary screen; C++ division truncates toward zero, so a
    // narrow screen puts the left edge off screen, as it should.
    const int x = (GetSystemMetrics(SM_CXSCREEN) - MAIN_WINDOW_WIDTH) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - MAIN_WINDOW_HEIGHT) / 2;
    main =
        CreateWindowExW(0, MAIN_WINDOW_CLASS, MAIN_WINDOW_TITLE, MAIN_WINDOW_STYLE, x, y,
                        MAIN_WINDOW_WIDTH, MAIN_WINDOW_HEIGHT, nullptr, nullptr, instance, nullptr);
    if (main == nullptr) return false;
    SendMessageW(main, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageW(main, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    if (!create_controls(instance)) return false;

    // The created event: the greeting is on screen before the window is.
    greet_on_created();
    if (!IsWindow(main)) return true;
    ShowWindow(main, SW_SHOWNORMAL);
    SetForegroundWindow(main);
    UpdateWindow(main);
    return true;
}

void run_event_loop() {
    loop_running = true;
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (handle_window_key(message) || browser_translate_key(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}
