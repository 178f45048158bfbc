#pragma once
// The modern profile's ways of placing text, shared by its member rules: indented declarations
// under a section marker, unframed definitions above the namespace's closing line, and include
// lines added once.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "members/members.h"

namespace tav {

// Index of the first line matching the test, if any.
template <typename Test>
std::optional<std::size_t> firstLine(const LineList& lines, Test test) {
    std::optional<std::size_t> found;
    std::size_t index = 0;
    lines.forEachLine([&](std::string_view line) {
        if (test(line)) {
            found = index;
            return false;
        }
        ++index;
        return true;
    });
    return found;
}

template <typename Test>
std::optional<std::size_t> lastLine(const LineList& lines, Test test) {
    std::optional<std::size_t> found;
    std::size_t index = 0;
    lines.forEachLine([&](std::string_view line) {
        if (test(line)) found = index;
        ++index;
        return true;
    });
    return found;
}

bool startsWith(std::string_view line, std::string_view prefix);

// A definition with one blank line before it, above the namespace's closing line (or at the
// end of a source without one); its head joins the function list. Body lines are indented.
void appendModernDefinition(ClassText& cls, const std::string& head,
                            const std::vector<std::string>& body);

// Adds an include line once: below the last #include above the class, or else below the
// #pragma once / guard line (header) with a blank line between.
void addInclude(LineList& text, const std::string& include);

// The declaration, indented one level, directly below the section marker.
void declareIndented(ClassText& cls, const std::string& marker, const std::string& declaration);

}  // namespace tav
