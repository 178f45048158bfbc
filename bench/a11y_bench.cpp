// Opening the large pair with the accessibility bridge active and a client on the bus: the time
// from the open command until the client has read the program's whole window tree again, in the
// real main window against two bare text edits loading the same files. Each run is a private
// session (virtual X server, session bus, accessibility bus) made by tests/a11y/a11y_bus.sh, in
// which tests/a11y/a11y_client.py drives tavrin_a11y_probe.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench_support.h"

namespace tavbench {
namespace {

// The client's figure "open_until_walked" in seconds, from one session; 0 when it failed.
double openUntilWalked(bool bare) {
    const std::string directory = TAVRIN_A11Y_DIR;
    const std::string probe =
        (programDirectory() + QStringLiteral("/tavrin_a11y_probe")).toStdString();
    const std::string command = directory + "/a11y_bus.sh /usr/bin/python3 " + directory +
                                "/a11y_client.py " + probe + (bare ? " --bare" : "") +
                                " --type 0 --limit 300 2>/dev/null";
    FILE* session = ::popen(command.c_str(), "r");
    if (!session) return 0;
    double seconds = 0;
    char line[4096];
    while (std::fgets(line, sizeof line, session)) {
        const std::string text = line;
        const std::string prefix = "MEASURE open_until_walked ";
        if (text.starts_with(prefix)) seconds = std::strtod(text.c_str() + prefix.size(), nullptr);
    }
    const int status = ::pclose(session);
    return status == 0 ? seconds : 0;
}

void openAccessible(benchmark::State& state) {
    for (auto _ : state) {
        const double measured = openUntilWalked(false);
        const double baseline = openUntilWalked(true);
        if (measured <= 0 || baseline <= 0) {
            state.SkipWithError("an accessibility session failed (see tests/a11y/a11y_bus.sh)");
            break;
        }
        sample(state, "open_a11y/tavrin", measured);
        recordSample("open_a11y/bare_panes", baseline);
    }
}

[[maybe_unused]] const bool registered = [] {
    benchmark::RegisterBenchmark("open_a11y", openAccessible)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(3);
    return true;
}();

}  // namespace
}  // namespace tavbench
