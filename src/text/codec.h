#pragma once
// Class files as bytes <-> a pane's text. The pane text uses '\n' between lines and is UTF-8.
// Reading accepts CR LF, a lone LF and a lone CR as one break; writing puts CR LF after every line,
// and leaves the final break off only when the text had none.
#include <optional>
#include <string>
#include <string_view>

namespace tav {

// How a file's bytes map to characters: valid UTF-8 is read as UTF-8, anything else one byte
// to one character (Latin-1), so every byte survives a round trip. A UTF-8 file that starts with
// a byte-order mark (EF BB BF) keeps it as part of its encoding, outside the text, so that an
// edit of the text cannot lose it and a save writes it again.
enum class FileEncoding { Utf8, Latin1, Utf8WithMark };

// The UTF-8 byte-order mark.
inline constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

struct DecodedFile {
    std::string text;  // UTF-8, lines separated by '\n'
    FileEncoding encoding = FileEncoding::Utf8;
};

bool isValidUtf8(std::string_view bytes);
DecodedFile decodeFile(std::string_view bytes);
// Decodes in the given encoding; for Utf8 the bytes must be valid UTF-8, and for Utf8WithMark
// also start with the mark, which is not part of the text.
DecodedFile decodeFileAs(std::string_view bytes, FileEncoding encoding);

// nullopt when the text holds a character that the encoding cannot hold (for Latin-1: above
// U+00FF; for any: text that is not valid UTF-8). Utf8WithMark writes the mark first.
std::optional<std::string> encodeFile(std::string_view text, FileEncoding encoding);

}  // namespace tav
