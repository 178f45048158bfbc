#include "text/text_rules.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

namespace tav {
namespace {

TEST(TextRules, UpperCasesOnlyAsciiLetters) {
    EXPECT_EQ(upperCaseAscii("TNewClass_9 z\u00e9\u00df{"), "TNEWCLASS_9 Z\u00e9\u00df{");
    EXPECT_EQ(upperCaseAscii(""), "");
}

TEST(TextRules, ComparesWholeLinesIgnoringAsciiCaseOnly) {
    EXPECT_TRUE(equalsIgnoringCase("Public:", "pUBLIC:"));
    EXPECT_TRUE(equalsIgnoringCase("", ""));
    EXPECT_FALSE(equalsIgnoringCase("public: ", "public:"));
    EXPECT_FALSE(equalsIgnoringCase("public", "public:"));
    EXPECT_FALSE(equalsIgnoringCase("\u00e9", "\u00c9"));
    EXPECT_FALSE(equalsIgnoringCase("@", "`"));  // 0x40 and 0x60 differ only in the case bit
    EXPECT_FALSE(equalsIgnoringCase("[", "{"));
}

TEST(TextRules, WordSpaceIsExactlySixCharacters) {
    std::string spaces;
    for (int c = 0; c < 256; ++c) {
        if (isWordSpace(static_cast<char>(c))) spaces += static_cast<char>(c);
    }
    EXPECT_EQ(spaces, "\t\n\v\f\r ");
}

TEST(TextRules, WordReaderSplitsOnWordSpaceOnly) {
    WordReader reader(" \tclass\r\nFoo{;\v\f<x>\xa0y ");
    std::vector<std::string> words;
    std::string word;
    while (reader.next(word)) words.push_back(word);
    EXPECT_THAT(words, ::testing::ElementsAre("class", "Foo{;", "<x>\xa0y"));
    EXPECT_FALSE(reader.next(word));
    WordReader empty("");
    EXPECT_FALSE(empty.next(word));
}

}  // namespace
}  // namespace tav
