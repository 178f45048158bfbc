// File codec on arbitrary bytes: what decoding yields, that a file with CR LF breaks (or none)
// comes back byte for byte from decode then encode, and that a UTF-8 byte-order mark is kept
// outside the text and written again.
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "text/codec.h"

namespace {

using tav::fuzz::require;

// The UTF-8 byte-order mark.
constexpr std::string_view kMark = "\xEF\xBB\xBF";

// CR LF, a lone CR and a lone LF each become `lineBreak`.
std::string replaceBreaks(std::string_view bytes, std::string_view lineBreak) {
    std::string out;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' || bytes[i] == '\n') {
            if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
            out += lineBreak;
        } else {
            out += bytes[i];
        }
    }
    return out;
}

void checkDecoding(std::string_view bytes) {
    const tav::DecodedFile file = tav::decodeFile(bytes);
    const bool utf8 = tav::fuzz::decodeUtf8(bytes).has_value();
    const bool marked = utf8 && bytes.starts_with(kMark);
    require((file.encoding != tav::FileEncoding::Latin1) == utf8,
            "UTF-8 is chosen iff the bytes are valid UTF-8");
    require((file.encoding == tav::FileEncoding::Utf8WithMark) == marked,
            "the mark is kept iff valid UTF-8 starts with it");
    require(file.text.find('\r') == std::string::npos, "the text holds no CR");
    const auto characters = tav::fuzz::decodeUtf8(file.text);
    require(characters.has_value(), "the text is valid UTF-8");
    // Valid UTF-8 keeps its characters, anything else is one character per byte; each break is
    // one '\n'. The mark of a marked file is not in the text.
    const std::string_view content = marked ? bytes.substr(kMark.size()) : bytes;
    require(*characters == tav::fuzz::bytesAsCodePoints(replaceBreaks(content, "\n")),
            "the text holds the file's characters with '\\n' breaks");
}

// Whatever the text, writing it with the mark puts the mark first and reads back as the same
// text with the mark kept.
void checkMarkWritten(const std::string& text) {
    const auto written = tav::encodeFile(text, tav::FileEncoding::Utf8WithMark);
    require(written.has_value(), "a text can be written with the mark");
    require(written->starts_with(kMark), "the mark is written first");
    const tav::DecodedFile again = tav::decodeFile(*written);
    require(again.encoding == tav::FileEncoding::Utf8WithMark, "the written mark is read");
    require(again.text == text, "the text reads back unchanged after the mark");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    checkDecoding(bytes);

    const std::string crlf = replaceBreaks(bytes, "\r\n");
    const tav::DecodedFile file = tav::decodeFile(crlf);
    const auto written = tav::encodeFile(file.text, file.encoding);
    require(written.has_value(), "a decoded text can be written in its own encoding");
    require(*written == crlf, "a CR LF file comes back byte for byte");
    checkMarkWritten(file.text);
    return 0;
}
