// The C++ scanner (also Java's) and the PHP scanner that shares its machine.
#include <string>

#include <gtest/gtest.h>

#include "engine/c_like_scan.h"
#include "engine/scanner.h"
#include "engine_test_util.h"

namespace quillstat {
namespace {

TEST(CppScanner, CountsCommentsCodeAndMarks) {
  expectScans(scannerOf<cppScanner>(), {
      {"", true, "size=0 chars=0 code=0 comments=0 marks=0 todo=0 fixme=0"},
      {"int a; // x\n", true, "size=12 chars=4 code=8 comments=1 marks=1 todo=0 fixme=0"},
      {"int a; // x\n", false, "size=12 chars=0 code=8 comments=0 marks=1 todo=0 fixme=0"},
      {"for (i = 0; i < n; i++) {\n}\n", true,
       "size=28 chars=0 code=28 comments=0 marks=3 todo=0 fixme=0"},
      // The last byte is a lone slash: counted nowhere.
      {"x = 1; /", true, "size=8 chars=0 code=7 comments=0 marks=1 todo=0 fixme=0"},
      // The character after a lone slash is swallowed, marks included.
      {"a/;b", true, "size=4 chars=0 code=4 comments=0 marks=0 todo=0 fixme=0"},
      {"a/b;", true, "size=4 chars=0 code=4 comments=0 marks=1 todo=0 fixme=0"},
      {"/**/", true, "size=4 chars=4 code=0 comments=1 marks=0 todo=0 fixme=0"},
      // The slash of "/*" never closes the comment.
      {"/*/ x", true, "size=5 chars=5 code=0 comments=1 marks=0 todo=0 fixme=0"},
      {"/* abc", true, "size=6 chars=6 code=0 comments=1 marks=0 todo=0 fixme=0"},
      {"/* abc", false, "size=6 chars=0 code=0 comments=0 marks=0 todo=0 fixme=0"},
      // A lone CR ends a line comment just as LF does.
      {"// a\r;", true, "size=6 chars=4 code=2 comments=1 marks=1 todo=0 fixme=0"},
  });
}

TEST(CppScanner, CommentRunsCloseOnlyAtPlainCode) {
  expectScans(scannerOf<cppScanner>(), {
      {"// a\n// b\nx;", true, "size=12 chars=8 code=4 comments=1 marks=1 todo=0 fixme=0"},
      {"// a\n  // b\n", true, "size=12 chars=8 code=4 comments=2 marks=0 todo=0 fixme=0"},
      {"// a\n  // b\n", false, "size=12 chars=4 code=4 comments=1 marks=0 todo=0 fixme=0"},
      {"/* licence */\nint x;\n// c\n", false,
       "size=26 chars=4 code=9 comments=1 marks=1 todo=0 fixme=0"},
      {"/* a *//* b */", true, "size=14 chars=14 code=0 comments=1 marks=0 todo=0 fixme=0"},
      {"/* a */ /* b */", true, "size=15 chars=14 code=1 comments=2 marks=0 todo=0 fixme=0"},
      // A string between two comments does not close the run.
      {"/*a*/\"s\"/*b*/", true, "size=13 chars=10 code=3 comments=1 marks=0 todo=0 fixme=0"},
  });
}

TEST(CppScanner, StringsKnowNoEscapesNorCharacterConstants) {
  expectScans(scannerOf<cppScanner>(), {
      {"\"abc // d", true, "size=9 chars=0 code=9 comments=0 marks=0 todo=0 fixme=0"},
      // The quote in the character constant opens a string to the end.
      {"c = '\"'; // c\n", true, "size=14 chars=0 code=14 comments=0 marks=0 todo=0 fixme=0"},
      // The string closes at the escaped quote; the last quote opens another.
      {"a = \"\\\"\"; // q\n", true, "size=15 chars=0 code=15 comments=0 marks=0 todo=0 fixme=0"},
  });
}

TEST(CppScanner, WordsCountInsideCommentsOnly) {
  expectScans(scannerOf<cppScanner>(), {
      {"/* x *todo */", true, "size=13 chars=13 code=0 comments=1 marks=0 todo=0 fixme=0"},
      {"/* fixme*/", true, "size=10 chars=10 code=0 comments=1 marks=0 todo=0 fixme=1"},
      {"/*fixme */", true, "size=10 chars=10 code=0 comments=1 marks=0 todo=0 fixme=1"},
      {"// TODO: x\n", true, "size=11 chars=10 code=1 comments=1 marks=0 todo=1 fixme=0"},
      {"// todo", true, "size=7 chars=7 code=0 comments=1 marks=0 todo=0 fixme=0"},
      {"// todo\n", false, "size=8 chars=0 code=1 comments=0 marks=0 todo=1 fixme=0"},
      {"todo(); s = \"fixme \";", true,
       "size=21 chars=0 code=21 comments=0 marks=2 todo=0 fixme=0"},
  });
}

TEST(PhpScanner, ScansOnlyInsideTags) {
  expectScans(scannerOf<phpScanner>(), {
      {"plain text; // no php", true, "size=21 chars=0 code=0 comments=0 marks=0 todo=0 fixme=0"},
      {"<html><?php echo 1; // c\n?></html>", true,
       "size=34 chars=4 code=14 comments=1 marks=1 todo=0 fixme=0"},
      {"<html><?php echo 1; // c\n?></html>", false,
       "size=34 chars=0 code=14 comments=0 marks=1 todo=0 fixme=0"},
      // The run stays pending across the markup; the "?" of the next tag closes it.
      {"<?php /* a */?>x<?php y; ?>", true,
       "size=27 chars=7 code=13 comments=1 marks=1 todo=0 fixme=0"},
      {"<?", true, "size=2 chars=0 code=1 comments=0 marks=0 todo=0 fixme=0"},
      {"<?>", true, "size=3 chars=0 code=0 comments=0 marks=0 todo=0 fixme=0"},
      {"<", true, "size=1 chars=0 code=0 comments=0 marks=0 todo=0 fixme=0"},
      // "?>" inside a comment is comment text: the PHP part stays open.
      {"<?php // c ?> x\n", true, "size=16 chars=9 code=6 comments=1 marks=0 todo=0 fixme=0"},
      // The character after a lone slash is swallowed, even a tag's "?".
      {"<?a/?>;", true, "size=7 chars=0 code=6 comments=0 marks=1 todo=0 fixme=0"},
  });
}

TEST(PhpScanner, FollowsTheCppRulesInsideTags) {
  expectScans(scannerOf<phpScanner>(), {
      {"<?php # hash comment\n$a = 1;\n", true,
       "size=29 chars=0 code=28 comments=0 marks=1 todo=0 fixme=0"},
      {"<?php $s = 'a // b'; x;", true,
       "size=23 chars=9 code=13 comments=1 marks=0 todo=0 fixme=0"},
      {"<?php\n// a\n// b\n$x = 1;\n", true,
       "size=24 chars=8 code=15 comments=1 marks=1 todo=0 fixme=0"},
      {"<?php function f() { return 1; }", true,
       "size=32 chars=0 code=31 comments=0 marks=2 todo=0 fixme=0"},
      {"<?php /* todo */ x;", true, "size=19 chars=10 code=8 comments=1 marks=1 todo=1 fixme=0"},
      {"<?php /* todo */ x;", false, "size=19 chars=0 code=8 comments=0 marks=1 todo=1 fixme=0"},
  });
}

}  // namespace
}  // namespace quillstat
