#include "analysis/masks.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace quillstat {
namespace {

// Tokens as one line, each in brackets so that empty tokens and blanks show:
// "[.cpp][ .h]".
std::string describe(const std::vector<std::string>& tokens) {
  std::string text;
  for (const std::string& token : tokens) text += "[" + token + "]";
  return text;
}

TEST(SplitMasks, RemovesWildcardsAndKeepsClosedEmptyTokens) {
  const struct {
    const char* masks;
    const char* tokens;
  } cases[] = {
      {"*.cpp;*.c;*.h;*.hpp;*.cxx;*.hxx", "[.cpp][.c][.h][.hpp][.cxx][.hxx]"},
      {"*.java;", "[.java]"},
      {"*.*", "[.]"},
      {"*", ""},
      {"", ""},
      {";", ""},
      {"*;*.cpp", "[][.cpp]"},
      {";;*.pas", "[][][.pas]"},
      {"*.cpp; *.h", "[.cpp][ .h]"},
      {"a*b?c", "[abc]"},
      {"*.cpp;;", "[.cpp]"},  // the last ';' closes an empty token, which is dropped
      {"?.?;*.", "[.][.]"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(describe(splitMasks(c.masks)), c.tokens) << "masks: \"" << c.masks << "\"";
  }
}

TEST(NameMatches, ComparesLiteralEndingsIgnoringAsciiCase) {
  const struct {
    const char* masks;
    std::vector<std::string> selected;
    std::vector<std::string> rejected;
  } cases[] = {
      {"*.cpp;*.h", {"main.cpp", "MAIN.CPP", "x.h", "x.H", ".cpp"}, {"x.hpp", "main.cppx", "cpp"}},
      // Wildcards are removed, not interpreted.
      {"*.c*", {"a.c"}, {"a.cpp"}},
      {"*.?pp", {"a.pp"}, {"a.cpp"}},
      // The second token begins with a blank.
      {"*.cpp; *.h", {"a.cpp", "a .h"}, {"a.h"}},
      {"*", {}, {"a.cpp", "noext"}},
      {"", {}, {"a.cpp"}},
      {"*;*.cpp", {"a.cpp", "a.txt", "noext"}, {}},
      // The all-files token selects names without a dot too.
      {"*.*", {"a.cpp", "noext", "Makefile"}, {}},
      // Bytes from 0x80 up are compared exactly: Cyrillic "Я" (0xDF in
      // Windows-1251) and "я" (0xFF) are not folded, nor are their UTF-8 forms.
      {"*.\xDF", {"a.\xDF"}, {"a.\xFF"}},
      {"*.\xD0\xAF", {"a.\xD0\xAF"}, {"a.\xD1\x8F"}},
      // Only A to Z fold: '@' (0x40) and '`' (0x60) stay apart.
      {"*.@", {"x.@"}, {"x.`"}},
  };
  for (const auto& c : cases) {
    std::vector<std::string> tokens = splitMasks(c.masks);
    for (const std::string& name : c.selected) {
      EXPECT_TRUE(nameMatches(name, tokens)) << "masks \"" << c.masks << "\", name " << name;
    }
    for (const std::string& name : c.rejected) {
      EXPECT_FALSE(nameMatches(name, tokens)) << "masks \"" << c.masks << "\", name " << name;
    }
  }
}

}  // namespace
}  // namespace quillstat
