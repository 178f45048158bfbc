#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

#include "scan/scans.h"

namespace tav {

namespace {

// Characters of a UTF-8 text: every byte that does not continue a sequence (10xxxxxx) starts
// one. Eight bytes at a time, so that counting the text before a find in a large source costs
// little more than the find.
std::size_t characterCount(std::string_view text) {
    std::size_t continuations = 0;
    std::size_t i = 0;
    for (; i + 8 <= text.size(); i += 8) {
        std::uint64_t word;
        std::memcpy(&word, text.data() + i, 8);
        const std::uint64_t high = word & 0x8080808080808080ull;
        const std::uint64_t secondHigh = (word << 1) & 0x8080808080808080ull;
        continuations += static_cast<std::size_t>(std::popcount(high & ~secondHigh));
    }
    for (; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) ++continuations;
    }
    return text.size() - continuations;
}

// The position of text found at byte at of lineText, the line with index line whose first
// character has offset lineOffset (the characters of the lines above it, two per break).
TextPosition positionOf(std::string_view lineText, std::size_t at, std::size_t line,
                        std::size_t lineOffset, const std::string& text) {
    const std::size_t before = characterCount(lineText.substr(0, at));
    return TextPosition{line, before + 1, lineOffset + before, characterCount(text)};
}

// The search over a text held in one piece: one find over all of it. A text without a line
// break stands in the joined text exactly where it stands in a line.
std::optional<TextPosition> findInJoinedText(std::string_view whole, const std::string& text) {
    if (text.find('\n') != std::string::npos) return std::nullopt;
    const std::size_t at = whole.find(text);
    if (at == std::string_view::npos) return std::nullopt;
    const std::size_t breaks =
        static_cast<std::size_t>(std::count(whole.begin(), whole.begin() + at, '\n'));
    const std::size_t lineBreak = breaks == 0 ? std::string_view::npos : whole.rfind('\n', at);
    const std::size_t lineStart = lineBreak == std::string_view::npos ? 0 : lineBreak + 1;
    // Every character above the line, and one more for each break's CR.
    const std::size_t lineOffset = characterCount(whole.substr(0, lineStart)) + breaks;
    return positionOf(whole.substr(lineStart), at - lineStart, breaks, lineOffset, text);
}

}  // namespace

std::vector<std::string> scanSourceFunctions(const LineList& source, const std::string& className) {
    const std::string memberKey = className + "::";
    const std::string_view operatorKey = "operator";
    std::vector<std::string> functions;
    source.forEachLine([&](std::string_view line) {
        if (line.find(memberKey) != std::string_view::npos ||
            line.find(operatorKey) != std::string_view::npos) {
            functions.emplace_back(line);
        }
        return true;
    });
    return functions;
}

std::optional<TextPosition> findInLines(const LineList& lines, const std::string& text) {
    if (text.empty()) return std::nullopt;
    if (const std::optional<std::string_view> whole = lines.joinedText())
        return findInJoinedText(*whole, text);
    std::optional<TextPosition> found;
    std::size_t index = 0;
    std::size_t offset = 0;
    lines.forEachLine([&](std::string_view line) {
        const std::size_t at = line.find(text);
        if (at == std::string_view::npos) {
            offset += characterCount(line) + 2;  // a line break counts as CR LF
            ++index;
            return true;
        }
        found = positionOf(line, at, index, offset, text);
        return false;
    });
    return found;
}

}  // namespace tav
