#include "report/utf8.h"

namespace quillstat {

namespace {

bool isContinuation(unsigned char b) { return (b & 0xC0) == 0x80; }

// The bytes of the sequence that `lead` starts, 1 for a byte that starts none.
size_t sequenceLength(unsigned char lead) {
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 1;
}

size_t asciiRun(std::string_view text, size_t from) {
  size_t i = from;
  while (i < text.size() && static_cast<unsigned char>(text[i]) < 0x80) ++i;
  return i - from;
}

}  // namespace

char32_t decodeUtf8(std::string_view text, size_t* length) {
  auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
  unsigned char lead = byte(0);
  *length = 1;
  if (lead < 0x80) return lead;
  const size_t need = sequenceLength(lead) - 1;
  if (need == 0) return replacementCharacter;
  char32_t c = lead & (0x7F >> (need + 1));
  // The limits on the second byte exclude overlong forms, surrogates and code
  // points above U+10FFFF, as the UTF-8 definition requires.
  unsigned char low = 0x80, high = 0xBF;
  if (lead == 0xE0) low = 0xA0;
  if (lead == 0xED) high = 0x9F;
  if (lead == 0xF0) low = 0x90;
  if (lead == 0xF4) high = 0x8F;
  if (text.size() <= need || byte(1) < low || byte(1) > high) return replacementCharacter;
  for (size_t i = 1; i <= need; ++i) {
    if (!isContinuation(byte(i))) return replacementCharacter;
    c = c << 6 | (byte(i) & 0x3F);
  }
  *length = need + 1;
  return c;
}

size_t codePointCount(std::string_view text) {
  size_t count = 0;
  for (size_t i = 0, length = 0; i < text.size(); i += length, ++count) {
    decodeUtf8(text.substr(i), &length);
  }
  return count;
}

size_t completeUtf8Length(std::string_view text) {
  for (size_t back = 1; back <= 3 && back <= text.size(); ++back) {
    const unsigned char b = static_cast<unsigned char>(text[text.size() - back]);
    if (isContinuation(b)) continue;
    return back < sequenceLength(b) ? text.size() - back : text.size();
  }
  return text.size();
}

bool isValidUtf8(std::string_view text) {
  size_t i = 0;
  while (i < text.size()) {
    i += asciiRun(text, i);
    if (i == text.size()) break;
    size_t length;
    if (decodeUtf8(text.substr(i), &length) == replacementCharacter && length == 1) return false;
    i += length;
  }
  return true;
}

void appendValidUtf8(std::string_view text, std::string* out) {
  size_t i = 0;
  while (i < text.size()) {
    const size_t plain = asciiRun(text, i);
    out->append(text.data() + i, plain);
    i += plain;
    if (i == text.size()) break;
    size_t length;
    if (decodeUtf8(text.substr(i), &length) == replacementCharacter && length == 1) {
      out->append("\xEF\xBF\xBD");  // U+FFFD
    } else {
      out->append(text.data() + i, length);
    }
    i += length;
  }
}

void appendHexBytes(std::string_view text, std::string* out) {
  static constexpr char digits[] = "0123456789abcdef";
  for (unsigned char b : text) {
    out->push_back(digits[b >> 4]);
    out->push_back(digits[b & 0xF]);
  }
}

}  // namespace quillstat
