#include "scan/scans.h"
#include "text/text_rules.h"

namespace tav {

HeaderScan scanHeaderWords(std::string_view fileText) {
    HeaderScan scan;
    WordReader reader(fileText);
    std::string word;
    while (reader.next(word)) {
        if (word != "class") continue;
        // Only the first "class" counts; the word after it is the name, punctuation and all.
        scan.foundClassWord = true;
        if (reader.next(word)) scan.className = word;
        break;
    }
    return scan;
}

}  // namespace tav
