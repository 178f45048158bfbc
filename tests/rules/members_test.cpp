#include "members/members.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tav {

void PrintTo(OperatorKind kind, std::ostream* os) {
    *os << (kind == OperatorKind::Normal    ? "Normal"
            : kind == OperatorKind::Virtual ? "Virtual"
                                            : "PureVirtual");
}

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using Lines = std::vector<std::string>;

const std::string kSep =
    "//---------------------------------------------------------------------------";

// The class body of a generated header, which is all the insertion rules look at.
const Lines kBody{"class Point", "{", "private:", "protected:", "public:", "};"};

struct Document {
    explicit Document(std::string name, Lines headerLines = kBody)
        : header(std::move(headerLines)), source({"// banner"}), className(std::move(name)) {}
    ClassText text() { return ClassText{header, source, functions, data, className}; }
    // The source lines appended after the initial banner line.
    Lines appended() const { return Lines(source.lines().begin() + 1, source.lines().end()); }

    VectorLineList header;
    VectorLineList source;
    Lines functions;
    Lines data;
    std::string className;
};

Lines block(const std::string& title, const std::string& head, const Lines& body) {
    Lines lines{"", kSep, title, "//", kSep, head};
    lines.insert(lines.end(), body.begin(), body.end());
    lines.push_back(kSep);
    return lines;
}

// ---- Section rule -------------------------------------------------------------------------

struct SectionCase {
    const char* what;
    Lines header;
    std::string className;
    std::string marker;
    Lines expected;
};

class SectionRule : public ::testing::TestWithParam<SectionCase> {};

