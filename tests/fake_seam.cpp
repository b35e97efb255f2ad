#include "fake_seam.h"

#include "log/activity_log.h"

namespace {
FakeWindows fake;

std::string box_name(Box box) {
    return box == Box::link ? "link" : "log";
}

void record(std::string call, std::string_view argument) {
    fake.calls.push_back(call + "(" + std::string(argument) + ")");
}
} // namespace

FakeWindows& fake_windows() {
    return fake;
}

void reset_fake_windows() {
    fake = FakeWindows{};
}

std::string get_content(Box box) {
    record("get_content", box_name(box));
    return box == Box::link ? fake.link_box : fake.log_box;
}

void set_content(Box box, std::string_view text) {
    record("set_content", box_name(box) + ", " + std::string(text));
    (box == Box::link ? fake.link_box : fake.log_box) = text;
}

void append_log(std::string_view message) {
    record("append_log", message);
    fake.log_box += make_log_line(message);
}

void show_message(std::string_view text) {
    record("show_message", text);
}

void browser_navigate(std::string_view url) {
    record("browser_navigate", url);
}

void browser_refresh() {
    record("browser_refresh", "");
}

bool set_process_user_agent(std::string_view ua) {
    record("set_process_user_agent", ua);
    return fake.user_agent_accepted;
}

void open_in_system_browser(std::string_view url) {
    record("open_in_system_browser", url);
}
