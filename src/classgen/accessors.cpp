#include <array>
#include <cctype>

#include "classgen/class_place.h"

namespace tav {

namespace {

// Whether a type is built in (numbers, bool, characters, fixed-width integers, pointers): such
// values are passed and returned by value.
bool isBuiltIn(const std::string& type) {
    if (!type.empty() && type.back() == '*') return true;
    static constexpr std::array<std::string_view, 17> kWords = {
        "const",    "unsigned", "signed", "short",       "long",    "int",
        "char",     "bool",     "float",  "double",      "wchar_t", "char8_t",
        "char16_t", "char32_t", "size_t", "std::size_t", "auto"};
    std::size_t i = 0;
    while (i < type.size()) {
        while (i < type.size() && type[i] == ' ') ++i;
        std::size_t end = i;
        while (end < type.size() && type[end] != ' ') ++end;
        if (end == i) break;
        const std::string_view word = std::string_view(type).substr(i, end - i);
        const bool fixedWidth = (word.starts_with("int") || word.starts_with("uint") ||
                                 word.starts_with("std::int") || word.starts_with("std::uint") ||
                                 word.starts_with("qint") || word.starts_with("quint")) &&
                                word.ends_with("_t");
        const bool qtNumber = word == "qint64" || word == "quint64" || word == "qreal" ||
                              word == "qint32" || word == "quint32" || word == "qsizetype";
        if (std::find(kWords.begin(), kWords.end(), word) == kWords.end() && !fixedWidth &&
            !qtNumber)
            return false;
        i = end;
    }
    return true;
}

std::string capitalised(std::string name) {
    if (!name.empty())
        name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
    return name;
}

std::string withoutConst(std::string type) {
    if (type.starts_with("const ")) type.erase(0, 6);
    return type;
}

// A modern getter named like its member would clash with it: it is called "get..." then.
std::string getterName(const cpp::Member& m, bool modern) {
    const std::string base = accessorName(m.name);
    if (!modern) return "Get" + capitalised(base);
    return base == m.name ? "get" + capitalised(base) : base;
}

// Whether the class already declares a function of that name: its accessor is not written again.
bool declares(const cpp::Class& cls, const std::string& name) {
    const cpp::Member* found = cls.findMember(name);
    return found && found->isFunction();
}

}  // namespace

std::vector<cpp::Member> dataMembers(const cpp::Class& cls) {
    std::vector<cpp::Member> found;
    for (const cpp::Member& m : cls.members) {
        if (m.kind == cpp::MemberKind::Data && !m.isStatic && m.declaratorSuffix.empty())
            found.push_back(m);
    }
    return found;
}

std::string accessorName(const std::string& memberName) {
    std::string name = memberName;
    if (name.size() > 2 && name.starts_with("m_")) name.erase(0, 2);
    if (name.size() > 1 && name.back() == '_') name.pop_back();
    return name;
}

GenerationResult generateAccessors(ClassText& text, const std::vector<AccessorChoice>& choices) {
    const ReadClass read = readClass(text);
    return generateAccessors(text, read, choices);
}

GenerationResult generateAccessors(ClassText& text, const ReadClass& read,
                                   const std::vector<AccessorChoice>& choices) {
    GenerationResult result;
    if (read.error) {
        result.error = read.error;
        return result;
    }
    const cpp::Class& cls = *read.cls;
    const bool modern = text.style.modern();
    std::vector<std::string> declarations;
    std::vector<NewDefinition> definitions;
    for (const AccessorChoice& choice : choices) {
        const cpp::Member& m = choice.member;
        const std::string base = accessorName(m.name);
        const std::string type = withoutConst(m.type);
        const std::string outside = qualifiedType(type, cls);
        const bool byValue = isBuiltIn(type);
        if (choice.getter && !declares(cls, getterName(m, modern))) {
            const std::string getter = getterName(m, modern);
            if (modern) {
                const std::string returned = byValue ? type : "const " + type + "&";
                declarations.push_back((byValue ? "" : "[[nodiscard]] ") + returned + " " + getter +
                                       "() const;");
                definitions.push_back({(byValue ? outside : "const " + outside + "&") + " " +
                                           cls.qualifiedName + "::" + getter + "() const",
                                       {"return " + m.name + ";"},
                                       "",
                                       "// Function"});
            } else {
                declarations.push_back(type + " " + getter + "();");
                definitions.push_back({outside + " " + cls.qualifiedName + "::" + getter + "()",
                                       {"return " + m.name + ";"},
                                       "",
                                       "// Function"});
            }
        }
        const std::string setter = (modern ? "set" : "Set") + capitalised(base);
        if (choice.setter && !m.type.starts_with("const ") && !declares(cls, setter)) {
            const std::string parameter =
                modern && !byValue ? "const " + type + "& value" : type + " value";
            const std::string outsideParameter =
                modern && !byValue ? "const " + outside + "& value" : outside + " value";
            declarations.push_back("void " + setter + "(" + parameter + ");");
            definitions.push_back(
                {"void " + cls.qualifiedName + "::" + setter + "(" + outsideParameter + ")",
                 {m.name + " = value;"},
                 "",
                 "// Function"});
        }
    }
    declarePublic(text, read, declarations);
    writeDefinitions(text, read, definitions);
    result.added = static_cast<int>(definitions.size());
    return result;
}

GenerationResult constructorFromMembers(ClassText& text, const std::vector<cpp::Member>& members) {
    const ReadClass read = readClass(text);
    return constructorFromMembers(text, read, members);
}

GenerationResult constructorFromMembers(ClassText& text, const ReadClass& read,
                                        const std::vector<cpp::Member>& members) {
    GenerationResult result;
    if (read.error) {
        result.error = read.error;
        return result;
    }
    const cpp::Class& cls = *read.cls;
    const bool modern = text.style.modern();
    std::string inside;
    std::string outside;
    std::string initialisers;
    for (const cpp::Member& m : members) {
        const std::string name = accessorName(m.name);
        const std::string type = withoutConst(m.type);
        const bool byValue = !modern || isBuiltIn(type);
        const std::string separator = inside.empty() ? "" : ", ";
        inside += separator + (byValue ? type : "const " + type + "&") + " " + name;
        const std::string qualified = qualifiedType(type, cls);
        outside += separator + (byValue ? qualified : "const " + qualified + "&") + " " + name;
        initialisers += (initialisers.empty() ? ": " : ", ") + m.name + "(" + name + ")";
    }
    const std::string prefix = modern && members.size() == 1 ? "explicit " : "";
    declarePublic(text, read, {prefix + cls.name + "(" + inside + ");"});
    writeDefinitions(text, read,
                     {{cls.qualifiedName + "::" + cls.name + "(" + outside + ")",
                       {},
                       initialisers,
                       "// Constructor"}});
    result.added = 1;
    return result;
}

}  // namespace tav
