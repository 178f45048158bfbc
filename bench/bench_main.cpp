// Runs every benchmark on the offscreen platform, then prints the figures that the ratios use
// and the ratios themselves, one line each, for scripts/bench to read:
//   FIGURE name value unit
//   RATIO name value target
// A limit (a ratio with no baseline) is the figure itself in seconds against its target.
// A figure is the median of its benchmark's iterations (of the children's peaks for memory).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "bench_support.h"

namespace {

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Ratio {
    const char* name;
    const char* measured;
    const char* baseline;
    double target;
    bool memory;
};

constexpr Ratio kRatios[] = {
    {"open", "open/tavrin", "open/bare_panes", 1.5, false},
    {"open_a11y", "open_a11y/tavrin", "open_a11y/bare_panes", 1.5, false},
    {"insert_scale", "insert_member/large_header", "insert_member/small_header", 2, false},
    {"append_scale", "append_function/large_pair", "append_function/skeleton", 2, false},
    {"keystroke_scale", "keystroke/large_source", "keystroke/small_source", 2, false},
    {"select_last", "select_last/tavrin", "select_last/string_find", 6, false},
    {"startup", "startup/tavrin", "startup/bare_window", 1.3, false},
    {"memory", "memory/tavrin", "memory/bare_panes", 1.5, true},
    {"parse_header_seconds", "parse_header/cppmodel", nullptr, 0.5, false},
};

// Prints the figures and ratios; false when a ratio misses its target.
bool printRatios() {
    const auto& source = tavbench::recordedSamples();
    bool within = true;
    for (const Ratio& entry : kRatios) {
        const auto measured = source.find(entry.measured);
        if (measured == source.end()) continue;  // filtered out
        const double a = median(measured->second);
        if (!entry.baseline) {
            std::printf("FIGURE %s %.4f ms\n", entry.measured, a * 1000);
            std::printf("RATIO %s %.3f %g\n", entry.name, a, entry.target);
            if (a > entry.target) within = false;
            continue;
        }
        const auto baseline = source.find(entry.baseline);
        if (baseline == source.end()) continue;
        const double b = median(baseline->second);
        const char* unit = entry.memory ? "MiB" : "ms";
        const double scale = entry.memory ? 1 : 1000;
        std::printf("FIGURE %s %.4f %s\n", entry.measured, a * scale, unit);
        std::printf("FIGURE %s %.4f %s\n", entry.baseline, b * scale, unit);
        const double value = a / b;
        std::printf("RATIO %s %.3f %g\n", entry.name, value, entry.target);
        if (value > entry.target) within = false;
    }
    std::fflush(stdout);
    return within;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::string_view(argv[1]).starts_with("--memory-child="))
        return tavbench::runMemoryChild(argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    QApplication app(argc, argv);

    benchmark::RunSpecifiedBenchmarks();
    tavbench::shutdownWorkspace();
    benchmark::Shutdown();
    return printRatios() ? 0 : 1;
}
