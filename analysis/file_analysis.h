#ifndef QUILLSTAT_ANALYSIS_FILE_ANALYSIS_H_
#define QUILLSTAT_ANALYSIS_FILE_ANALYSIS_H_

#include <atomic>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/analysis_result.h"
#include "engine/file_system.h"
#include "engine/io_error.h"

namespace quillstat {

// The language of fileRules that reads each file by the exact rules of its
// own language, told from its name (language_detection.h): -l auto.
inline constexpr unsigned detectedLanguage = noLanguage - 1;

// What the command line and the reports call detectedLanguage.
inline constexpr char detectedLanguageName[] = "auto";

// The rules an analysis reads its files by.
struct fileRules {
  // The row of languageTable that every file is read as, or detectedLanguage.
  unsigned language = 0;
  bool exact = false;     // its exact rules rather than its classic ones (see rulesOf)
  // With detectedLanguage: generated and minified files are skipped
  // (generatedText and minifiedName in foreign_files.h).
  bool skipsGenerated = false;
};

// Whether the reports of an analysis by `rules` show the line figures: the
// exact rules count them, but the languages that reports knew before the
// line figures keep, without -x, the reports they always had.
bool showsLineFigures(const fileRules& rules);

// The language of `rules` as reports name it: the row's name, or
// detectedLanguageName.
const char* languageNameOf(const fileRules& rules);

// How `rules` lex, as reports give a run's mode: "exact" or "classic"
// (modeName); detectedLanguage always reads by the exact rules.
const char* modeNameOf(const fileRules& rules);

// The masks of a directory run by `rules` that gives none: the language's
// defaultMasks, or for detectedLanguage none, which selects every file.
const char* defaultMasksOf(const fileRules& rules);

// Whether analyzePath by `rules` opens the file at `path` at all: all but
// those that detectedLanguage skips unread, by their names.
bool opensPath(const fileRules& rules, std::string_view path);

// Why a file found was not analysed.
enum class skipReason { none, unknownLanguage, binary, generated };

// What became of one file.
struct fileOutcome {
  fileRecord record;  // the all-zero record, with noLanguage, when the file was not read
  ioError error;      // why it could not be read
  std::vector<todoItem> todos;  // its words, when listed
  skipReason skipped = skipReason::none;
};

// Reads the file at `path` through `files` into `buffer` (reused file after
// file by one thread) and scans it by `rules` (see scanPath in scanner.h for
// `type` and `stop`), and with `listWords` lists its words. With
// detectedLanguage a file is skipped, unread, when its name has an
// extension but no language, or read, and skipped, when its first read
// shows a NUL byte (textFileReader::startsBinary), or when it has no
// extension and its "#!" line names no known interpreter. With
// rules.skipsGenerated, a minified name is skipped unread as generated, and
// a file whose first read shows it generated is skipped after it.
fileOutcome analyzePath(fileSystem& files, const std::string& path, pathType type,
                        const fileRules& rules, bool includeFirstComment, bool listWords,
                        std::vector<char>* buffer, const std::atomic<bool>* stop);

// Appends what became of the file at `path` to *result: its record, and its
// failure when it could not be read; or its count among the skipped files.
void addOutcome(fileOutcome outcome, std::string path, analysisResult* result);

}  // namespace quillstat

#endif  // QUILLSTAT_ANALYSIS_FILE_ANALYSIS_H_
