#include "report/windows1251.h"

#include <iconv.h>

namespace quillstat {

std::array<char32_t, 128> windows1251UpperHalf() {
  std::array<char32_t, 128> codePoints{};
  // UTF-32LE rather than the host's wchar_t: the bytes are put together below,
  // so neither the width of wchar_t nor the byte order matters.
  iconv_t cd = iconv_open("UTF-32LE", "WINDOWS-1251");
  if (cd == reinterpret_cast<iconv_t>(-1)) return codePoints;
  for (int i = 0; i < 128; ++i) {
    char in = static_cast<char>(0x80 + i);
    unsigned char out[4] = {};
    char* inPtr = &in;
    char* outPtr = reinterpret_cast<char*>(out);
    size_t inLeft = 1;
    size_t outLeft = sizeof out;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    // An undefined byte (0x98) fails with EILSEQ and keeps its 0.
    if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1)) continue;
    if (outLeft != 0) continue;
    codePoints[i] = static_cast<char32_t>(out[0]) | static_cast<char32_t>(out[1]) << 8 |
                    static_cast<char32_t>(out[2]) << 16 | static_cast<char32_t>(out[3]) << 24;
  }
  iconv_close(cd);
  return codePoints;
}

}  // namespace quillstat
