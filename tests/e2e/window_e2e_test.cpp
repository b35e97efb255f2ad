// The window as the user meets it: start-up, layout, keys and closing.
#include "app_driver.h"

#include "log/activity_log.h"
#include "ui/actions.h"

#include <gtest/gtest.h>

namespace {
constexpr Control TAB_ORDER[] = {
    Control::link_box,
    Control::log_box,
    Control::quick_apply_big,
    Control::quick_apply_small,
    Control::generate,
    Control::open_in_system_browser,
    Control::switch_android,
    Control::switch_iphone,
    Control::refresh,
    Control::close_page,
    Control::browser,
    Control::add_author,
    Control::open_in_mobile_browser,
};

// Which control of the layout holds the focus (the page inside the pane counts as the pane).
Control focused_control(const App& app) {
    const HWND focus = app.focused_window();
    for (const ControlRow& row : LAYOUT) {
        const HWND control = app.control(row.id);
        if (focus != nullptr && (control == focus || IsChild(control, focus))) return row.id;
    }
    return Control::none;
}

std::string name_of(Control id) {
    return id == Control::none ? "(none)" : to_utf8(layout_row(id).name);
}
} // namespace

TEST(StartUp, GreetingIsShownBeforeTheWindowAndHoldsItBack) {
    App app;
    const HWND box = app.wait_message_box();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(window_text(box), MESSAGE_CAPTION);
    EXPECT_EQ(App::message_text(box), to_wide(std::string(GREETING)));
    EXPECT_EQ(GetWindow(box, GW_OWNER), nullptr);
    const HWND main = app.main_window();
    ASSERT_NE(main, nullptr) << "the window exists, hidden, while the greeting is up";
    EXPECT_FALSE(IsWindowVisible(main));
    EXPECT_FALSE(IsWindowEnabled(main)) << "the greeting is task-modal";

    App::press_ok(box);
    ASSERT_TRUE(wait_until([&] { return IsWindowVisible(main) != FALSE; }));
    EXPECT_TRUE(IsWindowEnabled(main));
}

TEST(StartUp, ClosingTheGreetingAnyWayShowsTheWindow) {
    for (const UINT close : {UINT{IDOK}, UINT{IDCANCEL}}) {
        SCOPED_TRACE(close);
        App app;
        const HWND box = app.wait_message_box();
        ASSERT_NE(box, nullptr);
        PostMessageW(box, WM_COMMAND, close, 0);
        EXPECT_TRUE(wait_until(
            [&] { return app.main_window() != nullptr && IsWindowVisible(app.main_window()); }));
    }
}

TEST(MainWindow, HasItsTitleSizePlaceAndStyles) {
    const auto app = App::started();
    const HWND main = app->main_window();
    ASSERT_NE(main, nullptr);
    RECT outer;
    GetWindowRect(main, &outer);
    EXPECT_EQ(outer.right - outer.left, MAIN_WINDOW_WIDTH);
    EXPECT_EQ(outer.bottom - outer.top, MAIN_WINDOW_HEIGHT);
    EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - MAIN_WINDOW_WIDTH) / 2);
    EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - MAIN_WINDOW_HEIGHT) / 2);

    const auto style = static_cast<DWORD>(GetWindowLongPtrW(main, GWL_STYLE));
    constexpr DWORD FRAME_BITS = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX |
                                 WS_THICKFRAME | WS_CLIPCHILDREN | WS_POPUP | WS_CHILD;
    EXPECT_EQ(style & FRAME_BITS, MAIN_WINDOW_STYLE);
    const auto ex_style = static_cast<DWORD>(GetWindowLongPtrW(main, GWL_EXSTYLE));
    EXPECT_EQ(ex_style & (WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_LAYERED), 0u);
    EXPECT_EQ(GetWindow(main, GW_OWNER), nullptr);
    EXPECT_EQ(focused_control(*app), Control::link_box);
}

