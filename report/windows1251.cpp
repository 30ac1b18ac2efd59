#include "report/windows1251.h"

#include <charconv>
#include <cstdint>
#include <vector>

#include "report/utf8.h"

namespace quillstat {

namespace {

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
    char32_t c = decodeUtf8(utf8.substr(i), &length);
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
