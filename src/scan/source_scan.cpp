#include "scan/scans.h"

namespace tav {

namespace {

// Characters of a UTF-8 text: every byte that does not continue a sequence starts one.
std::size_t characterCount(std::string_view text) {
    std::size_t count = 0;
    for (const char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
    }
    return count;
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
        const std::size_t before = characterCount(line.substr(0, at));
        found = TextPosition{index, before + 1, offset + before, characterCount(text)};
        return false;
    });
    return found;
}

}  // namespace tav
