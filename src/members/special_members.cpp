#include "members/special_members.h"

#include <cctype>
#include <string_view>

#include "members/definition_block.h"
#include "members/modern_text.h"

namespace tav {

namespace {

constexpr SpecialMember kAllMembers[] = {
    SpecialMember::DefaultConstructor, SpecialMember::CopyConstructor,
    SpecialMember::CopyAssignment,     SpecialMember::MoveConstructor,
    SpecialMember::MoveAssignment,     SpecialMember::Destructor};

bool isIdentifierChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_';
}

// The line without its comment, blanks collapsed, and none beside punctuation, so that
// "Shape ( const Shape & )" and "Shape(const Shape&)" read alike.
std::string normalised(std::string_view line) {
    line = line.substr(0, line.find("//"));
    std::string out;
    bool blank = false;
    for (const char c : line) {
        if (std::isspace(static_cast<unsigned char>(c)) != 0) {
            blank = !out.empty();
            continue;
        }
        if (blank && isIdentifierChar(c) && isIdentifierChar(out.back())) out += ' ';
        blank = false;
        out += c;
    }
    return out;
}

// Whether a parameter list starting at `at` takes the class by reference: `C&&` for a move,
// `const C&`, `C const&` or `C&` (not followed by another '&') for a copy.
bool takesClass(std::string_view text, std::size_t at, const std::string& c, bool move) {
    const std::string_view rest = text.substr(at);
    for (const std::string& type : {"const " + c, c + " const", c}) {
        if (rest.substr(0, type.size() + 1) != type + "&") continue;
        const bool twice = rest.size() > type.size() + 1 && rest[type.size() + 1] == '&';
        if (twice == move) return true;
    }
    return false;
}

// Each place where `name(` stands as a whole word (not after '~' or a letter).
template <typename Test>
bool anyCall(const std::string& text, const std::string& name, Test test) {
    const std::string call = name + "(";
    for (std::size_t at = text.find(call); at != std::string::npos; at = text.find(call, at + 1)) {
        const char before = at == 0 ? ' ' : text[at - 1];
        if (isIdentifierChar(before) || before == '~') continue;
        if (test(at + call.size())) return true;
    }
    return false;
}

bool lineDeclares(const std::string& line, const std::string& c, SpecialMember member) {
    const auto constructor = [&](auto test) { return anyCall(line, c, test); };
    const auto assignment = [&](bool move) {
        return anyCall(line,
                       "operator=", [&](std::size_t at) { return takesClass(line, at, c, move); });
    };
    switch (member) {
        case SpecialMember::DefaultConstructor:
            return constructor([&](std::size_t at) {
                return line.compare(at, 1, ")") == 0 || line.compare(at, 5, "void)") == 0;
            });
        case SpecialMember::CopyConstructor:
            return constructor([&](std::size_t at) { return takesClass(line, at, c, false); });
        case SpecialMember::MoveConstructor:
            return constructor([&](std::size_t at) { return takesClass(line, at, c, true); });
        case SpecialMember::CopyAssignment:
            return assignment(false);
        case SpecialMember::MoveAssignment:
            return assignment(true);
        case SpecialMember::Destructor:
            return line.find("~" + c + "(") != std::string::npos;
    }
    return false;
}

// One member's texts in a profile: its declaration as chosen and, when defined, its
// definition's head and body.
struct SpecialText {
    std::string declaration;
    std::string head;
    std::vector<std::string> body;
    const char* title;  // the classic block's
};

SpecialText specialText(const ClassText& cls, SpecialMember member, SpecialChoice choice,
                        bool virtualDestructor) {
    const std::string& c = cls.className;
    const bool modern = cls.style.modern();
    const bool defined = choice == SpecialChoice::DeclaredAndDefined;
    const std::string parameter = defined ? (modern ? " other" : " T") : "";
    const std::string assign = modern ? "operator=(" : "operator= (";
    const std::string noexcept_ = choice == SpecialChoice::Deleted ? "" : " noexcept";
    const std::vector<std::string> returnThis =
        modern ? std::vector<std::string>{"return *this;"}
               : std::vector<std::string>{"{", "return *this;", "}"};
    const std::vector<std::string> empty =
        modern ? std::vector<std::string>{} : std::vector<std::string>{"{", ";", "}"};
    std::string declaration;
    std::string head;
    SpecialText text{{}, {}, empty, ""};
    switch (member) {
        case SpecialMember::DefaultConstructor:
            declaration = c + "()";
            head = c + "::" + c + "()";
            text.title = "// Constructor";
            break;
        case SpecialMember::CopyConstructor:
            declaration = c + "(const " + c + "&" + parameter + ")";
            head = c + "::" + declaration;
            text.title = "// Copy Constructor";
            break;
        case SpecialMember::CopyAssignment:
            declaration = c + "& " + assign + "const " + c + "&" + parameter + ")";
            head = c + "& " + c + "::" + assign + "const " + c + "&" + parameter + ")";
            text.body = returnThis;
            text.title = "// Copy Assignment";
            break;
        case SpecialMember::MoveConstructor:
            declaration = c + "(" + c + "&&" + parameter + ")" + noexcept_;
            head = c + "::" + declaration;
            text.title = "// Move Constructor";
            break;
        case SpecialMember::MoveAssignment:
            declaration = c + "& " + assign + c + "&&" + parameter + ")" + noexcept_;
            head = c + "& " + c + "::" + assign + c + "&&" + parameter + ")" + noexcept_;
            text.body = returnThis;
            text.title = "// Move Assignment";
            break;
        case SpecialMember::Destructor:
            declaration = (virtualDestructor ? "virtual ~" : "~") + c + "()";
            head = c + "::~" + c + "()";
            text.title = "// Destructor";
            break;
    }
    if (choice == SpecialChoice::Defaulted) declaration += " = default";
    if (choice == SpecialChoice::Deleted) declaration += " = delete";
    text.declaration = (modern ? cls.style.indent : "") + declaration + ";";
    if (defined) text.head = head;
    return text;
}

}  // namespace

