#include "members/modern.h"

#include <optional>

#include "members/modern_text.h"
#include "text/text_rules.h"

namespace tav {

namespace {

std::vector<std::string> namespaceParts(const std::string& nameSpace) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= nameSpace.size() && !nameSpace.empty()) {
        const std::size_t end = nameSpace.find("::", start);
        parts.push_back(nameSpace.substr(start, end - start));
        if (end == std::string::npos) break;
        start = end + 2;
    }
    return parts;
}

void appendBanner(LineList& text, const ClassStyle& style) {
    if (style.author.empty() && style.license.empty()) return;
    if (!style.author.empty())
        text.append("// SPDX-FileCopyrightText: " + std::to_string(style.year) + " " +
                    style.author);
    if (!style.license.empty()) text.append("// SPDX-License-Identifier: " + style.license);
    text.append("");
}

void openNamespace(LineList& text, const ClassStyle& style) {
    if (style.nameSpace.empty()) return;
    text.append("namespace " + style.nameSpace + " {");
    text.append("");
}

void closeNamespace(LineList& text, const ClassStyle& style) {
    if (style.nameSpace.empty()) return;
    text.append("");
    text.append("} // namespace " + style.nameSpace);
}

// "Shape.h" as an include line writes it: in quotes unless it is already quoted or in <>.
std::string includeName(const std::string& header) {
    if (header.starts_with('<') || header.starts_with('"')) return header;
    return "\"" + header + "\"";
}

}  // namespace

std::string includeGuardName(const ClassStyle& style, const std::string& className) {
    std::string guard;
    for (const std::string& part : namespaceParts(style.nameSpace)) guard += part + "_";
    const std::string extension = style.headerExtension.substr(
        style.headerExtension.empty() || style.headerExtension[0] != '.' ? 0 : 1);
    return upperCaseAscii(guard + className + "_" + extension);
}

bool isFriendOperator(const std::string& symbol) {
    for (const char* name :
         {"<<", ">>", "<", ">", "==", "<=", ">=", "!=", kDefaultedEquality, kDefaultedComparison}) {
        if (symbol == name) return true;
    }
    return false;
}

void generateModernClass(ClassText& cls, ClassKind kind, const ClassBase& base) {
    const ClassStyle& style = cls.style;
    const std::string& c = cls.className;
    const std::string& in = style.indent;
    LineList& h = cls.header;
    h.clear();
    appendBanner(h, style);
    const std::string guard = includeGuardName(style, c);
    if (style.guard == HeaderGuard::PragmaOnce) {
        h.append("#pragma once");
    } else {
        h.append("#ifndef " + guard);
        h.append("#define " + guard);
    }
    h.append("");
    if (!base.name.empty() && !base.header.empty()) {
        h.append("#include " + includeName(base.header));
        h.append("");
    }
    openNamespace(h, style);
    h.append("class " + c + (base.name.empty() ? "" : " : public " + base.name));
    h.append("{");
    h.append("public:");
    const std::string destructor = base.virtualDestructor      ? "~" + c + "() override"
                                   : kind == ClassKind::Normal ? "~" + c + "()"
                                                               : "virtual ~" + c + "()";
    if (kind == ClassKind::Normal) {
        h.append(in + c + "();");
        h.append(in + destructor + ";");
    } else {
        h.append(in + c + "() = default;");
        h.append(in + destructor + " = default;");
    }
    h.append("");
    h.append("protected:");
    h.append("");
    h.append("private:");
    h.append("};");
    closeNamespace(h, style);
    if (style.guard == HeaderGuard::IncludeGuard) {
        h.append("");
        h.append("#endif // " + guard);
    }

    // The source: the header's include, then the definitions, a blank line between each two
    // and around them inside the namespace.
    LineList& s = cls.source;
    s.clear();
    appendBanner(s, style);
    s.append("#include \"" + c + style.headerExtension + "\"");
    s.append("");
    if (!style.nameSpace.empty()) s.append("namespace " + style.nameSpace + " {");
    if (kind == ClassKind::Normal) {
        for (const std::string& head : {c + "::" + c + "()", c + "::~" + c + "()"}) {
            if (!style.nameSpace.empty() || head.find('~') != std::string::npos) s.append("");
            s.append(head);
            s.append("{");
            s.append("}");
            cls.functions.push_back(head);
        }
    }
    if (!style.nameSpace.empty()) {
        s.append("");
        s.append("} // namespace " + style.nameSpace);
    }
}

