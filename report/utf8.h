#ifndef QUILLSTAT_REPORT_UTF8_H_
#define QUILLSTAT_REPORT_UTF8_H_

#include <cstddef>
#include <string>
#include <string_view>

namespace quillstat {

// The character that stands for each byte of a name that is not UTF-8.
inline constexpr char32_t replacementCharacter = 0xFFFD;

// Decodes the character at the start of `text` (not empty) and sets *length
// to its bytes. A byte that does not start a valid UTF-8 sequence (a stray
// continuation byte, a truncated or overlong sequence, a surrogate, a code
// point above U+10FFFF) yields U+FFFD with a length of 1, so that each byte
// of an invalid sequence becomes one replacement.
char32_t decodeUtf8(std::string_view text, size_t* length);

// How many characters decodeUtf8 reads in `text`, each rejected byte one.
size_t codePointCount(std::string_view text);

// The length of `text` without a sequence at its end that bytes yet to come
// could complete: what can be converted now of text that arrives in pieces.
size_t completeUtf8Length(std::string_view text);

// Whether every byte of `text` belongs to a valid UTF-8 sequence.
bool isValidUtf8(std::string_view text);

// Appends `text` to *out with each byte that decodeUtf8 rejects replaced by
// U+FFFD, so that *out stays valid UTF-8.
void appendValidUtf8(std::string_view text, std::string* out);

// Appends every byte of `text` as two lower-case hex digits: how the JSON
// and CSV reports keep a name that is not UTF-8 ("a\xFF" gives "61ff").
void appendHexBytes(std::string_view text, std::string* out);

}  // namespace quillstat

#endif  // QUILLSTAT_REPORT_UTF8_H_