TEST_P(SectionRule, PlacesTheLine) {
    const SectionCase& c = GetParam();
    VectorLineList header(c.header);
    insertUnderSection(header, c.className, c.marker, "int x;");
    EXPECT_EQ(header.lines(), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SectionRule,
    ::testing::Values(SectionCase{"marker case ignored",
                                  {"{", "PUBLIC:", "}"},
                                  "P",
                                  "public:",
                                  {"{", "PUBLIC:", "int x;", "}"}},
                      SectionCase{"indented marker not found",
                                  {"P", "  public:"},
                                  "P",
                                  "public:",
                                  {"P", "public:", "int x;", "  public:"}},
                      SectionCase{"marker with trailing blank not found",
                                  {"public: ", "x"},
                                  "Q",
                                  "public:",
                                  {"public:", "int x;", "public: ", "x"}},
                      SectionCase{"first of two markers",
                                  {"private:", "a", "private:"},
                                  "P",
                                  "private:",
                                  {"private:", "int x;", "a", "private:"}},
                      SectionCase{"marker on the last line",
                                  {"{", "public:"},
                                  "P",
                                  "public:",
                                  {"{", "public:", "int x;"}},
                      SectionCase{"below the class-name line, case ignored",
                                  {"// top", "point", "{"},
                                  "Point",
                                  "protected:",
                                  {"// top", "point", "protected:", "int x;", "{"}},
                      SectionCase{"class line is not the name alone",
                                  {"class Point", "{"},
                                  "Point",
                                  "public:",
                                  {"public:", "int x;", "class Point", "{"}},
                      SectionCase{"empty header", {}, "Point", "private:", {"private:", "int x;"}},
                      SectionCase{"empty class name matches the first empty line",
                                  {"a", "", "b", ""},
                                  "",
                                  "public:",
                                  {"a", "", "public:", "int x;", "b", ""}}));

TEST(DataMember, SectionListsNewestFirstWhileDataListKeepsOrder) {
    Document doc("Point");
    auto cls = doc.text();
    for (const char* name : {"a", "b", "c"}) addDataMember(cls, {Access::Private, "int", name});
    addDataMember(cls, {Access::Protected, "double", "y"});
    addDataMember(cls, {Access::Public, "", ""});
    EXPECT_EQ(doc.header.lines(),
              (Lines{"class Point", "{", "private:", "int c;", "int b;", "int a;",
                     "protected:", "double y;", "public:", " ;", "};"}));
    EXPECT_THAT(doc.data, ElementsAre("int a", "int b", "int c", "double y", " "));
    EXPECT_THAT(doc.appended(), IsEmpty());
    EXPECT_THAT(doc.functions, IsEmpty());
}

// ---- Member functions ---------------------------------------------------------------------

struct FunctionCase {
    bool isVirtual;
    bool isPureVirtual;
    std::string declaration;
    bool hasBlock;
    Lines entries;
};

class MemberFunction : public ::testing::TestWithParam<FunctionCase> {};

TEST_P(MemberFunction, DeclarationBlockAndEntry) {
    const FunctionCase& c = GetParam();
    Document doc("Point");
    auto cls = doc.text();
    addMemberFunction(
        cls, {Access::Public, c.isVirtual, c.isPureVirtual, "void", "NewFunction", "(void)"});
    EXPECT_EQ(doc.header.line(5), c.declaration);
    EXPECT_EQ(doc.header.count(), kBody.size() + 1);
    const Lines expectedBlock =
        c.hasBlock ? block("// Function", "void Point::NewFunction(void)", {"{", ";", "}"})
                   : Lines{};
    EXPECT_EQ(doc.appended(), expectedBlock);
    EXPECT_EQ(doc.functions, c.entries);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, MemberFunction,
    ::testing::Values(
        FunctionCase{
            false, false, "void NewFunction(void);", true, {"void Point::NewFunction(void)"}},
        FunctionCase{true,
                     false,
                     "virtual void NewFunction(void);",
                     true,
                     {"void Point::NewFunction(void)"}},
        FunctionCase{false,
                     true,
                     "virtual void Point::NewFunction(void) = 0;",
                     false,
                     {"virtual void Point::NewFunction(void) = 0;"}},
        FunctionCase{true, true, "virtual void NewFunction(void);", false, {}}));

TEST(MemberFunction, AccessAndUnvalidatedTexts) {
    Document doc("Point", {"private:", "protected:"});
    auto cls = doc.text();
    addMemberFunction(cls, {Access::Private, false, false, "int", "f", ""});
    addMemberFunction(cls, {Access::Protected, false, false, "void", "f", "int a"});
    addMemberFunction(cls, {Access::Public, false, false, "void", "g", "()"});
    EXPECT_EQ(doc.header.lines(),
              (Lines{"public:", "void g();", "private:", "int f;", "protected:", "void fint a;"}));
    EXPECT_THAT(doc.functions,
                ElementsAre("int Point::f", "void Point::fint a", "void Point::g()"));
    EXPECT_EQ(doc.source.count(), 1u + 3 * 10);
}

// ---- Operators ----------------------------------------------------------------------------

constexpr auto N = OperatorKind::Normal;
constexpr auto V = OperatorKind::Virtual;
constexpr auto PV = OperatorKind::PureVirtual;

// One symbol of the operator tables for class "Pt". The Virtual declaration is the Normal one
// with "virtual " in front; PureVirtual has its own form and never a block.
struct OperatorRow {
    std::string symbol;
    std::string normal;  // declaration, kind Normal
    std::string pure;    // declaration, kind PureVirtual
    std::string head;    // definition head, kinds Normal and Virtual
    Lines body;
};

const Lines kMember{"{", "return *this;", "}"};
const Lines kCompare{"{", "// return Ta.data < Tb.data;", "}"};

OperatorRow comparison(const std::string& p) {
    return {p, "friend bool operator" + p + " (Pt& Ta, Pt& Tb);",
            "virtual friend bool operator" + p + " (Pt& Ta, Pt& Tb);",
            "bool operator" + p + " (Pt& Ta, Pt& Tb)", kCompare};
}

OperatorRow member(const std::string& p) {
    return {p, "Pt& operator" + p + " (const Pt& T);",
            "virtual Pt& operator" + p + " (const Pt& T ) = 0;",
            "Pt& Pt::operator" + p + " (const Pt& T)", kMember};
}

const std::vector<OperatorRow> kOperatorRows{
    {"<<",
     "friend ostream& operator<< (ostream& o, Pt& T);",
     "virtual friend ostream& operator<< (ostream& o, Pt& T);",
     "ostream& operator<< (ostream& o, Pt& T)",
     {"{", "// o << T.data;", "return o;", "}"}},
    {">>",
     "friend istream& operator>> (istream& i, Pt& T);",
     "virtual friend istream& operator>> (istream& i, Pt& T);",
     "istream& operator>> (istream& i, Pt& T)",
     {"{", "// i >> T.data;", "return i;", "}"}},
    comparison("!="),
    comparison("<"),
    comparison("<="),
    comparison("=="),
    comparison(">"),
    comparison(">="),
    member("-"),
    member("--"),
    member("*"),
    member("+"),
    member("++"),
    member("="),
    member("[]"),
    // Not in the dialog's list: compared whole, so these are member operators.
    member(" <<"),
    member(""),
    member("<<=")};

void PrintTo(const OperatorRow& row, std::ostream* os) { *os << '"' << row.symbol << '"'; }

class Operator : public ::testing::TestWithParam<std::tuple<OperatorRow, OperatorKind>> {};

TEST_P(Operator, DeclarationBlockAndEntry) {
    const auto& [row, kind] = GetParam();
    Document doc("Pt", {"public:", "private:"});
    auto cls = doc.text();
    addOperator(cls, {kind, row.symbol});
    const std::string declaration = kind == N   ? row.normal
                                    : kind == V ? "virtual " + row.normal
                                                : row.pure;
    EXPECT_EQ(doc.header.lines(), (Lines{"public:", declaration, "private:"}));
    if (kind == PV) {
        EXPECT_THAT(doc.appended(), IsEmpty());
        const bool memberFamily = row.body == kMember;
        EXPECT_EQ(doc.functions, memberFamily ? Lines{row.pure} : Lines{});
    } else {
        EXPECT_EQ(doc.appended(), block("// Operator", row.head, row.body));
        EXPECT_EQ(doc.functions, Lines{row.head});
    }
}

INSTANTIATE_TEST_SUITE_P(EverySymbolInEveryKind, Operator,
                         ::testing::Combine(::testing::ValuesIn(kOperatorRows),
                                            ::testing::Values(N, V, PV)));

TEST(Operator, LaterDeclarationsGoAboveEarlierOnesAndBlocksFollowInOrder) {
    Document doc("Pt", {"Pt", "{"});
    auto cls = doc.text();
    addOperator(cls, {N, "<<"});
    addOperator(cls, {N, ">>"});
    EXPECT_EQ(doc.header.lines(),
              (Lines{"Pt", "public:", "friend istream& operator>> (istream& i, Pt& T);",
                     "friend ostream& operator<< (ostream& o, Pt& T);", "{"}));
    EXPECT_EQ(doc.source.line(6), "ostream& operator<< (ostream& o, Pt& T)");
    EXPECT_EQ(doc.source.line(17), "istream& operator>> (istream& i, Pt& T)");
}

// ---- Copy constructor ---------------------------------------------------------------------

TEST(CopyConstructor, TwiceGivesTwoDeclarationsBlocksAndEntries) {
    Document doc("Point", {"class Point", "{", "};"});
    auto cls = doc.text();
    addCopyConstructor(cls);
    addCopyConstructor(cls);
    EXPECT_EQ(doc.header.lines(), (Lines{"public:", "Point(const Point& T);",
                                         "Point(const Point& T);", "class Point", "{", "};"}));
    const Lines once =
        block("// Copy Constructor", "Point::Point(const Point& T)", {"{", ";", "}"});
    Lines twice = once;
    twice.insert(twice.end(), once.begin(), once.end());
    EXPECT_EQ(doc.appended(), twice);
    EXPECT_THAT(doc.functions,
                ElementsAre("Point::Point(const Point& T)", "Point::Point(const Point& T)"));
}

}  // namespace
}  // namespace tav
