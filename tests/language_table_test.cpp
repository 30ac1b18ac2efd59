#include "analysis/language_table.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "analysis/language_detection.h"

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
