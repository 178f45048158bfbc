#include "classgen/class_place.h"

#include <cctype>

#include "members/definition_block.h"

namespace tav {

namespace {

bool isWordChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

std::string trimmed(const std::string& line) {
    std::size_t begin = 0;
    std::size_t end = line.size();
    while (begin < end && std::isspace(static_cast<unsigned char>(line[begin]))) ++begin;
    while (end > begin && std::isspace(static_cast<unsigned char>(line[end - 1]))) --end;
    return line.substr(begin, end - begin);
}

std::string leadingBlanks(const std::string& line) {
    std::size_t end = 0;
    while (end < line.size() && (line[end] == ' ' || line[end] == '\t')) ++end;
    return line.substr(0, end);
}

bool isAccessLabel(const std::string& line) {
    if (line.empty() || line.back() != ':' || line.ends_with("::")) return false;
    for (const char* word : {"public", "protected", "private", "signals", "Q_SIGNALS", "slots"}) {
        if (line.find(word) != std::string::npos) return true;
    }
    return false;
}

}  // namespace

std::string joinedLines(const LineList& lines) {
    std::string text;
    bool first = true;
    lines.forEachLine([&](std::string_view line) {
        if (!first) text += '\n';
        text += line;
        first = false;
        return true;
    });
    return text;
}

ReadClass readClass(std::string_view header, std::string_view source,
                    const std::string& className) {
    ReadClass read;
    cpp::ParseResult parsed = cpp::parsePair(header, source);
    if (parsed.error) {
        read.error = *parsed.error;
        return read;
    }
    read.model = std::move(parsed.model);
    for (const cpp::Class& cls : read.model.classes) {
        if (cls.name == className) read.cls = &cls;
    }
    if (!read.cls) read.cls = read.model.findClass(className);
    if (!read.cls) read.error = "The class " + className + " was not found in the header.";
    return read;
}

ReadClass readClass(const ClassText& text) {
    return readClass(joinedLines(text.header), joinedLines(text.source), text.className);
}

std::string qualifiedType(const std::string& type, const cpp::Class& cls) {
    std::string out;
    for (std::size_t i = 0; i < type.size();) {
        if (!isWordChar(type[i])) {
            out += type[i++];
            continue;
        }
        std::size_t end = i;
        while (end < type.size() && isWordChar(type[end])) ++end;
        const std::string word = type.substr(i, end - i);
        const bool qualified = i >= 2 && type.compare(i - 2, 2, "::") == 0;
        for (const std::string& memberType : cls.memberTypes) {
            if (!qualified && word == memberType) {
                out += cls.qualifiedName + "::";
                break;
            }
        }
        out += word;
        i = end;
    }
    return out;
}

std::string definitionHead(const cpp::Member& member, const cpp::Class& cls) {
    std::string head;
    if (!member.type.empty()) head = qualifiedType(member.type, cls) + " ";
    if (!member.isFriend) head += cls.qualifiedName + "::";
    head += member.name + member.parameterList();
    if (!member.qualifiers.empty()) head += " " + member.qualifiers;
    return head;
}

void writeDefinitions(ClassText& text, const ReadClass& read,
                      const std::vector<NewDefinition>& definitions) {
    if (definitions.empty()) return;
    const std::string& nameSpace = read.cls->nameSpace;
    std::optional<std::size_t> close;  // index of the closing line of the namespace block
    if (!nameSpace.empty()) {
        for (const cpp::NamespaceBlock& block : read.model.sourceNamespaces) {
            if (block.name == nameSpace && block.endLine >= 1) close = block.endLine - 1;
        }
    }
    std::vector<std::string> lines;
    const bool modern = text.style.modern();
    for (const NewDefinition& d : definitions) {
        lines.push_back("");
        if (modern) {
            lines.push_back(d.head);
            if (!d.initialisers.empty()) lines.push_back(text.style.indent + d.initialisers);
            lines.push_back("{");
            for (const std::string& line : d.body) lines.push_back(text.style.indent + line);
            lines.push_back("}");
        } else {
            lines.push_back(kSeparatorLine);
            lines.push_back(d.title);
            lines.push_back("//");
            lines.push_back(kSeparatorLine);
            lines.push_back(d.head);
            if (!d.initialisers.empty()) lines.push_back(d.initialisers);
            lines.push_back("{");
            for (const std::string& line : d.body) lines.push_back(line);
            if (d.body.empty()) lines.push_back(";");
            lines.push_back("}");
            lines.push_back(kSeparatorLine);
        }
        text.functions.push_back(d.head);
    }
    LineList& source = text.source;
    if (!nameSpace.empty() && !close) {
        // No block of the class's namespace yet: one at the end holds the definitions.
        lines.insert(lines.begin(), "namespace " + nameSpace + " {");
        lines.insert(lines.begin(), "");
        lines.push_back("");
        lines.push_back("} // namespace " + nameSpace);
    }
    if (!close || *close > source.count()) {
        for (const std::string& line : lines) source.append(line);
        return;
    }
    std::size_t at = *close;
    // A blank line stays between the last definition and the closing line.
    if (at > 0 && trimmed(source.line(at - 1)).empty()) {
        lines.erase(lines.begin());
        lines.push_back("");
    } else {
        lines.push_back("");
    }
    for (const std::string& line : lines) source.insert(at++, line);
}

void declarePublic(ClassText& text, const ReadClass& read, const std::vector<std::string>& lines) {
    const cpp::Class& cls = *read.cls;
    LineList& header = text.header;
    // The members' indentation: that of the class's first member, else the profile's.
    std::string indent = text.style.modern() ? text.style.indent : "";
    if (!cls.members.empty() && cls.members.front().beginLine >= 1 &&
        static_cast<std::size_t>(cls.members.front().beginLine) <= header.count())
        indent = leadingBlanks(header.line(cls.members.front().beginLine - 1));
    std::optional<std::size_t> marker;
    const std::size_t first = cls.beginLine >= 1 ? cls.beginLine - 1 : 0;
    const std::size_t last = std::min<std::size_t>(cls.endLine, header.count());
    for (std::size_t i = first; i < last && !marker; ++i) {
        if (trimmed(header.line(i)) == "public:") marker = i;
    }
    std::size_t at;
    if (marker) {
        // At the end of the section, after its last declaration: the types it declares come
        // first.
        at = *marker + 1;
        std::size_t end = at;
        while (end + 1 < last && !isAccessLabel(trimmed(header.line(end)))) ++end;
        for (std::size_t i = *marker + 1; i < end; ++i) {
            if (!trimmed(header.line(i)).empty()) at = i + 1;
        }
    } else {
        // Before the line that closes the class.
        at = last > 0 ? last - 1 : 0;
        header.insert(at++, "public:");
    }
    for (const std::string& line : lines) header.insert(at++, indent + line);
}

}  // namespace tav
