#include "ui/reference_docs.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "analysis/languages.h"

namespace quillstat {
namespace {

// A section's text is what the rows say, worked out here from the language's
// own definition; the prose around it stays as it is.
TEST(FillGeneratedSections, RewritesSectionsAndKeepsProse) {
  const struct {
    std::string document;
    std::string filled;
  } cases[] = {
      {"a\n<!-- generated: language Go -->\nstale\nlines\n<!-- end generated -->\nb\n",
       "a\n<!-- generated: language Go -->\nFiles: `*.go`. Comments: `//`, `/* */`. Statement "
       "marks: `;`, `{`.\n<!-- end generated -->\nb\n"},
      // Nesting noted, interpreters, a delimited comment at its shortest, no
      // marks; doc comments by opener and marker, a table's "|" escaped.
      {"<!-- generated: language Lua -->\n<!-- end generated -->\n",
       "<!-- generated: language Lua -->\nFiles: `*.lua`. `#!` interpreters: `lua`, `luajit`, "
       "`texlua`. Comments: `--`, `--[[ ]]`. Doc comments: `---`. Statement marks: none (the "
       "code lines count instead).\n<!-- end generated -->\n"},
      {"<!-- generated: language Haskell -->\n<!-- end generated -->",
       "<!-- generated: language Haskell -->\nFiles: `*.hs`. Comments: `--`, `{- -}` (nested). "
       "Doc comments: `-- \\|`, `-- ^`, `{-\\|`. Statement marks: none (the code lines count "
       "instead).\n<!-- end generated -->"},
      // Whole file names before masks.
      {"<!-- generated: language Makefile -->\n<!-- end generated -->\n",
       "<!-- generated: language Makefile -->\nFiles: `Makefile`, `GNUmakefile`, `makefile`, "
       "`Kbuild`, `*.mk`. Comments: `#`. Statement marks: none (the code lines count instead).\n"
       "<!-- end generated -->\n"},
      // Two rows of one name: a paragraph each.
      {"<!-- generated: language Fortran -->\nx\n<!-- end generated -->\n",
       "<!-- generated: language Fortran -->\nFiles: `*.f`, `*.for`, `*.f77`, `*.ftn`. "
       "Comments: `C`, `c`, `*`, `!`. Doc comments: `!>`, `!!`. Statement marks: none (the "
       "code lines count instead).\n\n"
       "Files: `*.f90`, `*.f95`, `*.f03`, `*.f08`. Comments: `!`. Doc comments: `!>`, `!!`. "
       "Statement marks: none (the code lines count instead).\n<!-- end generated -->\n"},
      // A mark that is not a line of its own is prose.
      {"see `<!-- generated: options -->`\n", "see `<!-- generated: options -->`\n"},
      {"", ""},
  };
  for (const auto& c : cases) {
    const filledDocument filled = fillGeneratedSections(c.document);
    EXPECT_EQ(filled.error, "") << c.document;
    EXPECT_EQ(filled.text, c.filled) << c.document;
  }
}

TEST(FillGeneratedSections, RefusesMarksThatDoNotPair) {
  const struct {
    std::string document;
    std::string error;
  } cases[] = {
      {"a\n<!-- generated: options -->\nx\n", "line 2: a section without its end mark"},
      {"a\n\n<!-- end generated -->\n", "line 3: an end mark without its start"},
      {"<!-- generated: options -->\n<!-- generated: languages -->\n<!-- end generated -->\n",
       "line 2: a start mark inside the section of line 1"},
      {"<!-- generated: language Klingon -->\n<!-- end generated -->\n",
       "line 1: no table makes 'language Klingon'"},
      {"<!-- generated: options\n<!-- end generated -->\n",
       "line 1: a start mark without its closing -->"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(fillGeneratedSections(c.document).error, c.error) << c.document;
  }
}

// A language added to the table without its section in docs/languages.md is
// named, once however many rows it has.
TEST(LanguagesWithoutSection, NamesEachLanguageWithoutItsKey) {
  std::vector<std::string> keys;
  for (size_t language = 0; language < languageCount; ++language) {
    keys.push_back(std::string("language ") + languageName(language));
  }
  EXPECT_TRUE(languagesWithoutSection(keys).empty());
  std::erase(keys, "language Go");
  std::erase(keys, "language Fortran");
  EXPECT_EQ(languagesWithoutSection(keys), (std::vector<std::string>{"Go", "Fortran"}));
}

}  // namespace
}  // namespace quillstat
