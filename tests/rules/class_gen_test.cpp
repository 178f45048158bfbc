// The class-aware commands on pairs written by hand: what each writes in both profiles, and that
// every modern result compiles.
#include "classgen/class_gen.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>

namespace tav {
namespace {

using Lines = std::vector<std::string>;

const Lines kBaseHeader = {
    "#pragma once",
    "namespace geo {",
    "class Figure",
    "{",
    "public:",
    "    virtual ~Figure() = default;",
    "    virtual double area() const = 0;",
    "    virtual void scale(double by, bool keep = false);",
    "    virtual void final_one() final;",
    "};",
    "} // namespace geo",
};

const Lines kHeader = {
    "#pragma once",
    "#include <string>",
    "#include \"Figure.h\"",
    "",
    "namespace geo {",
    "",
    "class Shape : public Figure",
    "{",
    "public:",
    "    enum class Kind { Round, Square };",
    "    explicit Shape(int sides = 3);",
    "    ~Shape() override;",
    "    [[nodiscard]] static Shape* create(Kind kind) noexcept;",
    "    double area() const override;",
    "    Kind kind() const { return kind_; }",
    "    Shape& operator+=(const Shape& rhs);",
    "    bool operator==(const Shape&) const = default;",
    "    Shape(const Shape&) = delete;",
    "    friend bool operator<(const Shape& a, const Shape& b);",
    "",
    "private:",
    "    std::string m_name;",
    "    int sides_;",
    "    Kind kind_ = Kind::Round;",
    "};",
    "",
    "} // namespace geo",
};

const Lines kSource = {
    "#include \"Shape.h\"",
    "",
    "namespace geo {",
    "",
    "Shape::~Shape()",
    "{",
    "}",
    "",
    "void Shape::forgotten(int x)",
    "{",
    "}",
    "",
    "} // namespace geo",
};

struct Pair {
    explicit Pair(StyleProfile profile) : header(kHeader), source(kSource) {
        style.profile = profile;
        style.nameSpace = "geo";
    }
    ClassText text() { return {header, source, functions, data, name, style}; }
    ClassStyle style;
    VectorLineList header;
    VectorLineList source;
    Lines functions;
    Lines data;
    std::string name = "Shape";
};

// The pair's lines from the first line equal to from on.
Lines linesFrom(const VectorLineList& list, const std::string& from) {
    const Lines& all = list.lines();
    const auto at = std::find(all.begin(), all.end(), from);
    return Lines(at, all.end());
}

TEST(AddMissingDefinitions, DefinesWhatTheSourceLacksInHeaderOrderInsideTheNamespace) {
    Pair pair(StyleProfile::Modern);
    ClassText text = pair.text();
    const GenerationResult result = addMissingDefinitions(text);
    ASSERT_FALSE(result.error) << *result.error;
    EXPECT_EQ(result.added, 5);
    EXPECT_EQ(result.unmatched, Lines{"void Shape::forgotten(int x)"});
    EXPECT_EQ(linesFrom(pair.source, "Shape::Shape(int sides)"),
              (Lines{"Shape::Shape(int sides)",
                     "{",
                     "}",
                     "",
                     "Shape* Shape::create(Kind kind) noexcept",
                     "{",
                     "}",
                     "",
                     "double Shape::area() const",
                     "{",
                     "}",
                     "",
                     "Shape& Shape::operator+=(const Shape& rhs)",
                     "{",
                     "    return *this;",
                     "}",
                     "",
                     "bool operator<(const Shape& a, const Shape& b)",
                     "{",
                     "}",
                     "",
                     "} // namespace geo"}));
    EXPECT_EQ(pair.functions.size(), 5u);
    // A second run finds nothing missing.
    EXPECT_EQ(addMissingDefinitions(text).added, 0);
}

TEST(AddMissingDefinitions, ClassicProfileFramesEachDefinition) {
    Pair pair(StyleProfile::Classic);
    ClassText text = pair.text();
    addMissingDefinitions(text);
    EXPECT_THAT(pair.source.lines(),
                ::testing::IsSupersetOf({"// Constructor", "Shape::Shape(int sides)", ";"}));
    EXPECT_EQ(pair.source.lines().back(), "} // namespace geo");
}

TEST(ClassGeneration, AccessorsAndConstructorInEachProfile) {
    const cpp::Class shape =
        *cpp::parseHeader(joinedLines(VectorLineList(kHeader))).model.findClass("Shape");
    const std::vector<cpp::Member> data = dataMembers(shape);
    ASSERT_EQ(data.size(), 3u);
    EXPECT_EQ(accessorName("m_name"), "name");
    EXPECT_EQ(accessorName("sides_"), "sides");

    Pair modern(StyleProfile::Modern);
    ClassText m = modern.text();
    generateAccessors(m, {{data[0], true, true}, {data[1], true, false}});
    EXPECT_EQ(Lines(modern.header.lines().begin() + 19, modern.header.lines().begin() + 22),
              (Lines{"    [[nodiscard]] const std::string& name() const;",
                     "    void setName(const std::string& value);", "    int sides() const;"}));
    EXPECT_THAT(modern.source.lines(),
                ::testing::IsSupersetOf({"const std::string& Shape::name() const",
                                         "    return m_name;", "    m_name = value;"}));

    Pair classic(StyleProfile::Classic);
    ClassText c = classic.text();
    generateAccessors(c, {{data[2], true, true}});
    constructorFromMembers(c, {data[0], data[1]});
    EXPECT_THAT(classic.header.lines(),
                ::testing::IsSupersetOf({"    Kind GetKind();", "    void SetKind(Kind value);",
                                         "    Shape(std::string name, int sides);"}));
    EXPECT_THAT(classic.source.lines(),
                ::testing::IsSupersetOf({"Shape::Kind Shape::GetKind()",
                                         "Shape::Shape(std::string name, int sides)",
                                         ": m_name(name), sides_(sides)"}));
}

TEST(ClassGeneration, BaseFunctionsPureFirstAndDeclaredOnce) {
    const cpp::ParseResult base = cpp::parseHeader(joinedLines(VectorLineList(kBaseHeader)));
    const cpp::Class* figure = base.model.findClass("Figure");
    ASSERT_NE(figure, nullptr);
    const cpp::ParseResult own = cpp::parseHeader(joinedLines(VectorLineList(kHeader)));
    Lines names;
    for (const cpp::Member& m : overridableFunctions(*figure, nullptr)) names.push_back(m.name);
    EXPECT_EQ(names, (Lines{"area", "scale"}));
    const auto left = overridableFunctions(*figure, own.model.findClass("Shape"));
    ASSERT_EQ(left.size(), 1u);

    Pair classic(StyleProfile::Classic);
    ClassText c = classic.text();
    implementBaseFunctions(c, left);
    EXPECT_THAT(classic.header.lines(),
                ::testing::Contains("    virtual void scale(double by, bool keep);"));
    EXPECT_THAT(classic.source.lines(),
                ::testing::Contains("void Shape::scale(double by, bool keep)"));
}

// Every command of the modern profile, alone and together, leaves a pair that compiles.
TEST(ClassGeneration, EveryModernResultCompiles) {
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("tavrin-classgen-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    {
        std::ofstream out(dir / "Figure.h");
        for (const std::string& line : kBaseHeader) out << line << '\n';
    }
    const cpp::ParseResult base = cpp::parseHeader(joinedLines(VectorLineList(kBaseHeader)));
    using Command = std::function<void(ClassText&)>;
    const std::vector<std::pair<const char*, Command>> commands = {
        {"definitions", [](ClassText& t) { addMissingDefinitions(t); }},
        {"base",
         [&](ClassText& t) {
             const auto own = cpp::parseHeader(joinedLines(t.header));
             implementBaseFunctions(t, overridableFunctions(*base.model.findClass("Figure"),
                                                            own.model.findClass("Shape")));
         }},
        {"accessors",
         [](ClassText& t) {
             const auto own = cpp::parseHeader(joinedLines(t.header));
             std::vector<AccessorChoice> all;
             for (const cpp::Member& m : dataMembers(*own.model.findClass("Shape")))
                 all.push_back({m, true, true});
             generateAccessors(t, all);
         }},
        {"constructor",
         [](ClassText& t) {
             const auto own = cpp::parseHeader(joinedLines(t.header));
             const auto data = dataMembers(*own.model.findClass("Shape"));
             constructorFromMembers(t, {data[0]});
             constructorFromMembers(t, data);
         }},
    };
    Pair all(StyleProfile::Modern);
    // The pair as written lacks definitions and has one too many: start from a complete one.
    all.source = VectorLineList(
        Lines{"#include \"Shape.h\"", "", "namespace geo {", "", "} // namespace geo"});
    for (const auto& [name, command] : commands) {
        ClassText text = all.text();
        command(text);
        ClassText rest = all.text();
        addMissingDefinitions(rest);  // the pair's own declarations, defined
        for (auto [lines, ext] : {std::pair{&all.header, ".h"}, std::pair{&all.source, ".cpp"}}) {
            std::ofstream out(dir / (std::string("Shape") + ext));
            for (const std::string& line : lines->lines()) out << line << '\n';
        }
        const std::string command_line =
            "g++ -std=c++20 -fsyntax-only -I" + dir.string() + " " + (dir / "Shape.cpp").string();
        EXPECT_EQ(std::system(command_line.c_str()), 0)
            << name << "\n"
            << ::testing::PrintToString(all.header.lines());
    }
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace tav
