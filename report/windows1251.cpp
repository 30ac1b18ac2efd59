#include "report/windows1251.h"

#include <charconv>
#include <cstdint>
#include <vector>

namespace quillstat {

namespace {

constexpr char32_t replacementCharacter = 0xFFFD;

// Windows-1251 byte of each code point from U+0080 up to the highest one the
// code page has (U+2122), 0 where it has none. A flat table: one index per
// character, and only 8 KiB.
class encodeTable {
 public:
  encodeTable() {
    std::array<char32_t, 128> upperHalf = windows1251UpperHalf();
    char32_t highest = 0;
    for (char32_t c : upperHalf) highest = c > highest ? c : highest;
    if (highest >= 0x80) bytes_.resize(highest - 0x80 + 1);
    for (int i = 0; i < 128; ++i) {
      char32_t c = upperHalf[i];
      if (c >= 0x80) bytes_[c - 0x80] = static_cast<uint8_t>(0x80 + i);
    }
  }

  // 0 when Windows-1251 lacks `c` (`c` is never ASCII here).
  uint8_t byteOf(char32_t c) const {
    size_t index = c - 0x80;
    return index < bytes_.size() ? bytes_[index] : 0;
  }

 private:
  std::vector<uint8_t> bytes_;
};

const encodeTable& table() {
  static const encodeTable instance;  // built on first use, thread-safe since C++11
  return instance;
}

bool isContinuation(unsigned char b) { return (b & 0xC0) == 0x80; }

// Decodes the sequence at the start of `s` (not empty, first byte not ASCII)
// and sets *length to its bytes. An invalid sequence yields U+FFFD with a
// length of 1, so each of its bytes becomes one replacement.
char32_t decodeOne(std::string_view s, size_t* length) {
  auto byte = [&](size_t i) { return static_cast<unsigned char>(s[i]); };
  unsigned char lead = byte(0);
  size_t need;
  char32_t c;
  // The limits on the second byte exclude overlong forms, surrogates and code
  // points above U+10FFFF, as the UTF-8 definition requires.
  unsigned char low = 0x80, high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    need = 1, c = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    need = 2, c = lead & 0x0F;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    need = 3, c = lead & 0x07;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    *length = 1;
    return replacementCharacter;
  }
  if (s.size() <= need || byte(1) < low || byte(1) > high) {
    *length = 1;
    return replacementCharacter;
  }
  for (size_t i = 1; i <= need; ++i) {
    if (!isContinuation(byte(i))) {
      *length = 1;
      return replacementCharacter;
    }
    c = c << 6 | (byte(i) & 0x3F);
  }
  *length = need + 1;
  return c;
}

// "&#252;" for U+00FC.
void appendReference(char32_t c, std::string* out) {
  char digits[16];
  char* end = std::to_chars(digits, digits + sizeof digits, static_cast<uint32_t>(c)).ptr;
  out->append("&#");
  out->append(digits, end);
  out->push_back(';');
}

}  // namespace

void appendWindows1251(std::string_view utf8, unmappable policy, std::string* out) {
  const encodeTable& bytes = table();
  // Every character takes at least one byte of input and gives one byte of
  // output, so room for the input size is enough, except for a character
  // reference: that one makes its own room. Writing through a pointer rather
  // than with push_back per character made a 100,000-file report a third faster.
  size_t written = out->size();
  out->resize(written + utf8.size());
  char* dst = out->data() + written;
  size_t i = 0;
  while (i < utf8.size()) {
    unsigned char lead = static_cast<unsigned char>(utf8[i]);
    if (lead < 0x80) {  // ASCII maps to itself
      *dst++ = static_cast<char>(lead);
      ++i;
      continue;
    }
    size_t length;
    char32_t c = decodeOne(utf8.substr(i), &length);
    i += length;
    if (uint8_t b = bytes.byteOf(c)) {
      *dst++ = static_cast<char>(b);
    } else if (policy == unmappable::questionMark) {
      *dst++ = '?';
    } else {
      written = dst - out->data();
      out->resize(written);
      appendReference(c, out);
      written = out->size();
      out->resize(written + utf8.size() - i);
      dst = out->data() + written;
    }
  }
  out->resize(dst - out->data());
}

}  // namespace quillstat
