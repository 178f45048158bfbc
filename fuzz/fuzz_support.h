#pragma once
// Helpers shared by the fuzz targets. A violated property aborts, so libFuzzer stops and keeps
// the input. The helpers are written independently of the rules library, so a target never
// checks a rule against the code under test.
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tav::fuzz {

inline void require(bool holds, const char* property) {
    if (holds) return;
    std::fprintf(stderr, "property violated: %s\n", property);
    std::abort();
}

// Splits at '\n' only: n line feeds give n + 1 lines, so an empty text is one empty line.
inline std::vector<std::string> splitAtLineFeeds(std::string_view text) {
    std::vector<std::string> lines(1);
    for (const char c : text) {
        if (c == '\n') {
            lines.emplace_back();
        } else {
            lines.back() += c;
        }
    }
    return lines;
}

// Plain byte-by-byte substring test.
inline bool contains(std::string_view haystack, std::string_view needle) {
    if (needle.size() > haystack.size()) return false;
    for (std::size_t at = 0; at + needle.size() <= haystack.size(); ++at) {
        if (haystack.substr(at, needle.size()) == needle) return true;
    }
    return false;
}

inline char foldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

inline bool sameIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (foldAscii(a[i]) != foldAscii(b[i])) return false;
    }
    return true;
}

// Index of the first line that equals wanted whole, ASCII letter case ignored.
inline std::optional<std::size_t> firstLineIgnoringCase(const std::vector<std::string>& lines,
                                                        std::string_view wanted) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (sameIgnoringAsciiCase(lines[i], wanted)) return i;
    }
    return std::nullopt;
}

// The code points of a UTF-8 text, or nullopt when it is not valid UTF-8 (a bad or missing
// continuation byte, an overlong form, a surrogate, a value above U+10FFFF).
inline std::optional<std::u32string> decodeUtf8(std::string_view bytes) {
    std::u32string points;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        std::size_t length = 1;
        char32_t point = lead;
        char32_t smallest = 0;
        if (lead >= 0x80) {
            if ((lead & 0xE0) == 0xC0) {
                length = 2, point = lead & 0x1F, smallest = 0x80;
            } else if ((lead & 0xF0) == 0xE0) {
                length = 3, point = lead & 0x0F, smallest = 0x800;
            } else if ((lead & 0xF8) == 0xF0) {
                length = 4, point = lead & 0x07, smallest = 0x10000;
            } else {
                return std::nullopt;
            }
            if (bytes.size() - i < length) return std::nullopt;
            for (std::size_t k = 1; k < length; ++k) {
                const auto next = static_cast<unsigned char>(bytes[i + k]);
                if ((next & 0xC0) != 0x80) return std::nullopt;
                point = (point << 6) | (next & 0x3F);
            }
            if (point < smallest || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF)) {
                return std::nullopt;
            }
        }
        points += point;
        i += length;
    }
    return points;
}

inline std::string encodeUtf8(std::u32string_view points) {
    std::string bytes;
    for (const char32_t p : points) {
        if (p < 0x80) {
            bytes += static_cast<char>(p);
        } else if (p < 0x800) {
            bytes += static_cast<char>(0xC0 | (p >> 6));
            bytes += static_cast<char>(0x80 | (p & 0x3F));
        } else if (p < 0x10000) {
            bytes += static_cast<char>(0xE0 | (p >> 12));
            bytes += static_cast<char>(0x80 | ((p >> 6) & 0x3F));
            bytes += static_cast<char>(0x80 | (p & 0x3F));
        } else {
            bytes += static_cast<char>(0xF0 | (p >> 18));
            bytes += static_cast<char>(0x80 | ((p >> 12) & 0x3F));
            bytes += static_cast<char>(0x80 | ((p >> 6) & 0x3F));
            bytes += static_cast<char>(0x80 | (p & 0x3F));
        }
    }
    return bytes;
}

// Bytes as the code points of a pane: valid UTF-8 as it is, anything else one byte to one
// character.
inline std::u32string bytesAsCodePoints(std::string_view bytes) {
    if (auto points = decodeUtf8(bytes)) return *points;
    std::u32string points;
    for (const char c : bytes) points += static_cast<unsigned char>(c);
    return points;
}

}  // namespace tav::fuzz
