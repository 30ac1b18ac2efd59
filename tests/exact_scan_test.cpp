// The exact scanners, one table per language: each row one rule of the
// exact mode, with figures worked out by hand.
#include <string>

#include <gtest/gtest.h>

#include "engine/exact_c_scan.h"
#include "engine/exact_java_scan.h"
#include "engine/exact_pascal_scan.h"
#include "engine/exact_php_scan.h"
#include "engine_test_util.h"

namespace quillstat {
namespace {

struct scanCase {
  std::string content;
  std::string expected;
};

// `before`, then `piece` `times` over, then `after`.
std::string repeated(const std::string& before, const std::string& piece, int times,
                     const std::string& after) {
  std::string text = before;
  for (int i = 0; i < times; ++i) text += piece;
  return text + after;
}

template <class Scanner, size_t N>
void expectScans(const scanCase (&cases)[N]) {
  for (const scanCase& c : cases) {
    Scanner scanner(true);
    scanner.feed(c.content.data(), c.content.size());
    EXPECT_EQ(describe(scanner.finish(static_cast<int64_t>(c.content.size()))), c.expected)
        << c.content;
  }
}

TEST(ExactCScanner, KnowsLiteralsDirectivesAndSplices) {
  const scanCase cases[] = {
      // An escaped quote stays in the string.
      {"s = \"\\\"//\";", "size=11 chars=0 code=11 comments=0 lines=1 todo=0 fixme=0"},
      {"\"\\\\\" // c", "size=9 chars=4 code=5 comments=1 lines=0 todo=0 fixme=0"},
      {"c = '\"'; // q\n", "size=14 chars=4 code=10 comments=1 lines=1 todo=0 fixme=0"},
      {"x = '\\''; /* c */", "size=17 chars=7 code=10 comments=1 lines=1 todo=0 fixme=0"},
      // An unclosed literal ends with its line.
      {"c = 'a // x\n/* y */", "size=19 chars=7 code=12 comments=1 lines=0 todo=0 fixme=0"},
      // Digit separators are no quotes; u8 is a prefix, not a number.
      {"n = 1'000'000; // m\n", "size=20 chars=4 code=16 comments=1 lines=1 todo=0 fixme=0"},
      {"u8'a'; // c", "size=11 chars=4 code=7 comments=1 lines=1 todo=0 fixme=0"},
      // A number of a million separators is read in one pass, not one per quote.
      {repeated("1", "'1", 1 << 19, ""),
       "size=1048577 chars=0 code=1048577 comments=0 lines=0 todo=0 fixme=0"},
      // Raw strings: only after a prefix, closed only by their delimiter.
      {"R\"(\")\" // c", "size=11 chars=4 code=7 comments=1 lines=0 todo=0 fixme=0"},
      {"xR\"(\")\" // c", "size=12 chars=0 code=12 comments=0 lines=0 todo=0 fixme=0"},
      {"R\"ab()\")ab\"; // c", "size=17 chars=4 code=13 comments=1 lines=1 todo=0 fixme=0"},
      // A backslash before the line end continues a line comment.
      {"// a\\\nb;\nc;", "size=11 chars=8 code=3 comments=1 lines=1 todo=0 fixme=0"},
      // A header name holds no comment, at a line's start only.
      {"#include <a//b.h>\nx; // c", "size=25 chars=4 code=21 comments=1 lines=1 todo=0 fixme=0"},
      {"x #include <a//b.h>", "size=19 chars=6 code=13 comments=1 lines=0 todo=0 fixme=0"},
      {"#define F(x) { f(x); }\n", "size=23 chars=0 code=23 comments=0 lines=2 todo=0 fixme=0"},
      // The byte after a star is comment text like any other.
      {"/* x *todo */", "size=13 chars=13 code=0 comments=1 lines=0 todo=1 fixme=0"},
  };
  expectScans<exactCScanner>(cases);
}

TEST(ExactJavaScanner, KnowsLiteralsAndTextBlocks) {
  const scanCase cases[] = {
      {"s = \"\\\"//\";", "size=11 chars=0 code=11 comments=0 lines=1 todo=0 fixme=0"},
      {"c = '\"'; // q\n", "size=14 chars=4 code=10 comments=1 lines=1 todo=0 fixme=0"},
      {"s = \"\"; // c", "size=12 chars=4 code=8 comments=1 lines=1 todo=0 fixme=0"},
      // A text block ends at three quotes that no backslash escapes.
      {"t = \"\"\"\n\\\"\"\" // b\n\"\"\"; // c",
       "size=27 chars=4 code=23 comments=1 lines=1 todo=0 fixme=0"},
      // No raw strings: the last quote opens a string to the line's end.
      {"R\"(\")\" // c", "size=11 chars=0 code=11 comments=0 lines=0 todo=0 fixme=0"},
  };
  expectScans<exactJavaScanner>(cases);
}

TEST(ExactPascalScanner, KnowsDirectivesAndQuotedStrings) {
  const scanCase cases[] = {
      // Directives are code: no comment, no word, no mark.
      {"{$ifdef todo}x;{ c }", "size=20 chars=5 code=15 comments=1 lines=1 todo=0 fixme=0"},
      {"(*$I x*) (* c *)", "size=16 chars=7 code=9 comments=1 lines=0 todo=0 fixme=0"},
      {"s := 'it''s { x }'; // c", "size=24 chars=4 code=20 comments=1 lines=1 todo=0 fixme=0"},
      {"s := 'abc\n{ c }", "size=15 chars=5 code=10 comments=1 lines=0 todo=0 fixme=0"},
      // Comments do not nest.
      {"{ a { b } c }", "size=13 chars=9 code=4 comments=1 lines=0 todo=0 fixme=0"},
      // A "(" is code; "(*)" opens a comment.
      {"f(x); (*) x *)", "size=14 chars=8 code=6 comments=1 lines=1 todo=0 fixme=0"},
  };
  expectScans<exactPascalScanner>(cases);
}

TEST(ExactPhpScanner, KnowsTagsHashCommentsStringsAndHeredocs) {
  const scanCase cases[] = {
      // "?>" ends a line comment and PHP; outside, nothing counts.
      {"a // b <?= $x; // c ?> d // e", "size=29 chars=5 code=6 comments=1 lines=1 todo=0 fixme=0"},
      {"<?php #[Attr]\nf(); # c\n", "size=23 chars=3 code=18 comments=1 lines=1 todo=0 fixme=0"},
      {"<?php $u = 'http://x\\'//'; // c",
       "size=31 chars=4 code=25 comments=1 lines=1 todo=0 fixme=0"},
      {"<?php $s = \"?>\"; /* ?> */ x;", "size=28 chars=8 code=18 comments=1 lines=2 todo=0 fixme=0"},
      {"<?php $o = `ls //`; # c", "size=23 chars=3 code=18 comments=1 lines=1 todo=0 fixme=0"},
      // Heredocs end at their label, indented or not, with no label byte after it.
      {"<?php f(<<<EOT\n  // a\n  EOT, 1); // c",
       "size=37 chars=4 code=31 comments=1 lines=1 todo=0 fixme=0"},
      {"<?php $x = <<<'EOT'\nEOTX // a\nEOT;\n// c",
       "size=39 chars=4 code=33 comments=1 lines=1 todo=0 fixme=0"},
      // No label is 300 bytes long: memory stays bounded, the line is code.
      {repeated("<?php <<<", "A", 300, "\n// c"),
       "size=314 chars=4 code=308 comments=1 lines=0 todo=0 fixme=0"},
  };
  expectScans<exactPhpScanner>(cases);
}

}  // namespace
}  // namespace quillstat
