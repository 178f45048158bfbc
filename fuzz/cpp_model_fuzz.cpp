// The C++ reader on arbitrary text: it returns (no crash, no hang), and every line it reports,
// of a class, a member or a definition, lies inside the text it was given.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "cppmodel/cpp_model.h"
#include "fuzz_support.h"

namespace {

using tav::fuzz::require;

int lineCount(std::string_view text) {
    int lines = 1;
    for (const char c : text) lines += c == '\n';
    return lines;
}

bool inside(int begin, int end, int lines) { return begin >= 1 && begin <= end && end <= lines; }

void checkClasses(const std::vector<tav::cpp::Class>& classes, int lines) {
    for (const tav::cpp::Class& cls : classes) {
        require(inside(cls.beginLine, cls.endLine, lines), "a class's lines lie in the text");
        for (const tav::cpp::Member& member : cls.members)
            require(inside(member.beginLine, member.endLine, lines),
                    "a member's lines lie in the text");
        checkClasses(cls.nested, lines);
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // libclang's own crash recovery would hide a crash from the fuzzer.
    setenv("LIBCLANG_DISABLE_CRASH_RECOVERY", "1", 1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const tav::cpp::ParseResult header = tav::cpp::parseHeader(text);
    require(header.ok() || header.model.classes.empty(), "an error result holds no class");
    checkClasses(header.model.classes, lineCount(text));

    // The same bytes as a pair: the first half the header, the rest the source.
    const std::string_view first = text.substr(0, size / 2);
    const std::string_view second = text.substr(size / 2);
    const tav::cpp::ParseResult pair = tav::cpp::parsePair(first, second);
    checkClasses(pair.model.classes, lineCount(first));
    for (const tav::cpp::Definition& definition : pair.model.definitions)
        require(inside(definition.beginLine, definition.endLine, lineCount(second)),
                "a definition's lines lie in the source");
    return 0;
}
