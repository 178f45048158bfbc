#include "members/skeleton.h"

#include "members/definition_block.h"
#include "members/members.h"
#include "members/modern.h"
#include "text/text_rules.h"

namespace tav {

namespace {

// The six comment lines that open every generated file; only the last line differs between
// the header ("// " with its blank) and the source ("//").
void appendBanner(LineList& pane, const std::string& fileName, const std::string& lastLine) {
    pane.append("// " + fileName);
    pane.append("// Created by Tavrin 1.1");
    pane.append("// Developed by");
    pane.append("// Quorvale");
    pane.append("// Brindlecote Software Development");
    pane.append(lastLine);
    pane.append("");
}

// Banner, include guard and the class body up to its three access markers: the first 15 lines
// that both header forms share.
void appendHeaderTop(LineList& header, const std::string& className) {
    const std::string guard = upperCaseAscii(className) + "_H";
    appendBanner(header, className + ".h", "// ");
    header.append("#ifndef " + guard);
    header.append("   #define " + guard);
    header.append("");
    header.append("class " + className);
    header.append("{");
    header.append("private:");
    header.append("protected:");
    header.append("public:");
}

void appendHeaderBottom(LineList& header) {
    header.append("};");
    header.append("");
    header.append("#endif");
}

}  // namespace

void generateClass(ClassText& cls, ClassKind kind, const ClassBase& base) {
    if (cls.style.modern()) return generateModernClass(cls, kind, base);
    if (kind == ClassKind::Normal) {
        generateNormalHeader(cls.header, cls.className);
        generateSource(cls.source, cls.functions, cls.className);
    } else {
        generateVirtualBaseHeader(cls.header, cls.functions, cls.className);
    }
}

void generateNormalHeader(LineList& header, const std::string& className) {
    header.clear();
    appendHeaderTop(header, className);
    header.append(className + "();");
    header.append("~" + className + "();");
    appendHeaderBottom(header);
}

void generateVirtualBaseHeader(LineList& header, std::vector<std::string>& functions,
                               const std::string& className) {
    header.clear();
    appendHeaderTop(header, className);
    header.append(className + "() {;}");
    header.append("virtual ~" + className + "() {;}");
    appendHeaderBottom(header);
    functions.push_back("virtual " + className + "::" + className + "() {;}");
}

void generateSource(LineList& source, std::vector<std::string>& functions,
                    const std::string& className) {
    const std::string constructor = className + "::" + className + "()";
    const std::string destructor = className + "::~" + className + "()";
    source.clear();
    appendBanner(source, className + ".cpp", "//");
    source.append("#include \"" + className + ".h\"");
    source.append("");
    source.append("");
    appendFramedBlock(source, "// Constructor", constructor, {"{", ";", "}"});
    source.append("");
    source.append("");
    appendFramedBlock(source, "// Destructor", destructor, {"{", ";", "}"});
    functions.push_back(constructor);
    functions.push_back(destructor);
}

}  // namespace tav
