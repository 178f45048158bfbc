// The C++ reader over real-looking headers: what it reports of each class's members, bases and
// lines, the definitions of a source, and a text that is no C++.
#include "cppmodel/cpp_model.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tav::cpp {
namespace {

using Lines = std::vector<std::string>;

// One member on one line: kind, access, type, name, parameters as written, qualifiers, flags.
std::string describe(const Member& m) {
    static const char* const kKinds[] = {"ctor",     "dtor",       "method",
                                         "operator", "conversion", "data"};
    static const char* const kAccess[] = {"public", "protected", "private"};
    std::string text = std::string(kKinds[int(m.kind)]) + " " + kAccess[int(m.access)] + " ";
    if (!m.type.empty()) text += m.type + " | ";
    text += m.name;
    if (m.isFunction()) {
        text += "(";
        for (std::size_t i = 0; i < m.parameters.size(); ++i)
            text += (i ? ", " : "") + m.parameters[i].text;
        text += ")";
    }
    text += m.declaratorSuffix;
    if (!m.qualifiers.empty()) text += " " + m.qualifiers;
    const std::pair<bool, const char*> flags[] = {
        {m.isStatic, "static"},     {m.isVirtualWritten, "virtual"}, {m.isPure, "pure"},
        {m.isOverride, "override"}, {m.isExplicit, "explicit"},      {m.isDefaulted, "defaulted"},
        {m.isDeleted, "deleted"},   {m.isDefinedInClass, "inline"},  {m.isFriend, "friend"}};
    for (const auto& [on, name] : flags) {
        if (on) text += std::string(" #") + name;
    }
    return text;
}

Lines describeClass(const Class& cls) {
    Lines lines;
    for (const Member& m : cls.members) lines.push_back(describe(m));
    return lines;
}

struct Case {
    const char* what;
    const char* header;
    const char* className;
    Lines members;
};

const Case kCases[] = {
    {"Qt macros, unknown types, default arguments, attributes",
     R"(#pragma once
#include <QWidget>
#include <string>
namespace app {
class Widget : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int width READ width WRITE setWidth NOTIFY widthChanged)
public:
    explicit Widget(QWidget* parent = nullptr);
    ~Widget() override;
    [[nodiscard]] QString title() const;
    Q_INVOKABLE void setTitle(const QString& title, bool notify = true);
signals:
    void widthChanged(int width);
public slots:
    void refresh();
private:
    std::map<std::string, QList<int>> m_counts;
    QString m_title;
};
}
)",
     "Widget",
     {"ctor public Widget(QWidget* parent = nullptr) #explicit", "dtor public ~Widget() #override",
      "method public QString | title() const",
      "method public void | setTitle(const QString& title, bool notify = true)",
      "method public void | widthChanged(int width)", "method public void | refresh()",
      "data private std::map<std::string, QList<int>> | m_counts",
      "data private QString | m_title"}},
    {"specifiers, operators, conversions and what a function is declared as",
     R"(class MYLIB_EXPORT Shape
{
    DECLARE_DYNAMIC(Shape)
public:
    Shape() = default;
    Shape(const Shape&) = delete;
    virtual ~Shape();
    [[nodiscard]] static Shape* create(int kind = 0) noexcept;
    virtual double area() const = 0;
    Shape& operator+=(const Shape& rhs);
    bool operator==(const Shape&) const = default;
    explicit operator bool() const;
    auto size() const -> long;
    int count() const & { return 1; }
    friend bool operator<(const Shape& a, const Shape& b);
protected:
    int values_[4];
    unsigned flags_ : 3;
    static constexpr int kMax = 10;
    int a, *b;
};
)",
     "Shape",
     {"ctor public Shape() #defaulted", "ctor public Shape(const Shape&) #deleted",
      "dtor public ~Shape() #virtual",
      "method public Shape* | create(int kind = 0) noexcept #static",
      "method public double | area() const #virtual #pure",
      "operator public Shape& | operator+=(const Shape& rhs)",
      "operator public bool | operator==(const Shape&) const #defaulted",
      "conversion public operator bool() const #explicit",
      "method public auto | size() const -> long", "method public int | count() const & #inline",
      "operator public bool | operator<(const Shape& a, const Shape& b) #friend",
      "data protected int | values_[4]", "data protected unsigned | flags_: 3",
      "data protected constexpr int | kMax #static", "data protected int | a",
      "data protected int* | b"}},
    {"templates and nested classes",
     R"(namespace geo::detail {
template <typename T>
struct Box : std::enable_shared_from_this<Box<T>> {
    struct Slot { int index; };
    template <typename U> void put(U value);
    T value_{};
};
}
)",
     "Box",
     {"method public void | put(U value)", "data public T | value_"}},
};

