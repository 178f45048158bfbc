// Source function scan: a class name and source lines from the fuzz input. The listed lines
// must be exactly the lines holding className + "::" or "operator", in source order.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "scan/scans.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using tav::fuzz::contains;
    using tav::fuzz::require;
    FuzzedDataProvider input(data, size);
    const std::string className = input.ConsumeRandomLengthString(24);
    const std::vector<std::string> lines =
        tav::fuzz::splitAtLineFeeds(input.ConsumeRemainingBytesAsString());

    const tav::VectorLineList source(lines);
    const std::vector<std::string> listed = tav::scanSourceFunctions(source, className);

    const std::string memberKey = className + "::";
    const auto holdsKey = [&](const std::string& line) {
        return contains(line, memberKey) || contains(line, "operator");
    };
    // Each listed line is matched to a later source line than the one before it.
    std::size_t next = 0;
    for (const std::string& line : listed) {
        require(holdsKey(line), "every listed line holds a key");
        while (next < lines.size() && lines[next] != line) ++next;
        require(next < lines.size(), "listed lines are source lines, in order, each once");
        ++next;
    }
    const auto withKey =
        static_cast<std::size_t>(std::count_if(lines.begin(), lines.end(), holdsKey));
    require(listed.size() == withKey, "every source line holding a key is listed");
    return 0;
}
