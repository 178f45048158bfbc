// The modern profile: the skeleton exactly, each insertion, and everything it writes compiling.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

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
