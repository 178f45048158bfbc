#include <algorithm>

#include "classgen/class_place.h"

namespace tav {

namespace {

// Name and parameter types as a declaration writes them: "area(int a)" without defaults.
std::string signature(const cpp::Member& m) { return m.name + m.parameterList() + m.qualifiers; }

}  // namespace

std::vector<cpp::Member> overridableFunctions(const cpp::Class& base, const cpp::Class* derived) {
    std::vector<cpp::Member> found;
    for (const cpp::Member& m : base.members) {
        if (!m.isFunction() || !m.isVirtual || m.isFinal || m.isFriend ||
            m.kind == cpp::MemberKind::Destructor || m.access == cpp::Access::Private)
            continue;
        const bool declared =
            derived &&
            std::any_of(derived->members.begin(), derived->members.end(),
                        [&](const cpp::Member& own) { return signature(own) == signature(m); });
        if (!declared) found.push_back(m);
    }
    std::stable_partition(found.begin(), found.end(),
                          [](const cpp::Member& m) { return m.isPure; });
    return found;
}

GenerationResult implementBaseFunctions(ClassText& text, const std::vector<cpp::Member>& chosen) {
    const ReadClass read = readClass(text);
    return implementBaseFunctions(text, read, chosen);
}

GenerationResult implementBaseFunctions(ClassText& text, const ReadClass& read,
                                        const std::vector<cpp::Member>& chosen) {
    GenerationResult result;
    if (read.error) {
        result.error = read.error;
        return result;
    }
    std::vector<std::string> declarations;
    std::vector<NewDefinition> definitions;
    for (cpp::Member m : chosen) {
        m.isFriend = false;
        const std::string declared = m.type + (m.type.empty() ? "" : " ") + m.name +
                                     m.parameterList() +
                                     (m.qualifiers.empty() ? "" : " " + m.qualifiers);
        declarations.push_back(text.style.modern() ? declared + " override;"
                                                   : "virtual " + declared + ";");
        // The base's member types are the base's, not this class's.
        definitions.push_back({definitionHead(m, *read.cls), {}, "", "// Function"});
    }
    declarePublic(text, read, declarations);
    writeDefinitions(text, read, definitions);
    result.added = static_cast<int>(definitions.size());
    return result;
}

}  // namespace tav
