// Every button and the label, clicked for real; the local HTTP witness and the
// stub xdg-open show what reached the network and the shell.
#include "app_driver.h"

#include "linkgen/links.h"
#include "log/activity_log.h"
#include "tests/pool_check.h"
#include "ui/actions.h"

#include <gtest/gtest.h>

namespace {
// The log line must be a time stamp read between before and after, then the message.
void expect_log_line(const std::wstring& line, std::string_view message, const LocalTime& before,
                     const LocalTime& after) {
    std::string body(message.substr(0, message.size() - 2)); // without CR LF
    const std::string text = to_utf8(line);
    ASSERT_GT(text.size(), body.size()) << text;
    EXPECT_EQ(text.substr(text.size() - body.size()), body);
    const std::string stamp = text.substr(0, text.size() - body.size());
    EXPECT_TRUE(stamp == format_timestamp(before) || stamp == format_timestamp(after))
        << stamp << " not between " << format_timestamp(before) << " and "
        << format_timestamp(after);
}

bool witness_saw(const std::string& path, const std::string& agent = {}) {
    for (const std::string& line : witness_requests())
        if (line.rfind(path + "\t", 0) == 0 &&
            (agent.empty() || line.substr(path.size() + 1) == agent))
            return true;
    return false;
}

void press_label(const App& app, bool double_click) {
    const HWND label = app.control(Control::vip_label);
    const LPARAM point = MAKELPARAM(10, 10);
    PostMessageW(label, WM_LBUTTONDOWN, MK_LBUTTON, point);
    PostMessageW(label, WM_LBUTTONUP, 0, point);
    if (double_click) {
        PostMessageW(label, WM_LBUTTONDBLCLK, MK_LBUTTON, point);
        PostMessageW(label, WM_LBUTTONUP, 0, point);
    }
}

std::wstring ok_message(const App& app) {
    const HWND box = app.wait_message_box();
    if (box == nullptr) return L"(no message box)";
    const std::wstring text = App::message_text(box);
    App::press_ok(box);
    wait_until([&] { return app.message_box_now() == nullptr; });
    return text;
}
} // namespace

TEST(Generate, ReplacesTheLinkBoxAndLogsOneLine) {
    const auto app = App::started();
    app->set_text(Control::link_box, L"typed by the user");
    const LocalTime before = local_now();
    app->click(Control::generate);
    const LocalTime after = local_now();

    const std::string link = to_utf8(app->text(Control::link_box));
    ASSERT_EQ(link.size(), MUSIC_TAB_URL.size() + 100);
    EXPECT_EQ(link.substr(0, MUSIC_TAB_URL.size()), MUSIC_TAB_URL);
    EXPECT_TRUE(only_pool_characters(link.substr(MUSIC_TAB_URL.size())));
    const auto lines = lines_of(app->text(Control::log_box));
    ASSERT_EQ(lines.size(), 1u);
    expect_log_line(lines[0], LOG_GENERATE, before, after);
    EXPECT_EQ(app->text(Control::log_box).substr(app->text(Control::log_box).size() - 2), L"\r\n");
}

TEST(GenerateVip, LogsFirstWritesTheLinkAndHoldsTheWindowWithItsMessage) {
    const auto app = App::started();
    const LocalTime before = local_now();
    press_label(*app, false);
    const HWND box = app->wait_message_box();
    ASSERT_NE(box, nullptr);
    const LocalTime after = local_now();
    EXPECT_FALSE(IsWindowEnabled(app->main_window()));
    EXPECT_EQ(App::message_text(box), to_wide(std::string(VIP_MESSAGE)));
    EXPECT_EQ(window_text(box), MESSAGE_CAPTION);

    const std::string link = to_utf8(app->text(Control::link_box));
    const std::size_t head = MUSIC_TAB_URL.size();
    ASSERT_EQ(link.size(), head + 5 + VIP_MARKER.size() + 20);
    EXPECT_EQ(link.substr(0, head), MUSIC_TAB_URL);
    EXPECT_EQ(link.substr(head + 5, VIP_MARKER.size()), VIP_MARKER);
    EXPECT_TRUE(only_pool_characters(link.substr(head, 5)));
    EXPECT_TRUE(only_pool_characters(link.substr(head + 5 + VIP_MARKER.size())));
    const auto lines = lines_of(app->text(Control::log_box));
    ASSERT_EQ(lines.size(), 1u);
    expect_log_line(lines[0], LOG_GENERATE_VIP, before, after);

    App::press_ok(box);
    EXPECT_TRUE(wait_until([&] { return IsWindowEnabled(app->main_window()) != FALSE; }));
}

TEST(GenerateVip, DoubleClickRunsOnceAndTwoClicksRunTwice) {
    const auto app = App::started();
    press_label(*app, true);
    EXPECT_EQ(ok_message(*app), to_wide(std::string(VIP_MESSAGE)));
    EXPECT_EQ(app->wait_message_box(1000), nullptr) << "the double click ran twice";
    EXPECT_EQ(lines_of(app->text(Control::log_box)).size(), 1u);

    press_label(*app, false);
    ok_message(*app);
    press_label(*app, false);
    ok_message(*app);
    EXPECT_EQ(lines_of(app->text(Control::log_box)).size(), 3u);
}

