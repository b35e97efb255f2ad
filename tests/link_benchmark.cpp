// make_generated_link against the least any implementation must do: 100 LCG draws
// mapped into the pool, written into a buffer that already exists.
#include "linkgen/links.h"
#include "linkgen/random_text.h"
#include "linkgen/tick.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

namespace {
constexpr char POOL[] = "QWERTYUIOPLKJHGFDSAZXCVBNMqwertyuioplkjhgfdsazxcvbnm1234567890@#$%^&*";

void generated_link(benchmark::State& state) {
    for (auto _ : state) {
        std::string link = make_generated_link();
        benchmark::DoNotOptimize(link.data());
    }
    state.SetItemsProcessed(state.iterations());
}

void bare_draw_loop(benchmark::State& state) {
    char buffer[100];
    std::uint32_t holdrand = current_tick();
    for (auto _ : state) {
        holdrand += 1;
        for (char& c : buffer) {
            holdrand = holdrand * 214013u + 2531011u;
            c = POOL[((holdrand >> 16) & 0x7FFFu) % 69u];
        }
        benchmark::DoNotOptimize(buffer);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations());
}

BENCHMARK(generated_link);
BENCHMARK(bare_draw_loop);

// Keeps each benchmark's time per link so the ratio can be printed at the end.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    std::map<std::string, double> seconds_per_link;
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration)
                seconds_per_link[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
};
} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double link = reporter.seconds_per_link["generated_link"];
    const double bare = reporter.seconds_per_link["bare_draw_loop"];
    if (link > 0 && bare > 0)
        std::printf(
            "make_generated_link throughput / bare loop throughput = %.2f (target >= 0.80)\n",
            bare / link);
    benchmark::Shutdown();
    return 0;
}
