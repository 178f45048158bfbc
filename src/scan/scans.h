#pragma once
// What an opened class's files say: the class name in the header, the function lines in the
// source, and where a text stands in the source.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "text/line_list.h"

namespace tav {

struct HeaderScan {
    bool foundClassWord = false;           // a word "class" was met
    std::optional<std::string> className;  // the word after it; none when "class" was last
};
HeaderScan scanHeaderWords(std::string_view fileText);

// Lines that contain className + "::" or "operator" (case-sensitive), whole, in order, once each.
std::vector<std::string> scanSourceFunctions(const LineList& source, const std::string& className);

struct TextPosition {
    std::size_t line = 0;      // 0-based index of the first line that holds the text
    std::size_t column = 0;    // 1-based position in that line, in characters
    std::size_t offset = 0;    // offset in the whole text, characters, a line break counting two
    std::size_t length = 0;    // length of the text in characters
};
// First occurrence of text, line by line, case-sensitive. Empty text is never found.
std::optional<TextPosition> findInLines(const LineList& lines, const std::string& text);

}  // namespace tav
