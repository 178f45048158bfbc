#pragma once
// Small text helpers shared by the generator, the insertion rules and the scans.
#include <string>
#include <string_view>

namespace tav {

// Upper-cases a to z; every other byte (digits, '_', non-ASCII UTF-8) stays as it is.
std::string upperCaseAscii(std::string_view text);

// Whole-line comparison with ASCII letter case ignored; nothing is trimmed.
bool equalsIgnoringCase(std::string_view a, std::string_view b);

// The six white-space characters of the word reader: space, HT, LF, VT, FF, CR.
bool isWordSpace(char c);

// Reads whitespace-separated words from a text, front to back.
class WordReader {
public:
    explicit WordReader(std::string_view text) : text_(text) {}
    // The next word, or false at the end of the text.
    bool next(std::string& word);

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

}  // namespace tav
