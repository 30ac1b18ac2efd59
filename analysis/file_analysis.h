#ifndef QUILLSTAT_ANALYSIS_FILE_ANALYSIS_H_
#define QUILLSTAT_ANALYSIS_FILE_ANALYSIS_H_

#include <atomic>
#include <string>
#include <vector>

#include "analysis/analysis_result.h"
#include "engine/file_system.h"
#include "engine/io_error.h"

namespace quillstat {

// The rules an analysis reads its files by.
struct fileRules {
  unsigned language = 0;  // the row of languageTable that every file is read as
  bool exact = false;     // its exact rules rather than its classic ones (see rulesOf)
};

// What became of one file.
struct fileOutcome {
  fileRecord record;  // the all-zero record, with noLanguage, when the file could not be read
  ioError error;      // why it could not be read
  std::vector<todoItem> todos;  // its words, when listed
};

// Reads the file at `path` through `files` into `buffer` (reused file after
// file by one thread) and scans it by `rules` (see scanPath in scanner.h for
// `type` and `stop`), and with `listWords` lists its words.
fileOutcome analyzePath(fileSystem& files, const std::string& path, pathType type,
                        const fileRules& rules, bool includeFirstComment, bool listWords,
                        std::vector<char>* buffer, const std::atomic<bool>* stop);

}  // namespace quillstat

#endif  // QUILLSTAT_ANALYSIS_FILE_ANALYSIS_H_
