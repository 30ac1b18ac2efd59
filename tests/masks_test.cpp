#include "analysis/masks.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "analysis/path_glob.h"

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

TEST(PathGlob, StarsStayWithinANameAndDoubleStarsCrossDirectories) {
  const struct {
    const char* pattern;
    std::vector<std::string> matched;
    std::vector<std::string> missed;
  } cases[] = {
      {"*.min.js", {"a.min.js", ".min.js"}, {"lib/a.min.js", "a.min.jsx", "A.MIN.JS"}},
      {"vendor", {"vendor"}, {"vendor/a.c", "src/vendor", "vendo"}},
      {"src/*/gen", {"src/x/gen", "src//gen"}, {"src/gen", "src/x/y/gen"}},
      {"**/test_*", {"test_a.c", "a/test_b", "a/b/test_"}, {"a/xtest_b", "test/a"}},
      {"a/**/b", {"a/b", "a/x/b", "a/x/y/b"}, {"a/xb", "ab", "a/b/c"}},
      {"a/**", {"a/x", "a/x/y", "a/"}, {"a", "b/a/x"}},
      {"**", {"", "x", "a/b"}, {}},
      {"*", {"", "x"}, {"a/b"}},
      {"**.c", {"a.c", "x/y/z.c"}, {"a.h"}},
      {"", {""}, {"a"}},
      // Many stars cost no more than a pass per character of the path.
      {"*a*a*a*a*a*a*a*a*b", {"aaaaaaaab"}, {std::string(4000, 'a')}},
  };
  for (const auto& c : cases) {
    const pathGlob glob(c.pattern);
    for (const std::string& p : c.matched) EXPECT_TRUE(glob.matches(p)) << c.pattern << ' ' << p;
    for (const std::string& p : c.missed) EXPECT_FALSE(glob.matches(p)) << c.pattern << ' ' << p;
  }
  // A pattern that ends in a separator leaves out directories only; a listed
  // file is left out by any directory its path passes through.
  const pathExclusions excludes({"build/", "**/*.gen.c", "docs"});
  EXPECT_TRUE(excludes.excludesDirectory("build"));
  EXPECT_FALSE(excludes.excludesFile("build"));
  EXPECT_TRUE(excludes.excludesFile("docs") && excludes.excludesDirectory("docs"));
  EXPECT_TRUE(excludes.excludesFile("x/y.gen.c"));
  for (const char* listed : {"build/a.c", "docs/x/a.c", "a.gen.c"}) {
    EXPECT_TRUE(excludes.excludesListedFile(listed)) << listed;
  }
  for (const char* listed : {"build", "src/build/a.c", "src/a.c"}) {
    EXPECT_FALSE(excludes.excludesListedFile(listed)) << listed;
  }
}

}  // namespace
}  // namespace quillstat
