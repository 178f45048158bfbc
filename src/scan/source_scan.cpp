#if defined(__x86_64__)
#include <immintrin.h>
#elif defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "scan/scans.h"

namespace tav {

namespace {

struct ByteCounts {
    std::size_t breaks = 0;         // '\n'
    std::size_t continuations = 0;  // bytes that continue a UTF-8 sequence (10xxxxxx)
};

// Counting from byte i on, as far as whole steps of the vector width go; i moves past what was
// counted. Both versions count in byte lanes: a matching lane compares as -1, so subtracting the
// sum of four compares adds their count, and a step adds at most 4 to a lane, so the lanes are
// added up every 63 steps. As signed bytes, 10xxxxxx are the values below -64.
constexpr int kStepsPerSum = 63;

#if defined(__SSE2__)
void countBytesSse2(std::string_view text, std::size_t& i, ByteCounts& counts) {
    const __m128i lineFeed = _mm_set1_epi8('\n');
    const __m128i continuationLimit = _mm_set1_epi8(-64);
    const __m128i zero = _mm_setzero_si128();
    auto laneSum = [&zero](__m128i lanes) {
        const __m128i sums = _mm_sad_epu8(lanes, zero);
        return static_cast<std::size_t>(_mm_cvtsi128_si64(sums)) +
               static_cast<std::size_t>(_mm_cvtsi128_si64(_mm_unpackhi_epi64(sums, sums)));
    };
    auto fourOf = [](__m128i a, __m128i b, __m128i c, __m128i d) {
        return _mm_add_epi8(_mm_add_epi8(a, b), _mm_add_epi8(c, d));
    };
    constexpr std::size_t kStep = 4 * sizeof(__m128i);
    while (text.size() - i >= kStep) {
        __m128i breaks = zero;
        __m128i continuations = zero;
        for (int step = 0; step < kStepsPerSum && text.size() - i >= kStep; ++step, i += kStep) {
            const auto* at = reinterpret_cast<const __m128i*>(text.data() + i);
            const __m128i b0 = _mm_loadu_si128(at);
            const __m128i b1 = _mm_loadu_si128(at + 1);
            const __m128i b2 = _mm_loadu_si128(at + 2);
            const __m128i b3 = _mm_loadu_si128(at + 3);
            breaks = _mm_sub_epi8(
                breaks, fourOf(_mm_cmpeq_epi8(b0, lineFeed), _mm_cmpeq_epi8(b1, lineFeed),
                               _mm_cmpeq_epi8(b2, lineFeed), _mm_cmpeq_epi8(b3, lineFeed)));
            continuations =
                _mm_sub_epi8(continuations, fourOf(_mm_cmpgt_epi8(continuationLimit, b0),
                                                   _mm_cmpgt_epi8(continuationLimit, b1),
                                                   _mm_cmpgt_epi8(continuationLimit, b2),
                                                   _mm_cmpgt_epi8(continuationLimit, b3)));
        }
        counts.breaks += laneSum(breaks);
        counts.continuations += laneSum(continuations);
    }
}
#endif

#if defined(__x86_64__)
// The same thirty-two bytes a vector, for the processors that have AVX2 (checked at run time).
#define TAVRIN_AVX2 __attribute__((target("avx2")))

TAVRIN_AVX2 std::size_t laneSum(__m256i lanes) {
    const __m256i sums = _mm256_sad_epu8(lanes, _mm256_setzero_si256());
    return static_cast<std::size_t>(_mm256_extract_epi64(sums, 0)) +
           static_cast<std::size_t>(_mm256_extract_epi64(sums, 1)) +
           static_cast<std::size_t>(_mm256_extract_epi64(sums, 2)) +
           static_cast<std::size_t>(_mm256_extract_epi64(sums, 3));
}

TAVRIN_AVX2 __m256i fourOf(__m256i a, __m256i b, __m256i c, __m256i d) {
    return _mm256_add_epi8(_mm256_add_epi8(a, b), _mm256_add_epi8(c, d));
}

TAVRIN_AVX2 void countBytesAvx2(std::string_view text, std::size_t& i, ByteCounts& counts) {
    const __m256i lineFeed = _mm256_set1_epi8('\n');
    const __m256i continuationLimit = _mm256_set1_epi8(-64);
    constexpr std::size_t kStep = 4 * sizeof(__m256i);
    while (text.size() - i >= kStep) {
        __m256i breaks = _mm256_setzero_si256();
        __m256i continuations = _mm256_setzero_si256();
        for (int step = 0; step < kStepsPerSum && text.size() - i >= kStep; ++step, i += kStep) {
            const auto* at = reinterpret_cast<const __m256i*>(text.data() + i);
            const __m256i b0 = _mm256_loadu_si256(at);
            const __m256i b1 = _mm256_loadu_si256(at + 1);
            const __m256i b2 = _mm256_loadu_si256(at + 2);
            const __m256i b3 = _mm256_loadu_si256(at + 3);
            breaks = _mm256_sub_epi8(
                breaks, fourOf(_mm256_cmpeq_epi8(b0, lineFeed), _mm256_cmpeq_epi8(b1, lineFeed),
                               _mm256_cmpeq_epi8(b2, lineFeed), _mm256_cmpeq_epi8(b3, lineFeed)));
            continuations =
                _mm256_sub_epi8(continuations, fourOf(_mm256_cmpgt_epi8(continuationLimit, b0),
                                                      _mm256_cmpgt_epi8(continuationLimit, b1),
                                                      _mm256_cmpgt_epi8(continuationLimit, b2),
                                                      _mm256_cmpgt_epi8(continuationLimit, b3)));
        }
        counts.breaks += laneSum(breaks);
        counts.continuations += laneSum(continuations);
    }
}
#undef TAVRIN_AVX2
#endif

// Counts both in one pass, with the widest vectors the processor has, so that counting the text
// before a find in a large source costs less than the find itself.
ByteCounts countBytes(std::string_view text) {
    ByteCounts counts;
    std::size_t i = 0;
#if defined(__x86_64__)
    if (__builtin_cpu_supports("avx2")) countBytesAvx2(text, i, counts);
#endif
#if defined(__SSE2__)
    countBytesSse2(text, i, counts);
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
