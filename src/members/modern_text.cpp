#include "members/modern_text.h"

namespace tav {

bool startsWith(std::string_view line, std::string_view prefix) {
    return line.substr(0, prefix.size()) == prefix;
}

void appendModernDefinition(ClassText& cls, const std::string& head,
                            const std::vector<std::string>& body) {
    std::vector<std::string> lines{head, "{"};
    for (const std::string& line : body) lines.push_back(cls.style.indent + line);
    lines.push_back("}");
    const auto close = lastLine(
        cls.source, [](std::string_view line) { return startsWith(line, "} // namespace"); });
    if (!close) {
        cls.source.append("");
        for (const std::string& line : lines) cls.source.append(line);
    } else {
        std::size_t at = *close;
        const bool blankBefore = at > 0 && cls.source.line(at - 1).empty();
        if (!blankBefore) cls.source.insert(at++, "");
        for (const std::string& line : lines) cls.source.insert(at++, line);
        cls.source.insert(at, "");
    }
    cls.functions.push_back(head);
}

void addInclude(LineList& text, const std::string& include) {
    if (firstLine(text, [&](std::string_view line) { return line == include; })) return;
    const auto stop = firstLine(text, [](std::string_view line) {
        return startsWith(line, "namespace ") || startsWith(line, "class ");
    });
    std::optional<std::size_t> last;
    std::optional<std::size_t> guard;
    std::size_t index = 0;
    text.forEachLine([&](std::string_view line) {
        if (stop && index >= *stop) return false;
        if (startsWith(line, "#include")) last = index;
        if (!guard && (startsWith(line, "#pragma once") || startsWith(line, "#define ")))
            guard = index;
        ++index;
        return true;
    });
    if (last) {
        text.insert(*last + 1, include);
    } else if (guard) {
        text.insert(*guard + 1, "");
        text.insert(*guard + 2, include);
    } else {
        text.insert(stop ? *stop : 0, include);
        text.insert((stop ? *stop : 0) + 1, "");
    }
}

void declareIndented(ClassText& cls, const std::string& marker, const std::string& declaration) {
    insertUnderSection(cls.header, cls.className, marker, cls.style.indent + declaration);
}

}  // namespace tav
