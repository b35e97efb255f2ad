#include "ui/actions.h"

#include "fake_seam.h"
#include "linkgen/links.h"
#include "log/activity_log.h"
#include "tick_fixture.h"

#include <functional>

namespace {
std::string call(std::string_view name, std::string_view argument) {
    return std::string(name) + "(" + std::string(argument) + ")";
}

// The link each generate action must produce, drawn from the same tick and counter.
std::string expected_link(std::string (*make)()) {
    set_seed_counter(0);
    std::string link = make();
    set_seed_counter(0);
    return link;
}

const std::string TYPED = "  typed by hand\r\nnot a link #%&  ";
} // namespace

class Actions : public FixedTick {
  protected:
    void SetUp() override {
        FixedTick::SetUp();
        use_tick(4242, 0);
        reset_fake_windows();
    }
};

TEST_F(Actions, EachActionMakesExactlyItsCallsInOrder) {
    struct Case {
        const char* name;
        void (*action)();
        std::string link_before;
        std::vector<std::string> calls;
        std::string link_after;
    };
    const std::string generated = expected_link(make_generated_link);
    const std::string vip = expected_link(make_vip_link);
    const std::string link = generated;
    const Case cases[] = {
        {"generate",
         act_generate,
         TYPED,
         {call("set_content", "link, " + generated), call("append_log", LOG_GENERATE)},
         generated},
        {"generate_vip",
         act_generate_vip,
         TYPED,
         {call("append_log", LOG_GENERATE_VIP), call("set_content", "link, " + vip),
          call("show_message", VIP_MESSAGE)},
         vip},
        {"quick_apply_big",
         act_quick_apply_big,
         link,
         {call("browser_navigate", BIG_CARD_URL), call("append_log", LOG_QUICK_APPLY)},
         link},
        {"quick_apply_small",
         act_quick_apply_small,
         link,
         {call("browser_navigate", SMALL_CARD_URL), call("append_log", LOG_QUICK_APPLY)},
         link},
        {"open_in_mobile_browser",
         act_open_in_mobile_browser,
         TYPED,
         {call("get_content", "link"), call("browser_navigate", TYPED),
          call("append_log", LOG_OPEN_IN_MOBILE_BROWSER)},
         TYPED},
        {"open_in_system_browser",
         act_open_in_system_browser,
         link,
         {call("get_content", "link"), call("open_in_system_browser", link),
          call("append_log", LOG_OPEN_IN_SYSTEM_BROWSER)},
         link},
        {"switch_android",
         act_switch_android,
         TYPED,
         {call("set_process_user_agent", UA_ANDROID), call("get_content", "link"),
          call("browser_navigate", TYPED), call("append_log", LOG_SWITCH_ANDROID),
          call("show_message", "切换成功")},
         TYPED},
        {"switch_iphone",
         act_switch_iphone,
         link,
         {call("set_process_user_agent", UA_IPHONE), call("get_content", "link"),
          call("browser_navigate", link), call("append_log", LOG_SWITCH_IPHONE),
          call("show_message", "切换成功")},
         link},
        {"refresh",
         act_refresh,
         link,
         {call("browser_refresh", ""), call("append_log", LOG_REFRESH)},
         link},
        {"close_page",
         act_close_page,
         link,
         {call("browser_navigate", "about:blank"), call("append_log", LOG_CLOSE_PAGE)},
         link},
        {"add_author",
         act_add_author,
         link,
         {call("browser_navigate", CONTACT_URL), call("append_log", LOG_ADD_AUTHOR)},
         link},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        reset_fake_windows();
        set_seed_counter(0);
        fake_windows().link_box = c.link_before;
        c.action();
        EXPECT_EQ(fake_windows().calls, c.calls);
        EXPECT_EQ(fake_windows().link_box, c.link_after);
    }
}

TEST_F(Actions, EmptyLinkBoxStillNavigatesLogsAndSwitches) {
    struct Case {
        const char* name;
        void (*action)();
        std::vector<std::string> calls;
    };
    const Case cases[] = {
        {"open_in_mobile_browser",
         act_open_in_mobile_browser,
         {call("get_content", "link"), call("browser_navigate", ""),
          call("append_log", LOG_OPEN_IN_MOBILE_BROWSER)}},
        {"switch_android",
         act_switch_android,
         {call("set_process_user_agent", UA_ANDROID), call("get_content", "link"),
          call("browser_navigate", ""), call("append_log", LOG_SWITCH_ANDROID),
          call("show_message", "切换成功")}},
        {"switch_iphone",
         act_switch_iphone,
         {call("set_process_user_agent", UA_IPHONE), call("get_content", "link"),
          call("browser_navigate", ""), call("append_log", LOG_SWITCH_IPHONE),
          call("show_message", "切换成功")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        reset_fake_windows();
        c.action();
        EXPECT_EQ(fake_windows().calls, c.calls);
    }
}

TEST_F(Actions, RefusedUserAgentStillReportsSuccess) {
    fake_windows().user_agent_accepted = false;
    act_switch_iphone();
    ASSERT_FALSE(fake_windows().calls.empty());
    EXPECT_EQ(fake_windows().calls.back(), call("show_message", "切换成功"));
}

TEST_F(Actions, SystemBrowserGetsOnlyTrimmedWebLinksAndRefusalsAreNotLogged) {
    struct Case {
        std::string box;
        std::vector<std::string> calls;
    };
    const Case cases[] = {
        {"", {call("get_content", "link"), call("show_message", ONLY_WEB_ADDRESSES_MESSAGE)}},
        {"calc.exe",
         {call("get_content", "link"), call("show_message", ONLY_WEB_ADDRESSES_MESSAGE)}},
        {"\\\\127.0.0.1\\share\\x.exe",
         {call("get_content", "link"), call("show_message", ONLY_WEB_ADDRESSES_MESSAGE)}},
        {" http://a.example/\r\n",
         {call("get_content", "link"), call("open_in_system_browser", "http://a.example/"),
          call("append_log", LOG_OPEN_IN_SYSTEM_BROWSER)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.box);
        reset_fake_windows();
        fake_windows().link_box = c.box;
        act_open_in_system_browser();
        EXPECT_EQ(fake_windows().calls, c.calls);
        EXPECT_EQ(fake_windows().link_box, c.box);
    }
}

TEST_F(Actions, GenerateReplacesTheWholeBoxAndEveryLogLineGoesAtTheEnd) {
    fake_windows().link_box = TYPED;
    fake_windows().log_box = "user notes\r\n";
    act_generate();
    act_generate();
    const std::string& box = fake_windows().link_box;
    EXPECT_EQ(box.size(), MUSIC_TAB_URL.size() + 100);
    EXPECT_EQ(box.find("typed"), std::string::npos);

    const std::string& log = fake_windows().log_box;
    EXPECT_EQ(log.rfind("user notes\r\n", 0), 0u);
    EXPECT_EQ(log.substr(log.size() - LOG_GENERATE.size()), LOG_GENERATE);
}

TEST(Greeting, NamesTheAuthorWithAnAsciiColon) {
    reset_fake_windows();
    greet_on_created();
    EXPECT_EQ(fake_windows().calls,
              std::vector<std::string>{
                  call("show_message", "作者QQ:" + std::string(AUTHOR_CONTACT_NUMBER) + "\r\n")});
}
