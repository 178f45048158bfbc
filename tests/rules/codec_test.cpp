#include "text/codec.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace tav {
namespace {

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Random file contents with CR LF between lines and, when asked, after the last one. Line
// content never holds CR or LF. In UTF-8 mode it is valid UTF-8 over the whole code space; in
// Latin-1 mode it is arbitrary bytes with at least one 0xFF, so it is never valid UTF-8.
std::string randomFile(std::mt19937& rng, FileEncoding encoding, bool finalBreak) {
    std::uniform_int_distribution<int> lineCount(1, 6);
    std::uniform_int_distribution<int> lineLength(0, 12);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> width(0, 3);
    std::string bytes;
    const int lines = lineCount(rng);
    for (int l = 0; l < lines; ++l) {
        if (l > 0) bytes += "\r\n";
        for (int n = lineLength(rng); n > 0; --n) {
            if (encoding == FileEncoding::Latin1) {
                const int b = byte(rng);
                if (b != '\r' && b != '\n') bytes += static_cast<char>(b);
                continue;
            }
            static constexpr char32_t kTop[] = {0x7F, 0x7FF, 0xFFFF, 0x10FFFF};
            const char32_t top = kTop[width(rng)];
            char32_t cp = std::uniform_int_distribution<char32_t>(0, top)(rng);
            if (cp == '\r' || cp == '\n' || (cp >= 0xD800 && cp <= 0xDFFF)) cp = 'x';
            appendUtf8(bytes, cp);
        }
    }
    if (encoding == FileEncoding::Latin1) bytes += '\xFF';
    if (finalBreak) bytes += "\r\n";
    return bytes;
}

TEST(Codec, RandomCrLfFilesSurviveTheRoundTrip) {
    std::mt19937 rng(20240611u);
    for (int i = 0; i < 2000; ++i) {
        const auto encoding = (i % 2 == 0) ? FileEncoding::Utf8 : FileEncoding::Latin1;
        const bool finalBreak = (i / 2) % 2 == 0;
        // Every other UTF-8 file starts with a byte-order mark.
        const bool marked = encoding == FileEncoding::Utf8 && (i / 4) % 2 == 0;
        const std::string bytes =
            (marked ? std::string(kUtf8Mark) : "") + randomFile(rng, encoding, finalBreak);
        const DecodedFile decoded = decodeFile(bytes);
        ASSERT_EQ(decoded.encoding, marked ? FileEncoding::Utf8WithMark : encoding) << "case " << i;
        ASSERT_TRUE(isValidUtf8(decoded.text)) << "case " << i;
        ASSERT_EQ(decoded.text.find('\r'), std::string::npos) << "case " << i;
        ASSERT_EQ(decoded.text.ends_with('\n'), bytes.ends_with("\r\n")) << "case " << i;
        ASSERT_EQ(encodeFile(decoded.text, decoded.encoding), bytes) << "case " << i;
    }
}

struct KnownFile {
    const char* what;
    std::string bytes;
    FileEncoding encoding;
    std::string text;
    std::string written;  // what a save of the text writes
};

TEST(Codec, KnownFilesDecodeAndComeBack) {
    const std::string mark(kUtf8Mark);
    const std::vector<KnownFile> files{
        {"UTF-8 with CR LF", "caf\xC3\xA9\r\nx\r\n", FileEncoding::Utf8, "caf\u00e9\nx\n",
         "caf\xC3\xA9\r\nx\r\n"},
        {"invalid UTF-8", "caf\xE9\r\n\x80\xFF", FileEncoding::Latin1, "caf\u00e9\n\u0080\u00ff",
         "caf\xE9\r\n\x80\xFF"},
        {"a mark and CR LF", mark + "a\r\nb\r\n", FileEncoding::Utf8WithMark, "a\nb\n",
         mark + "a\r\nb\r\n"},
        {"a mark alone", mark, FileEncoding::Utf8WithMark, "", mark},
        {"a mark and LF", mark + "a\nb", FileEncoding::Utf8WithMark, "a\nb", mark + "a\r\nb"},
        {"two marks: the second is text", mark + mark + "a", FileEncoding::Utf8WithMark, "\uFEFFa",
         mark + mark + "a"},
        {"a mark not at the start is text", "a" + mark, FileEncoding::Utf8, "a\uFEFF", "a" + mark},
        {"a mark in invalid UTF-8 is three bytes", mark + "\xFF", FileEncoding::Latin1,
         "\u00EF\u00BB\u00BF\u00FF", mark + "\xFF"},
    };
    for (const KnownFile& file : files) {
        const DecodedFile decoded = decodeFile(file.bytes);
        EXPECT_EQ(decoded.encoding, file.encoding) << file.what;
        EXPECT_EQ(decoded.text, file.text) << file.what;
        EXPECT_EQ(encodeFile(decoded.text, decoded.encoding), file.written) << file.what;
    }
}

TEST(Codec, EveryBreakStyleBecomesOneLineFeed) {
    const DecodedFile lf = decodeFile("a\nb\n");
    EXPECT_EQ(lf.text, "a\nb\n");
    EXPECT_EQ(encodeFile(lf.text, lf.encoding), "a\r\nb\r\n");
    const DecodedFile cr = decodeFile("a\rb\r\rc");
    EXPECT_EQ(cr.text, "a\nb\n\nc");
    EXPECT_EQ(encodeFile(cr.text, cr.encoding), "a\r\nb\r\n\r\nc");
    EXPECT_EQ(decodeFile("\n\r\r\n\r").text, "\n\n\n\n");
    EXPECT_EQ(decodeFile("").text, "");
    EXPECT_EQ(encodeFile("", FileEncoding::Latin1), "");
}

TEST(Codec, ValidUtf8CanBeReadAsLatin1ByteForByte) {
    const std::string bytes = "caf\xC3\xA9 \xE2\x80\xA9\r\nend";
    const DecodedFile file = decodeFileAs(bytes, FileEncoding::Latin1);
    EXPECT_EQ(file.encoding, FileEncoding::Latin1);
    EXPECT_EQ(file.text, "caf\u00C3\u00A9 \u00E2\u0080\u00A9\nend");
    EXPECT_EQ(encodeFile(file.text, FileEncoding::Latin1), "caf\xC3\xA9 \xE2\x80\xA9\r\nend");
    EXPECT_EQ(decodeFileAs(bytes, FileEncoding::Utf8).text, decodeFile(bytes).text);
}

TEST(Codec, Utf8ValidityIsStrict) {
    EXPECT_TRUE(isValidUtf8("\x7F\xC2\x80\xDF\xBF\xE0\xA0\x80\xED\x9F\xBF\xF4\x8F\xBF\xBF"));
    for (const char* bad :
         {"\x80", "\xC0\xAF", "\xC1\xBF", "\xE0\x9F\xBF", "\xED\xA0\x80", "\xF0\x8F\xBF\xBF",
          "\xF4\x90\x80\x80", "\xF5\x80\x80\x80", "\xC3", "\xE2\x82", "\xE2\x28\xA1", "\xFE"}) {
        EXPECT_FALSE(isValidUtf8(bad)) << ::testing::PrintToString(std::string(bad));
    }
}

TEST(Codec, Latin1CannotHoldCharactersAboveFF) {
    EXPECT_EQ(encodeFile("\u00ff\u0080", FileEncoding::Latin1), "\xFF\x80");
    EXPECT_EQ(encodeFile("a\u0100", FileEncoding::Latin1), std::nullopt);
    EXPECT_EQ(encodeFile("\u20ac", FileEncoding::Latin1), std::nullopt);
    EXPECT_EQ(encodeFile("\u20ac", FileEncoding::Utf8), "\xE2\x82\xAC");
    EXPECT_EQ(encodeFile("bad \xFF", FileEncoding::Utf8), std::nullopt);
}

}  // namespace
}  // namespace tav
