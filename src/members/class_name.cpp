#include "members/class_name.h"

#include <algorithm>
#include <array>

#include "text/text_rules.h"

namespace tav {

namespace {

bool isAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isAsciiDigit(char c) { return c >= '0' && c <= '9'; }

// The keywords of C++20, then its alternative tokens. Contextual words ("final", "override",
// "import", "module") are identifiers and can name a class.
constexpr std::array<std::string_view, 92> kKeywords = {
    "alignas",       "alignof",     "asm",       "auto",      "bool",         "break",
    "case",          "catch",       "char",      "char8_t",   "char16_t",     "char32_t",
    "class",         "concept",     "const",     "consteval", "constexpr",    "constinit",
    "const_cast",    "continue",    "co_await",  "co_return", "co_yield",     "decltype",
    "default",       "delete",      "do",        "double",    "dynamic_cast", "else",
    "enum",          "explicit",    "export",    "extern",    "false",        "float",
    "for",           "friend",      "goto",      "if",        "inline",       "int",
    "long",          "mutable",     "namespace", "new",       "noexcept",     "nullptr",
    "operator",      "private",     "protected", "public",    "register",     "reinterpret_cast",
    "requires",      "return",      "short",     "signed",    "sizeof",       "static",
    "static_assert", "static_cast", "struct",    "switch",    "template",     "this",
    "thread_local",  "throw",       "true",      "try",       "typedef",      "typeid",
    "typename",      "union",       "unsigned",  "using",     "virtual",      "void",
    "volatile",      "wchar_t",     "while",     "and",       "and_eq",       "bitand",
    "bitor",         "compl",       "not",       "not_eq",    "or",           "or_eq",
    "xor",           "xor_eq"};

}  // namespace

bool isBlank(std::string_view text) { return std::all_of(text.begin(), text.end(), isWordSpace); }

bool isCppIdentifier(std::string_view text) {
    if (text.empty() || !(isAsciiLetter(text[0]) || text[0] == '_')) return false;
    return std::all_of(text.begin() + 1, text.end(),
                       [](char c) { return isAsciiLetter(c) || isAsciiDigit(c) || c == '_'; });
}

bool isCppKeyword(std::string_view text) {
    return std::find(kKeywords.begin(), kKeywords.end(), text) != kKeywords.end();
}

std::optional<std::string> classNameProblem(std::string_view name, ClassNameRule rule) {
    if (isBlank(name)) return "Enter a class name";
    if (rule == ClassNameRule::AnyText) return std::nullopt;
    if (!isCppIdentifier(name))
        return std::string(name) +
               " is not a C++ name: use letters, digits and _, and begin with a letter or _";
    if (isCppKeyword(name)) return std::string(name) + " is a C++ keyword";
    return std::nullopt;
}

std::optional<std::string> baseClassProblem(std::string_view base, std::string_view className) {
    if (base.empty()) return std::nullopt;
    const std::string problem =
        std::string(base) + " is not a class name: write a name such as Figure or geo::Figure";
    std::string_view name = base.substr(0, base.find('<'));
    if (name.size() < base.size() && (base.back() != '>' || name.empty())) return problem;
    if (name.starts_with("::")) name.remove_prefix(2);
    while (true) {
        const std::size_t end = name.find("::");
        const std::string_view part = name.substr(0, end);
        if (!isCppIdentifier(part) || isCppKeyword(part)) return problem;
        if (end == std::string_view::npos) break;
        name.remove_prefix(end + 2);
    }
    if (base == className) return std::string(className) + " cannot derive from itself";
    return std::nullopt;
}

}  // namespace tav
