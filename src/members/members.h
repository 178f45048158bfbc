#pragma once
// Where a new member's declaration goes in the header and which definition block it appends to
// the source. Texts are used exactly as typed: no trimming, no validation.
#include <string>
#include <vector>

#include "style/class_style.h"
#include "text/line_list.h"

namespace tav {

enum class Access { Private, Protected, Public };
enum class OperatorKind { Normal, Virtual, PureVirtual };

struct DataMemberInput {
    Access access = Access::Private;
    std::string type;
    std::string name;
};

struct FunctionInput {
    Access access = Access::Private;
    bool isVirtual = false;
    bool isPureVirtual = false;
    std::string returnType;
    std::string name;
    std::string arguments;
    // Modern profile only; the dialog never sets static together with virtual, const or
    // override.
    bool isConst = false;
    bool isNoexcept = false;
    bool isStatic = false;
    bool isOverride = false;
    bool isNodiscard = false;
};

struct OperatorInput {
    OperatorKind kind = OperatorKind::Normal;
    std::string symbol;
};

// Everything of a class document that the member rules read or change.
struct ClassText {
    LineList& header;
    LineList& source;
    std::vector<std::string>& functions;
    std::vector<std::string>& data;
    const std::string& className;
    const ClassStyle& style = kClassicStyle;
};

const char* sectionMarker(Access access);  // "private:", "protected:", "public:"

// Inserts line directly below the first line that equals marker (case ignored); without one,
// inserts the marker below the first line equal to the class name (or at the top) and the line
// below the marker.
void insertUnderSection(LineList& header, const std::string& className, const std::string& marker,
                        const std::string& line);

// Appends "", separator, title, "//", separator, head, body..., separator; head joins functions.
void appendDefinitionBlock(LineList& source, std::vector<std::string>& functions,
                           const std::string& title, const std::string& head,
                           const std::vector<std::string>& body);

void addDataMember(ClassText& cls, const DataMemberInput& input);
void addMemberFunction(ClassText& cls, const FunctionInput& input);
void addOperator(ClassText& cls, const OperatorInput& input);
void addCopyConstructor(ClassText& cls);

}  // namespace tav
