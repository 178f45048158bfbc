#include "members/skeleton.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "members/definition_block.h"

namespace tav {
namespace {

using ::testing::ElementsAre;

const std::string kSep =
    "//---------------------------------------------------------------------------";

std::vector<std::string> bannerOf(const std::string& fileName, const std::string& last) {
    return {"// " + fileName,
            "// Created by Tavrin 1.1",
            "// Developed by",
            "// Quorvale",
            "// Brindlecote Software Development",
            last,
            ""};
}

std::vector<std::string> concat(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(Skeleton, SeparatorIsTwoSlashesAndSeventyFiveHyphens) {
    EXPECT_EQ(kSeparatorLine, kSep);
    EXPECT_EQ(kSeparatorLine.size(), 77u);
}

TEST(Skeleton, NormalHeaderOfTNewClass) {
    VectorLineList header({"old text"});
    generateNormalHeader(header, "TNewClass");
    const auto expected = concat(
        bannerOf("TNewClass.h", "// "),
        {"#ifndef TNEWCLASS_H", "   #define TNEWCLASS_H", "", "class TNewClass", "{",
         "private:", "protected:", "public:", "TNewClass();", "~TNewClass();", "};", "", "#endif"});
    ASSERT_EQ(expected.size(), 20u);
    EXPECT_EQ(header.lines(), expected);
}

TEST(Skeleton, VirtualBaseHeaderOfTNewClass) {
    VectorLineList header({"old text"});
    std::vector<std::string> functions{"kept"};
    generateVirtualBaseHeader(header, functions, "TNewClass");
    const auto expected =
        concat(bannerOf("TNewClass.h", "// "),
               {"#ifndef TNEWCLASS_H", "   #define TNEWCLASS_H", "", "class TNewClass", "{",
                "private:", "protected:", "public:", "TNewClass() {;}", "virtual ~TNewClass() {;}",
                "};", "", "#endif"});
    ASSERT_EQ(expected.size(), 20u);
    EXPECT_EQ(header.lines(), expected);
    EXPECT_THAT(functions, ElementsAre("kept", "virtual TNewClass::TNewClass() {;}"));
}

TEST(Skeleton, SourceOfTNewClass) {
    VectorLineList source({"old text"});
    std::vector<std::string> functions;
    generateSource(source, functions, "TNewClass");
    const auto expected = concat(bannerOf("TNewClass.cpp", "//"), {"#include \"TNewClass.h\"",
                                                                   "",
                                                                   "",
                                                                   kSep,
                                                                   "// Constructor",
                                                                   "//",
                                                                   kSep,
                                                                   "TNewClass::TNewClass()",
                                                                   "{",
                                                                   ";",
                                                                   "}",
                                                                   kSep,
                                                                   "",
                                                                   "",
                                                                   kSep,
                                                                   "// Destructor",
                                                                   "//",
                                                                   kSep,
                                                                   "TNewClass::~TNewClass()",
                                                                   "{",
                                                                   ";",
                                                                   "}",
                                                                   kSep});
    ASSERT_EQ(expected.size(), 30u);
    EXPECT_EQ(source.lines(), expected);
    EXPECT_THAT(functions, ElementsAre("TNewClass::TNewClass()", "TNewClass::~TNewClass()"));
}

// Single lines (numbered from 1) of the generated files for odd names.
struct NameCase {
    std::string name;
    bool inSource;
    int line;
    std::string expected;
};

class SkeletonNames : public ::testing::TestWithParam<NameCase> {};

TEST_P(SkeletonNames, NameIsUsedAsTypedAndUpperCasedOnlyInTheGuard) {
    const NameCase& c = GetParam();
    VectorLineList header;
    VectorLineList source;
    std::vector<std::string> functions;
    generateNormalHeader(header, c.name);
    generateSource(source, functions, c.name);
    ASSERT_EQ(header.count(), 20u);
    ASSERT_EQ(source.count(), 30u);
    EXPECT_EQ((c.inSource ? source : header).line(c.line - 1), c.expected);
}

constexpr bool H = false;
constexpr bool S = true;

INSTANTIATE_TEST_SUITE_P(
    Rows, SkeletonNames,
    ::testing::Values(
        NameCase{"", H, 1, "// .h"}, NameCase{"", H, 8, "#ifndef _H"},
        NameCase{"", H, 9, "   #define _H"}, NameCase{"", H, 11, "class "},
        NameCase{"", H, 16, "();"}, NameCase{"", H, 17, "~();"}, NameCase{"", S, 1, "// .cpp"},
        NameCase{"", S, 8, "#include \".h\""}, NameCase{"", S, 15, "::()"},
        NameCase{"", S, 26, "::~()"}, NameCase{"Shape", H, 1, "// Shape.h"},
        NameCase{"Shape", H, 8, "#ifndef SHAPE_H"}, NameCase{"Shape", H, 9, "   #define SHAPE_H"},
        NameCase{"Shape", H, 11, "class Shape"}, NameCase{"Shape", H, 17, "~Shape();"},
        NameCase{"Shape", S, 8, "#include \"Shape.h\""},
        NameCase{"Shape", S, 26, "Shape::~Shape()"},
        NameCase{"my class-2_\u00e9", H, 8, "#ifndef MY CLASS-2_\u00e9_H"},
        NameCase{"my class-2_\u00e9", H, 9, "   #define MY CLASS-2_\u00e9_H"},
        NameCase{"my class-2_\u00e9", H, 11, "class my class-2_\u00e9"},
        NameCase{"my class-2_\u00e9", S, 15, "my class-2_\u00e9::my class-2_\u00e9()"}));

}  // namespace
}  // namespace tav
