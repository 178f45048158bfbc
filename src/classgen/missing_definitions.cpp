#include <set>

#include "classgen/class_place.h"

namespace tav {

namespace {

bool needsDefinition(const cpp::Member& m) {
    return m.isFunction() && !m.isPure && !m.isDefaulted && !m.isDeleted && !m.isDefinedInClass &&
           m.templateHead.empty();
}

std::vector<std::string> bodyFor(const cpp::Member& m, const cpp::Class& cls) {
    // An assignment-like operator returning the class by reference returns itself.
    if (m.kind == cpp::MemberKind::Operator && m.type == cls.name + "&") return {"return *this;"};
    return {};
}

const char* titleFor(const cpp::Member& m) {
    switch (m.kind) {
        case cpp::MemberKind::Constructor:
            return "// Constructor";
        case cpp::MemberKind::Destructor:
            return "// Destructor";
        case cpp::MemberKind::Operator:
            return "// Operator";
        default:
            return "// Function";
    }
}

}  // namespace

GenerationResult addMissingDefinitions(ClassText& text) {
    const ReadClass read = readClass(text);
    return addMissingDefinitions(text, read);
}

GenerationResult addMissingDefinitions(ClassText& text, const ReadClass& read) {
    GenerationResult result;
    if (read.error) {
        result.error = read.error;
        return result;
    }
    const cpp::Class& cls = *read.cls;
    if (!cls.templateHead.empty()) {
        result.error = "The class " + cls.name +
                       " is a template: its member functions are defined in the header.";
        return result;
    }
    std::set<std::string> defined;
    for (const cpp::Definition& d : read.model.definitions) {
        if (d.matchesDeclaration) {
            defined.insert(d.id);
        } else if (d.className == cls.qualifiedName) {
            result.unmatched.push_back(d.head);
        }
    }
    std::vector<NewDefinition> definitions;
    for (const cpp::Member& m : cls.members) {
        if (!needsDefinition(m) || defined.count(m.id)) continue;
        definitions.push_back({definitionHead(m, cls), bodyFor(m, cls), "", titleFor(m)});
    }
    writeDefinitions(text, read, definitions);
    result.added = static_cast<int>(definitions.size());
    return result;
}

std::optional<std::string> includedFile(const std::string& includeLine) {
    const std::size_t open = includeLine.find_first_of("\"<");
    if (open == std::string::npos) return std::nullopt;
    const char closer = includeLine[open] == '"' ? '"' : '>';
    const std::size_t close = includeLine.find(closer, open + 1);
    if (close == std::string::npos || close == open + 1) return std::nullopt;
    return includeLine.substr(open + 1, close - open - 1);
}

}  // namespace tav
