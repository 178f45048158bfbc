#include "members/class_name.h"

#include <gtest/gtest.h>

namespace tav {
namespace {

struct NameCase {
    const char* name;
    bool blank;
    bool identifier;
    bool keyword;
};

TEST(ClassName, TellsBlankIdentifierAndKeyword) {
    const NameCase cases[] = {
        {"", true, false, false},
        {" \t\r\n\v\f", true, false, false},
        {"Pt", false, true, false},
        {"_x9", false, true, false},
        {"TNewClass", false, true, false},
        {"9Lives", false, false, false},
        {"Two Words", false, false, false},
        {" Pt", false, false, false},
        {"Pt<int>", false, false, false},
        {"my-class", false, false, false},
        {"N::Pt", false, false, false},
        {"Gr\xc3\xb6\xc3\x9f"
         "e",
         false, false, false},  // outside the basic character set
        {"class", false, true, true},
        {"co_await", false, true, true},
        {"char8_t", false, true, true},
        {"and_eq", false, true, true},
        {"final", false, true, false},  // contextual: it can name a class
        {"Class", false, true, false},
    };
    for (const NameCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(isBlank(c.name), c.blank);
        EXPECT_EQ(isCppIdentifier(c.name), c.identifier);
        EXPECT_EQ(isCppKeyword(c.name), c.keyword);
    }
}

TEST(ClassName, TheClassicRuleRefusesOnlyABlankName) {
    EXPECT_EQ(classNameProblem("", ClassNameRule::AnyText), "Enter a class name");
    EXPECT_EQ(classNameProblem("  ", ClassNameRule::AnyText), "Enter a class name");
    EXPECT_EQ(classNameProblem("Two Words", ClassNameRule::AnyText), std::nullopt);
    EXPECT_EQ(classNameProblem("class", ClassNameRule::AnyText), std::nullopt);

    EXPECT_EQ(classNameProblem(" ", ClassNameRule::Identifier), "Enter a class name");
    EXPECT_EQ(classNameProblem("Pt", ClassNameRule::Identifier), std::nullopt);
    EXPECT_EQ(classNameProblem("2D", ClassNameRule::Identifier),
              "2D is not a C++ name: use letters, digits and _, and begin with a letter or _");
    EXPECT_EQ(classNameProblem("union", ClassNameRule::Identifier), "union is a C++ keyword");
}

}  // namespace
}  // namespace tav
