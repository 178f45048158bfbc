// Header word scan on arbitrary bytes: the result must match a plain split on the six blank
// characters, and a class name must be a whole, blank-free word of the input.
#include <algorithm>
#include <cstdint>
#include <string_view>
#include <vector>

#include "fuzz_support.h"
#include "scan/scans.h"

namespace {

constexpr std::string_view kBlanks(" \t\n\v\f\r");

bool isBlank(char c) { return kBlanks.find(c) != std::string_view::npos; }

struct Word {
    std::size_t start;
    std::string_view text;
};

std::vector<Word> splitWords(std::string_view text) {
    std::vector<Word> words;
    std::size_t at = 0;
    while ((at = text.find_first_not_of(kBlanks, at)) != std::string_view::npos) {
        const std::size_t end = std::min(text.find_first_of(kBlanks, at), text.size());
        words.push_back({at, text.substr(at, end - at)});
        at = end;
    }
    return words;
}

// True when word stands somewhere in text with a blank or the text's edge on either side.
bool isWholeWordOf(std::string_view word, std::string_view text) {
    for (std::size_t at = text.find(word); at != std::string_view::npos;
         at = text.find(word, at + 1)) {
        const std::size_t end = at + word.size();
        if ((at == 0 || isBlank(text[at - 1])) && (end == text.size() || isBlank(text[end]))) {
            return true;
        }
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using tav::fuzz::require;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const tav::HeaderScan scan = tav::scanHeaderWords(text);

    const std::vector<Word> words = splitWords(text);
    std::size_t classWord = 0;
    while (classWord < words.size() && words[classWord].text != "class") ++classWord;
    const bool expectFound = classWord < words.size();
    const bool expectName = classWord + 1 < words.size();

    require(scan.foundClassWord == expectFound, "a class word is reported iff the text has one");
    require(scan.className.has_value() == expectName, "a name is reported iff a word follows");
    if (!scan.className) return 0;
    const std::string& name = *scan.className;
    require(name == words[classWord + 1].text, "the name is the word after the first class word");
    require(!name.empty(), "the name is not empty");
    for (const char c : name) require(!isBlank(c), "the name holds no blank");
    require(isWholeWordOf(name, text), "the name is a whole word of the text");
    return 0;
}
