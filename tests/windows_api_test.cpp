#include "engine/windows_api.h"

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

namespace quillstat {
namespace {

TEST(WideText, ConvertsBothWaysKeepingLoneSurrogates) {
  const struct {
    const char* what;
    std::string utf8;
    std::wstring wide;
    bool both;  // fromWide gives utf8 back
  } cases[] = {
      {"empty", "", L"", true},
      {"ascii and separators", "C:\\a/b c", L"C:\\a/b c", true},
      {"cyrillic", "\xD1\x84\xD0\xB0\xD0\xB9\xD0\xBB", L"\x0444\x0430\x0439\x043B", true},
      {"outside the basic plane", "\xF0\x9F\x98\x80", L"\xD83D\xDE00", true},
      // A name may hold a surrogate alone; it survives the way there and back.
      {"lone high surrogate", "\xED\xA0\x80x", L"\xD800x", true},
      {"lone low surrogate", "\xED\xB0\x80", L"\xDC00", true},
      // Any other invalid byte becomes one U+FFFD.
      {"byte FF", "a\xFFz", L"a\xFFFDz", false},
      {"stray continuation byte", "\x80", L"\xFFFD", false},
      {"truncated at the end", "\xD0", L"\xFFFD", false},
      {"overlong", "\xC0\xAF", L"\xFFFD\xFFFD", false},
      {"past U+10FFFF", "\xF4\x90\x80\x80", L"\xFFFD\xFFFD\xFFFD\xFFFD", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(toWide(c.utf8), c.wide);
    if (c.both) EXPECT_EQ(fromWide(c.wide), c.utf8);
  }
}

TEST(SystemPath, IsAbsoluteLongAndLiteralInItsLastPart) {
  std::wstring cwd = std::filesystem::current_path().wstring();
  if (cwd.back() == L'\\') cwd.pop_back();
  const struct {
    std::string path;
    std::wstring system;
  } cases[] = {
      {"a\\b.cpp", L"\\\\?\\" + cwd + L"\\a\\b.cpp"},
      {"a/b.cpp", L"\\\\?\\" + cwd + L"\\a\\b.cpp"},
      {"dir\\", L"\\\\?\\" + cwd + L"\\dir\\"},
      {"C:/x/y.cpp", L"\\\\?\\C:\\x\\y.cpp"},
      {"C:\\x\\..\\y\\.\\z.cpp", L"\\\\?\\C:\\y\\z.cpp"},
      // Reserved names and trailing dots name files, as the walk found them.
      {"C:\\x\\nul.cpp", L"\\\\?\\C:\\x\\nul.cpp"},
      {"NUL", L"\\\\?\\" + cwd + L"\\NUL"},
      {"C:\\x\\a.", L"\\\\?\\C:\\x\\a."},
      {"\\\\server\\share\\f.cpp", L"\\\\?\\UNC\\server\\share\\f.cpp"},
      {"\\\\?\\C:\\kept", L"\\\\?\\C:\\kept"},
  };
  for (const auto& c : cases) EXPECT_EQ(systemPath(c.path), c.system) << c.path;
}

}  // namespace
}  // namespace quillstat