TEST(ActivityLog, TypedTextStaysAndNewLinesGoAfterItWhateverIsSelected) {
    const auto app = App::started();
    app->set_text(Control::log_box, L"my own notes\r\nsecond line");
    SendMessageW(app->control(Control::log_box), EM_SETSEL, 0, 5);
    app->click(Control::generate);
    app->click(Control::refresh);
    const auto lines = lines_of(app->text(Control::log_box));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], L"my own notes");
    EXPECT_TRUE(lines[1].rfind(L"second line", 0) == 0) << "appended directly after the text";
    EXPECT_NE(lines[1].find(L"生成申请链接"), std::wstring::npos);
    EXPECT_NE(lines[2].find(L"刷新浏览器"), std::wstring::npos);
}

TEST(MobileBrowser, OpensTheLinkOfTheBoxInThePane) {
    const auto app = App::started();
    const std::string link = witness_url("/open?card=big&n=1");
    app->set_text(Control::link_box, to_wide(link));
    const LocalTime before = local_now();
    app->click(Control::open_in_mobile_browser);
    const LocalTime after = local_now();
    EXPECT_TRUE(wait_until([] { return witness_saw("/open?card=big&n=1"); }));
    EXPECT_EQ(app->text(Control::link_box), to_wide(link));
    const auto lines = lines_of(app->text(Control::log_box));
    ASSERT_EQ(lines.size(), 1u);
    expect_log_line(lines[0], LOG_OPEN_IN_MOBILE_BROWSER, before, after);
}

TEST(MobileBrowser, SwitchesReloadWithTheirAgentAndLaterOpensKeepIt) {
    const auto app = App::started();
    struct Step {
        Control button;
        std::string_view agent;
        std::string_view log;
    };
    const Step steps[] = {{Control::switch_android, UA_ANDROID, LOG_SWITCH_ANDROID},
                          {Control::switch_iphone, UA_IPHONE, LOG_SWITCH_IPHONE}};
    int round = 0;
    for (const Step& step : steps) {
        SCOPED_TRACE(std::string(step.log));
        const std::string switched = "/switched-" + std::to_string(round);
        const std::string later = "/later-" + std::to_string(round++);
        app->set_text(Control::link_box, to_wide(witness_url(switched)));
        app->post_click(step.button);
        EXPECT_EQ(ok_message(*app), L"切换成功");
        EXPECT_TRUE(wait_until([&] { return witness_saw(switched, std::string(step.agent)); }));

        app->set_text(Control::link_box, to_wide(witness_url(later)));
        app->click(Control::open_in_mobile_browser);
        EXPECT_TRUE(wait_until([&] { return witness_saw(later, std::string(step.agent)); }));
        const auto lines = lines_of(app->text(Control::log_box));
        ASSERT_GE(lines.size(), 2u);
        EXPECT_NE(to_utf8(lines[lines.size() - 2])
                      .find(std::string(step.log.substr(5, step.log.size() - 7))),
                  std::string::npos);
    }
}

TEST(MobileBrowser, EmptyBoxStillLogsAndSwitchStillReportsSuccess) {
    const auto app = App::started();
    app->click(Control::open_in_mobile_browser);
    app->post_click(Control::switch_android);
    EXPECT_EQ(ok_message(*app), L"切换成功");
    const auto lines = lines_of(app->text(Control::log_box));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_NE(lines[0].find(L"在手机浏览器中进入申请链接"), std::wstring::npos);
    EXPECT_NE(lines[1].find(L"切换Android内核"), std::wstring::npos);
}

TEST(SystemBrowser, HandsAWebLinkToTheShellUnchangedAndNotToThePane) {
    const auto app = App::started();
    const std::string path = "/system?only=shell";
    const std::string link = witness_url(path);
    app->set_text(Control::link_box, to_wide(link));
    const std::size_t before = shell_handoffs().size();
    app->click(Control::open_in_system_browser);
    ASSERT_TRUE(wait_until([&] { return shell_handoffs().size() > before; }));
    EXPECT_EQ(shell_handoffs().back(), link);
    Sleep(500);
    EXPECT_FALSE(witness_saw(path)) << "the shell stub fetches nothing; the pane must not either";
    const auto lines = lines_of(app->text(Control::log_box));
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find(L"在系统浏览器中进入申请链接"), std::wstring::npos);
}

TEST(SystemBrowser, RefusesEverythingButWebLinksWithAMessageAndNoLogLine) {
    const auto app = App::started();
    const std::wstring refused[] = {
        L"",
        L"calc.exe",
        L"C:\\Windows\\System32\\notepad.exe",
        L"file:///C:/windows/win.ini",
        L"\\\\127.0.0.1\\share\\x.exe",
        L"ms-msdt:/id PCWDiagnostic",
        L"search-ms:query=x",
        L"javascript:alert(1)",
        L"http://a b.example/",
    };
    const std::size_t handoffs = shell_handoffs().size();
    for (const std::wstring& text : refused) {
        SCOPED_TRACE(to_utf8(text));
        app->set_text(Control::link_box, text);
        app->post_click(Control::open_in_system_browser);
        EXPECT_EQ(ok_message(*app), to_wide(std::string(ONLY_WEB_ADDRESSES_MESSAGE)));
        EXPECT_EQ(app->text(Control::link_box), text);
    }
    Sleep(500);
    EXPECT_EQ(shell_handoffs().size(), handoffs);
    EXPECT_EQ(app->text(Control::log_box), L"");
}