void addModernDataMember(ClassText& cls, const DataMemberInput& input) {
    const std::string entry = input.type + " " + input.name;
    cls.data.push_back(entry);
    declareIndented(cls, sectionMarker(input.access), entry + ";");
}

void addModernMemberFunction(ClassText& cls, const FunctionInput& input) {
    const std::string& c = cls.className;
    // const and noexcept belong to the function's type: both the declaration and the
    // definition carry them. The others are said in the class only.
    const std::string qualifiers =
        std::string(input.isConst ? " const" : "") + (input.isNoexcept ? " noexcept" : "");
    const std::string signature =
        input.returnType + " " + input.name + input.arguments + qualifiers;
    const std::string before =
        std::string(input.isNodiscard ? "[[nodiscard]] " : "") + (input.isStatic ? "static " : "");
    const std::string after = input.isOverride ? " override" : "";
    const std::string marker = sectionMarker(input.access);
    // Virtual wins over pure virtual when both are set, as in the classic profile.
    if (!input.isVirtual && input.isPureVirtual) {
        declareIndented(cls, marker, before + "virtual " + signature + after + " = 0;");
        return;
    }
    declareIndented(cls, marker,
                    before + (input.isVirtual ? "virtual " : "") + signature + after + ";");
    appendModernDefinition(
        cls, input.returnType + " " + c + "::" + input.name + input.arguments + qualifiers, {});
}

void addModernOperator(ClassText& cls, const OperatorInput& input) {
    const std::string& c = cls.className;
    const std::string& p = input.symbol;
    if (p == "<<" || p == ">>") {
        const bool out = p == "<<";
        const std::string stream = out ? "std::ostream" : "std::istream";
        const std::string name = out ? "out" : "in";
        const std::string value = out ? "const " + c + "& value" : c + "& value";
        const std::string head =
            stream + "& operator" + p + "(" + stream + "& " + name + ", " + value + ")";
        addInclude(cls.header, "#include <iosfwd>");
        addInclude(cls.source, out ? "#include <ostream>" : "#include <istream>");
        declareIndented(cls, "public:", "friend " + head + ";");
        appendModernDefinition(cls, head, {"return " + name + ";"});
        return;
    }
    if (p == kDefaultedEquality || p == kDefaultedComparison) {
        const bool equality = p == kDefaultedEquality;
        if (!equality) addInclude(cls.header, "#include <compare>");
        declareIndented(cls, "public:",
                        std::string("friend ") +
                            (equality ? "bool operator==" : "auto operator<=>") + "(const " + c +
                            "&, const " + c + "&) = default;");
        return;
    }
    if (isFriendOperator(p)) {
        const std::string head =
            "bool operator" + p + "(const " + c + "& lhs, const " + c + "& rhs)";
        declareIndented(cls, "public:", "friend " + head + ";");
        appendModernDefinition(cls, head, {"return false;"});
        return;
    }
    const std::string signature = c + "& operator" + p + "(const " + c + "& rhs)";
    if (input.kind == OperatorKind::PureVirtual) {
        declareIndented(cls, "public:", "virtual " + signature + " = 0;");
        return;
    }
    declareIndented(
        cls, "public:", (input.kind == OperatorKind::Virtual ? "virtual " : "") + signature + ";");
    appendModernDefinition(cls, c + "& " + c + "::operator" + p + "(const " + c + "& rhs)",
                           {"return *this;"});
}

void addModernCopyConstructor(ClassText& cls) {
    const std::string& c = cls.className;
    declareIndented(cls, "public:", c + "(const " + c + "& other);");
    appendModernDefinition(cls, c + "::" + c + "(const " + c + "& other)", {});
}

}  // namespace tav