TEST(MainWindow, EveryControlHasItsClassCaptionParentPlaceSizeAndStyle) {
    const auto app = App::started();
    for (const ControlRow& row : LAYOUT) {
        SCOPED_TRACE(name_of(row.id));
        // control() finds it by class, place and caption within its parent.
        const HWND control = app->control(row.id);
        ASSERT_NE(control, nullptr);
        const HWND parent =
            row.parent == Control::none ? app->main_window() : app->control(row.parent);
        EXPECT_EQ(GetParent(control), parent);
        RECT area;
        GetWindowRect(control, &area);
        EXPECT_EQ(area.right - area.left, row.width);
        EXPECT_EQ(area.bottom - area.top, row.height);
        const auto style = static_cast<DWORD>(GetWindowLongPtrW(control, GWL_STYLE));
        EXPECT_EQ(style & row.style, row.style);
        EXPECT_EQ((style & WS_TABSTOP) != 0, is_tab_stop(row));
        EXPECT_TRUE(IsWindowVisible(control));
        EXPECT_TRUE(IsWindowEnabled(control));
        const auto ex_style = static_cast<DWORD>(GetWindowLongPtrW(control, GWL_EXSTYLE));
        EXPECT_EQ(ex_style & WS_EX_CLIENTEDGE, row.ex_style & WS_EX_CLIENTEDGE);
        if (row.kind == Kind::button) {
            EXPECT_EQ(style & (BS_TYPEMASK), static_cast<DWORD>(BS_PUSHBUTTON))
                << "no default button";
        }
        if (row.kind == Kind::edit_box) {
            EXPECT_EQ(style & (ES_AUTOHSCROLL | WS_HSCROLL | ES_NOHIDESEL | ES_READONLY), 0u);
            EXPECT_GT(SendMessageW(control, EM_GETLIMITTEXT, 0, 0), 30000)
                << "the default limit cuts the log short";
        }
    }
}

TEST(MainWindow, SiblingsAreStackedInLayoutOrder) {
    const auto app = App::started();
    for (const Control parent_id :
         {Control::none, Control::link_group, Control::log_group, Control::generate_group,
          Control::quick_apply_group, Control::browser_group, Control::settings_group}) {
        SCOPED_TRACE(name_of(parent_id));
        std::vector<HWND> expected;
        for (const ControlRow& row : LAYOUT)
            if (row.parent == parent_id) expected.push_back(app->control(row.id));
        const HWND parent =
            parent_id == Control::none ? app->main_window() : app->control(parent_id);
        std::vector<HWND> stacked;
        for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr;
             child = GetWindow(child, GW_HWNDNEXT))
            stacked.push_back(child);
        EXPECT_EQ(stacked, expected);
    }
}

TEST(Keyboard, TabAndShiftTabWalkTheTabOrderAndWrap) {
    const auto app = App::started();
    app->bring_to_front();
    ASSERT_EQ(focused_control(*app), Control::link_box);
    std::vector<std::string> forward;
    for (std::size_t i = 0; i < std::size(TAB_ORDER); ++i) {
        app->press_key(VK_TAB);
        forward.push_back(name_of(focused_control(*app)));
    }
    std::vector<std::string> expected_forward;
    for (std::size_t i = 1; i <= std::size(TAB_ORDER); ++i)
        expected_forward.push_back(name_of(TAB_ORDER[i % std::size(TAB_ORDER)]));
    EXPECT_EQ(forward, expected_forward);

    std::vector<std::string> backward;
    for (std::size_t i = 0; i < std::size(TAB_ORDER); ++i) {
        app->press_key(VK_TAB, true);
        backward.push_back(name_of(focused_control(*app)));
    }
    std::vector<std::string> expected_backward;
    for (std::size_t i = std::size(TAB_ORDER); i-- > 0;)
        expected_backward.push_back(name_of(TAB_ORDER[i]));
    EXPECT_EQ(backward, expected_backward);
}

