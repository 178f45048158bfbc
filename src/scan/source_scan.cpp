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
    const std::string operatorKey = "operator";
    std::vector<std::string> functions;
    for (std::size_t i = 0; i < source.count(); ++i) {
        std::string line = source.line(i);
        if (line.find(memberKey) != std::string::npos ||
            line.find(operatorKey) != std::string::npos) {
            functions.push_back(std::move(line));
        }
    }
    return functions;
}

std::optional<TextPosition> findInLines(const LineList& lines, const std::string& text) {
    if (text.empty()) return std::nullopt;
    std::size_t offset = 0;
    for (std::size_t i = 0; i < lines.count(); ++i) {
        const std::string line = lines.line(i);
        const std::size_t at = line.find(text);
        if (at == std::string::npos) {
            offset += characterCount(line) + 2;  // a line break counts as CR LF
            continue;
        }
        const std::size_t before = characterCount(std::string_view(line).substr(0, at));
        return TextPosition{i, before + 1, offset + before, characterCount(text)};
    }
    return std::nullopt;
}

}  // namespace tav
