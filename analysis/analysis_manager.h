#ifndef QUILLSTAT_ANALYSIS_ANALYSIS_MANAGER_H_
#define QUILLSTAT_ANALYSIS_ANALYSIS_MANAGER_H_

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "analysis/input_failure.h"
#include "engine/file_stats.h"
#include "report/report_format.h"

namespace quillstat {

// Runs analyses and keeps the results of the latest one, for the summary and
// for any number of reports. Each analysis replaces what the one before left.
class analysisManager {
 public:
  // Called on the analysing thread as files complete: how many are done and
  // how many the walk has found so far.
  using progressCallback = std::function<void(size_t filesDone, size_t filesFound)>;

  // `jobs` worker threads, at most 256, analyse the files of a directory; 0
  // means one per core. The results never depend on it.
  explicit analysisManager(unsigned jobs = 0);

  // Analyses one file with the finder of `languageIndex` (a languageTable
  // row), by the exact rules when `exact`. Returns false, leaving no result,
  // for a row above the last one; otherwise leaves exactly one record, the
  // zero record with an empty name when the file cannot be read (and then a
  // failure).
  bool analyzeFile(const std::string& path, unsigned languageIndex, bool exact,
                   bool includeFirstComment);

  // Analyses every file of `directory` selected by the mask list `masks`, and
  // of its sub-directories when `recursive`, in walk order (see
  // collectFiles), by the exact rules when `exact`. For a row above the last one the files are collected but
  // none is analysed.
  void analyzeDirectory(const std::string& directory, unsigned languageIndex, bool exact,
                        const std::string& masks, bool recursive, bool includeFirstComment,
                        const progressCallback& progress = {});

  // The plain-text summary of the latest analysis (UTF-8, CR LF line ends):
  // one block per record, then the total block after a directory analysis.
  std::string summaryText() const;

  // Writes the report of the latest analysis (see report_writer.h).
  bool writeReport(const std::string& outputPath, reportFormat format, std::string* error) const;

  const std::vector<fileStats>& results() const { return results_; }
  bool fromDirectory() const { return fromDirectory_; }
  // The inputs of the latest analysis that could not be read: directories
  // that could not be listed, then files that could not be read, each in walk
  // order.
  const std::vector<inputFailure>& failures() const { return failures_; }

 private:
  unsigned jobs_;
  std::vector<fileStats> results_;
  bool fromDirectory_ = false;
  std::vector<inputFailure> failures_;
};

}  // namespace quillstat

#endif  // QUILLSTAT_ANALYSIS_ANALYSIS_MANAGER_H_