TEST(Keyboard, EnterStartsALineInTheLinkBoxAndClicksNothingElsewhere) {
    const auto app = App::started();
    app->bring_to_front();
    app->set_text(Control::link_box, L"abc");
    SendMessageW(app->control(Control::link_box), EM_SETSEL, 3, 3);
    app->press_key(VK_RETURN);
    EXPECT_EQ(app->text(Control::link_box), L"abc\r\n");
    EXPECT_EQ(focused_control(*app), Control::link_box);

    // Walk to 按钮1 (生 成): Enter there must neither click it nor move the focus.
    for (int i = 0; i < 4; ++i)
        app->press_key(VK_TAB);
    ASSERT_EQ(focused_control(*app), Control::generate);
    app->press_key(VK_RETURN);
    EXPECT_EQ(app->text(Control::log_box), L"");
    EXPECT_EQ(focused_control(*app), Control::generate);
    // Space clicks the focused button as for any push button.
    app->press_key(VK_SPACE);
    EXPECT_TRUE(wait_until([&] { return !app->text(Control::log_box).empty(); }, 5000));
}

TEST(Keyboard, KeysWithModifiersAreOtherKeys) {
    const auto app = App::started();
    app->bring_to_front();
    app->press_key(VK_ESCAPE, true);
    app->press_key(VK_ESCAPE, false, true);
    EXPECT_TRUE(app->running()) << "only plain Esc closes";
    app->press_key(VK_TAB, false, true);
    EXPECT_EQ(focused_control(*app), Control::link_box) << "Ctrl+Tab is not Tab";
    app->press_key(VK_ESCAPE);
    EXPECT_EQ(app->wait_exit(), 0u);
}

TEST(Closing, EscFromEveryFocusableControlEndsWithZero) {
    for (std::size_t steps = 0; steps < std::size(TAB_ORDER); ++steps) {
        SCOPED_TRACE(name_of(TAB_ORDER[steps]));
        const auto app = App::started();
        app->bring_to_front();
        for (std::size_t i = 0; i < steps; ++i)
            app->press_key(VK_TAB);
        ASSERT_EQ(focused_control(*app), TAB_ORDER[steps]);
        app->press_key(VK_ESCAPE);
        EXPECT_EQ(app->wait_exit(), 0u);
    }
}

TEST(Closing, CloseButtonSystemMenuAndAltF4EndWithZero) {
    const std::vector<std::pair<const char*, std::function<void(const App&)>>> ways = {
        {"WM_CLOSE", [](const App& a) { PostMessageW(a.main_window(), WM_CLOSE, 0, 0); }},
        {"system menu",
         [](const App& a) { PostMessageW(a.main_window(), WM_SYSCOMMAND, SC_CLOSE, 0); }},
        {"Alt+F4",
         [](const App& a) {
             a.bring_to_front();
             INPUT keys[4] = {};
             const WORD order[4][2] = {{VK_MENU, 0}, {VK_F4, 0}, {VK_F4, 1}, {VK_MENU, 1}};
             for (int i = 0; i < 4; ++i) {
                 keys[i].type = INPUT_KEYBOARD;
                 keys[i].ki.wVk = order[i][0];
                 keys[i].ki.dwFlags = order[i][1] ? KEYEVENTF_KEYUP : 0;
             }
             SendInput(4, keys, sizeof(INPUT));
         }},
    };
    for (const auto& [name, close] : ways) {
        SCOPED_TRACE(name);
        const auto app = App::started();
        close(*app);
        EXPECT_EQ(app->wait_exit(), 0u);
    }
}

TEST(Screenshot, MainWindowIsSaved) {
    const std::wstring folder = environment(L"VELMORA_SCREENSHOTS");
    if (folder.empty()) GTEST_SKIP() << "VELMORA_SCREENSHOTS not set";
    App app;
    const HWND box = app.wait_message_box();
    ASSERT_NE(box, nullptr);
    Sleep(300);
    EXPECT_TRUE(save_screenshot(box, folder + L"\\greeting.bmp"));
    app.dismiss_greeting();
    app.click(Control::generate);
    app.click(Control::quick_apply_big);
    Sleep(500);
    EXPECT_TRUE(save_screenshot(app.main_window(), folder + L"\\main-window.bmp"));
}
