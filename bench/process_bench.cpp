// Start-up and memory, each measured on whole processes: the real program against a bare
// toolkit window, and this program re-executed as a child that opens the large pair against one
// that fills two bare panes with it.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QString>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench_support.h"

extern char** environ;

namespace tavbench {
namespace {

struct ChildRun {
    double seconds = 0;
    int status = -1;
    std::string output;
};

// Starts program with args, waits for it and returns its time, exit status and standard output.
ChildRun runChild(const std::vector<std::string>& args) {
    ChildRun run;
    std::vector<char*> argv;
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);

    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) return run;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);

    const Clock::time_point start = Clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    if (spawned != 0) {
        close(pipeEnds[0]);
        return run;
    }
    char buffer[256];
    for (ssize_t got; (got = read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        run.output.append(buffer, static_cast<std::size_t>(got));
    close(pipeEnds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    run.seconds = secondsSince(start);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

std::string inProgramDirectory(const char* name) {
    return (programDirectory() + QStringLiteral("/") + QString::fromLatin1(name)).toStdString();
}

// ---- Start-up ----------------------------------------------------------------------------------

// Each iteration starts the real program and the baseline one after the other, so that both see
// the same machine; each figure is the median of its nine runs (a start takes a few tens of
// milliseconds, and with five runs one slow moment of a shared machine still moved the median).
void startup(benchmark::State& state) {
    // The real program quits as soon as its main window is shown; the baseline always does.
    setenv("TAVRIN_EXIT_WHEN_SHOWN", "1", 1);
    const std::string tavrin = inProgramDirectory("tavrin");
    const std::string bare = inProgramDirectory("tavrin-bench-baseline");
    for (auto _ : state) {
        const ChildRun measured = runChild({tavrin});
        const ChildRun baseline = runChild({bare});
        if (measured.status != 0 || baseline.status != 0) {
            state.SkipWithError("could not start the program or the baseline");
            break;
        }
        sample(state, "startup/tavrin", measured.seconds);
        recordSample("startup/bare_window", baseline.seconds);
    }
    unsetenv("TAVRIN_EXIT_WHEN_SHOWN");
}

// ---- Memory ------------------------------------------------------------------------------------

// The child's peak resident memory in MiB; 0 when it failed. The child reports its own
// high-water mark: the kernel's figure for a spawned child starts from the parent's, whose
// memory the child shared until it replaced its program.
double childPeak(const char* mode) {
    const ClassPair& pair = largePair();
    const ChildRun run =
        runChild({inProgramDirectory("tavrin-bench"), std::string("--memory-child=") + mode,
                  pair.headerPath.toStdString(), pair.sourcePath.toStdString()});
    const double kilobytes = std::strtod(run.output.c_str(), nullptr);
    return run.status == 0 && kilobytes > 0 ? kilobytes / 1024.0 : 0;
}

void memory(benchmark::State& state) {
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        const double measured = childPeak("tavrin");
        const double baseline = childPeak("bare");
        state.SetIterationTime(secondsSince(start));
        if (measured <= 0 || baseline <= 0) {
            state.SkipWithError("a memory child failed");
            break;
        }
        recordSample("memory/tavrin", measured);
        recordSample("memory/bare_panes", baseline);
        state.counters["tavrin_MiB"] = measured;
        state.counters["bare_MiB"] = baseline;
    }
}

[[maybe_unused]] const bool registered = [] {
    benchmark::RegisterBenchmark("startup", startup)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(9);
    benchmark::RegisterBenchmark("memory", memory)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(3);
    return true;
}();

}  // namespace
}  // namespace tavbench
