#ifndef QUILLSTAT_ANALYSIS_ANALYSIS_RESULT_H_
#define QUILLSTAT_ANALYSIS_ANALYSIS_RESULT_H_

#include <cstdint>
#include <string>
#include <vector>

#include "analysis/input_failure.h"
#include "engine/file_stats.h"
#include "engine/word_places.h"

namespace quillstat {

// The language of a record that has none: a file that could not be read.
inline constexpr unsigned noLanguage = ~0u;

// The figures of the code of one language embedded in a file (a page's
// script, a document's fenced code): its lines are those whose bytes, blanks
// aside, all lie in its code, and sizeFile the bytes of its code.
struct embeddedFigures {
  unsigned language;
  fileStats figures;

  bool operator==(const embeddedFigures&) const = default;
};

// One analysed file: its figures and the language row it was read by.
struct fileRecord {
  fileStats stats;  // of all its content, the embedded code included
  unsigned language = noLanguage;  // its number (languages.h)
  // The code of other languages in it, one entry a language, in table
  // order; none for most files.
  std::vector<embeddedFigures> embedded = {};

  bool operator==(const fileRecord&) const = default;
};

// The files an analysis found but did not analyse, by reason; they have no
// record.
struct skippedFiles {
  int64_t unknownLanguage = 0;  // no language is known for the name (or the "#!" line)
  int64_t binary = 0;           // a NUL byte early in the file
  // What an -l auto run leaves out of a tree as none of the team's own code:
  int64_t ignored = 0;    // ignored by git's rules in a work tree (collectFiles)
  int64_t vendored = 0;   // below a vendored directory (foreign_files.h)
  int64_t generated = 0;  // generated or minified (generatedText, minifiedName)

  // The reasons that only -l auto runs have: none in a classic report.
  bool anyForeign() const { return ignored != 0 || vendored != 0 || generated != 0; }
  bool any() const { return unknownLanguage != 0 || binary != 0 || anyForeign(); }
  bool operator==(const skippedFiles&) const = default;
};

// An entry of a walked directory that the run selected by its name but
// passed over, never opened, since it is no file to read.
struct skippedEntry {
  enum class reason : char {
    danglingLink,    // a symlink that leads nowhere (entryKind::danglingLink)
    notRegularFile,  // a FIFO, socket or device, or a symlink to one
  };
  std::string path;
  reason why;

  bool operator==(const skippedEntry&) const = default;
};

// What one analysis found, for the summary and for any number of reports.
struct analysisResult {
  // One record per file, in walk (or list) order; a file that could not be
  // read has the all-zero record with an empty name and noLanguage.
  std::vector<fileRecord> records;
  // A directory or file-list analysis; its reports end with the total over
  // the records.
  bool fromDirectory = false;
  // What every record's path starts with and directory totals are counted
  // below: the analysed directory with its separator ("src/"), empty for a
  // list or a file.
  std::string root;
  skippedFiles skipped;
  // Of a directory analysis: how many files and directories its excludes
  // (analysisSettings::excludes) left out (see collectFiles). No report
  // shows it; a front end tells by it why nothing was selected.
  int64_t excluded = 0;
  // The entries a directory walk passed over, in walk order; unlike the
  // skipped files, the classic reports do not count them.
  std::vector<skippedEntry> skippedEntries;
  // The inputs that could not be read: directories that could not be
  // listed, then files, each in walk order.
  std::vector<inputFailure> failures;
  // When the words were listed (analysisManager's listWords): every todo
  // and fixme word the records count, in record order and in each file in
  // content order; as many as the records' todoWordsCount and
  // fixmeWordsCount together.
  std::vector<todoItem> todos;
};

// The sum of all records (see addStats), with an empty name.
fileStats totalOf(const analysisResult& result);

// The total of one language.
struct languageTotal {
  // The first row of the language's name: rows that share a name (two forms
  // of one language) are one language.
  unsigned language;
  fileStats figures;
};

// The totals of the languages of the records, in table order; records of
// noLanguage are in none. More than one means the analysis met several.
std::vector<languageTotal> languageTotalsOf(const analysisResult& result);

// The totals of the code embedded in the records, by its language (the
// first row of its name), in table order: what languageTotalsOf counts under
// the records' own languages, counted again under its own.
std::vector<languageTotal> embeddedTotalsOf(const analysisResult& result);

// The total of everything beneath one directory.
struct directoryTotal {
  std::string path;  // root and the directory's own path, with its separator: "src/net/"
  int depth;         // 1 for a directory directly under the root
  fileStats figures;
};

// A total for every directory down to `maxDepth` below result.root that
// holds a record (directly or deeper), in the order the records first meet
// them, a directory before those beneath it: the walk's order. A directory
// without a record beneath it has none. Paths are cut at each separator
// ('/', and on Windows '\\' too), a separator first in a list's path aside.
std::vector<directoryTotal> directoryTotalsOf(const analysisResult& result, int maxDepth);

}  // namespace quillstat

#endif  // QUILLSTAT_ANALYSIS_ANALYSIS_RESULT_H_
