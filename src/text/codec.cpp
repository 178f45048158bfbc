#include "text/codec.h"

namespace tav {

namespace {

unsigned char byteAt(std::string_view s, std::size_t i) { return static_cast<unsigned char>(s[i]); }

bool isContinuation(unsigned char b) { return (b & 0xC0) == 0x80; }

// Appends code point cp (at most U+00FF here) to out as UTF-8.
void appendLatin1AsUtf8(std::string& out, unsigned char cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

}  // namespace

bool isValidUtf8(std::string_view bytes) {
    std::size_t i = 0;
    const std::size_t n = bytes.size();
    while (i < n) {
        const unsigned char lead = byteAt(bytes, i);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        std::size_t extra = 0;
        // The range of the second byte rules out overlong forms, surrogates and values above
        // U+10FFFF.
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            extra = 1;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            extra = 2;
            if (lead == 0xE0) low = 0xA0;
            if (lead == 0xED) high = 0x9F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            extra = 3;
            if (lead == 0xF0) low = 0x90;
            if (lead == 0xF4) high = 0x8F;
        } else {
            return false;
        }
        if (n - i - 1 < extra) return false;
        const unsigned char second = byteAt(bytes, i + 1);
        if (second < low || second > high) return false;
        for (std::size_t k = 2; k <= extra; ++k) {
            if (!isContinuation(byteAt(bytes, i + k))) return false;
        }
        i += extra + 1;
    }
    return true;
}

DecodedFile decodeFile(std::string_view bytes) {
    if (!isValidUtf8(bytes)) return decodeFileAs(bytes, FileEncoding::Latin1);
    return decodeFileAs(
        bytes, bytes.starts_with(kUtf8Mark) ? FileEncoding::Utf8WithMark : FileEncoding::Utf8);
}

DecodedFile decodeFileAs(std::string_view bytes, FileEncoding encoding) {
    DecodedFile result;
    result.encoding = encoding;
    const bool utf8 = encoding != FileEncoding::Latin1;
    if (encoding == FileEncoding::Utf8WithMark && bytes.starts_with(kUtf8Mark))
        bytes.remove_prefix(kUtf8Mark.size());
    result.text.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const unsigned char b = byteAt(bytes, i);
        if (b == '\r') {
            // CR LF and a lone CR are both one break.
            if (i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
            result.text += '\n';
        } else if (b == '\n' || utf8) {
            result.text += static_cast<char>(b);
        } else {
            appendLatin1AsUtf8(result.text, b);
        }
    }
    return result;
}

std::optional<std::string> encodeFile(std::string_view text, FileEncoding encoding) {
    if (!isValidUtf8(text)) return std::nullopt;
    std::string bytes;
    bytes.reserve(kUtf8Mark.size() + text.size() + text.size() / 16);
    if (encoding == FileEncoding::Utf8WithMark) bytes += kUtf8Mark;
    const bool utf8 = encoding != FileEncoding::Latin1;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = byteAt(text, i);
        if (c == '\n') {
            bytes += "\r\n";
        } else if (utf8 || c < 0x80) {
            bytes += static_cast<char>(c);
        } else if (c == 0xC2 || c == 0xC3) {
            // U+0080 to U+00FF: two UTF-8 bytes become the one Latin-1 byte. The text was
            // validated, so the continuation byte is there.
            bytes += static_cast<char>(((c & 0x03) << 6) | (byteAt(text, i + 1) & 0x3F));
            ++i;
        } else {
            return std::nullopt;  // above U+00FF: Latin-1 cannot hold it
        }
    }
    return bytes;
}

}  // namespace tav
