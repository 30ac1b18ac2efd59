#include "analysis/language_table.h"

#include <string>

#include <gtest/gtest.h>

namespace quillstat {
namespace {

// Each row offers the classic rules and its language's own exact ones: a
// line that only one set of rules reads as a comment tells them apart.
TEST(LanguageTable, EachRowOffersTheClassicAndTheExactRules) {
  const struct {
    unsigned row;
    std::string content;
    int64_t classicChars;
    int64_t exactChars;
  } cases[] = {
      // The escaped quote ends the classic string and a comment follows.
      {0, "s = \"\\\"//\";", 4, 0},
      {1, "{$I x}", 6, 0},
      {2, "<?php # c", 0, 3},
      // Java's own exact rules: a text block, where C would see a comment.
      {3, "s = \"\\\"//\";\n\"\"\"\n//x\n\"\"\"", 4, 0},
  };
  for (const auto& c : cases) {
    const languageEntry& row = languageTable[c.row];
    for (bool exact : {false, true}) {
      const scanner& scan = exact ? row.exact : row.classic;
      EXPECT_EQ(scan.scanBuffer(c.content.data(), c.content.size(), true).countCommentChars,
                exact ? c.exactChars : c.classicChars)
          << row.name << (exact ? " exact" : " classic");
    }
  }
}

}  // namespace
}  // namespace quillstat