TEST(QuickApply, LeavesTheLinkBoxAsItWasAndLogs) {
    const auto app = App::started();
    app->set_text(Control::link_box, L"keep this link");
    app->click(Control::quick_apply_big);
    app->click(Control::quick_apply_small);
    EXPECT_EQ(app->text(Control::link_box), L"keep this link");
    const auto lines = lines_of(app->text(Control::log_box));
    ASSERT_EQ(lines.size(), 2u);
    for (const auto& line : lines)
        EXPECT_NE(line.find(L"     点击快捷申请链接"), std::wstring::npos);
}

TEST(PaneButtons, RefreshClosePageAndAddAuthorLogAndHandNothingToTheShell) {
    const auto app = App::started();
    app->set_text(Control::link_box, to_wide(witness_url("/refreshed")));
    app->click(Control::open_in_mobile_browser);
    ASSERT_TRUE(wait_until([] { return witness_saw("/refreshed"); }));
    const std::size_t handoffs = shell_handoffs().size();
    const LocalTime before = local_now();
    app->click(Control::refresh);
    app->click(Control::close_page);
    app->click(Control::add_author);
    const LocalTime after = local_now();
    Sleep(1000);
    EXPECT_EQ(shell_handoffs().size(), handoffs) << "the messenger link goes to the pane only";
    const auto lines = lines_of(app->text(Control::log_box));
    ASSERT_EQ(lines.size(), 4u);
    expect_log_line(lines[1], LOG_REFRESH, before, after);
    expect_log_line(lines[2], LOG_CLOSE_PAGE, before, after);
    expect_log_line(lines[3], LOG_ADD_AUTHOR, before, after);
}

TEST(DocumentMode, ValueIsWrittenWhileRunningAndRemovedAtTheEnd) {
    constexpr wchar_t KEY[] = L"Software\\Microsoft\\Internet Explorer\\Main\\FeatureControl\\"
                              L"FEATURE_BROWSER_EMULATION";
    auto read_value = [&]() -> DWORD {
        DWORD value = 0;
        DWORD size = sizeof value;
        return RegGetValueW(HKEY_CURRENT_USER, KEY, L"velmora.exe", RRF_RT_REG_DWORD, nullptr,
                            &value, &size) == ERROR_SUCCESS
                   ? value
                   : 0;
    };
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, KEY, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                              nullptr),
              ERROR_SUCCESS);
    RegDeleteValueW(key, L"velmora.exe");
    {
        const auto app = App::started();
        EXPECT_EQ(read_value(), 11001u);
        PostMessageW(app->main_window(), WM_CLOSE, 0, 0);
        EXPECT_EQ(app->wait_exit(), 0u);
    }
    EXPECT_EQ(read_value(), 0u);

    // A value the user set stays as it was.
    const DWORD own = 10000;
    RegSetValueExW(key, L"velmora.exe", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&own),
                   sizeof own);
    {
        const auto app = App::started();
        PostMessageW(app->main_window(), WM_CLOSE, 0, 0);
        EXPECT_EQ(app->wait_exit(), 0u);
    }
    EXPECT_EQ(read_value(), 10000u);
    RegDeleteValueW(key, L"velmora.exe");
    RegCloseKey(key);
}

// Wine reads a program's own DLL overrides from the registry when it starts it.
class DisabledDll {
  public:
    explicit DisabledDll(const wchar_t* name) : name_(name) {
        RegCreateKeyExW(HKEY_CURRENT_USER, KEY, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_,
                        nullptr);
        RegSetValueExW(key_, name_, 0, REG_SZ, reinterpret_cast<const BYTE*>(L""), sizeof(wchar_t));
    }
    ~DisabledDll() {
        RegDeleteValueW(key_, name_);
        RegCloseKey(key_);
    }

  private:
    static constexpr wchar_t KEY[] = L"Software\\Wine\\AppDefaults\\velmora.exe\\DllOverrides";
    const wchar_t* name_;
    HKEY key_ = nullptr;
};

TEST(FatalStop, MissingBrowserOrUserAgentLibraryEndsWithMinusOne) {
    for (const wchar_t* disabled : {L"ieframe", L"urlmon"}) {
        SCOPED_TRACE(to_utf8(disabled));
        const DisabledDll dll(disabled);
        App app;
        const HWND box = app.wait_message_box();
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(window_text(box), L"运行时错误");
        EXPECT_NE(App::message_text(box).find(L"载入启动窗口失败"), std::wstring::npos);
        EXPECT_FALSE(app.main_window() != nullptr && IsWindowVisible(app.main_window()));
        App::press_ok(box);
        EXPECT_EQ(app.wait_exit(), static_cast<DWORD>(-1));
    }
}
