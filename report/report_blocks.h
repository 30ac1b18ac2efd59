#ifndef QUILLSTAT_REPORT_REPORT_BLOCKS_H_
#define QUILLSTAT_REPORT_REPORT_BLOCKS_H_

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/analysis_result.h"
#include "engine/file_stats.h"
#include "report/report_settings.h"

namespace quillstat {

// What a block of a report shows.
enum class blockKind {
  record,     // one file
  total,      // all files
  skipped,    // how many files were skipped, and why
  language,   // all files of one language
  directory,  // all files beneath one directory
};

// One block, as a format writes it (see block_formatters.h). It refers to
// the reportBlocks that made it.
struct reportBlock {
  blockKind kind;
  const fileStats& figures;  // the file's or the total's; the overall total's for `skipped`
  // The record's path, the language's name or the directory's path; empty
  // for the total and the skipped files.
  std::string_view name;
  // The record's language, where the report names them, else nullptr.
  const char* language;
  const skippedFiles& skipped;
  const reportContent& content;
  bool firstOfKind;
  bool lastOfKind;
  // A record's embedded code, by language (fileRecord::embedded); empty for
  // other blocks.
  std::span<const embeddedFigures> embedded = {};
  // A language block that totals the code embedded in files of other
  // languages (embeddedTotalsOf), after the languages' own blocks.
  bool embeddedCode = false;
};

// Appends a block to *out in one format.
using blockFormatter = void (*)(const reportBlock& block, std::string* out);

// The blocks that every report and the summary show, in their one order: a
// block per record, in order; after a directory or list analysis the total
// over all records (also when there are none); the skipped files, if any;
// after an analysis that met more than one language the total of each
// language (languageTotalsOf), then of each language's embedded code
// (embeddedTotalsOf, in reports that name the records' languages: a file
// with embedded code meets more than one); after a directory or list analysis, the
// totals of the directories that content.directoryDepth asks for
// (directoryTotalsOf).
class reportBlocks {
 public:
  // `result` must outlive the blocks and stay unchanged; the totals are
  // summed here, once.
  reportBlocks(const analysisResult& result, const reportContent& content);

  size_t size() const { return skippedAt_ + (result_.skipped.any() ? 1 : 0) + namedTotals(); }

  // Block `index`, below size().
  reportBlock block(size_t index) const;

 private:
  size_t namedTotals() const {
    return languages_.size() + embedded_.size() + directories_.size();
  }

  const analysisResult& result_;
  const reportContent content_;
  const size_t skippedAt_;  // the place of the skipped files' block, after the total
  fileStats total_;
  std::vector<languageTotal> languages_;  // none after one language
  std::vector<languageTotal> embedded_;
  std::vector<directoryTotal> directories_;
};

}  // namespace quillstat

#endif  // QUILLSTAT_REPORT_REPORT_BLOCKS_H_
