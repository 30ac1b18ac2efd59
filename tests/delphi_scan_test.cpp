#include <string>

#include <gtest/gtest.h>

#include "engine/delphi_scan.h"
#include "engine/scanner.h"
#include "engine_test_util.h"

namespace quillstat {
namespace {

TEST(DelphiScanner, CountsTheThreeCommentForms) {
  expectScans(scannerOf<delphiScanner>(), {
      {"", true, "size=0 chars=0 code=0 comments=0 marks=0 todo=0 fixme=0"},
      {"x := 1; { todo }", true, "size=16 chars=8 code=8 comments=1 marks=1 todo=1 fixme=0"},
      {"x := 1; { todo }", false, "size=16 chars=0 code=8 comments=0 marks=1 todo=1 fixme=0"},
      {"{ header }\nbegin\n  x := 1; // fixme\nend.\n", true,
       "size=41 chars=18 code=23 comments=2 marks=1 todo=0 fixme=1"},
      {"{ header }\nbegin\n  x := 1; // fixme\nend.\n", false,
       "size=41 chars=8 code=23 comments=1 marks=1 todo=0 fixme=1"},
      // A ")" that no star precedes does not close a parenthesis-star comment.
      {"(* a*b ) c *)", true, "size=13 chars=13 code=0 comments=1 marks=0 todo=0 fixme=0"},
      {"(**)", true, "size=4 chars=4 code=0 comments=1 marks=0 todo=0 fixme=0"},
      {"(*)", true, "size=3 chars=3 code=0 comments=1 marks=0 todo=0 fixme=0"},
      {"(*) x *)", true, "size=8 chars=8 code=0 comments=1 marks=0 todo=0 fixme=0"},
      {"{ abc", true, "size=5 chars=5 code=0 comments=1 marks=0 todo=0 fixme=0"},
      {"{ abc", false, "size=5 chars=0 code=0 comments=0 marks=0 todo=0 fixme=0"},
      {"// a\r;", true, "size=6 chars=4 code=2 comments=1 marks=1 todo=0 fixme=0"},
  });
}

TEST(DelphiScanner, CommentRunsCloseOnlyAtPlainCode) {
  expectScans(scannerOf<delphiScanner>(), {
      {"{a}{b}", true, "size=6 chars=6 code=0 comments=1 marks=0 todo=0 fixme=0"},
      {"{a} {b}", true, "size=7 chars=6 code=1 comments=2 marks=0 todo=0 fixme=0"},
      {"{a}(*b*)", true, "size=8 chars=8 code=0 comments=1 marks=0 todo=0 fixme=0"},
      // The character after a "(" that opens nothing is plain code.
      {"{a}(x{b}", true, "size=8 chars=6 code=1 comments=2 marks=0 todo=0 fixme=0"},
      {"// a\n// b\nx;", true, "size=12 chars=8 code=4 comments=1 marks=1 todo=0 fixme=0"},
      {"// a\n  // b\n", true, "size=12 chars=8 code=4 comments=2 marks=0 todo=0 fixme=0"},
  });
}

TEST(DelphiScanner, SlashAndParenthesisLookOneCharacterAhead) {
  expectScans(scannerOf<delphiScanner>(), {
      // The apostrophe is plain code, so the brace opens a comment to the end.
      {"writeln('{'); x;", true, "size=16 chars=7 code=8 comments=1 marks=0 todo=0 fixme=0"},
      {"s := \"a;b\"; x;", true, "size=14 chars=0 code=14 comments=0 marks=2 todo=0 fixme=0"},
      // The slash before a brace is counted nowhere.
      {"a/{c}b;", true, "size=7 chars=3 code=3 comments=1 marks=1 todo=0 fixme=0"},
      {"f(x);", true, "size=5 chars=0 code=4 comments=0 marks=1 todo=0 fixme=0"},
      {"(;)", true, "size=3 chars=0 code=2 comments=0 marks=1 todo=0 fixme=0"},
      {"((*c*))", true, "size=7 chars=5 code=1 comments=1 marks=0 todo=0 fixme=0"},
      // "/*" is no comment here: the star after the slash is swallowed.
      {"/* x */", true, "size=7 chars=0 code=6 comments=0 marks=0 todo=0 fixme=0"},
      {"x/(*c*)", true, "size=7 chars=0 code=7 comments=0 marks=0 todo=0 fixme=0"},
      {"a;(", true, "size=3 chars=0 code=2 comments=0 marks=1 todo=0 fixme=0"},
  });
}

TEST(DelphiScanner, WordsCountInEveryCommentForm) {
  expectScans(scannerOf<delphiScanner>(), {
      {"{todo}", true, "size=6 chars=6 code=0 comments=1 marks=0 todo=1 fixme=0"},
      {"{ todo}", true, "size=7 chars=7 code=0 comments=1 marks=0 todo=1 fixme=0"},
      {"// fixme\n", true, "size=9 chars=8 code=1 comments=1 marks=0 todo=0 fixme=1"},
      {"(* todo *)", true, "size=10 chars=10 code=0 comments=1 marks=0 todo=1 fixme=0"},
      {"(*fixme*)", true, "size=9 chars=9 code=0 comments=1 marks=0 todo=0 fixme=1"},
      // The character after a star is not offered, so this todo starts nowhere.
      {"(* x *todo *)", true, "size=13 chars=13 code=0 comments=1 marks=0 todo=0 fixme=0"},
      {"todo; \"fixme \";", true, "size=15 chars=0 code=15 comments=0 marks=2 todo=0 fixme=0"},
  });
}

}  // namespace
}  // namespace quillstat
