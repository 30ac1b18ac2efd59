#include "engine/windows_api.h"

#include <windows.h>

namespace quillstat {

namespace {

constexpr wchar_t kReplacement = 0xFFFD;

bool isContinuation(unsigned char b) { return (b & 0xC0) == 0x80; }

void appendUtf8(char32_t c, std::string* out) {
  if (c < 0x80) {
    out->push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out->push_back(static_cast<char>(0xC0 | c >> 6));
    out->push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out->push_back(static_cast<char>(0xE0 | c >> 12));
    out->push_back(static_cast<char>(0x80 | (c >> 6 & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out->push_back(static_cast<char>(0xF0 | c >> 18));
    out->push_back(static_cast<char>(0x80 | (c >> 12 & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (c >> 6 & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

// The absolute form of `path` as GetFullPathNameW makes it, or empty.
std::wstring fullPath(const std::wstring& path) {
  std::wstring full(MAX_PATH, L'\0');
  for (;;) {
    DWORD length = GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(),
                                    nullptr);
    if (length == 0) return {};
    if (length < full.size()) {
      full.resize(length);
      return full;
    }
    full.resize(length);  // the size asked for, its final null included
  }
}

}  // namespace

std::wstring toWide(std::string_view utf8) {
  std::wstring wide;
  wide.reserve(utf8.size());
  size_t i = 0;
  auto byte = [&](size_t k) { return static_cast<unsigned char>(utf8[k]); };
  while (i < utf8.size()) {
    unsigned char lead = byte(i);
    if (lead < 0x80) {
      wide.push_back(lead);
      ++i;
      continue;
    }
    size_t need = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : 1;
    bool valid = lead >= 0xC2 && lead <= 0xF4;
    char32_t c = lead & (0x3F >> need);
    for (size_t k = 1; valid && k <= need; ++k) {
      valid = i + k < utf8.size() && isContinuation(byte(i + k));
      if (valid) c = c << 6 | (byte(i + k) & 0x3F);
    }
    // Overlong forms and code points past U+10FFFF are no characters;
    // surrogates pass, as fromWide writes them for names that hold one alone.
    char32_t least = need == 1 ? 0x80 : need == 2 ? 0x800 : 0x10000;
    if (!valid || c < least || c > 0x10FFFF) {
      wide.push_back(kReplacement);
      ++i;
      continue;
    }
    i += need + 1;
    if (c < 0x10000) {
      wide.push_back(static_cast<wchar_t>(c));
    } else {
      c -= 0x10000;
      wide.push_back(static_cast<wchar_t>(0xD800 | c >> 10));
      wide.push_back(static_cast<wchar_t>(0xDC00 | (c & 0x3FF)));
    }
  }
  return wide;
}

std::string fromWide(std::wstring_view wide) {
  std::string utf8;
  utf8.reserve(wide.size());
  for (size_t i = 0; i < wide.size(); ++i) {
    char32_t c = static_cast<char16_t>(wide[i]);
    if (c >= 0xD800 && c < 0xDC00 && i + 1 < wide.size()) {
      char32_t low = static_cast<char16_t>(wide[i + 1]);
      if (low >= 0xDC00 && low < 0xE000) {
        c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
        ++i;
      }
    }
    appendUtf8(c, &utf8);
  }
  return utf8;
}

std::wstring systemPath(const std::string& path) {
  std::wstring wide = toWide(path);
  if (wide.starts_with(L"\\\\?\\") || wide.starts_with(L"\\\\.\\")) return wide;
  // Only the directory part goes through GetFullPathNameW: on the last part
  // it would map reserved names to devices and drop trailing dots and blanks.
  size_t cut = wide.find_last_of(L"\\/");
  cut = cut == std::wstring::npos ? (wide.size() >= 2 && wide[1] == L':' ? 2 : 0) : cut + 1;
  std::wstring name = wide.substr(cut);
  std::wstring full;
  if (name.empty() || name == L"." || name == L"..") {
    full = fullPath(wide);
  } else {
    full = fullPath(cut == 0 ? std::wstring(L".") : wide.substr(0, cut));
    if (full.empty()) return full;
    if (full.back() != L'\\') full.push_back(L'\\');
    full += name;
  }
  if (full.empty() || full.starts_with(L"\\\\?\\") || full.starts_with(L"\\\\.\\")) return full;
  if (full.starts_with(L"\\\\")) return L"\\\\?\\UNC\\" + full.substr(2);
  return L"\\\\?\\" + full;
}

bool namesDevice(const std::string& path) {
  std::wstring wide = toWide(path);
  wchar_t full[64];
  DWORD length = GetFullPathNameW(wide.c_str(), 64, full, nullptr);
  return length != 0 && length < 64 && std::wstring_view(full, length).starts_with(L"\\\\.\\");
}

}  // namespace quillstat
