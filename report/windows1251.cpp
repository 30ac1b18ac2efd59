#include "report/windows1251.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <vector>

#include "report/utf8.h"

namespace quillstat {

namespace {

// The code point of each Windows-1251 byte 0x80..0xFF, in byte order; 0 for
// 0x98, the one byte the code page leaves undefined. Microsoft's published
// mapping of code page 1251, the same as glibc's iconv and Windows' own
// converter give.
constexpr std::array<char32_t, 128> kUpperHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80..87
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88..8F
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90..97
    0x0000, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98..9F
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0..A7
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8..AF
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0..B7
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8..BF
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,  // C0..C7
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,  // C8..CF
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,  // D0..D7
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,  // D8..DF
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,  // E0..E7
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,  // E8..EF
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,  // F0..F7
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,  // F8..FF
};

// Windows-1251 byte of each code point from U+0080 up to the highest one the
// code page has (U+2122), 0 where it has none. A flat table: one index per
// character, and only 8 KiB.
class encodeTable {
 public:
  encodeTable() {
    char32_t highest = 0;
    for (char32_t c : kUpperHalf) highest = c > highest ? c : highest;
    if (highest >= 0x80) bytes_.resize(highest - 0x80 + 1);
    for (int i = 0; i < 128; ++i) {
      char32_t c = kUpperHalf[i];
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
    // Reports are mostly ASCII, which maps to itself: eight bytes at a time
    // while none has its top bit set.
    uint64_t eight;
    while (utf8.size() - i >= sizeof eight) {
      std::memcpy(&eight, utf8.data() + i, sizeof eight);
      if ((eight & 0x8080808080808080u) != 0) break;
      std::memcpy(dst, &eight, sizeof eight);
      dst += sizeof eight;
      i += sizeof eight;
    }
    if (i == utf8.size()) break;
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
