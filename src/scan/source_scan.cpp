#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "scan/scans.h"

namespace tav {

namespace {

struct ByteCounts {
    std::size_t breaks = 0;         // '\n'
    std::size_t continuations = 0;  // bytes that continue a UTF-8 sequence (10xxxxxx)
};

// Counts both in one pass. Sixteen bytes at a time where the processor has SSE2 (every x86-64
// processor), so that counting the text before a find in a large source costs about as much as
// the find itself.
ByteCounts countBytes(std::string_view text) {
    ByteCounts counts;
    std::size_t i = 0;
#if defined(__SSE2__)
    const __m128i lineFeed = _mm_set1_epi8('\n');
    const __m128i topBits = _mm_set1_epi8(static_cast<char>(0xC0));
    const __m128i continuation = _mm_set1_epi8(static_cast<char>(0x80));
    const __m128i zero = _mm_setzero_si128();
    // Each byte lane counts up to 255 blocks before the lanes are added up.
    auto laneSum = [&zero](__m128i lanes) {
        const __m128i sums = _mm_sad_epu8(lanes, zero);
        return static_cast<std::size_t>(_mm_cvtsi128_si64(sums)) +
               static_cast<std::size_t>(_mm_cvtsi128_si64(_mm_unpackhi_epi64(sums, sums)));
    };
    while (text.size() - i >= 16) {
        __m128i breaks = zero;
        __m128i continuations = zero;
        for (int block = 0; block < 255 && text.size() - i >= 16; ++block, i += 16) {
            const __m128i bytes =
                _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + i));
            // A matching lane compares as -1: subtracting it adds one.
            breaks = _mm_sub_epi8(breaks, _mm_cmpeq_epi8(bytes, lineFeed));
            continuations = _mm_sub_epi8(
                continuations, _mm_cmpeq_epi8(_mm_and_si128(bytes, topBits), continuation));
        }
        counts.breaks += laneSum(breaks);
        counts.continuations += laneSum(continuations);
    }
#endif
    for (; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        counts.breaks += byte == '\n';
        counts.continuations += (byte & 0xC0) == 0x80;
    }
    return counts;
}

// Characters of a UTF-8 text: every byte that does not continue a sequence starts one.
std::size_t characterCount(std::string_view text) {
    return text.size() - countBytes(text).continuations;
}

// The position of text found at byte at of lineText, the line with index line whose first
// character has offset lineOffset (the characters of the lines above it, two per break).
TextPosition positionOf(std::string_view lineText, std::size_t at, std::size_t line,
                        std::size_t lineOffset, const std::string& text) {
    const std::size_t before = characterCount(lineText.substr(0, at));
    return TextPosition{line, before + 1, lineOffset + before, characterCount(text)};
}

// The search over a text held in one piece: one find over all of it. A text without a line
// break stands in the joined text exactly where it stands in a line.
std::optional<TextPosition> findInJoinedText(std::string_view whole, const std::string& text) {
    if (text.find('\n') != std::string::npos) return std::nullopt;
    const std::size_t at = whole.find(text);
    if (at == std::string_view::npos) return std::nullopt;
    const std::size_t lineBreak = at == 0 ? std::string_view::npos : whole.rfind('\n', at - 1);
    const std::size_t lineStart = lineBreak == std::string_view::npos ? 0 : lineBreak + 1;
    const ByteCounts above = countBytes(whole.substr(0, lineStart));
    // Every character above the line, and one more for each break's CR.
    const std::size_t lineOffset = lineStart - above.continuations + above.breaks;
    return positionOf(whole.substr(lineStart), at - lineStart, above.breaks, lineOffset, text);
}

}  // namespace

std::vector<std::string> scanSourceFunctions(const LineList& source, const std::string& className) {
    const std::string memberKey = className + "::";
    const std::string_view operatorKey = "operator";
    std::vector<std::string> functions;
    source.forEachLine([&](std::string_view line) {
        if (line.find(memberKey) != std::string_view::npos ||
            line.find(operatorKey) != std::string_view::npos) {
            functions.emplace_back(line);
        }
        return true;
    });
    return functions;
}

std::optional<TextPosition> findInLines(const LineList& lines, const std::string& text) {
    if (text.empty()) return std::nullopt;
    if (const std::optional<std::string_view> whole = lines.joinedText())
        return findInJoinedText(*whole, text);
    std::optional<TextPosition> found;
    std::size_t index = 0;
    std::size_t offset = 0;
    lines.forEachLine([&](std::string_view line) {
        const std::size_t at = line.find(text);
        if (at == std::string_view::npos) {
            offset += characterCount(line) + 2;  // a line break counts as CR LF
            ++index;
            return true;
        }
        found = positionOf(line, at, index, offset, text);
        return false;
    });
    return found;
}

}  // namespace tav
