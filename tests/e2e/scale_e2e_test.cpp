// Long texts and long logs: nothing is lost, nothing crashes or hangs.
#include "app_driver.h"

#include "ui/actions.h"

#include <gtest/gtest.h>

#include <regex>

namespace {
std::size_t count_of(const std::wstring& text, const std::wstring& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::wstring::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}
} // namespace

// Also the proof that appends never stop at the edit control's default limit.
TEST(Scale, TwentyThousandLogLinesAreAllPresentInOrderAroundTypedText) {
    const auto app = App::started();
    // Minimised, as a user may leave it: under Wine the log box redraws its scroll
    // bar on every append (about 11 ms), and what is checked here is the content.
    SendMessageW(app->main_window(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    // Typed text first, as if the user had written it, then 20,000 actions with a
    // second piece of typed text in the middle.
    app->set_text(Control::log_box, L"notes before\r\n");
    for (int i = 0; i < 10000; ++i)
        app->click(i % 2 == 0 ? Control::generate : Control::refresh);
    app->set_text(Control::log_box, app->text(Control::log_box) + L"notes in the middle\r\n");
    for (int i = 0; i < 10000; ++i)
        app->click(i % 2 == 0 ? Control::generate : Control::refresh);

    const std::wstring log = app->text(Control::log_box);
    EXPECT_EQ(log.substr(log.size() - 2), L"\r\n");
    const std::vector<std::wstring> lines = lines_of(log);
    ASSERT_EQ(lines.size(), 20002u);
    EXPECT_EQ(lines[0], L"notes before");
    EXPECT_EQ(lines[10001], L"notes in the middle");
    const std::wregex stamp(L"\\d{4}年\\d{1,2}月\\d{1,2}日(\\d{1,2}时(\\d{1,2}分(\\d{1,2}秒)?)?)?");
    int action = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i == 0 || i == 10001) continue;
        const std::wstring message = action++ % 2 == 0 ? L"     生成申请链接" : L"     刷新浏览器";
        ASSERT_GT(lines[i].size(), message.size()) << "line " << i;
        const std::size_t body = lines[i].size() - message.size();
        ASSERT_EQ(lines[i].substr(body), message) << "line " << i;
        ASSERT_TRUE(std::regex_match(lines[i].substr(0, body), stamp)) << "line " << i;
    }
}

TEST(Scale, AMillionCharacterLinkReadsBackWholeAndEveryActionCopes) {
    const auto app = App::started();
    // Many lines: Wine's edit control wraps one unbroken line very slowly.
    std::wstring text;
    text.reserve(1000000);
    for (int line = 0; text.size() < 1000000; ++line) {
        std::wstring row = L"http://127.0.0.1/" + std::to_wstring(line) + L"/";
        row.resize(98, L'x');
        text += row + L"\r\n";
    }
    text.resize(1000000);
    app->set_text(Control::link_box, text);
    ASSERT_EQ(app->text(Control::link_box), text);

    app->click(Control::open_in_mobile_browser);
    app->post_click(Control::open_in_system_browser);
    HWND box = app->wait_message_box();
    ASSERT_NE(box, nullptr) << "the long text is no web address";
    EXPECT_EQ(App::message_text(box), to_wide(std::string(ONLY_WEB_ADDRESSES_MESSAGE)));
    App::press_ok(box);
    for (const Control button : {Control::switch_android, Control::switch_iphone}) {
        app->post_click(button);
        box = app->wait_message_box(60000);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(App::message_text(box), L"切换成功");
        App::press_ok(box);
        ASSERT_TRUE(wait_until([&] { return app->message_box_now() == nullptr; }));
    }
    EXPECT_EQ(app->text(Control::link_box), text);
    EXPECT_EQ(count_of(app->text(Control::log_box), L"\r\n"), 3u);
    PostMessageW(app->main_window(), WM_CLOSE, 0, 0);
    EXPECT_EQ(app->wait_exit(), 0u);
}
