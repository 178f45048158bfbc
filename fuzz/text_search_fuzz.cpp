// Text search: source lines and a text from the fuzz input, both made valid UTF-8 (a pane holds
// nothing else). Half the time the text is cut out of one of the lines, so it is often found.
// Positions are checked in code points, and the search over the same lines held in one piece
// must agree.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "scan/scans.h"

namespace {

using tav::fuzz::bytesAsCodePoints;
using tav::fuzz::encodeUtf8;
using tav::fuzz::require;

void checkPosition(const std::vector<std::u32string>& lines, const std::u32string& text,
                   const std::optional<tav::TextPosition>& found) {
    if (text.empty()) {
        require(!found, "an empty text is never found");
        return;
    }
    if (!found) {
        for (const std::u32string& line : lines) {
            require(line.find(text) == std::u32string::npos, "not found: no line holds the text");
        }
        return;
    }
    require(found->line < lines.size(), "the found line exists");
    std::size_t offset = 0;
    for (std::size_t i = 0; i < found->line; ++i) {
        require(lines[i].find(text) == std::u32string::npos, "no earlier line holds the text");
        offset += lines[i].size() + 2;
    }
    const std::u32string& line = lines[found->line];
    require(found->column >= 1, "columns count from 1");
    require(line.compare(found->column - 1, text.size(), text) == 0,
            "the line holds the text at the column");
    require(line.find(text) == found->column - 1, "the column is the first in that line");
    require(found->offset == offset + found->column - 1, "offset: earlier lines + 2 each + column");
    require(found->length == text.size(), "the length is the text's in code points");
}

// The same lines held in one piece, '\n' after each, as a text pane's reading copy holds them:
// the search takes its one-find path over it.
class JoinedLines final : public tav::LineList {
public:
    explicit JoinedLines(const std::vector<std::string>& lines) : count_(lines.size()) {
        for (const std::string& line : lines) text_ += line + '\n';
    }
    std::size_t count() const override { return count_; }
    std::string line(std::size_t) const override { return {}; }
    void insert(std::size_t, const std::string&) override {}
    void append(const std::string&) override {}
    void clear() override {}
    std::optional<std::string_view> joinedText() const override { return text_; }

private:
    std::string text_;
    std::size_t count_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const bool cutFromLine = input.ConsumeBool();
    const auto linePick = input.ConsumeIntegral<std::uint8_t>();
    const auto startPick = input.ConsumeIntegral<std::uint8_t>();
    const auto lengthPick = input.ConsumeIntegral<std::uint8_t>();
    std::u32string text = bytesAsCodePoints(input.ConsumeRandomLengthString(16));
    std::vector<std::u32string> lines;
    for (const std::string& bytes :
         tav::fuzz::splitAtLineFeeds(input.ConsumeRemainingBytesAsString())) {
        lines.push_back(bytesAsCodePoints(bytes));
    }
    if (cutFromLine) {
        const std::u32string& line = lines[linePick % lines.size()];
        const std::size_t start = startPick % (line.size() + 1);
        text = line.substr(start, lengthPick % (line.size() - start + 1));
    }

    std::vector<std::string> utf8Lines;
    for (const std::u32string& line : lines) utf8Lines.push_back(encodeUtf8(line));
    const JoinedLines joined(utf8Lines);
    const tav::VectorLineList pane(std::move(utf8Lines));
    const auto found = tav::findInLines(pane, encodeUtf8(text));
    checkPosition(lines, text, found);
    const auto foundJoined = tav::findInLines(joined, encodeUtf8(text));
    require(found.has_value() == foundJoined.has_value() &&
                (!found ||
                 (found->line == foundJoined->line && found->column == foundJoined->column &&
                  found->offset == foundJoined->offset && found->length == foundJoined->length)),
            "the search over the joined text finds what the line by line search finds");
    return 0;
}
