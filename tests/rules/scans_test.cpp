#include "scan/scans.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tav {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

struct HeaderCase {
    std::string text;
    bool found;
    std::optional<std::string> name;
};

class HeaderWords : public ::testing::TestWithParam<HeaderCase> {};

TEST_P(HeaderWords, TakesTheWordAfterTheFirstClassWord) {
    const HeaderCase& c = GetParam();
    const HeaderScan scan = scanHeaderWords(c.text);
    EXPECT_EQ(scan.foundClassWord, c.found) << c.text;
    EXPECT_EQ(scan.className, c.name) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, HeaderWords,
    ::testing::Values(HeaderCase{"// Foo.h\r\n#ifndef FOO_H\r\nclass Foo\r\n{\r\nprivate:\r\n",
                                 true, "Foo"},
                      HeaderCase{"class Foo{", true, "Foo{"},
                      HeaderCase{"class Foo;\nclass Bar", true, "Foo;"},
                      HeaderCase{"class Foo : public Bar", true, "Foo"},
                      HeaderCase{"template <class T>\nstruct X;", false, std::nullopt},
                      HeaderCase{"// the class Shape\nclass Circle", true, "Shape"},
                      HeaderCase{"// base class for shapes\nclass Circle", true, "for"},
                      HeaderCase{"class\t\v\f \r\n\n  Foo", true, "Foo"},
                      HeaderCase{"x\tclass\tFoo", true, "Foo"}, HeaderCase{"", false, std::nullopt},
                      HeaderCase{" \r\n\t", false, std::nullopt},
                      HeaderCase{"struct A;\nclass  \r\n", true, std::nullopt},
                      HeaderCase{"Class Foo CLASS Bar classes subclass", false, std::nullopt}));

TEST(SourceFunctions, ListsWholeLinesWithEitherKeyOnceInOrder) {
    const VectorLineList source({"// Foo.cpp", "Foo::Foo()", "MyFoo::Run()", "FooBar::Run()",
                                 "int cooperator;", "// Operator", "\tx = Foo::count; // Foo::",
                                 "Foo& Foo::operator+ (const Foo& T)", "Foo::Foo()", ""});
    EXPECT_THAT(scanSourceFunctions(source, "Foo"),
                ElementsAre("Foo::Foo()", "MyFoo::Run()", "int cooperator;",
                            "\tx = Foo::count; // Foo::", "Foo& Foo::operator+ (const Foo& T)",
                            "Foo::Foo()"));
    EXPECT_THAT(scanSourceFunctions(VectorLineList({"// banner only"}), "Foo"), IsEmpty());
}

TEST(FindInLines, CountsCharactersAndTwoPerLineBreak) {
    const VectorLineList lines({"abc", "", "  Foo::Foo()", "Foo::Foo()"});
    const auto found = findInLines(lines, "Foo::Foo()");
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->line, 2u);
    EXPECT_EQ(found->column, 3u);
    EXPECT_EQ(found->offset, 9u);
    EXPECT_EQ(found->length, 10u);
}

TEST(FindInLines, MultiByteCharactersCountOnce) {
    // "é" and "€" are two and three bytes but one character each.
    const VectorLineList lines({"caf\u00e9", "\t\u20ac x = \u00e9t\u00e9;"});
    const auto found = findInLines(lines, "\u00e9t\u00e9");
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->line, 1u);
    EXPECT_EQ(found->column, 8u);
    EXPECT_EQ(found->offset, 6u + 7u);
    EXPECT_EQ(found->length, 3u);
}

TEST(FindInLines, EmptyOrMissingTextIsNotFound) {
    const VectorLineList lines({"abc", ""});
    EXPECT_FALSE(findInLines(lines, "").has_value());
    EXPECT_FALSE(findInLines(lines, "abcd").has_value());
    EXPECT_FALSE(findInLines(VectorLineList(), "a").has_value());
    EXPECT_FALSE(findInLines(lines, "ABC").has_value());
}

}  // namespace
}  // namespace tav
