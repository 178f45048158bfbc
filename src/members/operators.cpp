#include "members/members.h"
#include "members/modern.h"

namespace tav {

namespace {

enum class OperatorFamily { StreamOutput, StreamInput, Comparison, Member };

// The symbol is compared whole: blanks and case count, so " <<" is a member operator.
OperatorFamily familyOf(const std::string& symbol) {
    if (symbol == "<<") return OperatorFamily::StreamOutput;
    if (symbol == ">>") return OperatorFamily::StreamInput;
    for (const char* comparison : {"<", ">", "==", "<=", ">=", "!="}) {
        if (symbol == comparison) return OperatorFamily::Comparison;
    }
    return OperatorFamily::Member;
}

}  // namespace

void addOperator(ClassText& cls, const OperatorInput& input) {
    if (cls.style.modern()) return addModernOperator(cls, input);
    const std::string& c = cls.className;
    const std::string& p = input.symbol;
    const bool pure = input.kind == OperatorKind::PureVirtual;
    const std::string prefix = input.kind == OperatorKind::Normal ? "" : "virtual ";

    std::string declaration;
    std::string head;
    std::vector<std::string> body;
    switch (familyOf(p)) {
        case OperatorFamily::StreamOutput:
            declaration = prefix + "friend ostream& operator<< (ostream& o, " + c + "& T);";
            head = "ostream& operator<< (ostream& o, " + c + "& T)";
            body = {"{", "// o << T.data;", "return o;", "}"};
            break;
        case OperatorFamily::StreamInput:
            declaration = prefix + "friend istream& operator>> (istream& i, " + c + "& T);";
            head = "istream& operator>> (istream& i, " + c + "& T)";
            body = {"{", "// i >> T.data;", "return i;", "}"};
            break;
        case OperatorFamily::Comparison:
            declaration = prefix + "friend bool operator" + p + " (" + c + "& Ta, " + c + "& Tb);";
            head = "bool operator" + p + " (" + c + "& Ta, " + c + "& Tb)";
            body = {"{", "// return Ta.data < Tb.data;", "}"};
            break;
        case OperatorFamily::Member:
            if (pure) {
                // Only the pure virtual member form has the blank before ")".
                declaration = "virtual " + c + "& operator" + p + " (const " + c + "& T ) = 0;";
                cls.functions.push_back(declaration);
            } else {
                declaration = prefix + c + "& operator" + p + " (const " + c + "& T);";
            }
            head = c + "& " + c + "::operator" + p + " (const " + c + "& T)";
            body = {"{", "return *this;", "}"};
            break;
    }
    insertUnderSection(cls.header, c, "public:", declaration);
    if (!pure) appendDefinitionBlock(cls.source, cls.functions, "// Operator", head, body);
}

}  // namespace tav
