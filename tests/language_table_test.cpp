#include "analysis/language_table.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "analysis/language_detection.h"
#include "analysis/language_rows.h"

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

// The families' rows go to the table by their positions, which must be
// 0..N-1, each once: a slip gives no table rather than a language missing or
// moved. Row "b0" is the first of the second family.
TEST(LanguageTable, AssemblesTheFamiliesByPosition) {
  const struct {
    std::vector<std::vector<size_t>> positions;  // of each family's rows
    std::string table;                           // "-": none
  } cases[] = {
      {{{2, 0}, {1}}, "a1 b0 a0"},
      {{{0}, {}, {1}}, "a0 c0"},
      {{{0, 1}, {1}}, "-"},  // two rows at one place
      {{{0}, {0}}, "-"},
      {{{0, 2}}, "-"},  // a gap
      {{{1}, {2}}, "-"},
  };
  for (const auto& c : cases) {
    const char* const names[][2] = {{"a0", "a1"}, {"b0", "b1"}, {"c0", "c1"}};
    std::vector<std::vector<placedEntry>> rows;
    for (size_t family = 0; family < c.positions.size(); ++family) {
      rows.emplace_back();
      for (size_t row = 0; row < c.positions[family].size(); ++row) {
        languageEntry entry{};
        entry.name = names[family][row];
        rows.back().push_back({c.positions[family][row], entry});
      }
    }
    const std::vector<std::span<const placedEntry>> families(rows.begin(), rows.end());
    const std::optional<std::vector<languageEntry>> table = tableByPosition(families);
    std::string shown = table ? "" : "-";
    for (const languageEntry& entry : table.value_or(std::vector<languageEntry>{})) {
      if (!shown.empty()) shown += ' ';
      shown += entry.name;
    }
    EXPECT_EQ(shown, c.table) << testing::PrintToString(c.positions);
  }
  const std::optional<std::vector<languageEntry>> table = tableByPosition(shippedFamilies());
  ASSERT_TRUE(table.has_value());
  EXPECT_EQ(table->size(), languageCount);
  EXPECT_STREQ(languageTable[0].name, "C++");
}

// The shipped table gives every ending, whole name and interpreter one
// language. An ending that a second row claims goes where docs/languages.md
// ("Names that several languages use") says, and only the endings written
// here may be shared; a whole name or an interpreter never is. Anything else
// would go, silently, to the first row that claims it.
TEST(LanguageTable, EveryNameEndingAndInterpreterHasOneLanguage) {
  const std::map<std::string, const char*> sharedEndings = {
      {".h", "C"},            // C++'s headers too: most of a mixed tree's are C
      {".m", "Objective-C"},  // MATLAB's and Mercury's too
      {".pl", "Perl"},        // Prolog's too
      {".inc", nullptr},      // no language's: PHP, Pascal, C and assembler alike
  };
  auto items = [](std::string_view list) {
    std::vector<std::string> out;
    for (size_t at = 0; at <= list.size();) {
      const size_t end = std::min(list.find(';', at), list.size());
      if (end > at) out.emplace_back(list.substr(at, end - at));
      at = end + 1;
    }
    return out;
  };
  auto folded = [](std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
  };
  auto shown = [](std::optional<unsigned> row) { return row ? languageTable[*row].name : "-"; };
  // The rows that claim each ending, whole name and interpreter, folded as detection folds them.
  std::map<std::string, std::set<unsigned>> endings, names, programs;
  for (unsigned row = 0; row < languageTable.size(); ++row) {
    const languageRow& language = *languageTable[row].row;
    // An empty mask would make "-l NAME" take every file.
    EXPECT_FALSE(std::string_view(languageTable[row].defaultMasks).starts_with(';')) << language.name;
    for (const std::string& mask : items(language.extensions)) {
      ASSERT_TRUE(mask.starts_with("*.")) << language.name << ": " << mask;
      const std::string ending = folded(mask.substr(1));
      endings[ending].insert(row);
      const auto shared = sharedEndings.find(ending);
      const char* expected = shared == sharedEndings.end() ? language.name : shared->second;
      EXPECT_STREQ(shown(languageOfName("x" + ending)), expected ? expected : "-") << mask;
    }
    for (std::string name : items(language.fileNames)) {
      names[folded(name)].insert(row);
      if (name.ends_with('*')) name.back() = 'x';  // "Dockerfile.*" names "Dockerfile.x"
      EXPECT_EQ(languageOfName(name), row) << name;
    }
    for (const std::string& program : items(language.interpreters)) {
      // Detection drops version digits: python3 and python2 are python.
      programs[program.substr(0, program.find_last_not_of("0123456789.") + 1)].insert(row);
      EXPECT_EQ(languageOfFirstLine("#!/usr/bin/env " + program + "\n"), row) << program;
    }
  }
  for (const auto* claims : {&endings, &names, &programs}) {
    for (const auto& [text, rows] : *claims) {
      const bool shared = claims == &endings && sharedEndings.contains(text);
      EXPECT_TRUE(rows.size() == 1 || shared) << text << " is claimed by " << rows.size() << " rows";
    }
  }
  for (const auto& [ending, language] : sharedEndings) {
    EXPECT_STREQ(shown(languageOfName("x" + ending)), language ? language : "-") << ending;
  }
}