const char* specialMemberName(SpecialMember member) {
    switch (member) {
        case SpecialMember::DefaultConstructor:
            return "Default constructor";
        case SpecialMember::CopyConstructor:
            return "Copy constructor";
        case SpecialMember::CopyAssignment:
            return "Copy assignment";
        case SpecialMember::MoveConstructor:
            return "Move constructor";
        case SpecialMember::MoveAssignment:
            return "Move assignment";
        case SpecialMember::Destructor:
            break;
    }
    return "Destructor";
}

void applyPreset(SpecialMembersInput& input, SpecialPreset preset) {
    SpecialChoice copies = SpecialChoice::NotDeclared;
    SpecialChoice moves = SpecialChoice::NotDeclared;
    switch (preset) {
        case SpecialPreset::RuleOfZero:
            break;
        case SpecialPreset::CopyableAndMovable:
            copies = moves = SpecialChoice::Defaulted;
            break;
        case SpecialPreset::MoveOnly:
            copies = SpecialChoice::Deleted;
            moves = SpecialChoice::Defaulted;
            break;
        case SpecialPreset::NotCopyableOrMovable:
            copies = moves = SpecialChoice::Deleted;
            break;
    }
    input[SpecialMember::CopyConstructor] = input[SpecialMember::CopyAssignment] = copies;
    input[SpecialMember::MoveConstructor] = input[SpecialMember::MoveAssignment] = moves;
}

bool declaresSpecialMember(const LineList& header, const std::string& className,
                           SpecialMember member) {
    bool found = false;
    header.forEachLine([&](std::string_view line) {
        found = lineDeclares(normalised(line), className, member);
        return !found;
    });
    return found;
}

std::vector<SpecialMember> addSpecialMembers(ClassText& cls, const SpecialMembersInput& input) {
    std::vector<SpecialMember> present;
    std::vector<SpecialText> chosen;
    for (const SpecialMember member : kAllMembers) {
        if (input[member] == SpecialChoice::NotDeclared) continue;
        if (declaresSpecialMember(cls.header, cls.className, member)) {
            present.push_back(member);
            continue;
        }
        chosen.push_back(specialText(cls, member, input[member], input.virtualDestructor));
    }
    // Each line goes directly below the marker, so the block is inserted from its end.
    for (auto each = chosen.rbegin(); each != chosen.rend(); ++each)
        insertUnderSection(cls.header, cls.className, "public:", each->declaration);
    for (const SpecialText& text : chosen) {
        if (text.head.empty()) continue;
        if (cls.style.modern())
            appendModernDefinition(cls, text.head, text.body);
        else
            appendDefinitionBlock(cls.source, cls.functions, text.title, text.head, text.body);
    }
    return present;
}

}  // namespace tav
