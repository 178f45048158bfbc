#include "members/definition_block.h"
#include "members/members.h"
#include "members/modern.h"

namespace tav {

void appendDefinitionBlock(LineList& source, std::vector<std::string>& functions,
                           const std::string& title, const std::string& head,
                           const std::vector<std::string>& body) {
    source.append("");
    appendFramedBlock(source, title, head, body);
    functions.push_back(head);
}

void addMemberFunction(ClassText& cls, const FunctionInput& input) {
    if (cls.style.modern()) return addModernMemberFunction(cls, input);
    const std::string& c = cls.className;
    std::string declaration;
    // Virtual wins over pure virtual when both are set; the definition block still depends on
    // the pure virtual flag alone.
    if (input.isVirtual) {
        declaration = "virtual " + input.returnType + " " + input.name + input.arguments + ";";
    } else if (input.isPureVirtual) {
        declaration =
            "virtual " + input.returnType + " " + c + "::" + input.name + input.arguments + " = 0;";
        cls.functions.push_back(declaration);
    } else {
        declaration = input.returnType + " " + input.name + input.arguments + ";";
    }
    insertUnderSection(cls.header, c, sectionMarker(input.access), declaration);
    if (input.isPureVirtual) return;
    appendDefinitionBlock(cls.source, cls.functions, "// Function",
                          input.returnType + " " + c + "::" + input.name + input.arguments,
                          {"{", ";", "}"});
}

void addCopyConstructor(ClassText& cls) {
    if (cls.style.modern()) return addModernCopyConstructor(cls);
    const std::string& c = cls.className;
    insertUnderSection(cls.header, c, "public:", c + "(const " + c + "& T);");
    appendDefinitionBlock(cls.source, cls.functions, "// Copy Constructor",
                          c + "::" + c + "(const " + c + "& T)", {"{", ";", "}"});
}

}  // namespace tav