// -l auto's rules on a table of its own: whole names, then the longest
// ending, claimed endings, and "#!" lines.
TEST(LanguageDetector, TellsTheLanguageByNameEndingOrFirstLine) {
  const languageRow rows[] = {
      {"C", "*.c;*.h", "", "", {}},
      {"C++", "*.cpp;*.h", "", "", {}},
      {"Prolog", "*.pl", "", "", {}},
      {"Perl", "*.pl;*.pm", "", "perl", {}},
      {"Php", "*.php;*.inc", "", "", {}},
      {"Config", "*.in", "", "", {}},
      {"CMake", "*.cmake;*.cmake.in", "CMakeLists.txt", "", {}},
      {"Makefile", "", "Makefile;GNUmakefile", "", {}},
      {"Shell", "*.sh", "", "sh;bash", {}},
      {"Python", "*.py", "", "python3", {}},
      {"Dockerfile", "*.dockerfile", "Dockerfile;Dockerfile.*", "", {}},
  };
  std::vector<languageEntry> table;
  for (const languageRow& row : rows) {
    table.push_back({row.name, row.extensions, {}, {}, &row, false});
  }
  const languageDetector detector(table);
  auto shown = [&](std::optional<unsigned> row) { return row ? table[*row].name : "-"; };
  const struct {
    const char* name;
    const char* language;
  } names[] = {
      {"a.c", "C"},           {"A.H", "C"},  // a claimed ending, letters folded
      {"b.CPP", "C++"},       {"x.pl", "Perl"},     {"x.inc", "-"},
      {"Makefile.in", "Config"}, {"x.cmake.in", "CMake"},  // the longest ending
      {"CMakeLists.txt", "CMake"}, {"makefile", "Makefile"}, {"Makefile.sh", "Shell"},
      {"noext", "-"},         {"x.txt", "-"},       {".pl", "Perl"},
      {"dockerfile.DEV", "Dockerfile"},  // a name's start
      {"Dockerfiles", "-"},   {"a.dockerfile", "Dockerfile"},
      {"Dockerfile.c", "C"},  // an ending goes before a name's start
      {"dockerfile.x.c", "C"}, {"Dockerfile.x.y", "Dockerfile"},
  };
  for (const auto& c : names) EXPECT_STREQ(shown(detector.ofName(c.name)), c.language) << c.name;
  const struct {
    const char* content;
    const char* language;
  } firstLines[] = {
      {"#!/bin/sh\necho", "Shell"},          {"#! /usr/bin/perl -w\r\n", "Perl"},
      {"#!/usr/bin/env python3.11", "Python"},  // version dropped on both sides
      {"#!/usr/bin/env -S LANG=C bash -e\n", "Shell"},
      {"#!/usr/bin/env\nsh", "-"},           {"#!/usr/bin/ruby\n", "-"},
      {"# !/bin/sh\n", "-"},                 {"\n#!/bin/sh\n", "-"},
      {"", "-"},
  };
  for (const auto& c : firstLines) {
    EXPECT_STREQ(shown(detector.ofFirstLine(c.content)), c.language) << c.content;
  }
}

}  // namespace
}  // namespace quillstat
