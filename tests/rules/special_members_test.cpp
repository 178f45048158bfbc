// Special members: each choice in both profiles, the presets, the guard against a second
// declaration, and modern classes of every preset compiling (and refusing what they forbid).
#include "members/special_members.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "members/definition_block.h"

namespace tav {
namespace {

using Lines = std::vector<std::string>;
using M = SpecialMember;
using C = SpecialChoice;

struct Bare {
    explicit Bare(bool modern) {
        if (modern) style.profile = StyleProfile::Modern;
    }
    ClassText text() { return {header, source, functions, data, name, style}; }
    ClassStyle style;
    VectorLineList header{Lines{"class Shape", "{", "public:", "};"}};
    VectorLineList source;
    Lines functions;
    Lines data;
    std::string name = "Shape";
};

TEST(SpecialMembers, EachChoiceInEachProfile) {
    struct Case {
        bool modern;
        M member;
        C choice;
        const char* declaration;
        Lines definition;  // the source's lines after the header's include, if any
    };
    const Case cases[] = {
        {true,
         M::DefaultConstructor,
         C::DeclaredAndDefined,
         "    Shape();",
         {"", "Shape::Shape()", "{", "}"}},
        {true,
         M::CopyConstructor,
         C::DeclaredAndDefined,
         "    Shape(const Shape& other);",
         {"", "Shape::Shape(const Shape& other)", "{", "}"}},
        {true,
         M::CopyAssignment,
         C::DeclaredAndDefined,
         "    Shape& operator=(const Shape& other);",
         {"", "Shape& Shape::operator=(const Shape& other)", "{", "    return *this;", "}"}},
        {true,
         M::MoveConstructor,
         C::DeclaredAndDefined,
         "    Shape(Shape&& other) noexcept;",
         {"", "Shape::Shape(Shape&& other) noexcept", "{", "}"}},
        {true,
         M::MoveAssignment,
         C::DeclaredAndDefined,
         "    Shape& operator=(Shape&& other) noexcept;",
         {"", "Shape& Shape::operator=(Shape&& other) noexcept", "{", "    return *this;", "}"}},
        {true,
         M::Destructor,
         C::DeclaredAndDefined,
         "    ~Shape();",
         {"", "Shape::~Shape()", "{", "}"}},
        {true, M::MoveConstructor, C::Defaulted, "    Shape(Shape&&) noexcept = default;", {}},
        {true, M::MoveAssignment, C::Deleted, "    Shape& operator=(Shape&&) = delete;", {}},
        {true, M::DefaultConstructor, C::Deleted, "    Shape() = delete;", {}},
        {false,
         M::CopyAssignment,
         C::DeclaredAndDefined,
         "Shape& operator= (const Shape& T);",
         {"", kSeparatorLine, "// Copy Assignment", "//", kSeparatorLine,
          "Shape& Shape::operator= (const Shape& T)", "{", "return *this;", "}", kSeparatorLine}},
        {false,
         M::MoveConstructor,
         C::DeclaredAndDefined,
         "Shape(Shape&& T) noexcept;",
         {"", kSeparatorLine, "// Move Constructor", "//", kSeparatorLine,
          "Shape::Shape(Shape&& T) noexcept", "{", ";", "}", kSeparatorLine}},
        {false, M::CopyConstructor, C::Deleted, "Shape(const Shape&) = delete;", {}},
        {false, M::Destructor, C::Defaulted, "~Shape() = default;", {}},
    };
    for (const Case& c : cases) {
        Bare shape(c.modern);
        ClassText cls = shape.text();
        SpecialMembersInput input;
        input[c.member] = c.choice;
        EXPECT_TRUE(addSpecialMembers(cls, input).empty());
        const std::string what = std::string(specialMemberName(c.member)) + " " +
                                 std::to_string(int(c.choice)) + (c.modern ? " modern" : "");
        EXPECT_EQ(shape.header.lines(), (Lines{"class Shape", "{", "public:", c.declaration, "};"}))
            << what;
        EXPECT_EQ(shape.source.lines(), c.definition) << what;
        EXPECT_EQ(shape.functions.size(), c.definition.empty() ? 0u : 1u) << what;
    }
}

TEST(SpecialMembers, PresetsSetTheCopiesAndMovesAsOneBlockInOrder) {
    Bare shape(true);
    ClassText cls = shape.text();
    SpecialMembersInput input;
    input[M::Destructor] = C::Defaulted;
    input.virtualDestructor = true;
    applyPreset(input, SpecialPreset::MoveOnly);
    addSpecialMembers(cls, input);
    EXPECT_EQ(shape.header.lines(),
              (Lines{"class Shape", "{", "public:", "    Shape(const Shape&) = delete;",
                     "    Shape& operator=(const Shape&) = delete;",
                     "    Shape(Shape&&) noexcept = default;",
                     "    Shape& operator=(Shape&&) noexcept = default;",
                     "    virtual ~Shape() = default;", "};"}));
    EXPECT_EQ(input[M::Destructor], C::Defaulted);  // presets keep the other rows
    for (const auto& [preset, copies, moves] :
         {std::tuple{SpecialPreset::RuleOfZero, C::NotDeclared, C::NotDeclared},
          std::tuple{SpecialPreset::CopyableAndMovable, C::Defaulted, C::Defaulted},
          std::tuple{SpecialPreset::NotCopyableOrMovable, C::Deleted, C::Deleted}}) {
        applyPreset(input, preset);
        EXPECT_EQ(input.choices,
                  (std::array{C::NotDeclared, copies, copies, moves, moves, C::Defaulted}));
    }
}

TEST(SpecialMembers, AMemberTheHeaderDeclaresIsNotWrittenAgain) {
    const std::pair<const char*, std::vector<M>> lines[] = {
        {"    Shape();", {M::DefaultConstructor}},
        {"explicit Shape ( void ) ;", {M::DefaultConstructor}},
        {"Shape(const Shape& T);", {M::CopyConstructor}},
        {"  Shape ( Shape const & ) = delete; // no copies", {M::CopyConstructor}},
        {"Shape& operator = (const Shape&);", {M::CopyAssignment}},
        {"Shape(Shape&& other) noexcept;", {M::MoveConstructor}},
        {"Shape& operator=(Shape &&) noexcept = default;", {M::MoveAssignment}},
        {"virtual ~Shape();", {M::Destructor}},
        {"Shape(int size);", {}},
        {"void makeShape(); BigShape(); // Shape()", {}},
        {"Shape& operator+=(const Shape& rhs);", {}},
    };
    for (const auto& [line, declared] : lines) {
        const VectorLineList header(Lines{"class Shape", "{", line, "};"});
        std::vector<M> found;
        for (int m = 0; m < int(kSpecialMemberCount); ++m)
            if (declaresSpecialMember(header, "Shape", M(m))) found.push_back(M(m));
        EXPECT_EQ(found, declared) << line;
    }
    Bare shape(true);
    ClassText cls = shape.text();
    SpecialMembersInput all;
    all.choices.fill(C::DeclaredAndDefined);
    EXPECT_TRUE(addSpecialMembers(cls, all).empty());
    const std::size_t lines0 = shape.header.count();
    EXPECT_EQ(addSpecialMembers(cls, all).size(), kSpecialMemberCount);
    EXPECT_EQ(shape.header.count(), lines0);
}

// A modern class of each preset compiles, and so does a use of what it allows; copying a class
// that forbids it does not.
TEST(SpecialMembers, ModernPresetsCompileAndForbidWhatTheySay) {
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("tavrin-special-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const auto compiles = [&](const Lines& header, const Lines& source, const std::string& use) {
        std::ofstream out(dir / "Shape.cpp");
        for (const std::string& line : header) out << line << '\n';
        for (const std::string& line : source) out << line << '\n';
        out << "void use() { " << use << " }\n";
        out.close();
        const std::string command =
            "g++ -std=c++20 -fsyntax-only " + (dir / "Shape.cpp").string() + " 2>/dev/null";
        return std::system(command.c_str()) == 0;
    };
    const std::string copy = "Shape a; Shape b(a); b = a;";
    const std::string move = "Shape a; Shape b(static_cast<Shape&&>(a)); b = Shape();";
    struct Case {
        SpecialPreset preset;
        bool copies, moves;
    };
    for (const Case& c : {Case{SpecialPreset::RuleOfZero, true, true},
                          Case{SpecialPreset::CopyableAndMovable, true, true},
                          Case{SpecialPreset::MoveOnly, false, true},
                          Case{SpecialPreset::NotCopyableOrMovable, false, false}}) {
        for (const C own : {C::DeclaredAndDefined, C::Defaulted}) {
            Bare shape(true);
            ClassText cls = shape.text();
            SpecialMembersInput input;
            input[M::DefaultConstructor] = input[M::Destructor] = own;
            input.virtualDestructor = own == C::Defaulted;
            applyPreset(input, c.preset);
            addSpecialMembers(cls, input);
            if (c.preset == SpecialPreset::CopyableAndMovable) {
                // Every one declared and defined compiles too.
                SpecialMembersInput all;
                all.choices.fill(C::DeclaredAndDefined);
                Bare defined(true);
                ClassText other = defined.text();
                addSpecialMembers(other, all);
                EXPECT_TRUE(compiles(defined.header.lines(), defined.source.lines(),
                                     "{" + copy + "} {" + move + "}"));
            }
            const Lines& h = shape.header.lines();
            const Lines& s = shape.source.lines();
            EXPECT_TRUE(compiles(h, s, "")) << int(c.preset);
            EXPECT_EQ(compiles(h, s, copy), c.copies) << int(c.preset);
            EXPECT_EQ(compiles(h, s, move), c.moves) << int(c.preset);
        }
    }
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace tav
