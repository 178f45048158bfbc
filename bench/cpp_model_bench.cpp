// Reading the 20,000-line header of the large pair with the C++ reader and listing its class's
// members: the figure the class-aware commands wait for before they show anything.
#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>

#include "bench_support.h"
#include "cppmodel/cpp_model.h"

namespace tavbench {
namespace {

void parseLargeHeader(benchmark::State& state, const char* figure) {
    std::ifstream file(largePair().headerPath.toStdString(), std::ios::binary);
    std::stringstream bytes;
    bytes << file.rdbuf();
    const std::string header = bytes.str();
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        const tav::cpp::ParseResult result = tav::cpp::parseHeader(header);
        std::size_t listed = 0;
        if (const tav::cpp::Class* cls = result.model.findClass(kLargeClassName)) {
            for (const tav::cpp::Member& member : cls->members) listed += !member.name.empty();
        }
        sample(state, figure, secondsSince(start));
        // Constructor, destructor and the generated members: all but the 13 framing lines.
        if (listed != static_cast<std::size_t>(kLargeHeaderLines - 13) + 2) {
            state.SkipWithError("the large header's members were not all listed");
            break;
        }
    }
}

[[maybe_unused]] const bool registered = [] {
    benchmark::RegisterBenchmark("parse_header/cppmodel", parseLargeHeader, "parse_header/cppmodel")
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->MinTime(2.0);
    return true;
}();

}  // namespace
}  // namespace tavbench
