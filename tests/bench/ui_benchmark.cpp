// Times what the user waits for under Wine: launch to the greeting box (Velmora
// against a bare baseline program) and the round trip of a generate click with an
// empty log and with a long one. Prints "name<TAB>value" lines for the table.
#include "tests/e2e/app_driver.h"

#include <algorithm>
#include <cstdio>

namespace {
double milliseconds_since(LARGE_INTEGER start) {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// Launch to the first visible message box of the new process, in milliseconds.
double time_to_greeting(const std::wstring& exe) {
    SetEnvironmentVariableW(L"VELMORA_EXE", exe.c_str());
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    App app;
    HWND box = nullptr;
    wait_until([&] { return (box = app.message_box_now()) != nullptr; }, 30000, 1);
    const double elapsed = milliseconds_since(start);
    App::press_ok(box);
    wait_until([&] { return app.message_box_now() == nullptr; });
    for (HWND window : app.top_level_windows())
        PostMessageW(window, WM_CLOSE, 0, 0);
    app.wait_exit(5000);
    return elapsed;
}

// Mean round trip of a sent click on "生 成", which returns when the action is done.
double click_round_trip(const App& app, int clicks) {
    const HWND button = app.control(Control::generate);
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    for (int i = 0; i < clicks; ++i)
        SendMessageW(button, BM_CLICK, 0, 0);
    return milliseconds_since(start) / clicks;
}
} // namespace

int main() {
    const std::wstring velmora = environment(L"VELMORA_EXE");
    const std::wstring baseline = environment(L"VELMORA_BASELINE_EXE");
    const int launches = 11;
    std::vector<double> velmora_times, baseline_times;
    time_to_greeting(velmora); // the first start after a build loads everything from disk
    for (int i = 0; i < launches; ++i) {
        velmora_times.push_back(time_to_greeting(velmora));
        baseline_times.push_back(time_to_greeting(baseline));
    }
    std::printf("greeting_velmora_ms\t%.1f\n", median(velmora_times));
    std::printf("greeting_baseline_ms\t%.1f\n", median(baseline_times));

    SetEnvironmentVariableW(L"VELMORA_EXE", velmora.c_str());
    const auto app = App::started();
    const int clicks = 200;
    std::vector<double> empty_log;
    for (int round = 0; round < 5; ++round) {
        app->set_text(Control::log_box, L"");
        empty_log.push_back(click_round_trip(*app, clicks / 5));
    }
    std::wstring long_log;
    long_log.reserve(20000 * 40);
    for (int i = 0; i < 20000; ++i)
        long_log += L"2026年12月11日14时3分7秒     生成申请链接\r\n";
    app->set_text(Control::log_box, long_log);
    const double full_log = click_round_trip(*app, clicks);
    std::printf("click_empty_log_ms\t%.3f\n", median(empty_log));
    std::printf("click_20000_lines_ms\t%.3f\n", full_log);
    return 0;
}