TEST(CppModel, ReadsEachMemberAsWritten) {
    for (const Case& c : kCases) {
        const ParseResult result = parseHeader(c.header);
        ASSERT_TRUE(result.ok()) << c.what << ": " << *result.error;
        const Class* cls = result.model.findClass(c.className);
        ASSERT_NE(cls, nullptr) << c.what;
        EXPECT_EQ(describeClass(*cls), c.members) << c.what;
    }
}

TEST(CppModel, ReadsNamespacesBasesNestingAndLines) {
    const ParseResult widget = parseHeader(kCases[0].header);
    const Class& w = widget.model.classes.at(0);
    EXPECT_EQ(w.nameSpace, "app");
    ASSERT_EQ(w.bases.size(), 1u);
    EXPECT_EQ(w.bases[0].name, "QWidget");
    EXPECT_EQ(w.bases[0].access, Access::Public);
    EXPECT_EQ(std::make_pair(w.beginLine, w.endLine), std::make_pair(5, 21));
    EXPECT_EQ(w.members.at(0).beginLine, 10);
    EXPECT_EQ(widget.model.includes, (Lines{"#include <QWidget>", "#include <string>"}));

    const ParseResult box = parseHeader(kCases[2].header);
    const Class& b = box.model.classes.at(0);
    EXPECT_EQ(b.nameSpace, "geo::detail");
    EXPECT_EQ(b.templateHead, "template <typename T>");
    EXPECT_TRUE(b.isStruct);
    ASSERT_EQ(b.bases.size(), 1u);
    EXPECT_EQ(b.bases[0].name, "std::enable_shared_from_this<Box<T>>");
    ASSERT_EQ(b.nested.size(), 1u);
    EXPECT_EQ(b.nested[0].qualifiedName, "Box::Slot");
    EXPECT_EQ(b.members.at(0).templateHead, "template <typename U>");
    EXPECT_THAT(b.memberTypes, ::testing::Contains("Slot"));
}

TEST(CppModel, TiesSourceDefinitionsToDeclarations) {
    const ParseResult pair = parsePair(kCases[1].header, R"(#include "Shape.h"
Shape::~Shape() {}
Shape* Shape::create(int kind) noexcept
{
    return nullptr;
}
void Shape::removed(int x) {}
bool operator<(const Shape& a, const Shape& b) { return false; }
static int helper() { return 1; }
)");
    ASSERT_TRUE(pair.ok());
    Lines found;
    for (const Definition& d : pair.model.definitions) {
        found.push_back(d.head + (d.matchesDeclaration ? "" : " #unmatched") + " " +
                        std::to_string(d.beginLine) + "-" + std::to_string(d.endLine));
    }
    EXPECT_EQ(found, (Lines{"Shape::~Shape() 2-2", "Shape* Shape::create(int kind) noexcept 3-6",
                            "void Shape::removed(int x) #unmatched 7-7",
                            "bool operator<(const Shape& a, const Shape& b) 8-8"}));
}

TEST(CppModel, TextThatIsNoCppIsAnError) {
    const ParseResult result = parseHeader("this is { not C++ at all\n");
    ASSERT_FALSE(result.ok());
    EXPECT_THAT(*result.error,
                ::testing::StartsWith("The header could not be read as C++ (header line 1: "));
    EXPECT_TRUE(parseHeader("").ok());
}

}  // namespace
}  // namespace tav::cpp
