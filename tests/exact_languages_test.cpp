// The exact rows of the language table, one table of cases per language:
// each case one rule of the language, with figures worked out by hand from
// the language's own definition.
#include <string>

#include <gtest/gtest.h>

#include "analysis/language_table.h"
#include "delimited_sample_row.h"
#include "engine_test_util.h"
#include "fuzz/fuzz_compare.h"

namespace quillstat {
namespace {

struct languageCase {
  std::string content;
  std::string expected;  // as describe() writes it
  bool includeFirstComment = true;
};

const languageEntry& languageNamed(const std::string& name) {
  for (const languageEntry& language : languageTable) {
    if (name == language.name) return language;
  }
  ADD_FAILURE() << "no language " << name;
  return languageTable[0];
}

// Each case is scanned at once and, when short, a byte at a time, which
// must place every word it counts.
void expectExact(const std::string& language, const scanner& scan,
                 std::initializer_list<languageCase> cases) {
  for (const languageCase& c : cases) {
    const fileStats whole = scan.scanBuffer(c.content.data(), c.content.size(), c.includeFirstComment);
    EXPECT_EQ(describe(whole), c.expected) << language << ": " << testing::PrintToString(c.content);
    if (c.content.size() > 4096) continue;
    std::vector<wordPlace> places;
    const fileStats bytes = scanInPieces(scan, c.content.data(), c.content.size(),
                                         c.includeFirstComment, 0, &places);
    EXPECT_EQ(describe(bytes), c.expected)
        << language << ", a byte at a time: " << testing::PrintToString(c.content);
    EXPECT_TRUE(placesFit(c.content, bytes, places))
        << language << ": " << testing::PrintToString(c.content);
  }
}

void expectExact(const std::string& language, std::initializer_list<languageCase> cases) {
  expectExact(language, languageNamed(language).exact, cases);
}

// `before`, then `piece` `times` over, then `after`.
std::string repeated(const std::string& before, const std::string& piece, int times,
                     const std::string& after) {
  std::string text = before;
  for (int i = 0; i < times; ++i) text += piece;
  return text + after;
}

TEST(ExactLanguages, CAndCpp) {
  expectExact("C++", {
      // Doc comments: "///", "//!", "/**", "/*!", counted as runs are; not a
      // "////" or "/***" banner, nor "/**/".
      {"/// a\nx;", "size=8 chars=5 code=3 comments=1 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1 | doc=1 docLines=1"},
      {"//// b\n/**/\n/*** c */", "size=21 chars=19 code=2 comments=2 marks=0 todo=0 fixme=0 | lines=3 blank=0 comment=3 code=0"},
      {"/*! a */ x; /** b */", "size=20 chars=16 code=4 comments=2 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1 | doc=2 docLines=0"},
      // Left out, the first run leaves its doc comment out too.
      {"/// a\n/// b\nx;\n//! c\n", "size=21 chars=5 code=6 comments=1 marks=1 todo=0 fixme=0 | lines=4 blank=2 comment=1 code=1 | doc=1 docLines=1", false},
      // An escaped quote stays in the string.
      {"s = \"\\\"//\";", "size=11 chars=0 code=11 comments=0 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"\"\\\\\" // c", "size=9 chars=4 code=5 comments=1 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"c = '\"'; // q\n", "size=14 chars=4 code=10 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // An unclosed literal ends with its line.
      {"c = 'a // x\n/* y */", "size=19 chars=7 code=12 comments=1 marks=0 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1"},
      // Digit separators are no quotes; u8 is a prefix, not a number.
      {"n = 1'000'000; // m\n", "size=20 chars=4 code=16 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"u8'a'; // c", "size=11 chars=4 code=7 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // A number of a million separators is read in one pass, not one per quote.
      {repeated("1", "'1", 1 << 19, ""),
       "size=1048577 chars=0 code=1048577 comments=0 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // Raw strings: only after a prefix, closed only by their delimiter.
      {"R\"(\")\" // c", "size=11 chars=4 code=7 comments=1 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"xR\"(\")\" // c", "size=12 chars=0 code=12 comments=0 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"R\"ab()\")ab\"; // c", "size=17 chars=4 code=13 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // A backslash before the line end joins the lines, everywhere: it
      // continues a line comment, and may split a comment's marker.
      {"// a\\\nb;\nc;", "size=11 chars=8 code=3 comments=1 marks=1 todo=0 fixme=0 | lines=3 blank=0 comment=2 code=1"},
      {"/\\\n/ c;", "size=7 chars=7 code=0 comments=1 marks=0 todo=0 fixme=0 | lines=2 blank=0 comment=2 code=0"},
      {"/\\\n* a *\\\n/;", "size=12 chars=11 code=1 comments=1 marks=1 todo=0 fixme=0 | lines=3 blank=0 comment=2 code=1"},
      {"s = \"a\\\\\nb\"; // c", "size=17 chars=4 code=13 comments=1 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=0 code=2"},
      // A header name holds no comment, at a line's start only.
      {"#include <a//b.h>\nx; // c", "size=25 chars=4 code=21 comments=1 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=0 code=2"},
      {"x #include <a//b.h>", "size=19 chars=6 code=13 comments=1 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"#define F(x) { f(x); }\n", "size=23 chars=0 code=23 comments=0 marks=2 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // The byte after a star is comment text like any other.
      {"/* x *todo */", "size=13 chars=13 code=0 comments=1 marks=0 todo=1 fixme=0 | lines=1 blank=0 comment=1 code=0"},
      // A word that ends the content is whole, in a line comment or a block
      // comment left open; a word in code is none.
      {"x; // todo", "size=10 chars=7 code=3 comments=1 marks=1 todo=1 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"/* x */ // FIXME", "size=16 chars=15 code=1 comments=2 marks=0 todo=0 fixme=1 | lines=1 blank=0 comment=1 code=0"},
      {"/* todo", "size=7 chars=7 code=0 comments=1 marks=0 todo=1 fixme=0 | lines=1 blank=0 comment=1 code=0"},
      {"// x\ntodo", "size=9 chars=4 code=5 comments=1 marks=0 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1"},
      {"// todos", "size=8 chars=8 code=0 comments=1 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=1 code=0"},
  });
}

TEST(ExactLanguages, Java) {
  expectExact("Java", {
      {"/** a */\nclass A {}\n/* b */", "size=27 chars=15 code=12 comments=2 marks=1 todo=0 fixme=0 | lines=3 blank=0 comment=2 code=1 | doc=1 docLines=1"},
      {"/*! a */", "size=8 chars=8 code=0 comments=1 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=1 code=0"},
      {"/// a", "size=5 chars=5 code=0 comments=1 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=1 code=0 | doc=1 docLines=1"},
      {"s = \"\\\"//\";", "size=11 chars=0 code=11 comments=0 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"c = '\"'; // q\n", "size=14 chars=4 code=10 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"s = \"\"; // c", "size=12 chars=4 code=8 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // A text block ends at three quotes that no backslash escapes; its
      // lines are code lines, comment markers and all.
      {"t = \"\"\"\n\\\"\"\" // b\n\"\"\"; // c",
       "size=27 chars=4 code=23 comments=1 marks=1 todo=0 fixme=0 | lines=3 blank=0 comment=0 code=3"},
      // No raw strings: the last quote opens a string to the line's end.
      {"R\"(\")\" // c", "size=11 chars=0 code=11 comments=0 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
  });
}

TEST(ExactLanguages, Delphi) {
  expectExact("Delphi", {
      {"/// <s>\nx;", "size=10 chars=7 code=3 comments=1 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1 | doc=1 docLines=1"},
      // Directives are code: no comment, no word, no mark.
      {"{$ifdef todo}x;{ c }", "size=20 chars=5 code=15 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"(*$I x*) (* c *)", "size=16 chars=7 code=9 comments=1 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"s := 'it''s { x }'; // c", "size=24 chars=4 code=20 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"s := 'abc\n{ c }", "size=15 chars=5 code=10 comments=1 marks=0 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1"},
      // Comments do not nest.
      {"{ a { b } c }", "size=13 chars=9 code=4 comments=1 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // A "(" is code; "(*)" opens a comment.
      {"f(x); (*) x *)", "size=14 chars=8 code=6 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // A word that ends the content counts.
      {"x; { fixme", "size=10 chars=7 code=3 comments=1 marks=1 todo=0 fixme=1 | lines=1 blank=0 comment=0 code=1"},
      {"(* a *) // ToDo", "size=15 chars=14 code=1 comments=2 marks=0 todo=1 fixme=0 | lines=1 blank=0 comment=1 code=0"},
  });
}

TEST(ExactLanguages, Php) {
  expectExact("Php", {
      {"<?php\n/** a */\n$x;", "size=18 chars=8 code=8 comments=1 marks=1 todo=0 fixme=0 | lines=3 blank=0 comment=1 code=2 | doc=1 docLines=1"},
      // "?>" ends a line comment and PHP; outside, nothing counts, but its
      // lines are code lines.
      {"a // b <?= $x; // c ?> d // e", "size=29 chars=5 code=6 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"<?php #[Attr]\nf(); # c\n", "size=23 chars=3 code=18 comments=1 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=0 code=2"},
      {"<?php $u = 'http://x\\'//'; // c", "size=31 chars=4 code=25 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"<?php $s = \"?>\"; /* ?> */ x;", "size=28 chars=8 code=18 comments=1 marks=2 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"<?php $o = `ls //`; # c", "size=23 chars=3 code=18 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // Heredocs end at their label, indented or not, with no label byte after it.
      {"<?php f(<<<EOT\n  // a\n  EOT, 1); // c",
       "size=37 chars=4 code=31 comments=1 marks=1 todo=0 fixme=0 | lines=3 blank=0 comment=0 code=3"},
      {"<?php $x = <<<'EOT'\nEOTX // a\nEOT;\n// c",
       "size=39 chars=4 code=33 comments=1 marks=1 todo=0 fixme=0 | lines=4 blank=0 comment=1 code=3"},
      // No label is 300 bytes long: memory stays bounded, the line is code.
      {repeated("<?php <<<", "A", 300, "\n// c"),
       "size=314 chars=4 code=308 comments=1 marks=0 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1"},
  });
}

TEST(ExactLanguages, Go) {
  expectExact("Go", {
      {"// c\nx := 1\n", "size=12 chars=4 code=8 comments=1 marks=0 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1"},
      {"s := \"a//b\" // c", "size=16 chars=4 code=12 comments=1 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // A raw string spans lines; what it holds is code.
      {"r := `a\n/* b */`\n/* c */", "size=24 chars=7 code=17 comments=1 marks=0 todo=0 fixme=0 | lines=3 blank=0 comment=1 code=2"},
      {"c := '\"' // q", "size=13 chars=4 code=9 comments=1 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"s := \"\\\"/*\"; x", "size=14 chars=0 code=14 comments=0 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // Block comments do not nest.
      {"/* a /* b */ c */", "size=17 chars=12 code=5 comments=1 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"func f() { return }", "size=19 chars=0 code=19 comments=0 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // A blank line inside a comment is blank; a last line without a line
      // end counts.
      {"/*\n\n*/", "size=6 chars=6 code=0 comments=1 marks=0 todo=0 fixme=0 | lines=3 blank=1 comment=2 code=0"},
      {"x\n// c", "size=6 chars=4 code=2 comments=1 marks=0 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1"},
      // Left out, the first comment leaves its lines blank.
      {"// a\n// b\nx // c\n", "size=17 chars=4 code=5 comments=1 marks=0 todo=0 fixme=0 | lines=3 blank=2 comment=0 code=1", false},
  });
}

TEST(ExactLanguages, DelimitedLiterals) {
  expectExact("sample", scannerOf<exactScanner<kDelimitedSample>>(), {
      // The fill again closes, after the prefix only, and no backslash escapes.
      {"x = r#\"a\"b\"#; -- c", "size=18 chars=4 code=14 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"r\"a\\\" -- c", "size=10 chars=4 code=6 comments=1 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"xr\"a\\\" -- c", "size=11 chars=0 code=11 comments=0 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"br##\"a\"#\"## -- c", "size=16 chars=4 code=12 comments=1 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // A fill of at least three quotes, closed by as many.
      {"\"\"\"a\"\"b\"\"\"; -- c", "size=16 chars=4 code=12 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"\"\"; -- c", "size=8 chars=4 code=4 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"\"\"\"\"a\"\"\" -- b\"\"\"\" -- c", "size=22 chars=4 code=18 comments=1 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // A comment of a level closed by its level only, with a blank line; a
      // level with no second bracket is a line comment.
      {"--[==[ a ]] ]=] todo\n\n]==] x; -- c", "size=34 chars=30 code=4 comments=2 marks=1 todo=1 fixme=0 | lines=3 blank=1 comment=1 code=1"},
      {"--[= x\ny; -- c", "size=14 chars=10 code=4 comments=2 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1"},
      {"[[\n-- a", "size=7 chars=0 code=7 comments=0 marks=0 todo=0 fixme=0 | lines=2 blank=0 comment=0 code=2"},
      {repeated("[", "=", 128, "[ -- a ]") + repeated("", "=", 128, "] -- c"),
       "size=271 chars=4 code=267 comments=1 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {repeated("[", "=", 129, "[ -- c"), "size=136 chars=4 code=132 comments=1 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // Tags: the same tag closes; a digit does not start one; at a token's start only.
      {"$fn$ -- a $x$ $fn$; -- c", "size=24 chars=4 code=20 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"$1 -- c", "size=7 chars=4 code=3 comments=1 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"a$b$ -- c$b$", "size=12 chars=7 code=5 comments=1 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"{id|a|}|ib} -- x|id} -- c", "size=25 chars=4 code=21 comments=1 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"{x1|a|x1} -- c", "size=14 chars=4 code=10 comments=1 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"--[[ a ]] x --[[ b ]]", "size=21 chars=9 code=3 comments=1 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1", false},
  });
}

TEST(ExactLanguages, C) {
  expectExact("C", {
      // No raw strings: the last quote opens a string to the line's end.
      {"R\"(\")\" // c", "size=11 chars=0 code=11 comments=0 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // Digit separators (C23) open no character literal.
      {"n = 1'000; // m", "size=15 chars=4 code=11 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // A header name holds no comment.
      {"#include <a//b.h>\n/* c */", "size=25 chars=7 code=18 comments=1 marks=0 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1"},
      // A splice carries a string onto the next line.
      {"s = \"a\\\n// b\"; // c", "size=19 chars=4 code=15 comments=1 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=0 code=2"},
      // A blank line inside a comment is blank.
      {"x; /* a\n\n b */\n", "size=15 chars=11 code=4 comments=1 marks=1 todo=0 fixme=0 | lines=3 blank=1 comment=1 code=1"},
      // Left out, the first comment leaves its line blank.
      {"/* lic */\nint x; // c", "size=21 chars=4 code=8 comments=1 marks=1 todo=0 fixme=0 | lines=2 blank=1 comment=0 code=1", false},
  });
}

TEST(ExactLanguages, ObjectiveC) {
  expectExact("Objective-C", {
      // @"..." is a string after the code byte @.
      {"NSString *s = @\"a//b\"; // c", "size=27 chars=4 code=23 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // Objective-C++ raw strings.
      {"R\"(a\")b)\" // c", "size=14 chars=4 code=10 comments=1 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
  });
}

TEST(ExactLanguages, CSharp) {
  expectExact("C#", {
      {"/// <s>\nint x;", "size=14 chars=7 code=7 comments=1 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1 | doc=1 docLines=1"},
      {"//! a", "size=5 chars=5 code=0 comments=1 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=1 code=0"},
      // A verbatim string knows no backslash escape...
      {"s = @\"a\\\" // b\"; // c", "size=21 chars=11 code=10 comments=1 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // ...but doubled quotes, and spans lines.
      {"s = @\"a \"\"// b\"\"\n// c\"; // d", "size=28 chars=4 code=24 comments=1 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=0 code=2"},
      // Interpolations hold strings; {{ is a brace of the text.
      {"$\"{a[\"//\"]}\"; // c", "size=18 chars=4 code=14 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"$\"{{ // x }}\"; // c", "size=19 chars=4 code=15 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"$@\"a{b}\n\"\"// x\"\"\"; @$\"{c}\" // d", "size=31 chars=4 code=27 comments=1 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=0 code=2"},
      // Raw strings: three quotes or more, closed by as many.
      {"\"\"\"\"a\"\"\" // b\"\"\"\"; // c", "size=23 chars=4 code=19 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"$$\"\"\"{{x}} // y\"\"\"; // c", "size=24 chars=4 code=20 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // A region's name is text; other directives may end in a comment.
      {"#region a // b\nx; // c\n#endif // d", "size=34 chars=8 code=26 comments=2 marks=1 todo=0 fixme=0 | lines=3 blank=0 comment=0 code=3"},
      {"/*\n\n*/\nx;", "size=9 chars=0 code=3 comments=0 marks=1 todo=0 fixme=0 | lines=4 blank=3 comment=0 code=1", false},
  });
}

TEST(ExactLanguages, Kotlin) {
  expectExact("Kotlin", {
      {"/** a */", "size=8 chars=8 code=0 comments=1 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=1 code=0 | doc=1 docLines=1"},
      // Block comments nest.
      {"/* a /* b */ c */ x", "size=19 chars=17 code=2 comments=1 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // Templates hold code, strings and braces; $name is text.
      {"\"a${f(\"//\")}b\" // c", "size=19 chars=4 code=15 comments=1 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"\"$a // b\" // c", "size=14 chars=4 code=10 comments=1 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // A raw string's template may hold a raw string.
      {"\"\"\"a ${\"\"\" // x \"\"\"} b\"\"\"\n// c", "size=30 chars=4 code=26 comments=1 marks=0 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1"},
      // A raw string spans lines and knows no escape.
      {"\"\"\"a\n// b\\\"\"\" // c", "size=18 chars=4 code=14 comments=1 marks=0 todo=0 fixme=0 | lines=2 blank=0 comment=0 code=2"},
      // A name in backticks, a test's often, is one token to its line's end.
      {"fun `GET /a/*`() {} // c", "size=24 chars=4 code=20 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"// a\nfun f() {} // c", "size=20 chars=4 code=12 comments=1 marks=1 todo=0 fixme=0 | lines=2 blank=1 comment=0 code=1", false},
  });
}

TEST(ExactLanguages, Scala) {
  expectExact("Scala", {
      {"/** a */", "size=8 chars=8 code=0 comments=1 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=1 code=0 | doc=1 docLines=1"},
      // Block comments nest.
      {"/* a /* b */ c */ x", "size=19 chars=17 code=2 comments=1 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // After an interpolator, ${...} is code; a plain string has none.
      {"s\"a${f(\"//\")} b\" // c", "size=21 chars=4 code=17 comments=1 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"\"${\" // c", "size=9 chars=4 code=5 comments=1 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // An interpolator's string knows no escape.
      {"raw\"a\\\" // c", "size=12 chars=4 code=8 comments=1 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"\"\"\"a\n// b\"\"\" // c", "size=17 chars=4 code=13 comments=1 marks=0 todo=0 fixme=0 | lines=2 blank=0 comment=0 code=2"},
      // A quote before one character and a quote is a literal, else a symbol.
      {"'a' :: 'sym :: '\\'' :: Nil // c", "size=31 chars=4 code=27 comments=1 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"/*\n\n*/", "size=6 chars=6 code=0 comments=1 marks=0 todo=0 fixme=0 | lines=3 blank=1 comment=2 code=0"},
  });
}

TEST(ExactLanguages, Swift) {
  expectExact("Swift", {
      {"/// a\n/** b */", "size=14 chars=13 code=1 comments=1 marks=0 todo=0 fixme=0 | lines=2 blank=0 comment=2 code=0 | doc=1 docLines=2"},
      // Block comments nest.
      {"/* a /* b */ c */ x", "size=19 chars=17 code=2 comments=1 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // Interpolations hold code and strings.
      {"\"a\\(f(\"//\"))\" // c", "size=18 chars=4 code=14 comments=1 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"\"\"\"\n\"a\" // b\n\"\"\" // c", "size=21 chars=4 code=17 comments=1 marks=0 todo=0 fixme=0 | lines=3 blank=0 comment=0 code=3"},
      // Extended delimiters: only "# closes #"..."#, a backslash escapes nothing.
      {"#\"a\\\"# // b\"# // c", "size=18 chars=11 code=7 comments=1 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"##\"a\"# b\"## // c", "size=16 chars=4 code=12 comments=1 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"#\"\"\"\n\"\"\"# // c", "size=14 chars=4 code=10 comments=1 marks=0 todo=0 fixme=0 | lines=2 blank=0 comment=0 code=2"},
      {"#if DEBUG // c\n#endif", "size=21 chars=4 code=17 comments=1 marks=0 todo=0 fixme=0 | lines=2 blank=0 comment=0 code=2"},
  });
}

TEST(ExactLanguages, Rust) {
  expectExact("Rust", {
      {"//! m\n/// f\nfn f() {}", "size=21 chars=10 code=11 comments=1 marks=1 todo=0 fixme=0 | lines=3 blank=0 comment=2 code=1 | doc=1 docLines=2"},
      {"/** a /* b */ */", "size=16 chars=16 code=0 comments=1 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=1 code=0 | doc=1 docLines=1"},
      // Block comments nest.
      {"/* a /* b */ c */ x", "size=19 chars=17 code=2 comments=1 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // Strings span lines.
      {"\"a\n// b\" // c", "size=13 chars=4 code=9 comments=1 marks=0 todo=0 fixme=0 | lines=2 blank=0 comment=0 code=2"},
      // Raw strings: closed by the quote and as many #.
      {"r#\"a\"b\"# // c", "size=13 chars=4 code=9 comments=1 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"br##\"a\"#\"## // c", "size=16 chars=4 code=12 comments=1 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"b\"\\\"//\" // c", "size=12 chars=4 code=8 comments=1 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // Lifetimes are code; character literals are literals.
      {"fn f<'a>(x: &'a str) -> &'a str { x } // c", "size=42 chars=4 code=38 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"'\"'; '\\n'; b'\\''; '\\u{1F600}' // c", "size=34 chars=4 code=30 comments=1 marks=3 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"'outer: loop { r#match = '\xC3\xA9'; } // c", "size=37 chars=4 code=33 comments=1 marks=2 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
  });
}

TEST(ExactLanguages, Dart) {
  expectExact("Dart", {
      {"/// a", "size=5 chars=5 code=0 comments=1 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=1 code=0 | doc=1 docLines=1"},
      // Block comments nest.
      {"/* a /* b */ c */ x", "size=19 chars=17 code=2 comments=1 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // Interpolations hold code and strings; $name is text.
      {"'a${f('//')}' // c", "size=18 chars=4 code=14 comments=1 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"\"$name // x\" // c", "size=17 chars=4 code=13 comments=1 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"'''a\n// b''' // c", "size=17 chars=4 code=13 comments=1 marks=0 todo=0 fixme=0 | lines=2 blank=0 comment=0 code=2"},
      // Raw strings know neither escapes nor interpolations.
      {"r'a\\' // c", "size=10 chars=4 code=6 comments=1 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"r'${' // c", "size=10 chars=4 code=6 comments=1 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"\"\"\"${\"\"\"x\"\"\"} // y\"\"\" // c", "size=26 chars=4 code=22 comments=1 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"// a\nvar x; // c", "size=16 chars=4 code=8 comments=1 marks=1 todo=0 fixme=0 | lines=2 blank=1 comment=0 code=1", false},
  });
}

TEST(ExactLanguages, ProtocolBuffers) {
  expectExact("Protocol Buffers", {
      {"syntax = \"proto3\"; // c", "size=23 chars=4 code=19 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"message A { string s = 1; } /* c */", "size=35 chars=7 code=28 comments=1 marks=2 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"option (x) = \"a//b\"; // c", "size=25 chars=4 code=21 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"default = 'it\\'s // x'; // c", "size=28 chars=4 code=24 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"/*\n\n*/\nx;", "size=9 chars=6 code=3 comments=1 marks=1 todo=0 fixme=0 | lines=4 blank=1 comment=2 code=1"},
      {"// a\n// b\nenum E {} // c", "size=24 chars=4 code=12 comments=1 marks=1 todo=0 fixme=0 | lines=3 blank=2 comment=0 code=1", false},
  });
}

TEST(ExactLanguages, Css) {
  expectExact("CSS", {
      {"s{content:\"/*\"}/* c */", "size=22 chars=7 code=15 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // An unquoted url(...) is one token.
      {"a{b:url(//x/*y)}/* c */", "size=23 chars=7 code=16 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // An unclosed string ends with its line.
      {"a{b:\"x\n/* c */", "size=14 chars=7 code=7 comments=1 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1"},
      {"/* todo\n\n */\np{}", "size=16 chars=12 code=4 comments=1 marks=1 todo=1 fixme=0 | lines=4 blank=1 comment=2 code=1"},
      {"/* a */\nb{}/* c */", "size=18 chars=7 code=4 comments=1 marks=1 todo=0 fixme=0 | lines=2 blank=1 comment=0 code=1", false},
  });
}

TEST(ExactLanguages, Scss) {
  expectExact("SCSS", {
      {"/// a\n$x: 1;", "size=12 chars=5 code=7 comments=1 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1 | doc=1 docLines=1"},
      {"// c\na{b:c;}", "size=12 chars=4 code=8 comments=1 marks=2 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1"},
      // Interpolation holds strings; "#{" in code opens no block.
      {"a{b:\"#{\"//\"}//\";}// c", "size=21 chars=4 code=17 comments=1 marks=2 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {".#{$a}{b:c;}", "size=12 chars=0 code=12 comments=0 marks=2 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"a{b:url(http://x);}// c", "size=23 chars=4 code=19 comments=1 marks=2 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"a{}\n// c", "size=8 chars=4 code=4 comments=1 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1"},
  });
}

TEST(ExactLanguages, Less) {
  expectExact("Less", {
      {".@{n}{a:b;}", "size=11 chars=0 code=11 comments=0 marks=2 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"@a:\"@{b}//\";// c", "size=16 chars=4 code=12 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // Backquotes hold JavaScript.
      {"@a:`1 // 2`;// c", "size=16 chars=4 code=12 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"@import url(//x);", "size=17 chars=0 code=17 comments=0 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // A blank line ends a run of comments.
      {"// a\n\n/* b */", "size=13 chars=11 code=2 comments=2 marks=0 todo=0 fixme=0 | lines=3 blank=1 comment=2 code=0"},
  });
}

TEST(ExactLanguages, Html) {
  // Without statement marks, a file's marks are its code lines.
  expectExact("HTML", {
      {"<p>a</p><!-- c -->", "size=18 chars=10 code=8 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // What <script> and <style> hold is raw text.
      {"<script>// <!-- x --></script><!-- c -->", "size=40 chars=10 code=30 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"<STYLE>/* a */</STYLE>", "size=22 chars=0 code=22 comments=0 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"<!-- todo\n\n-->\n<br>", "size=19 chars=14 code=5 comments=1 marks=1 todo=1 fixme=0 | lines=4 blank=1 comment=2 code=1"},
      {"<b>\n<!-- c -->", "size=14 chars=10 code=4 comments=1 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1"},
      {"<!-- a -->\n<!-- b -->", "size=21 chars=10 code=1 comments=1 marks=0 todo=0 fixme=0 | lines=2 blank=1 comment=1 code=0", false},
  });
}

TEST(ExactLanguages, Xml) {
  expectExact("XML", {
      {"<a><![CDATA[<!-- x -->]]></a><!-- c -->", "size=39 chars=10 code=29 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"<?xml version=\"1.0\"?><!-- c -->", "size=31 chars=10 code=21 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"<?pi <!-- ?>x", "size=13 chars=0 code=13 comments=0 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"<!--\n\n-->", "size=9 chars=9 code=0 comments=1 marks=0 todo=0 fixme=0 | lines=3 blank=1 comment=2 code=0"},
      // Comments do not nest.
      {"<!-- <!-- a --> b -->", "size=21 chars=15 code=6 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
  });
}

TEST(ExactLanguages, Yaml) {
  expectExact("YAML", {
      // "#" opens a comment at a line's start or after a blank only.
      {"a: b#c # d", "size=10 chars=3 code=7 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // A quote opens a string at a value's start only.
      {"a: it's # c", "size=11 chars=3 code=8 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"a: 'it''s # x' # c", "size=18 chars=3 code=15 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"a: \"x\n # y\"\n# c", "size=15 chars=3 code=12 comments=1 marks=2 todo=0 fixme=0 | lines=3 blank=0 comment=1 code=2"},
      // A block scalar: the more indented lines after it, and blank lines
      // between them, are text.
      {"a: | # h\n  x # y\n\n  z\nb: 1 # c", "size=30 chars=6 code=24 comments=2 marks=4 todo=0 fixme=0 | lines=5 blank=1 comment=0 code=4"},
      {"- >-\n  # x\n- y # c", "size=18 chars=3 code=15 comments=1 marks=3 todo=0 fixme=0 | lines=3 blank=0 comment=0 code=3"},
      {"# a\nb: 1\n# c", "size=12 chars=3 code=6 comments=1 marks=1 todo=0 fixme=0 | lines=3 blank=1 comment=1 code=1", false},
  });
}

TEST(ExactLanguages, Toml) {
  expectExact("TOML", {
      {"a = \"x # y\" # c", "size=15 chars=3 code=12 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // A literal string knows no escapes.
      {"a = 'C:\\' # c", "size=13 chars=3 code=10 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"a = \"\"\"\n# x \\\"\"\"\"\n# c", "size=21 chars=3 code=18 comments=1 marks=2 todo=0 fixme=0 | lines=3 blank=0 comment=1 code=2"},
      {"a = '''\n# x\n'''", "size=15 chars=0 code=15 comments=0 marks=3 todo=0 fixme=0 | lines=3 blank=0 comment=0 code=3"},
      {"a = \"x\n# c", "size=10 chars=3 code=7 comments=1 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1"},
  });
}

TEST(ExactLanguages, Dockerfile) {
  expectExact("Dockerfile", {
      {"# c\nFROM x # y", "size=14 chars=3 code=11 comments=1 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1"},
      // A comment line inside a continued instruction; quotes hide nothing.
      {"RUN a \\\n  # c\n  b", "size=17 chars=3 code=14 comments=1 marks=2 todo=0 fixme=0 | lines=3 blank=0 comment=1 code=2"},
      {"RUN echo \"a\n# b\"", "size=16 chars=4 code=12 comments=1 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1"},
  });
}

TEST(ExactLanguages, Makefile) {
  expectExact("Makefile", {
      {"a = b # c\n", "size=10 chars=3 code=7 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"a = \\#b # c", "size=11 chars=3 code=8 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // A reference or function call is one token to the bracket that closes
      // it, brackets of its kind nesting, over continued lines: no "#" in it
      // opens a comment. "$$" is a dollar of the text.
      {"d = $(shell sed 's#(a)#b#' f) # c", "size=33 chars=3 code=30 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"x = ${a #b} $(foreach v,$(L),\\\n #$(v)) # c\n# d", "size=46 chars=6 code=40 comments=1 marks=2 todo=0 fixme=0 | lines=3 blank=0 comment=1 code=2"},
      {"x = $$(y) # c\nz = $(a\n# d", "size=25 chars=6 code=19 comments=2 marks=2 todo=0 fixme=0 | lines=3 blank=0 comment=1 code=2"},
      // A backslash at the line's end continues a comment.
      {"# a \\\nb\nc = 1", "size=13 chars=7 code=6 comments=1 marks=1 todo=0 fixme=0 | lines=3 blank=0 comment=2 code=1"},
      // Recipe lines are the shell's: quotes, words, make's prefixes.
      {"x:\n\techo '#' # c\n", "size=17 chars=3 code=14 comments=1 marks=2 todo=0 fixme=0 | lines=2 blank=0 comment=0 code=2"},
      {"\t@# c\n\techo $$#", "size=15 chars=3 code=12 comments=1 marks=2 todo=0 fixme=0 | lines=2 blank=0 comment=0 code=2"},
      {"\techo \"a\\\n# b\"\n# c", "size=18 chars=3 code=15 comments=1 marks=2 todo=0 fixme=0 | lines=3 blank=0 comment=1 code=2"},
  });
}

TEST(ExactLanguages, Batch) {
  expectExact("Batch", {
      // REM in any case where a command starts; no longer word.
      {"@rem c\necho a & REM d", "size=21 chars=10 code=11 comments=2 marks=2 todo=0 fixme=0 | lines=2 blank=0 comment=0 code=2"},
      {"echo rem x\nremark y", "size=19 chars=0 code=19 comments=0 marks=2 todo=0 fixme=0 | lines=2 blank=0 comment=0 code=2"},
      {"if x (rem c)", "size=12 chars=6 code=6 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"echo \"a & rem b\"", "size=16 chars=0 code=16 comments=0 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"  :: c\nx", "size=8 chars=4 code=4 comments=1 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1"},
  });
}

TEST(ExactLanguages, VisualBasic) {
  expectExact("Visual Basic", {
      {"''' <s>\n'' x\n'''' y", "size=19 chars=17 code=2 comments=1 marks=0 todo=0 fixme=0 | lines=3 blank=0 comment=3 code=0 | doc=1 docLines=1"},
      {"x = 1 ' c", "size=9 chars=3 code=6 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"s = \"a\"\"'b\" ' c", "size=15 chars=3 code=12 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"Rem c\nx = remark", "size=16 chars=5 code=11 comments=1 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1"},
      {"y = 1 : REM c", "size=13 chars=5 code=8 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"s = \"a\n' c", "size=10 chars=3 code=7 comments=1 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1"},
  });
}

TEST(ExactLanguages, Fortran) {
  // The first row of the name, the fixed form.
  expectExact("Fortran", {
      {"!> a\n!!! b\n      x = 1", "size=22 chars=9 code=13 comments=1 marks=1 todo=0 fixme=0 | lines=3 blank=0 comment=2 code=1 | doc=1 docLines=1"},
      {"C comment\n      X = 1 ! c", "size=25 chars=12 code=13 comments=2 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1"},
      {"c x\n* y\n      CALL F", "size=20 chars=6 code=14 comments=1 marks=1 todo=0 fixme=0 | lines=3 blank=0 comment=2 code=1"},
      {"      S = 'IT''S ! X' ! c", "size=25 chars=3 code=22 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"      S = 'AB\nC c", "size=17 chars=3 code=14 comments=1 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1"},
  });
  // The second, the free form, right after it.
  const languageEntry* freeForm = &languageNamed("Fortran") + 1;
  ASSERT_STREQ(freeForm->name, "Fortran");
  expectScans(freeForm->exact, {
      {"x = 1 ! c\nc = 2", true, "size=15 chars=3 code=12 comments=1 marks=2 todo=0 fixme=0 | lines=2 blank=0 comment=0 code=2"},
      {"s = \"a\"\"! b\" ! c", true, "size=16 chars=3 code=13 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
  });
}

TEST(ExactLanguages, Haskell) {
  expectExact("Haskell", {
      {"-- | f\nf = 1\n-- plain\n{-| g -}", "size=30 chars=22 code=8 comments=2 marks=1 todo=0 fixme=0 | lines=4 blank=0 comment=3 code=1 | doc=2 docLines=2"},
      {"x = 1 -- c", "size=10 chars=4 code=6 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // Dashes next to a symbol are an operator.
      {"a --> b |-- c\n--- d", "size=19 chars=5 code=14 comments=1 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1"},
      {"{- a {- b -} c -} x", "size=19 chars=17 code=2 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // A pragma is code.
      {"{-# LANGUAGE CPP #-}\n-- c", "size=25 chars=4 code=21 comments=1 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1"},
      // A prime is code; a quote opens a character only where one closes.
      {"f' = '\"' -- c", "size=13 chars=4 code=9 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"x = ''T -- \"", "size=12 chars=4 code=8 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"c = '\\'' -- x", "size=13 chars=4 code=9 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"s = \"a\\\"--\" -- c", "size=16 chars=4 code=12 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"{-\n\n-}", "size=6 chars=6 code=0 comments=1 marks=0 todo=0 fixme=0 | lines=3 blank=1 comment=2 code=0"},
  });
}

TEST(ExactLanguages, Ocaml) {
  expectExact("OCaml", {
      {"(** a *)\nlet x = 1\n(**)", "size=23 chars=12 code=11 comments=2 marks=1 todo=0 fixme=0 | lines=3 blank=0 comment=2 code=1 | doc=1 docLines=1"},
      {"let x = 1 (* c *)", "size=17 chars=7 code=10 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // Comments nest, and a string in one hides its closer.
      {"(* a (* \"*)\" *) b *) x", "size=22 chars=20 code=2 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // A type variable is code, a character a literal.
      {"let f (x : 'a) = '\"' (* c *)", "size=28 chars=7 code=21 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"let s = {id|(* |} *)|id} (* c *)", "size=32 chars=7 code=25 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"let s = \"a\n(* b *)\"\n(* c *)", "size=27 chars=7 code=20 comments=1 marks=2 todo=0 fixme=0 | lines=3 blank=0 comment=1 code=2"},
      {"(*\n\n*)", "size=6 chars=6 code=0 comments=1 marks=0 todo=0 fixme=0 | lines=3 blank=1 comment=2 code=0"},
  });
}

TEST(ExactLanguages, Sql) {
  expectExact("SQL", {
      {"SELECT 1; -- c", "size=14 chars=4 code=10 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"SELECT 'it''s -- x'; -- c", "size=25 chars=4 code=21 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"SELECT \"a\"\"--b\" FROM t; -- c", "size=28 chars=4 code=24 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // Block comments nest; E'' knows backslash escapes.
      {"/* a /* b */ c */ SELECT 1;", "size=27 chars=17 code=10 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"SELECT E'\\'--'; -- c", "size=20 chars=4 code=16 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // What dollar quotes hold is read as SQL.
      {"AS $$\nSELECT 1; -- c\n$$;", "size=24 chars=4 code=20 comments=1 marks=2 todo=0 fixme=0 | lines=3 blank=0 comment=0 code=3"},
      {"/*\n\n*/\nSELECT 1;\n-- c", "size=21 chars=10 code=11 comments=2 marks=1 todo=0 fixme=0 | lines=5 blank=1 comment=3 code=1"},
  });
}

TEST(ExactLanguages, Cmake) {
  expectExact("CMake", {
      {"set(a b) # c", "size=12 chars=3 code=9 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // Bracket comments and arguments close with as many "=" as opened them.
      {"#[=[ a ]] b ]=] x", "size=17 chars=15 code=2 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"message([[# not]]) # c", "size=22 chars=3 code=19 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"set(a \"x\\\"#\n#y\") # c", "size=20 chars=3 code=17 comments=1 marks=2 todo=0 fixme=0 | lines=2 blank=0 comment=0 code=2"},
      // Outside quoted arguments a backslash escapes the next byte too: \" opens
      // no quoted argument, \# no comment; a quote in an argument's middle
      // (after \\) still opens one, as in -Da="b c".
      {"add_definitions(-DTAG=\\\"x\\\")\n# c", "size=32 chars=3 code=29 comments=1 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1"},
      {"set(a x\\#y) # c", "size=15 chars=3 code=12 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"set(a x\\\\\"b # c\") # d", "size=21 chars=3 code=18 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"#[[\n\n]]", "size=7 chars=7 code=0 comments=1 marks=0 todo=0 fixme=0 | lines=3 blank=1 comment=2 code=0"},
      {"# a\nset(x)\n# b", "size=14 chars=3 code=8 comments=1 marks=1 todo=0 fixme=0 | lines=3 blank=1 comment=1 code=1", false},
  });
}

TEST(ExactLanguages, JavaScriptAndTypeScript) {
  for (const std::string language : {"JavaScript", "TypeScript"}) {
    expectExact(language, {
        {"/** @param x */\nf(x);", "size=21 chars=15 code=6 comments=1 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1 | doc=1 docLines=1"},
        // A "/" after an operand divides; where an operand is expected it opens a
      // regex, whose [...] may hold "/" and "*", and after it its flags.
        {"a = b / c; // d", "size=15 chars=4 code=11 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
        {"x = /\\/\\/[/*]x/g; // c", "size=22 chars=4 code=18 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
        {"return /\\/*/; // c", "size=18 chars=4 code=14 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
        {"y = (a) / 2 / b; // c", "size=21 chars=4 code=17 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
        // An unclosed regex ends with its line.
        {"x = /a\n// c", "size=11 chars=4 code=7 comments=1 marks=0 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1"},
        // Templates hold code with strings and braces, and span lines.
        {"`a${ {b: \"`\"}.b }//`; // c", "size=26 chars=4 code=22 comments=1 marks=2 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
        {"`a\n\n// b`\n// c", "size=14 chars=4 code=10 comments=1 marks=0 todo=0 fixme=0 | lines=4 blank=1 comment=1 code=2"},
        // A "#!" first line is a comment.
        {"#!/usr/bin/env node\nx; // c", "size=27 chars=23 code=4 comments=2 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1"},
        // Left out, the first comment leaves its lines blank.
        {"// a\n// b\nx = 1 / 2; // c", "size=25 chars=4 code=13 comments=1 marks=1 todo=0 fixme=0 | lines=3 blank=2 comment=0 code=1", false},
    });
  }
}

TEST(ExactLanguages, Groovy) {
  expectExact("Groovy", {
      {"/** a */", "size=8 chars=8 code=0 comments=1 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=1 code=0 | doc=1 docLines=1"},
      // Division, and slashy strings where an operand is expected: they span
      // lines and know "\/" only.
      {"x = a / b; // c", "size=15 chars=4 code=11 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"p = /a\n//b/ // c", "size=16 chars=4 code=12 comments=1 marks=0 todo=0 fixme=0 | lines=2 blank=0 comment=0 code=2"},
      {"return /\\/*/ // c", "size=17 chars=4 code=13 comments=1 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"s = $/a/b//$ // c", "size=17 chars=4 code=13 comments=1 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // GStrings hold code; '...' ends with its line; triple quotes span lines.
      {"\"${ m({ \"}\" }) }\" // c", "size=22 chars=4 code=18 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"s = 'a // b\n// c", "size=16 chars=4 code=12 comments=1 marks=0 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1"},
      {"'''a\n\n// b'''\n// c", "size=18 chars=4 code=14 comments=1 marks=0 todo=0 fixme=0 | lines=4 blank=1 comment=1 code=2"},
      // A "#!" first line is a comment.
      {"#!/usr/bin/env groovy\nx = 1", "size=27 chars=21 code=6 comments=1 marks=0 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1"},
  });
}

TEST(ExactLanguages, Ruby) {
  expectExact("Ruby", {
      // "#" outside literals; #{...} holds code; ?# is a character, $' a global.
      {"s = \"a#{h[\"#\"]}b\" # c", "size=21 chars=3 code=18 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"x = ?# + $' # c", "size=15 chars=3 code=12 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // =begin to the whole =end line; a blank line inside is blank.
      {"=begin\n\nx\n=end y\nz", "size=18 chars=16 code=2 comments=1 marks=1 todo=0 fixme=0 | lines=5 blank=1 comment=3 code=1"},
      // Heredocs: the opening line goes on as code, bodies follow in order.
      {"x = <<~EOS # c\n  # not\n  EOS\ny # d", "size=34 chars=6 code=28 comments=2 marks=4 todo=0 fixme=0 | lines=4 blank=0 comment=0 code=4"},
      {"f(<<A, <<B) # c\na #\nA\nb #\nB\n# d", "size=31 chars=6 code=25 comments=2 marks=5 todo=0 fixme=0 | lines=6 blank=0 comment=1 code=5"},
      // % literals nest their brackets; a spaced argument and a line's first
      // "/" open regexes.
      {"%w[a [#] b] # c", "size=15 chars=3 code=12 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"puts /#/ # c", "size=12 chars=3 code=9 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"x = y\n/#/ =~ s # c", "size=18 chars=3 code=15 comments=1 marks=2 todo=0 fixme=0 | lines=2 blank=0 comment=0 code=2"},
      // After __END__ the rest is data.
      {"x # a\n__END__\n# b", "size=17 chars=3 code=14 comments=1 marks=3 todo=0 fixme=0 | lines=3 blank=0 comment=0 code=3"},
      // Left out, the first comment leaves its lines blank.
      {"# a\n# b\nx # c", "size=13 chars=3 code=4 comments=1 marks=1 todo=0 fixme=0 | lines=3 blank=2 comment=0 code=1", false},
  });
}

TEST(ExactLanguages, Perl) {
  expectExact("Perl", {
      // $#array and $#{...} are code.
      {"$n = $#a + $#{$r}; # c", "size=22 chars=3 code=19 comments=1 marks=2 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // POD runs through its =cut line; a blank line inside is blank. POD is
      // a doc comment.
      {"=head1 X\n\ntext\n=cut\nx; # c", "size=26 chars=22 code=4 comments=2 marks=1 todo=0 fixme=0 | lines=5 blank=1 comment=3 code=1 | doc=1 docLines=3"},
      // Quote operators with any delimiter, one or two bodies, then flags;
      // "//" is defined-or; a regex after split or "(", and its flags.
      {"s{#}{#}g; tr/#//; qw(a #b); # c", "size=31 chars=3 code=28 comments=1 marks=3 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"$x = $y // 2; # c", "size=17 chars=3 code=14 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"split /#/, $s; # c", "size=18 chars=3 code=15 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"@a = split(/^/m, $s); # c", "size=25 chars=3 code=22 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // A heredoc's line goes on as code; its label may be quoted.
      {"print <<'E#'; # c\n# body\nE#\n# d", "size=31 chars=6 code=25 comments=2 marks=1 todo=0 fixme=0 | lines=4 blank=0 comment=1 code=3"},
      // After __END__, data, where POD still opens, to the end here.
      {"x;\n__END__\ndata # x\n=pod\n\ny\n", "size=28 chars=8 code=20 comments=1 marks=1 todo=0 fixme=0 | lines=6 blank=1 comment=2 code=3 | doc=1 docLines=2"},
      // Left out, the first comment (a "#!" line and the next) leaves its lines blank.
      {"#!/usr/bin/perl -w\n# a\nx; # c", "size=29 chars=3 code=5 comments=1 marks=1 todo=0 fixme=0 | lines=3 blank=2 comment=0 code=1", false},
  });
}

TEST(ExactLanguages, Shell) {
  expectExact("Shell", {
      // "#" opens a comment at a word's start only.
      {"echo $# ${#v} a#b # c", "size=21 chars=3 code=18 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // '...' spans lines and knows no escape; $'...' knows them; "$(...)" holds
      // code with quotes.
      {"x='a\n# b'\n# c", "size=13 chars=3 code=10 comments=1 marks=2 todo=0 fixme=0 | lines=3 blank=0 comment=1 code=2"},
      {"echo 'a\\' # b\n# c", "size=17 chars=6 code=11 comments=1 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1"},
      {"echo $'it\\'s # x' # c", "size=21 chars=3 code=18 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"echo \"$(echo \"it's\")\" # c", "size=25 chars=3 code=22 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // Heredocs: a comment on the opening line, tabs before "<<-"'s label, a
      // quoted label; "<<<" and an arithmetic shift are no heredocs.
      {"cat <<-EOF # c\n\t# body\n\tEOF\n# d", "size=31 chars=6 code=25 comments=2 marks=3 todo=0 fixme=0 | lines=4 blank=0 comment=1 code=3"},
      {"cat <<\"E\"\n# x\nE\n# d", "size=19 chars=3 code=16 comments=1 marks=3 todo=0 fixme=0 | lines=4 blank=0 comment=1 code=3"},
      {"cat <<< \"a\" # c\n# d", "size=19 chars=6 code=13 comments=1 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1"},
      {"x=$((1 << y)) # c\n# d", "size=21 chars=6 code=15 comments=1 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1"},
      // Left out, the first comment leaves its line blank.
      {"# a\n\nx # c", "size=10 chars=3 code=4 comments=1 marks=1 todo=0 fixme=0 | lines=3 blank=2 comment=0 code=1", false},
  });
}

TEST(ExactLanguages, Python) {
  expectExact("Python", {
      // Docstrings: the module's first statement, and the first line after a
      // line ending with ":", with any quotes; doc comments.
      {"\"\"\"Doc.\"\"\"\nimport os\ndef f(x):\n    'doc'\n    return x  # r\n", "size=59 chars=18 code=41 comments=3 marks=3 todo=0 fixme=0 | lines=5 blank=0 comment=2 code=3 | doc=2 docLines=2"},
      {"def f():\n    x = 1\n    \"s\"\n", "size=27 chars=0 code=27 comments=0 marks=3 todo=0 fixme=0 | lines=3 blank=0 comment=0 code=3"},
      // A raw docstring's prefix is code; bytes are no docstring.
      {"class A:\n  r'''d'''\n", "size=20 chars=7 code=13 comments=1 marks=2 todo=0 fixme=0 | lines=2 blank=0 comment=0 code=2 | doc=1 docLines=0"},
      {"def f():\n  b\"\"\"d\"\"\"\n", "size=20 chars=0 code=20 comments=0 marks=2 todo=0 fixme=0 | lines=2 blank=0 comment=0 code=2"},
      // A comment line before the module's docstring; its prefix makes a code line.
      {"# c\nr'''d'''\n", "size=13 chars=10 code=3 comments=2 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1 | doc=1 docLines=0"},
      // A comment may stand between; a blank line inside is blank; no final line end.
      {"def f():  # c\n\n    \"\"\"a\n\n    b\"\"\"", "size=33 chars=17 code=16 comments=2 marks=1 todo=0 fixme=0 | lines=5 blank=2 comment=2 code=1 | doc=1 docLines=2"},
      // f-strings: strings inside interpolations, a format part, doubled braces.
      {"x = f\"{d['#']:#x} {{#}}\"  # c", "size=29 chars=3 code=26 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"f\"{'\"'}\" # c", "size=12 chars=3 code=9 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"xf\"{'\"'}\" # c", "size=13 chars=0 code=13 comments=0 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"x = \"\"\"a\n# b\n\"\"\"\n", "size=17 chars=0 code=17 comments=0 marks=3 todo=0 fixme=0 | lines=3 blank=0 comment=0 code=3"},
      {"s = 'a # b\n# c", "size=14 chars=3 code=11 comments=1 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1"},
      {"#!/usr/bin/env python\n\"\"\"Doc.\"\"\"\nx = 1\n", "size=39 chars=0 code=8 comments=0 marks=1 todo=0 fixme=0 | lines=3 blank=2 comment=0 code=1", false},
  });
}

TEST(ExactLanguages, PowerShell) {
  expectExact("PowerShell", {
      {"<# a\n\n#> $x = 1; # c\n", "size=21 chars=11 code=10 comments=2 marks=1 todo=0 fixme=0 | lines=3 blank=1 comment=1 code=1"},
      // Backtick escapes, doubled quotes, subexpressions.
      {"\"a`\"b # c\" # d", "size=14 chars=3 code=11 comments=1 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"'it''s # x' # c", "size=15 chars=3 code=12 comments=1 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"\"$(\"#\") # x\" # c", "size=16 chars=3 code=13 comments=1 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // A here-string closes at a line's start only.
      {"@\"\n a \"@ # x\n\"@ # c", "size=19 chars=3 code=16 comments=1 marks=0 todo=0 fixme=0 | lines=3 blank=0 comment=0 code=3"},
      // Escaped quotes and "#" in code open nothing.
      {"Write-Host `\"hi`\" # c", "size=21 chars=3 code=18 comments=1 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"a `# b", "size=6 chars=0 code=6 comments=0 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"Write-Host ``\"a # b\" # c", "size=24 chars=3 code=21 comments=1 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"# a\n{ 1 }\n# b", "size=13 chars=3 code=7 comments=1 marks=1 todo=0 fixme=0 | lines=3 blank=1 comment=1 code=1", false},
  });
}

TEST(ExactLanguages, Julia) {
  expectExact("Julia", {
      // Block comments nest; a blank line inside is blank.
      {"#= a #= b =#\n\n c =# x", "size=21 chars=19 code=2 comments=1 marks=1 todo=0 fixme=0 | lines=3 blank=1 comment=1 code=1"},
      {"\"$(f(\"#\")) # x\" # c", "size=19 chars=3 code=16 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // A string right after a word is a macro's, without interpolation.
      {"r\"$(\" # c", "size=9 chars=3 code=6 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // Transposes versus characters.
      {"a' * b' # c", "size=11 chars=3 code=8 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"(A*B)' # c", "size=10 chars=3 code=7 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"c = '#' # d", "size=11 chars=3 code=8 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"x = '\\'' # d", "size=12 chars=3 code=9 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"\"\"\"\n# a\n\"\"\" # c", "size=15 chars=3 code=12 comments=1 marks=3 todo=0 fixme=0 | lines=3 blank=0 comment=0 code=3"},
      {"x\n# c", "size=5 chars=3 code=2 comments=1 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1"},
  });
}

TEST(ExactLanguages, Erlang) {
  expectExact("Erlang", {
      // Characters: $% and $" are code, as is $\".
      {"X = $%, Y = $\", % c", "size=19 chars=3 code=16 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"C = $\\\", S = \"%\"  % c", "size=21 chars=3 code=18 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"'a%b' % c", "size=9 chars=3 code=6 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"\"a\n% b\" % c", "size=11 chars=3 code=8 comments=1 marks=2 todo=0 fixme=0 | lines=2 blank=0 comment=0 code=2"},
      {"#!/usr/bin/env escript\nmain(_) -> ok. % c", "size=41 chars=25 code=16 comments=2 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1"},
      {"%% a\n\n%% b\nx.", "size=13 chars=4 code=5 comments=1 marks=1 todo=0 fixme=0 | lines=4 blank=2 comment=1 code=1", false},
  });
}

TEST(ExactLanguages, Clojure) {
  expectExact("Clojure", {
      // Characters: \; and \" are code; #_ discards a form, in code.
      {"(def c \\;) ; x", "size=14 chars=3 code=11 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"(str \\\" \"a;b\") ; c", "size=18 chars=3 code=15 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"\\\\ \"a\" ; c", "size=10 chars=3 code=7 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"#_(foo) ; c", "size=11 chars=3 code=8 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"\"a\n;b\" ; c", "size=10 chars=3 code=7 comments=1 marks=2 todo=0 fixme=0 | lines=2 blank=0 comment=0 code=2"},
      {"#!/usr/bin/env bb\n(x)", "size=21 chars=17 code=4 comments=1 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1"},
  });
}

TEST(ExactLanguages, Tcl) {
  expectExact("Tcl", {
      // "#" where a command starts: a line's start, after ; { or [.
      {"set x 1 ;# c\nputs a#b\nputs \"#x\" ;  # d", "size=38 chars=6 code=32 comments=2 marks=3 todo=0 fixme=0 | lines=3 blank=0 comment=0 code=3"},
      {"if {$x} { # c\n}", "size=15 chars=3 code=12 comments=1 marks=2 todo=0 fixme=0 | lines=2 blank=0 comment=0 code=2"},
      {"regexp {a#b} $s", "size=15 chars=0 code=15 comments=0 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // "(" starts no command, nor does a word: "#" after them is text.
      {"regsub {\\( # a\n/* #b */} $s", "size=27 chars=0 code=27 comments=0 marks=2 todo=0 fixme=0 | lines=2 blank=0 comment=0 code=2"},
      // A quote opens a string at a word's start only.
      {"set q a\"b\n# c", "size=13 chars=3 code=10 comments=1 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1"},
      {"puts \"[join $l \"#\"]\" ;# c", "size=25 chars=3 code=22 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // A backslash before the line end continues a comment.
      {"# a \\\nb\nc", "size=9 chars=7 code=2 comments=1 marks=1 todo=0 fixme=0 | lines=3 blank=0 comment=2 code=1"},
      {"#!/usr/bin/tclsh\n# b", "size=20 chars=0 code=1 comments=0 marks=0 todo=0 fixme=0 | lines=2 blank=2 comment=0 code=0", false},
  });
}

TEST(ExactLanguages, Elixir) {
  expectExact("Elixir", {
      {"x = \"a#{\"#\"}b\" # c", "size=18 chars=3 code=15 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"'a#{x}' # c", "size=11 chars=3 code=8 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // Characters: ?# and ?" are code.
      {"?# # c", "size=6 chars=3 code=3 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"{?\", ?'} # c", "size=12 chars=3 code=9 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // Sigils close at their delimiter; an uppercase one does not interpolate.
      {"~r/#\"/ # c", "size=10 chars=3 code=7 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"~w(a # b) # c", "size=13 chars=3 code=10 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"a ~> b # c", "size=10 chars=3 code=7 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"~S\"#{\"x # c", "size=11 chars=3 code=8 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"\"\"\"\n# a\n\n\"\"\"\n# c", "size=16 chars=3 code=13 comments=1 marks=3 todo=0 fixme=0 | lines=5 blank=1 comment=1 code=3"},
      {"# a\n# b\nx", "size=9 chars=0 code=3 comments=0 marks=1 todo=0 fixme=0 | lines=3 blank=2 comment=0 code=1", false},
  });
}

TEST(ExactLanguages, Lua) {
  expectExact("Lua", {
      {"--- a\n---- b\n-- c", "size=17 chars=15 code=2 comments=1 marks=0 todo=0 fixme=0 | lines=3 blank=0 comment=3 code=0 | doc=1 docLines=1"},
      // Long comments and strings close at their own level only.
      {"--[==[ a ]] ]=]\n\n]==] x -- c", "size=28 chars=25 code=3 comments=2 marks=1 todo=0 fixme=0 | lines=3 blank=1 comment=1 code=1"},
      {"--[= x\ny -- c", "size=13 chars=10 code=3 comments=2 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1"},
      {"s = [=[a]]--]=] -- c", "size=20 chars=4 code=16 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // Quoted strings end with their line, and know escapes.
      {"s = 'a -- b\n-- c", "size=16 chars=4 code=12 comments=1 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1"},
      {"s = \"a\\\"--\" -- c", "size=16 chars=4 code=12 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"x\n--[[ a", "size=8 chars=6 code=2 comments=1 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1"},
      // A word that ends the content counts.
      {"x -- todo", "size=9 chars=7 code=2 comments=1 marks=1 todo=1 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"--[[ FIXME", "size=10 chars=10 code=0 comments=1 marks=0 todo=0 fixme=1 | lines=1 blank=0 comment=1 code=0"},
      {"-- a\nx -- b", "size=11 chars=4 code=3 comments=1 marks=1 todo=0 fixme=0 | lines=2 blank=1 comment=0 code=1", false},
  });
}

TEST(ExactLanguages, R) {
  expectExact("R", {
      {"#' a\nf <- 1\n# b", "size=15 chars=7 code=8 comments=2 marks=0 todo=0 fixme=0 | lines=3 blank=0 comment=2 code=1 | doc=1 docLines=1"},
      // Raw strings close at their bracket, dashes and quote, after r or R alone.
      {"x <- r\"-(a)\"#)-\" # c", "size=20 chars=3 code=17 comments=1 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"R'[#]' # c", "size=10 chars=3 code=7 comments=1 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"xr\"-(\")-\" # c", "size=13 chars=0 code=13 comments=0 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // Backtick names and strings spanning lines hold no comment.
      {"`a#b` <- 1 # c", "size=14 chars=3 code=11 comments=1 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // An operator %...% is one token, closed on its line: its "#" opens no comment.
      {"a %in% b; x %#% y # c", "size=21 chars=3 code=18 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"x %#\n# c", "size=8 chars=3 code=5 comments=1 marks=0 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1"},
      {"\"a\\\"\n#b\" # c", "size=12 chars=3 code=9 comments=1 marks=0 todo=0 fixme=0 | lines=2 blank=0 comment=0 code=2"},
      {"f <- function(x) { x; }", "size=23 chars=0 code=23 comments=0 marks=2 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"# a\n\n# b", "size=8 chars=3 code=2 comments=1 marks=0 todo=0 fixme=0 | lines=3 blank=2 comment=1 code=0", false},
  });
}

TEST(ExactLanguages, GraphQl) {
  expectExact("GraphQL", {
      // # after code, and inside strings none
      {"type A { s: String } # c", "size=24 chars=3 code=21 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"\"a # b\" # c", "size=11 chars=3 code=8 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"\"a\\\"#\" # c", "size=10 chars=3 code=7 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // A string ends with its line; a block string spans lines, and \""" is text in it.
      {"\"a\n# c", "size=6 chars=3 code=3 comments=1 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1"},
      {"\"\"\"\n# a\n\"\"\"\nx # c", "size=17 chars=3 code=14 comments=1 marks=4 todo=0 fixme=0 | lines=4 blank=0 comment=0 code=4"},
      {"\"\"\"a\\\"\"\" # b\"\"\" # c", "size=19 chars=3 code=16 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
  });
}

TEST(ExactLanguages, Thrift) {
  expectExact("Thrift", {
      {"struct A { 1: string s; } // c", "size=30 chars=4 code=26 comments=1 marks=2 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"x; # c", "size=6 chars=3 code=3 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // Strings in either quote know escapes and span lines.
      {"const string s = 'it\\'s\n// x' // c", "size=34 chars=4 code=30 comments=1 marks=0 todo=0 fixme=0 | lines=2 blank=0 comment=0 code=2"},
      {"\"a /* b\" /* c */", "size=16 chars=7 code=9 comments=1 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"/**\n * d\n */\nenum E {}", "size=22 chars=12 code=10 comments=1 marks=1 todo=0 fixme=0 | lines=4 blank=0 comment=3 code=1 | doc=1 docLines=3"},
  });
}

TEST(ExactLanguages, CapnProto) {
  expectExact("Cap'n Proto", {
      {"struct A { s @0 :Text; } # c", "size=28 chars=3 code=25 comments=1 marks=2 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"const s :Text = \"a # b\"; # c", "size=28 chars=3 code=25 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"\"a\\\"#\"; # c", "size=11 chars=3 code=8 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // An unclosed string ends with its line.
      {"x \"a\n# c", "size=8 chars=3 code=5 comments=1 marks=0 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1"},
      {"@0xdbb9ad1f14bf0b36;", "size=20 chars=0 code=20 comments=0 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
  });
}

TEST(ExactLanguages, Gherkin) {
  expectExact("Gherkin", {
      // "#" opens a comment first on its line only.
      {"Feature: a # b\n  # c\n", "size=21 chars=3 code=18 comments=1 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1"},
      // Doc strings open at a line's start and hold no comment.
      {"\"\"\"\n# a\n\"\"\"\n# c", "size=15 chars=3 code=12 comments=1 marks=3 todo=0 fixme=0 | lines=4 blank=0 comment=1 code=3"},
      {"  \"\"\"\n  # a\n  \"\"\"\n# c", "size=21 chars=3 code=18 comments=1 marks=3 todo=0 fixme=0 | lines=4 blank=0 comment=1 code=3"},
      {"```\n# a\n```", "size=11 chars=0 code=11 comments=0 marks=3 todo=0 fixme=0 | lines=3 blank=0 comment=0 code=3"},
      {"Given a \"\"\"\n# c", "size=15 chars=3 code=12 comments=1 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1"},
  });
}

TEST(ExactLanguages, Handlebars) {
  expectExact("Handlebars", {
      {"<p>{{name}}</p>{{! c }}", "size=23 chars=8 code=15 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // {{!-- --}} holds "}}"; {{! }} ends at the first.
      {"{{!-- a }} b --}}x", "size=18 chars=17 code=1 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"{{!x}}{{y}}", "size=11 chars=6 code=5 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"<!-- {{x}} -->\n{{y}}", "size=20 chars=14 code=6 comments=1 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1"},
      {"{{!-- a\n\n--}}\n<b>", "size=17 chars=13 code=4 comments=1 marks=1 todo=0 fixme=0 | lines=4 blank=1 comment=2 code=1"},
  });
}

TEST(ExactLanguages, Jinja) {
  expectExact("Jinja", {
      {"{{ x }}{# c #}", "size=14 chars=7 code=7 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // A raw block holds no comment; "#" in the text is none.
      {"{% raw %}{# x #}{% endraw %}{# c #}", "size=35 chars=7 code=28 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"{%- raw -%}\n{#\n{%- endraw %}", "size=28 chars=0 code=28 comments=0 marks=3 todo=0 fixme=0 | lines=3 blank=0 comment=0 code=3"},
      {"{#\n\n#}\nx", "size=8 chars=6 code=2 comments=1 marks=1 todo=0 fixme=0 | lines=4 blank=1 comment=2 code=1"},
      {"# a {# b #}", "size=11 chars=7 code=4 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
  });
}

TEST(ExactLanguages, Twig) {
  expectExact("Twig", {
      {"{{ x }}{# c #}", "size=14 chars=7 code=7 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"{% verbatim %}{# x #}{% endverbatim %}{# c #}", "size=45 chars=7 code=38 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // HTML comments are text.
      {"<!-- a -->{# b\n#}", "size=17 chars=7 code=10 comments=1 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1"},
  });
}

TEST(ExactLanguages, Sass) {
  expectExact("Sass", {
      {"a\n  b: c // d", "size=13 chars=4 code=9 comments=1 marks=2 todo=0 fixme=0 | lines=2 blank=0 comment=0 code=2"},
      // Strings, interpolation and unquoted urls hide "//".
      {"a: \"//\" // c", "size=12 chars=4 code=8 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"a: \"#{\"//\"}\" // c", "size=17 chars=4 code=13 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"a: url(//x) // c", "size=16 chars=4 code=12 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"a: b /* c */ d", "size=14 chars=7 code=7 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // First on its line, either comment runs over its indented block: "*/" ends nothing.
      {"// a\n  b\n\n   c\nd", "size=16 chars=6 code=10 comments=1 marks=1 todo=0 fixme=0 | lines=5 blank=1 comment=3 code=1"},
      {"  /* a */ b\n    c */\n  d", "size=24 chars=13 code=11 comments=1 marks=1 todo=0 fixme=0 | lines=3 blank=0 comment=2 code=1"},
      {"a\n  // b\n  c // d", "size=17 chars=8 code=9 comments=2 marks=2 todo=0 fixme=0 | lines=3 blank=0 comment=1 code=2"},
  });
}

TEST(ExactLanguages, Qml) {
  expectExact("QML", {
      {"Item { width: 2 / 3 } // c", "size=26 chars=4 code=22 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"property string s: \"a // b\"; /* c */", "size=36 chars=7 code=29 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"var r = /\\/\\//; // c", "size=20 chars=4 code=16 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"`a\n// b` // c", "size=13 chars=4 code=9 comments=1 marks=0 todo=0 fixme=0 | lines=2 blank=0 comment=0 code=2"},
      // QDoc's "/*!" doc comments.
      {"/*! d */\nItem {}", "size=16 chars=8 code=8 comments=1 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1 | doc=1 docLines=1"},
  });
}

TEST(ExactLanguages, AsciiDoc) {
  expectExact("AsciiDoc", {
      // "//" first on its line, not "///", opens a comment line.
      {"// a\ntext // b", "size=14 chars=4 code=10 comments=1 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1"},
      {"/// a", "size=5 chars=0 code=5 comments=0 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // Blocks close at a line equal to their opening one.
      {"////\na\n////\nx", "size=13 chars=12 code=1 comments=1 marks=1 todo=0 fixme=0 | lines=4 blank=0 comment=3 code=1"},
      {"----\n// a\n----\n// b", "size=19 chars=4 code=15 comments=1 marks=3 todo=0 fixme=0 | lines=4 blank=0 comment=1 code=3"},
      {"....\n// a\n.....\n// b\n....\n// c", "size=30 chars=4 code=26 comments=1 marks=5 todo=0 fixme=0 | lines=6 blank=0 comment=1 code=5"},
      {"```\n// a\n```\n// b", "size=17 chars=4 code=13 comments=1 marks=3 todo=0 fixme=0 | lines=4 blank=0 comment=1 code=3"},
  });
}

TEST(ExactLanguages, Erb) {
  expectExact("ERB", {
      // Outside the tags, nothing counts, but its lines are code lines.
      {"<p><%= x %></p><%# c %>", "size=23 chars=4 code=4 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"# a <%# c %>", "size=12 chars=4 code=0 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"<%= \"#{a}\" %><%# c %>", "size=21 chars=4 code=9 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // A comment ends with its line, or at "%>".
      {"<% x # c\ny %>", "size=13 chars=3 code=6 comments=1 marks=2 todo=0 fixme=0 | lines=2 blank=0 comment=0 code=2"},
  });
}

TEST(ExactLanguages, JsxAndTsx) {
  for (const std::string language : {"JSX", "TSX"}) {
    expectExact(language, {
        // Tags and the text between them are literal: no string or comment opens.
        {"x = <p>don't // x</p>; // c", "size=27 chars=4 code=23 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
        // Attribute strings are literal, "{...}" is code, comments inside included.
        {"<a href=\"//x\" b={/* c */ 1}>t</a>;", "size=34 chars=7 code=27 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
        {"<div>\n  {/* c */}\n</div>", "size=24 chars=7 code=17 comments=1 marks=0 todo=0 fixme=0 | lines=3 blank=0 comment=0 code=3"},
        // Elements nest, inside code in braces too; "/>" and fragments close.
        {"f(<ul>{a.map(i => <li>{i}'s</li>)}</ul>); // c", "size=46 chars=4 code=42 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
        {"return <>\n  <br/>\n  http://x\n</>; // c", "size=38 chars=4 code=34 comments=1 marks=1 todo=0 fixme=0 | lines=4 blank=0 comment=0 code=4"},
        // After an operand "<" compares or opens type arguments.
        {"if (a < b) { c = d<e>(f); } // g", "size=32 chars=4 code=28 comments=1 marks=2 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
        // A generic arrow function's type parameters are no element.
        {"const f = <T,>(x: T) => x; // c", "size=31 chars=4 code=27 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
        {"const g = <T extends U>(x: T) => x; // c", "size=40 chars=4 code=36 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
        // A ">" in the text shows no element stood there: code from it on.
        {"y = <T>(a: T) => a; // c", "size=24 chars=4 code=20 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
        // JSDoc's "/**".
        {"/** @param p */\nf(p);", "size=21 chars=15 code=6 comments=1 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1 | doc=1 docLines=1"},
    });
  }
}

TEST(ExactLanguages, Assembly) {
  expectExact("Assembly", {
      // "# " with a blank after it opens a comment anywhere (x86, MIPS, s390).
      {"mov %eax, %ebx # c\n", "size=19 chars=3 code=16 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // A directive is code; "#" first on a line and no directive is a comment.
      {"#include <a.h>\n# note\n", "size=22 chars=6 code=16 comments=1 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1"},
      // "#1" is an immediate; "@ " opens ARM's comment.
      {"mov r0, #1 @ c\n", "size=15 chars=3 code=12 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // "##" pastes tokens in a macro.
      {"#define J(a) a##b /* x */\n", "size=26 chars=7 code=19 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"s: .ascii \"# x\" // c\n", "size=21 chars=4 code=17 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // The preprocessor splices lines first.
      {"# a \\\nb\nc\n", "size=10 chars=7 code=3 comments=1 marks=1 todo=0 fixme=0 | lines=3 blank=0 comment=2 code=1"},
      // Kernel-doc's "/**".
      {"/** f */\nf: ret\n", "size=16 chars=8 code=8 comments=1 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1 | doc=1 docLines=1"},
  });
}

TEST(ExactLanguages, DeviceTree) {
  expectExact("Device Tree", {
      {"/dts-v1/;\n#include <dt.h>\n/ { a = \"//x\"; };\n", "size=44 chars=0 code=44 comments=0 marks=4 todo=0 fixme=0 | lines=3 blank=0 comment=0 code=3"},
      // A property named "#address-cells" is code, as a directive is.
      {"#address-cells = <1>; // c\n", "size=27 chars=4 code=23 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"/* a\n * b */\nn { };\n", "size=20 chars=12 code=8 comments=1 marks=2 todo=0 fixme=0 | lines=3 blank=0 comment=2 code=1"},
  });
}

TEST(ExactLanguages, Kconfig) {
  expectExact("Kconfig", {
      {"config A\n\tbool \"a # b\" # c\n", "size=27 chars=3 code=24 comments=1 marks=2 todo=0 fixme=0 | lines=2 blank=0 comment=0 code=2"},
      // A help text runs over blank lines while its lines keep the first one's
      // indent (a tab to column 8); "#" in it is text.
      {"\thelp\n\t  Say # Y.\n\n\t  More.\n# c\n", "size=32 chars=3 code=29 comments=1 marks=3 todo=0 fixme=0 | lines=5 blank=1 comment=1 code=3"},
      {"help\n  a\n b # c\n", "size=16 chars=3 code=13 comments=1 marks=3 todo=0 fixme=0 | lines=3 blank=0 comment=0 code=3"},
      {"helper # c\n", "size=11 chars=3 code=8 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
  });
}

TEST(ExactLanguages, LinkerScript) {
  expectExact("Linker Script", {
      {"SECTIONS {\n  .text : { *(.text) } /* c */\n}\n", "size=44 chars=7 code=37 comments=1 marks=3 todo=0 fixme=0 | lines=3 blank=0 comment=0 code=3"},
      {"a = 1; // b\n", "size=12 chars=0 code=12 comments=0 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
  });
}

TEST(ExactLanguages, TextAndIgnoreLists) {
  expectExact("Text", {
      {"a # b\n\n/* c */\n", "size=15 chars=0 code=15 comments=0 marks=2 todo=0 fixme=0 | lines=3 blank=1 comment=0 code=2"},
  });
  // Only a "#" as a line's first byte opens a comment.
  expectExact("Ignore List", {
      {"# c\n\\#a\n #b\n*.o # x\n", "size=20 chars=3 code=17 comments=1 marks=3 todo=0 fixme=0 | lines=4 blank=0 comment=1 code=3"},
  });
}

TEST(ExactLanguages, YaccAndLex) {
  expectExact("Yacc", {
      {"%{\n#include <a.h>\n%}\n%%\nexp: exp '+' exp { $$ = $1; } /* c */\n;\n", "size=64 chars=7 code=57 comments=1 marks=4 todo=0 fixme=0 | lines=6 blank=0 comment=0 code=6"},
      // C's doc comments.
      {"/** r */\nexp: NUM;\n", "size=19 chars=8 code=11 comments=1 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1 | doc=1 docLines=1"},
  });
  expectExact("Lex", {
      {"%%\n\"/*\"  { return C; } // c\n", "size=28 chars=4 code=24 comments=1 marks=2 todo=0 fixme=0 | lines=2 blank=0 comment=0 code=2"},
      {"//! s\n%%\n", "size=9 chars=5 code=4 comments=1 marks=0 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1 | doc=1 docLines=1"},
  });
}

TEST(ExactLanguages, M4) {
  expectExact("M4", {
      // "dnl" as a whole word; "#" after a blank; a "#" glued to a quote is text.
      {"dnl c\nAC_INIT([x]) # c\nAC_DEFINE([A#B])dnl\n[#include <a.h>]\n", "size=60 chars=11 code=49 comments=3 marks=3 todo=0 fixme=0 | lines=4 blank=0 comment=1 code=3"},
      {"dnlx # c\n", "size=9 chars=3 code=6 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
  });
}

TEST(ExactLanguages, Json) {
  expectExact("JSON", {
      {"{\"a\": \"// x\"}\n// c\n", "size=19 chars=0 code=19 comments=0 marks=2 todo=0 fixme=0 | lines=2 blank=0 comment=0 code=2"},
  });
  expectExact("JSON with Comments", {
      {"{\"a\": \"//x\" // c\n/* d */}\n", "size=26 chars=11 code=15 comments=1 marks=2 todo=0 fixme=0 | lines=2 blank=0 comment=0 code=2"},
  });
}

TEST(ExactLanguages, RestructuredText) {
  expectExact("reStructuredText", {
      // A comment goes on over blank lines and deeper lines; its line ends are its text.
      {".. c\n   d\n\n   e\nText\n", "size=21 chars=16 code=5 comments=1 marks=1 todo=0 fixme=0 | lines=5 blank=1 comment=3 code=1"},
      // Directives, targets, footnotes and substitutions are no comments.
      {".. note:: x\n   y\n.. _t: http://a\n.. [1] f\n.. |s| image:: a.png\n", "size=63 chars=0 code=63 comments=0 marks=5 todo=0 fixme=0 | lines=5 blank=0 comment=0 code=5"},
      {".. c:function:: int f()\n", "size=24 chars=0 code=24 comments=0 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // An empty comment; "..." is text; a comment ends at a line of its own
      // indent, whose blanks before it are the comment's.
      {"..\n...\n  .. c\n  x\n", "size=18 chars=10 code=8 comments=2 marks=2 todo=0 fixme=0 | lines=4 blank=0 comment=2 code=2"},
      {".. a b:: c\n", "size=11 chars=11 code=0 comments=1 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=1 code=0"},
  });
}

TEST(ExactLanguages, EmacsLisp) {
  expectExact("Emacs Lisp", {
      // Characters: ?\" ?; ?\( and ?" are literals; a ? inside a name is the name's.
      {"(a ?\\\" \"x;y\") ; c", "size=17 chars=3 code=14 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"(b ?; ?\\( ?\") ; c", "size=17 chars=3 code=14 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"(f x?\"a;b\") ; c", "size=15 chars=3 code=12 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"(list ?\\\\ \"a\") ; c", "size=18 chars=3 code=15 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // Strings span lines.
      {"\"a\n;b\" ; c", "size=10 chars=3 code=7 comments=1 marks=2 todo=0 fixme=0 | lines=2 blank=0 comment=0 code=2"},
      {"(a) ; todo b", "size=12 chars=8 code=4 comments=1 marks=1 todo=1 fixme=0 | lines=1 blank=0 comment=0 code=1"},
  });
}

TEST(ExactLanguages, CommonLisp) {
  expectExact("Common Lisp", {
      // Characters #\c take any byte; |...| and a backslash escape symbols.
      {"(a #\\; #\\\" \"b;\") ; c", "size=20 chars=3 code=17 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"(a #\\\\ \"x\") ; c", "size=15 chars=3 code=12 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"|a;b| 'c\\;d ; e", "size=15 chars=3 code=12 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // #| |# nests.
      {"#| a #| b |# c |# x ; d", "size=23 chars=20 code=3 comments=2 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"#|\nx\n|#\n(a)", "size=11 chars=7 code=4 comments=1 marks=1 todo=0 fixme=0 | lines=4 blank=0 comment=3 code=1"},
      {"\"a\\\"b;\" ; c", "size=11 chars=3 code=8 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
  });
}

TEST(ExactLanguages, Scheme) {
  expectExact("Scheme", {
      // Characters, |symbols|, and a datum comment, which leaves its datum code.
      {"(a #\\; #\\\" \"b;\") ; c", "size=20 chars=3 code=17 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"(|a;b| c) ; d", "size=13 chars=3 code=10 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"#;(f \"x\") b ; c", "size=15 chars=3 code=12 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"#| a #| b |# |# x", "size=17 chars=15 code=2 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"#!/usr/bin/guile -s\n(a) ; b", "size=27 chars=22 code=5 comments=2 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1"},
  });
}

TEST(ExactLanguages, Racket) {
  expectExact("Racket", {
      // #lang is code; "#! " and "#!/" open line comments.
      {"#lang racket ; c", "size=16 chars=3 code=13 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"#! /usr/bin/racket\n(a)", "size=22 chars=18 code=4 comments=1 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1"},
      {"(a #\\; x\\;y |b;c|) ; d", "size=22 chars=3 code=19 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"#;(f \";\") g ; c", "size=15 chars=3 code=12 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"#| #| a |# |# b ; c", "size=19 chars=16 code=3 comments=2 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"#rx\"a;b\" ; c", "size=12 chars=3 code=9 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
  });
}

TEST(ExactLanguages, Fsharp) {
  expectExact("F#", {
      // (*) is an operator; 'a and 'T are type parameters, 'a' and '"' characters.
      {"let f = (*) 2 3 // c", "size=20 chars=4 code=16 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"let x = 'a' // c\nlet g (x: 'a) = '\"' // d", "size=41 chars=8 code=33 comments=2 marks=2 todo=0 fixme=0 | lines=2 blank=0 comment=0 code=2"},
      {"let t = typeof<'T> // c", "size=23 chars=4 code=19 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // Comments nest, and a string inside one hides its closer.
      {"(* a (* b *) \"*)\" *) x // c", "size=27 chars=24 code=3 comments=2 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // Verbatim, triple-quoted and interpolated strings.
      {"let s = @\"a\\\" // c", "size=18 chars=4 code=14 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"let s = \"\"\"a \"b\" // c\"\"\" // d", "size=29 chars=4 code=25 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"let s = $\"{x}//{\"y\"}\" // d", "size=26 chars=4 code=22 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // Doc comments: "///" and "(**", not a "(***" command.
      {"/// doc\nlet a = 1", "size=17 chars=7 code=10 comments=1 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1 | doc=1 docLines=1"},
      {"(** a *)\n(*** hide ***)\nlet b = 1", "size=33 chars=22 code=11 comments=2 marks=1 todo=0 fixme=0 | lines=3 blank=0 comment=2 code=1 | doc=1 docLines=1"},
  });
}

TEST(ExactLanguages, Elm) {
  expectExact("Elm", {
      // Characters, and strings of one line or three quotes.
      {"x = '\"' -- c", "size=12 chars=4 code=8 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"x = '\\'' -- c", "size=13 chars=4 code=9 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"s = \"a\\\"--\" -- c", "size=16 chars=4 code=12 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"s = \"\"\"a\n-- b\"\"\" -- c", "size=21 chars=4 code=17 comments=1 marks=2 todo=0 fixme=0 | lines=2 blank=0 comment=0 code=2"},
      // {- -} nests; {-| -} is a documentation comment.
      {"{- a {- b -} c -} x", "size=19 chars=17 code=2 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"{-| doc\n-}\nx = 1", "size=16 chars=10 code=6 comments=1 marks=1 todo=0 fixme=0 | lines=3 blank=0 comment=2 code=1 | doc=1 docLines=2"},
  });
}

TEST(ExactLanguages, StandardMl) {
  expectExact("Standard ML", {
      // (* *) nests and holds no strings; (*) opens a comment.
      {"(* a (* b *) c *) x", "size=19 chars=17 code=2 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"(*) x *)", "size=8 chars=8 code=0 comments=1 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=1 code=0"},
      // Characters #"c"; 'a is a type variable.
      {"val c = #\"a\" (* d *)", "size=20 chars=7 code=13 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"fun f (x : 'a) = \"*)\" (* c *)", "size=29 chars=7 code=22 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"val s = \"(*\" (* c *)", "size=20 chars=7 code=13 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // A string gap \ ... \ spans lines.
      {"val s = \"a\\\n  \\b\" (* c *)", "size=25 chars=7 code=18 comments=1 marks=2 todo=0 fixme=0 | lines=2 blank=0 comment=0 code=2"},
      // "(**" doc comments.
      {"(** f *)\nfun f x = x", "size=20 chars=8 code=12 comments=1 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1 | doc=1 docLines=1"},
  });
}

TEST(ExactLanguages, Prolog) {
  expectExact("Prolog", {
      // Character codes 0'c; quoted atoms, strings and back-quoted text.
      {"a(0'%, 0'a) :- true. % c", "size=24 chars=3 code=21 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"c(0''). % d", "size=11 chars=3 code=8 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"d(0'\\'). % e", "size=12 chars=3 code=9 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"b('x%y', \"p%\", `q%`). % c", "size=25 chars=3 code=22 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"e('it''s %'). % c", "size=17 chars=3 code=14 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // /* */ does not nest.
      {"/* a /* b */ c. % d", "size=19 chars=15 code=4 comments=2 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"#!/usr/bin/env swipl\n:- initialization(main).", "size=45 chars=20 code=25 comments=1 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1"},
      // PlDoc's "%!" and "/**"; "%%" stays plain.
      {"%! f(+X) is det.\nf(_).", "size=22 chars=16 code=6 comments=1 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1 | doc=1 docLines=1"},
      {"/** m */\n%% p\nx.", "size=16 chars=12 code=4 comments=2 marks=1 todo=0 fixme=0 | lines=3 blank=0 comment=2 code=1 | doc=1 docLines=1"},
  });
}

TEST(ExactLanguages, Cython) {
  expectExact("Cython", {
      // Python's strings and docstrings.
      {"cdef int x = 1 # c", "size=18 chars=3 code=15 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"def f():\n    \"\"\"doc\"\"\"\n    pass", "size=31 chars=9 code=22 comments=1 marks=2 todo=0 fixme=0 | lines=3 blank=0 comment=1 code=2 | doc=1 docLines=1"},
      {"s = f\"{x!r:#x}\" # c", "size=19 chars=3 code=16 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"s = 'a # b\n# c", "size=14 chars=3 code=11 comments=1 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1"},
      {"cdef char* s = b\"a#b\" # c", "size=25 chars=3 code=22 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
  });
}

TEST(ExactLanguages, Awk) {
  expectExact("Awk", {
      // "/" opens a regular expression where an operand is expected and first on its line; after an operand it divides.
      {"$1 ~ /a#b/ { x = a / b / c } # d", "size=32 chars=3 code=29 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"/x#/ { print }", "size=14 chars=0 code=14 comments=0 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"{ n = n / 2 }\n/#/ { print } # c", "size=31 chars=3 code=28 comments=1 marks=2 todo=0 fixme=0 | lines=2 blank=0 comment=0 code=2"},
      {"split($0, a, /[/#]/) # c", "size=24 chars=3 code=21 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"x = a # b / c", "size=13 chars=7 code=6 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"s = \"a\\\"#\" # c", "size=14 chars=3 code=11 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"#!/usr/bin/awk -f\nBEGIN { }", "size=27 chars=17 code=10 comments=1 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1"},
  });
}

TEST(ExactLanguages, Smalltalk) {
  expectExact("Smalltalk", {
      // Comments "...", strings '...' with '' for a quote, characters $c.
      {"a := 'it''s \"x\"'. \"c\"", "size=21 chars=3 code=18 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"b := $'. \"c\"", "size=12 chars=3 code=9 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"c := $\". \"d\"", "size=12 chars=3 code=9 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"d := #'a\"b'. \"c\"", "size=16 chars=3 code=13 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"\"a\nb\" x", "size=7 chars=5 code=2 comments=1 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1"},
      {"\"todo: x\" y", "size=11 chars=9 code=2 comments=1 marks=1 todo=1 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // A class comment chunk of the chunk format: plain text, where an apostrophe opens nothing.
      {"!A commentStamp!\nit's!\nx \"c\"", "size=28 chars=22 code=6 comments=2 marks=2 todo=0 fixme=0 | lines=3 blank=0 comment=1 code=2"},
  });
}

TEST(ExactLanguages, NASM) {
  expectExact("NASM", {
      // Only backquoted strings know escapes; none spans a line.
      {"mov al, ';' ; c", "size=15 chars=3 code=12 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"db \"a\\\" ; c", "size=11 chars=3 code=8 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"db `a\\`;` ; c", "size=13 chars=3 code=10 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"db 'a ; b\n; c", "size=13 chars=3 code=10 comments=1 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1"},
      {"; TODO x", "size=8 chars=8 code=0 comments=1 marks=0 todo=1 fixme=0 | lines=1 blank=0 comment=1 code=0"},
  });
}

TEST(ExactLanguages, Zig) {
  expectExact("Zig", {
      // A multiline string line runs to its line's end; there are no block comments.
      {"const s = \\\\ a // b\n; // c", "size=26 chars=4 code=22 comments=1 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=0 code=2"},
      {"a /* b */ c;", "size=12 chars=0 code=12 comments=0 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"const c = '\"'; // c", "size=19 chars=4 code=15 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"f(\"a\\\"//\", x); // c", "size=19 chars=4 code=15 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // Doc comments "///" and "//!", not a "////" banner.
      {"/// doc\nfn f() {}", "size=17 chars=7 code=10 comments=1 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1 | doc=1 docLines=1"},
      {"//! m\n//// b\nconst a = 1;", "size=25 chars=11 code=14 comments=1 marks=1 todo=0 fixme=0 | lines=3 blank=0 comment=2 code=1 | doc=1 docLines=1"},
  });
}

TEST(ExactLanguages, Nim) {
  expectExact("Nim", {
      // Block comments nest, each kind its own closer.
      {"#[ a #[ b ]# c ]# x", "size=19 chars=17 code=2 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // "##[" and "##" open doc comments.
      {"##[ a ]# b ]##\nx", "size=16 chars=14 code=2 comments=1 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1 | doc=1 docLines=1"},
      {"## d\n# c\nproc p() = discard", "size=27 chars=7 code=20 comments=1 marks=1 todo=0 fixme=0 | lines=3 blank=0 comment=2 code=1 | doc=1 docLines=1"},
      // Raw strings after a word know no backslash escape; "" is their quote.
      {"echo r\"a\\\" # c", "size=14 chars=3 code=11 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"x = sql\"a\"\"#\" # c", "size=17 chars=3 code=14 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"x = \"a\\\"#\" # c", "size=14 chars=3 code=11 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"x = \"\"\"a\n# b\"\"\" # c", "size=19 chars=3 code=16 comments=1 marks=2 todo=0 fixme=0 | lines=2 blank=0 comment=0 code=2"},
      // A quote after a number is a type suffix.
      {"x = '#' + 1'u8 # c", "size=18 chars=3 code=15 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
  });
}

TEST(ExactLanguages, D) {
  expectExact("D", {
      // /+ +/ nests, /* */ does not.
      {"/+ a /+ b +/ c +/ x;", "size=20 chars=17 code=3 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"/* a /* b */ x;", "size=15 chars=12 code=3 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // Wysiwyg, delimited and heredoc strings; strings span lines.
      {"s = r\"a\\\" // c", "size=14 chars=4 code=10 comments=1 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"s = `a\\` // c", "size=13 chars=4 code=9 comments=1 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"s = q\"(a\"// b)\"; // c", "size=21 chars=4 code=17 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"s = q\"EOS\n// a\nEOS\";", "size=20 chars=0 code=20 comments=0 marks=1 todo=0 fixme=0 | lines=3 blank=0 comment=0 code=3"},
      {"s = \"a\n// b\";", "size=13 chars=0 code=13 comments=0 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=0 code=2"},
      {"c = '\"'; // c", "size=13 chars=4 code=9 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // Ddoc's "/++", "/**" and "///", extra pluses, stars and slashes
      // included; "/**/" is plain.
      {"/++ d +/\n/*** b */\nint x;", "size=25 chars=17 code=8 comments=2 marks=1 todo=0 fixme=0 | lines=3 blank=0 comment=2 code=1 | doc=2 docLines=2"},
      {"/// a\n//// b\n/**/ x;", "size=20 chars=15 code=5 comments=1 marks=1 todo=0 fixme=0 | lines=3 blank=0 comment=2 code=1 | doc=1 docLines=2"},
  });
}

TEST(ExactLanguages, Ada) {
  expectExact("Ada", {
      // A quote after a name or a bracket is a tick; elsewhere it opens a character.
      {"X := A'First; -- c", "size=18 chars=4 code=14 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"C := Character'('\"'); -- c", "size=26 chars=4 code=22 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"C := '''; -- c", "size=14 chars=4 code=10 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"X := F(Y)'Length; -- c", "size=22 chars=4 code=18 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // Doubled quotes; an unclosed string ends with its line.
      {"S := \"a\"\"--\"; -- c", "size=18 chars=4 code=14 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"S := \"a --\n-- c", "size=15 chars=4 code=11 comments=1 marks=0 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1"},
  });
}

TEST(ExactLanguages, Verilog) {
  expectExact("Verilog", {
      // In a macro's text `" is a quote of the text, not a string.
      {"`define Q `\" // c", "size=17 chars=4 code=13 comments=1 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"a = \"x\\\"//\"; // c", "size=17 chars=4 code=13 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // An apostrophe is code: sizes and casts.
      {"a = 8'h2F; // c", "size=15 chars=4 code=11 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"/* a // b */ x;", "size=15 chars=12 code=3 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
  });
}

TEST(ExactLanguages, SystemVerilog) {
  expectExact("SystemVerilog", {
      {"s = \"\"\"a\n// b\"\"\"; // c", "size=22 chars=4 code=18 comments=1 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=0 code=2"},
      {"a = '{1, 2}; // c", "size=17 chars=4 code=13 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"`define Q `\" // c", "size=17 chars=4 code=13 comments=1 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
  });
}

TEST(ExactLanguages, VHDL) {
  expectExact("VHDL", {
      // A quote after a name is an attribute's tick; elsewhere it opens a character.
      {"s <= x'length & \"--\"; -- c", "size=26 chars=4 code=22 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"s <= '-'; -- c", "size=14 chars=4 code=10 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // Block comments, extended identifiers, doubled quotes.
      {"/* a -- b */ x;", "size=15 chars=12 code=3 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"\\a--b\\ <= 1; -- c", "size=17 chars=4 code=13 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"s := \"a\"\"--\"; -- c", "size=18 chars=4 code=14 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // Doxygen's "--!".
      {"--! d\nx <= 1;", "size=13 chars=5 code=8 comments=1 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1 | doc=1 docLines=1"},
  });
}

TEST(ExactLanguages, Solidity) {
  expectExact("Solidity", {
      {"string s = \"a\\\"//\"; // c", "size=24 chars=4 code=20 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"s = 'a//'; /* b */", "size=18 chars=7 code=11 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // NatSpec's "///" and "/**".
      {"/// @notice x\nfunction f() {}", "size=29 chars=13 code=16 comments=1 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1 | doc=1 docLines=1"},
      {"/** @dev d */ uint x;", "size=21 chars=13 code=8 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1 | doc=1 docLines=0"},
  });
}

TEST(ExactLanguages, Vala) {
  expectExact("Vala", {
      // Verbatim strings know no escapes and span lines; templates hold code.
      {"s = \"\"\"a\\\"\n// b\"\"\"; // c", "size=24 chars=4 code=20 comments=1 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=0 code=2"},
      {"s = @\"$(f(\"//\")) // x\"; // c", "size=28 chars=4 code=24 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"c = '\"'; // c", "size=13 chars=4 code=9 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"/** d */\nint x;", "size=15 chars=8 code=7 comments=1 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1 | doc=1 docLines=1"},
  });
}

TEST(ExactLanguages, Haxe) {
  expectExact("Haxe", {
      // ~/.../ is a regular expression; single-quoted strings interpolate.
      {"r = ~/a\\/\\/b/g; // c", "size=20 chars=4 code=16 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"x = a / b; // c", "size=15 chars=4 code=11 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"s = 'a${f(\"'\")}//'; // c", "size=24 chars=4 code=20 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"s = \"a\n// b\"; // c", "size=18 chars=4 code=14 comments=1 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=0 code=2"},
      {"/** d */\nvar x;", "size=15 chars=8 code=7 comments=1 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1 | doc=1 docLines=1"},
  });
}

TEST(ExactLanguages, Crystal) {
  expectExact("Crystal", {
      // A quote opens a character; strings interpolate.
      {"c = '#' # c", "size=11 chars=3 code=8 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"s = \"a#{f(\"#\")}#\" # c", "size=21 chars=3 code=18 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // "//" is floor division; after a name "/" and "%" are operators, after raise literals.
      {"x = a // 2 # c", "size=14 chars=3 code=11 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"def /(o) # c", "size=12 chars=3 code=9 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"x = a /b # c", "size=12 chars=3 code=9 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"raise %(# a) # c", "size=16 chars=3 code=13 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // Regular expressions, percent literals and heredocs.
      {"r = /#/ # c", "size=11 chars=3 code=8 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"w = %w(# a) # c", "size=15 chars=3 code=12 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"s = <<-EOS\n# a\nEOS\n# c", "size=22 chars=3 code=19 comments=1 marks=3 todo=0 fixme=0 | lines=4 blank=0 comment=1 code=3"},
  });
}

TEST(ExactLanguages, Vue) {
  expectExact("Vue", {
      {"<template><!-- c --></template>", "size=31 chars=10 code=21 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // A style of a language without a row is raw text, code to the component.
      {"<style lang=\"stylus\">// <!-- x --></style>", "size=42 chars=0 code=42 comments=0 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"<!--\n\n-->", "size=9 chars=9 code=0 comments=1 marks=0 todo=0 fixme=0 | lines=3 blank=1 comment=2 code=0"},
  });
}

TEST(ExactLanguages, Svelte) {
  expectExact("Svelte", {
      // An expression is code, as the markup around it.
      {"{a}<!-- c -->", "size=13 chars=10 code=3 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
  });
}

TEST(ExactLanguages, Markdown) {
  // Without statement marks, a file's marks are its code lines: its text.
  expectExact("Markdown", {
      // Prose opens nothing: no line comment, no string.
      {"a // b \"c", "size=9 chars=0 code=9 comments=0 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"x <!-- todo -->", "size=15 chars=13 code=2 comments=1 marks=1 todo=1 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      // A code span and a backslash hide an opener.
      {"`<!--` x", "size=8 chars=0 code=8 comments=0 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"\\<!-- x -->", "size=11 chars=0 code=11 comments=0 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"<!--\n\nx -->\ny", "size=13 chars=11 code=2 comments=1 marks=1 todo=0 fixme=0 | lines=4 blank=1 comment=2 code=1"},
  });
}

TEST(ExactLanguages, VimScript) {
  expectExact("Vim script", {
      // '"' opens a comment where a command starts, else a string.
      {"\" c\nlet x = \"a\" | \" b", "size=21 chars=6 code=15 comments=2 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1"},
      // After a blank, a quote that no quote closes on its line opens a comment,
      // decided within 64 bytes.
      {"echo \"a # b\" \" c", "size=16 chars=3 code=13 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"call f(a, \"b\") \" c", "size=18 chars=3 code=15 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {repeated("echo \"", "a", 62, ""), "size=68 chars=63 code=5 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {repeated("echo \"", "a", 63, ""), "size=69 chars=0 code=69 comments=0 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"exe \"norm \\\"x\" | \" c", "size=20 chars=3 code=17 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"let s = 'it''s \" x'\n  \" c", "size=25 chars=3 code=22 comments=1 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1"},
      // Vim9's "#" first on its line; "#{" is a dictionary.
      {"vim9script\n# c\nvar d = #{a: 1}\n#{b: 2}", "size=38 chars=3 code=35 comments=1 marks=3 todo=0 fixme=0 | lines=4 blank=0 comment=1 code=3"},
      {"\" a\n\" b\nset x", "size=13 chars=0 code=7 comments=0 marks=1 todo=0 fixme=0 | lines=3 blank=2 comment=0 code=1", false},
  });
}

TEST(ExactLanguages, TeX) {
  expectExact("TeX", {
      // "\\" is a line break, "\%" a percent sign.
      {"a\\\\% c\n\\%b", "size=10 chars=3 code=7 comments=1 marks=2 todo=0 fixme=0 | lines=2 blank=0 comment=0 code=2"},
      // Verbatim text holds no comment; the comment environment is one.
      {"\\begin{verbatim}\n% x\n\\end{verbatim} % c", "size=39 chars=3 code=36 comments=1 marks=3 todo=0 fixme=0 | lines=3 blank=0 comment=0 code=3"},
      {"\\verb|%| % c", "size=12 chars=3 code=9 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"\\begin{comment}\nx\n\\end{comment}\ny", "size=33 chars=31 code=2 comments=1 marks=1 todo=0 fixme=0 | lines=4 blank=0 comment=3 code=1"},
  });
}

TEST(ExactLanguages, Nix) {
  expectExact("Nix", {
      // Indented strings: ''$ and ''' are escapes, '' closes.
      {"x = ''\n  a ''${b} '''# c\n''; # d", "size=32 chars=3 code=29 comments=1 marks=1 todo=0 fixme=0 | lines=3 blank=0 comment=0 code=3"},
      {"''a''\\'b'' # c", "size=14 chars=3 code=11 comments=1 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"s = \"a${f \"#\"}\" /* c */;", "size=24 chars=7 code=17 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"/** d */\nf = x: x;", "size=18 chars=8 code=10 comments=1 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1 | doc=1 docLines=1"},
  });
}

TEST(ExactLanguages, Starlark) {
  expectExact("Starlark", {
      {"def f():\n    \"\"\"doc\"\"\"\n    return 1  # c", "size=40 chars=12 code=28 comments=2 marks=2 todo=0 fixme=0 | lines=3 blank=0 comment=1 code=2 | doc=1 docLines=1"},
      {"x = \"a\\\"#\" # c", "size=14 chars=3 code=11 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"x = '''a\n#b''' # c", "size=18 chars=3 code=15 comments=1 marks=2 todo=0 fixme=0 | lines=2 blank=0 comment=0 code=2"},
  });
}

TEST(ExactLanguages, Meson) {
  expectExact("Meson", {
      // Multi-line strings know no escape; single-quoted ones end with their line.
      {"x = '''a # 'b'\n''' # c", "size=22 chars=3 code=19 comments=1 marks=2 todo=0 fixme=0 | lines=2 blank=0 comment=0 code=2"},
      {"y = 'it\\'s # x' # c", "size=19 chars=3 code=16 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"w = 'a\n# c", "size=10 chars=3 code=7 comments=1 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1"},
      // A double quote opens no string.
      {"z = \"#\"", "size=7 chars=2 code=5 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
  });
}

TEST(ExactLanguages, Jsonnet) {
  expectExact("Jsonnet", {
      {"x: |||\n  # a\n|||, // c", "size=22 chars=4 code=18 comments=1 marks=0 todo=0 fixme=0 | lines=3 blank=0 comment=0 code=3"},
      // Verbatim strings double their quote; others escape it, and span lines.
      {"@\"a\\\"\"#\" # c", "size=12 chars=3 code=9 comments=1 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"local a = \"x\\\"/*\"; /* c */", "size=26 chars=7 code=19 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"'a\n# b' # c", "size=11 chars=3 code=8 comments=1 marks=0 todo=0 fixme=0 | lines=2 blank=0 comment=0 code=2"},
      {"/** d */\nlocal a = 1;", "size=21 chars=8 code=13 comments=1 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1 | doc=1 docLines=1"},
  });
}

TEST(ExactLanguages, Puppet) {
  expectExact("Puppet", {
      {"$x = \"a ${b[\"#\"]} c\" # d", "size=24 chars=3 code=21 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"if $x =~ /#/ { } # c", "size=20 chars=3 code=17 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"'a\\'#' /* c */", "size=14 chars=7 code=7 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
  });
}

TEST(ExactLanguages, CoffeeScript) {
  expectExact("CoffeeScript", {
      // "###" opens a block comment, "####" a line comment.
      {"###\n# a\n###\nx = 1 #### c", "size=24 chars=17 code=7 comments=2 marks=1 todo=0 fixme=0 | lines=4 blank=0 comment=3 code=1"},
      // "###*" opens a doc comment.
      {"###*\n@param x\n###\nf = (x) -> x", "size=30 chars=17 code=13 comments=1 marks=1 todo=0 fixme=0 | lines=4 blank=0 comment=3 code=1 | doc=1 docLines=3"},
      {"s = \"a#{\"#\"}b\" # c", "size=18 chars=3 code=15 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"r = ///a # b///g # c", "size=20 chars=3 code=17 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"x = /#/.test(s) # c", "size=19 chars=3 code=16 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"'''a\n#b''' # c", "size=14 chars=3 code=11 comments=1 marks=2 todo=0 fixme=0 | lines=2 blank=0 comment=0 code=2"},
  });
}

TEST(ExactLanguages, Fish) {
  expectExact("Fish", {
      {"echo a#b # c", "size=12 chars=3 code=9 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"echo \"$(echo '#')\" \\# # c", "size=25 chars=3 code=22 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"echo 'a\\'#' # c", "size=15 chars=3 code=12 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
  });
}

TEST(ExactLanguages, Ini) {
  expectExact("INI", {
      // Only first on a line: after a value ";" and "#" are the value's.
      {"; a\n[s]\nk = v ; b # c\n  # d", "size=27 chars=6 code=21 comments=2 marks=2 todo=0 fixme=0 | lines=4 blank=0 comment=2 code=2"},
  });
}

TEST(ExactLanguages, Hcl) {
  expectExact("HCL", {
      {"x = <<EOF\n# a\nEOF\n# c", "size=21 chars=3 code=18 comments=1 marks=3 todo=0 fixme=0 | lines=4 blank=0 comment=1 code=3"},
      {"y = <<-EOT\n  # a\n  EOT\n// c", "size=27 chars=4 code=23 comments=1 marks=3 todo=0 fixme=0 | lines=4 blank=0 comment=1 code=3"},
      {"z = \"${a[\"#\"]}\" /* c */", "size=23 chars=7 code=16 comments=1 marks=1 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1"},
      {"w = \"a # b\n# c", "size=14 chars=3 code=11 comments=1 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1"},
  });
}

TEST(ExactLanguages, Roff) {
  expectExact("Roff", {
      // A control line that is only a comment is a comment line; "\\" is a backslash.
      {".\\\" a\n.TH X 1 \\\" b\ntext \\\\\" c", "size=29 chars=9 code=20 comments=2 marks=2 todo=0 fixme=0 | lines=3 blank=0 comment=1 code=2"},
      {".ig\nx\n..\ny", "size=10 chars=8 code=2 comments=1 marks=1 todo=0 fixme=0 | lines=4 blank=0 comment=3 code=1"},
      {"a \\# b\nc", "size=8 chars=4 code=4 comments=1 marks=2 todo=0 fixme=0 | lines=2 blank=0 comment=0 code=2"},
  });
}

}  // namespace
}  // namespace quillstat
