// Section insertion rule on header lines built from the fuzz input: markers and class names in
// any letter case, near misses with a blank, and random lines. The result must equal the
// header with the line (and, without a marker line, the marker) inserted where the rule says.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "members/members.h"

namespace {

// Flips the case of the ASCII letters whose position's bit is set in mask.
std::string withFlippedCase(std::string text, std::uint32_t mask) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if (letter && (mask >> (i % 32)) & 1U) text[i] = static_cast<char>(c ^ 0x20);
    }
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using tav::fuzz::require;
    FuzzedDataProvider input(data, size);
    static const char* const kMarkers[] = {"private:", "protected:", "public:"};
    const std::string marker = input.ConsumeBool()
                                   ? std::string(kMarkers[input.ConsumeIntegralInRange(0, 2)])
                                   : input.ConsumeRandomLengthString(12);
    const std::string className = input.ConsumeRandomLengthString(12);
    const std::string declaration = input.ConsumeRandomLengthString(24);

    std::vector<std::string> lines(input.ConsumeIntegralInRange<std::size_t>(0, 24));
    for (std::string& line : lines) {
        switch (input.ConsumeIntegralInRange(0, 3)) {
            case 0:
                line = withFlippedCase(marker, input.ConsumeIntegral<std::uint32_t>());
                break;
            case 1:
                line = withFlippedCase(className, input.ConsumeIntegral<std::uint32_t>());
                break;
            case 2:
                line = input.ConsumeBool() ? " " + marker : marker + "\t";
                break;
            default:
                line = input.ConsumeRandomLengthString(24);
                break;
        }
    }

    std::vector<std::string> expected = lines;
    const auto markerLine = tav::fuzz::firstLineIgnoringCase(lines, marker);
    if (markerLine) {
        expected.insert(expected.begin() + static_cast<std::ptrdiff_t>(*markerLine + 1),
                        declaration);
    } else {
        const auto nameLine = tav::fuzz::firstLineIgnoringCase(lines, className);
        const auto at = static_cast<std::ptrdiff_t>(nameLine ? *nameLine + 1 : 0);
        expected.insert(expected.begin() + at, {marker, declaration});
    }

    tav::VectorLineList header(lines);
    tav::insertUnderSection(header, className, marker, declaration);
    require(header.count() == lines.size() + (markerLine ? 1 : 2),
            "one line more under a marker line, else two");
    require(header.lines() == expected, "new lines where the rule says, the rest kept in order");
    return 0;
}
