// The modern profile: the skeleton exactly, each insertion, and everything it writes compiling.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "compile_check.h"
#include "members/members.h"
#include "members/modern.h"
#include "members/skeleton.h"
#include "style/editorconfig.h"

namespace tav {
namespace {

using Lines = std::vector<std::string>;

ClassStyle modern(std::string nameSpace, HeaderGuard guard, std::string author,
                  std::string license) {
    ClassStyle style;
    style.profile = StyleProfile::Modern;
    style.nameSpace = std::move(nameSpace);
    style.guard = guard;
    style.author = std::move(author);
    style.license = std::move(license);
    return style;
}

struct Class {
    explicit Class(ClassStyle s, ClassKind kind = ClassKind::Normal) : style(std::move(s)) {
        ClassText cls = text();
        generateClass(cls, kind);
    }
    ClassText text() { return {header, source, functions, data, name, style}; }
    ClassStyle style;
    VectorLineList header;
    VectorLineList source;
    Lines functions;
    Lines data;
    std::string name = "Shape";
};

TEST(ModernSkeleton, WritesTheClassExactly) {
    const Class shape(modern("geo", HeaderGuard::PragmaOnce, "Jane Doe", "MIT"));
    EXPECT_EQ(shape.header.lines(),
              (Lines{"// SPDX-FileCopyrightText: 2026 Jane Doe", "// SPDX-License-Identifier: MIT",
                     "", "#pragma once", "", "namespace geo {", "", "class Shape", "{",
                     "public:", "    Shape();", "    ~Shape();", "", "protected:", "",
                     "private:", "};", "", "} // namespace geo"}));
    EXPECT_EQ(shape.source.lines(),
              (Lines{"// SPDX-FileCopyrightText: 2026 Jane Doe", "// SPDX-License-Identifier: MIT",
                     "", "#include \"Shape.h\"", "", "namespace geo {", "", "Shape::Shape()", "{",
                     "}", "", "Shape::~Shape()", "{", "}", "", "} // namespace geo"}));
    EXPECT_EQ(shape.functions, (Lines{"Shape::Shape()", "Shape::~Shape()"}));
}

TEST(ModernSkeleton, LeavesOutWhatIsNotConfigured) {
    const Class bare(modern("", HeaderGuard::IncludeGuard, "", ""));
    EXPECT_EQ(bare.header.lines(),
              (Lines{"#ifndef SHAPE_H", "#define SHAPE_H", "", "class Shape", "{",
                     "public:", "    Shape();", "    ~Shape();", "", "protected:", "",
                     "private:", "};", "", "#endif // SHAPE_H"}));
    EXPECT_EQ(bare.source.lines(), (Lines{"#include \"Shape.h\"", "", "Shape::Shape()", "{", "}",
                                          "", "Shape::~Shape()", "{", "}"}));
    ClassStyle nested = modern("a::b", HeaderGuard::IncludeGuard, "", "MIT");
    nested.headerExtension = ".hpp";
    EXPECT_EQ(includeGuardName(nested, "Shape"), "A_B_SHAPE_HPP");
    const Class base(nested, ClassKind::VirtualBase);
    EXPECT_THAT(base.header.lines(), ::testing::Contains("    virtual ~Shape() = default;"));
    EXPECT_TRUE(base.functions.empty());
}

TEST(ModernMembers, DeclareIndentedAndDefineAboveTheNamespaceEnd) {
    Class shape(modern("geo", HeaderGuard::PragmaOnce, "", ""));
    ClassText cls = shape.text();
    addMemberFunction(cls, {Access::Public, false, true, "double", "area", "()"});
    addMemberFunction(cls, {Access::Private, false, false, "void", "grow", "(int by)"});
    addDataMember(cls, {Access::Private, "int", "width"});
    addOperator(cls, {OperatorKind::Normal, "<<"});
    const Lines& h = shape.header.lines();
    EXPECT_THAT(h, ::testing::Contains("    virtual double area() = 0;"));
    EXPECT_THAT(h, ::testing::Contains("#include <iosfwd>"));
    const Lines& s = shape.source.lines();
    EXPECT_EQ(Lines(s.end() - 10, s.end()),
              (Lines{"void Shape::grow(int by)", "{", "}", "",
                     "std::ostream& operator<<(std::ostream& out, const Shape& value)", "{",
                     "    return out;", "}", "", "} // namespace geo"}));
    EXPECT_EQ(shape.functions.back(),
              "std::ostream& operator<<(std::ostream& out, const Shape& value)");
}

// Every form the modern profile writes, in every skeleton, passes the compiler.
TEST(ModernMembers, EverythingWrittenCompiles) {
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("tavrin-modern-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    int n = 0;
    for (const char* ns : {"", "geo", "a::b"}) {
        for (HeaderGuard guard : {HeaderGuard::PragmaOnce, HeaderGuard::IncludeGuard}) {
            for (ClassKind kind : {ClassKind::Normal, ClassKind::VirtualBase}) {
                Class shape(modern(ns, guard, "Jane Doe", "MIT"), kind);
                shape.name = "Shape" + std::to_string(++n);
                ClassText cls = shape.text();
                generateClass(cls, kind);
                for (OperatorKind k :
                     {OperatorKind::Normal, OperatorKind::Virtual, OperatorKind::PureVirtual}) {
                    addMemberFunction(cls, {Access::Public, k == OperatorKind::Virtual,
                                            k == OperatorKind::PureVirtual, "double",
                                            "area" + std::to_string(int(k)), "(int a)"});
                    addOperator(cls, {k, k == OperatorKind::Normal    ? "+="
                                         : k == OperatorKind::Virtual ? "-="
                                                                      : "*="});
                }
                for (const char* op : {"<<", ">>", "==", "<", "!="})
                    addOperator(cls, {OperatorKind::Normal, op});
                addDataMember(cls, {Access::Protected, "int", "width"});
                addCopyConstructor(cls);
                for (auto [lines, ext] :
                     {std::pair{&shape.header, ".h"}, std::pair{&shape.source, ".cpp"}}) {
                    std::ofstream out(dir / (shape.name + ext));
                    for (const std::string& line : lines->lines()) out << line << '\n';
                }
                const std::string command = "g++ -std=c++20 -fsyntax-only -I" + dir.string() + " " +
                                            (dir / (shape.name + ".cpp")).string();
                EXPECT_EQ(std::system(command.c_str()), 0) << command;
            }
        }
    }
    std::filesystem::remove_all(dir);
}

FunctionInput qualified(std::string type, std::string name, const char* flags) {
    FunctionInput f{Access::Public, false, false, std::move(type), std::move(name), "()"};
    const std::string set = flags;
    f.isVirtual = set.find('v') != std::string::npos;
    f.isPureVirtual = set.find('p') != std::string::npos;
    f.isConst = set.find('c') != std::string::npos;
    f.isNoexcept = set.find('n') != std::string::npos;
    f.isStatic = set.find('s') != std::string::npos;
    f.isOverride = set.find('o') != std::string::npos;
    f.isNodiscard = set.find('d') != std::string::npos;
    return f;
}

// const and noexcept shape both texts; static, override and [[nodiscard]] the declaration only.
TEST(ModernMembers, QualifiersShapeTheDeclarationAndTheDefinition) {
    struct Case {
        const char* flags;
        const char* declaration;
        const char* definition;  // "" when none
    };
    const Case cases[] = {
        {"", "    double area();", "double Shape::area()"},
        {"dcn", "    [[nodiscard]] double area() const noexcept;",
         "double Shape::area() const noexcept"},
        {"sn", "    static double area() noexcept;", "double Shape::area() noexcept"},
        {"ds", "    [[nodiscard]] static double area();", "double Shape::area()"},
        {"vco", "    virtual double area() const override;", "double Shape::area() const"},
        {"pcn", "    virtual double area() const noexcept = 0;", ""},
        {"pdo", "    [[nodiscard]] virtual double area() override = 0;", ""},
    };
    for (const Case& c : cases) {
        Class shape(modern("geo", HeaderGuard::PragmaOnce, "", ""));
        ClassText cls = shape.text();
        addMemberFunction(cls, qualified("double", "area", c.flags));
        EXPECT_EQ(shape.header.lines()[7], c.declaration) << c.flags;
        const std::string last = shape.functions.back();
        EXPECT_EQ(last == "Shape::~Shape()" ? "" : last, c.definition) << c.flags;
    }
    // The classic profile has no qualifiers: a value that carries some writes the classic text.
    VectorLineList header{Lines{"class Shape", "{", "public:", "};"}};
    VectorLineList source;
    Lines functions, data;
    const std::string name = "Shape";
    ClassText classic{header, source, functions, data, name};
    addMemberFunction(classic, qualified("double", "area", "cnsd"));
    EXPECT_EQ(header.lines()[3], "double area();");
}

TEST(ModernOperators, DefaultedComparisonsAreFriendsWithoutDefinitions) {
    Class shape(modern("", HeaderGuard::PragmaOnce, "", ""));
    ClassText cls = shape.text();
    const Lines source = shape.source.lines();
    addOperator(cls, {OperatorKind::Normal, kDefaultedEquality});
    addOperator(cls, {OperatorKind::Normal, kDefaultedComparison});
    addOperator(cls, {OperatorKind::Normal, kDefaultedComparison});
    const Lines& h = shape.header.lines();
    EXPECT_THAT(h, ::testing::Contains("    friend bool operator==(const Shape&, const Shape&) = "
                                       "default;"));
    EXPECT_THAT(h, ::testing::Contains("    friend auto operator<=>(const Shape&, const Shape&) = "
                                       "default;"));
    EXPECT_EQ(std::count(h.begin(), h.end(), "#include <compare>"), 1);
    EXPECT_EQ(shape.source.lines(), source);
    EXPECT_TRUE(isFriendOperator(kDefaultedEquality));
}

// A class deriving from a base: every qualifier the dialog allows, and both defaulted
// comparisons, compile.
TEST(ModernMembers, QualifiedFunctionsAndDefaultedComparisonsCompile) {
    Class shape(modern("geo", HeaderGuard::IncludeGuard, "", ""));
    Lines h = shape.header.lines();
    const auto at = std::find(h.begin(), h.end(), "class Shape");
    ASSERT_NE(at, h.end());
    *at = "class Shape : public Base";
    h.insert(at, {"struct Base", "{", "    virtual ~Base() = default;",
                  "    virtual double area() const noexcept;", "    virtual int sides() = 0;", "};",
                  ""});
    shape.header = VectorLineList(h);
    ClassText cls = shape.text();
    addMemberFunction(cls, qualified("double", "area", "dcno"));
    addMemberFunction(cls, qualified("int", "sides", "vo"));
    addMemberFunction(cls, qualified("int", "count", "dsn"));
    addMemberFunction(cls, qualified("bool", "empty", "pcn"));
    addDataMember(cls, {Access::Private, "int", "width"});
    addOperator(cls, {OperatorKind::Normal, kDefaultedEquality});
    addOperator(cls, {OperatorKind::Normal, kDefaultedComparison});
    testing::CompileFolder folder;
    folder.write("Shape.h", shape.header.lines());
    folder.write("Shape.cpp", shape.source.lines());
    EXPECT_TRUE(folder.compiles("Shape.cpp")) << ::testing::PrintToString(shape.header.lines());
}

TEST(EditorConfig, IndentForCppFiles) {
    struct Case {
        std::vector<std::string> files;
        const char* fallback;
        const char* expected;
    };
    const Case cases[] = {
        {{}, "    ", "    "},
        {{"[*]\nindent_style = tab\n"}, "    ", "\t"},
        {{"[*.{cpp,h}]\nindent_style = space\nindent_size = 2\n"}, "\t", "  "},
        {{"[*.py]\nindent_size = 8\n"}, "    ", "    "},
        {{"[*.cpp]\nindent_size = 2\n", "root = true\n[*]\nindent_style = tab\n"}, "    ", "\t"},
        {{"root = true\n[*]\nindent_size = 3\n", "[*]\nindent_style = tab\n"}, "    ", "   "},
        {{"[*]\nindent_size = 8\n[*.cpp]\nindent_size = 2\n"}, "    ", "  "},
        {{"[**/*.cpp]\nindent_style=tab\n"}, "  ", "\t"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(editorConfigIndent(c.files, "Shape.cpp", c.fallback), c.expected)
            << ::testing::PrintToString(c.files);
    EXPECT_TRUE(editorConfigGlobMatches("*.[ch]pp", "a.cpp"));
    EXPECT_FALSE(editorConfigGlobMatches("*.{h,hpp}", "a.cpp"));
    EXPECT_FALSE(editorConfigGlobMatches(std::string(40, '{'), "a"));
}

}  // namespace
}  // namespace tav
