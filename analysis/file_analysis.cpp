#include "analysis/file_analysis.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <string_view>

#include "analysis/embedded_scan.h"
#include "analysis/foreign_files.h"
#include "analysis/language_detection.h"
#include "analysis/language_table.h"
#include "engine/path_separator.h"
#include "engine/scanner.h"

namespace quillstat {

namespace {

// The first rows: the languages that reports showed before they had line
// figures.
constexpr unsigned kLanguagesBeforeLineFigures = 5;

std::string_view nameOf(std::string_view path) {
  size_t start = path.size();
  while (start > 0 && !isPathSeparator(path[start - 1])) --start;
  return path.substr(start);
}

fileOutcome skipped(skipReason reason) {
  fileOutcome outcome;
  outcome.skipped = reason;
  return outcome;
}

// A name that tells no language yet has an extension is taken at its word.
bool skipsUnread(std::optional<unsigned> language, std::string_view name) {
  return !language && hasExtension(name);
}

// Whether files of `language` read by `scan` are read with the code they
// embed: only by its exact rules.
bool readsEmbedded(unsigned language, const scanner& scan) {
  const languageEntry& entry = languageTable[language];
  return entry.row->embeds != embedding::none && &scan == &entry.exact;
}

// Reads what `file` (open) delivers, whole, and scans it by `language` and
// the languages it embeds (scanEmbedded) into *record; a file without
// embedded code gets the record that the language's scanFile gives. False,
// with the reason in *error, when a read fails.
bool scanWithEmbedded(textFileReader& file, unsigned language, bool includeFirstComment,
                      fileRecord* record, std::vector<wordPlace>* places, ioError* error) {
  std::string content;
  // Room for the whole file at once: no copy as it grows. Text mode only
  // shortens it; a file that grew since it was opened is appended still.
  content.reserve(static_cast<size_t>(std::max<int64_t>(0, file.sizeOnDisk())));
  const char* data = nullptr;
  size_t length = 0;
  for (;;) {
    if (!file.next(&data, &length, error)) return false;
    if (length == 0) break;
    content.append(data, length);
  }
  const languageEntry& entry = languageTable[language];
  const std::vector<embeddedRegion> regions = embeddedRegionsOf(content, entry.row->embeds);
  if (regions.empty()) {
    const std::string_view whole = content;
    record->stats = entry.exact.scanPieces(&whole, 1, includeFirstComment, places);
  } else {
    embeddedScan scan = scanEmbedded(content, language, regions, includeFirstComment, places);
    record->stats = scan.stats;
    record->embedded = std::move(scan.embedded);
  }
  record->stats.sizeFile = file.sizeOnDisk();
  return true;
}

fileOutcome analyzeDetected(fileSystem& files, const std::string& path, pathType type,
                            bool skipsGenerated, bool includeFirstComment, bool listWords, std::vector<char>* buffer,
                            const std::atomic<bool>* stop) {
  const std::string_view name = nameOf(path);
  std::optional<unsigned> language = languageOfName(name);
  if (skipsUnread(language, name)) return skipped(skipReason::unknownLanguage);
  if (skipsGenerated && minifiedName(name)) return skipped(skipReason::generated);

  fileOutcome outcome;
  textFileReader file(files, buffer, stop);
  const char* data = nullptr;
  size_t length = 0;
  if (!file.open(path, type, &outcome.error) || !file.next(&data, &length, &outcome.error)) {
    return outcome;
  }
  if (file.startsBinary()) return skipped(skipReason::binary);
  if (skipsGenerated && generatedText(std::string_view(data, length))) {
    return skipped(skipReason::generated);
  }
  if (!language) language = languageOfFirstLine(std::string_view(data, length));
  if (!language) return skipped(skipReason::unknownLanguage);
  file.deliverAgain();
  fileStats& stats = outcome.record.stats;
  std::vector<wordPlace> places;
  const scanner& scan = languageTable[*language].exact;
  const bool read =
      readsEmbedded(*language, scan)
          ? scanWithEmbedded(file, *language, includeFirstComment, &outcome.record,
                             listWords ? &places : nullptr, &outcome.error)
          : scan.scanFile(file, includeFirstComment, &stats, listWords ? &places : nullptr,
                          &outcome.error);
  if (!read) {
    outcome.record = fileRecord{};
    return outcome;
  }
  file.close();
  if (!places.empty()) locateWords(files, path, places, buffer, &outcome.todos);
  stats.filename = path;
  outcome.record.language = *language;
  return outcome;
}

}  // namespace

bool opensPath(const fileRules& rules, std::string_view path) {
  const std::string_view name = nameOf(path);
  return rules.language != detectedLanguage || !skipsUnread(languageOfName(name), name);
}

bool showsLineFigures(const fileRules& rules) {
  return rules.exact || rules.language == detectedLanguage ||
         (rules.language >= kLanguagesBeforeLineFigures && rules.language < languageCount);
}

const char* languageNameOf(const fileRules& rules) {
  if (rules.language == detectedLanguage) return detectedLanguageName;
  return languageTable[rules.language].name;
}

const char* modeNameOf(const fileRules& rules) {
  if (rules.language == detectedLanguage) return "exact";
  return modeName(languageTable[rules.language], rules.exact);
}

const char* defaultMasksOf(const fileRules& rules) {
  if (rules.language == detectedLanguage) return "";
  return languageTable[rules.language].defaultMasks;
}

fileOutcome analyzePath(fileSystem& files, const std::string& path, pathType type,
                        const fileRules& rules, bool includeFirstComment, bool listWords,
                        std::vector<char>* buffer, const std::atomic<bool>* stop) {
  if (rules.language == detectedLanguage) {
    return analyzeDetected(files, path, type, rules.skipsGenerated, includeFirstComment, listWords, buffer, stop);
  }
  fileOutcome outcome;
  const scanner& scan = rulesOf(languageTable[rules.language], rules.exact);
  if (readsEmbedded(rules.language, scan)) {
    std::vector<wordPlace> places;
    {
      textFileReader file(files, buffer, stop);
      if (!file.open(path, type, &outcome.error) ||
          !scanWithEmbedded(file, rules.language, includeFirstComment, &outcome.record,
                            listWords ? &places : nullptr, &outcome.error)) {
        outcome.record = fileRecord{};
        return outcome;
      }
    }
    if (!places.empty()) locateWords(files, path, places, buffer, &outcome.todos);
    outcome.record.stats.filename = path;
    outcome.record.language = rules.language;
    return outcome;
  }
  outcome.record.stats = scanPath(scan, files, path, includeFirstComment, buffer, &outcome.error,
                                  type, stop, listWords ? &outcome.todos : nullptr);
  if (!outcome.error.failed()) outcome.record.language = rules.language;
  return outcome;
}

void addOutcome(fileOutcome outcome, std::string path, analysisResult* result) {
  switch (outcome.skipped) {
    case skipReason::unknownLanguage: ++result->skipped.unknownLanguage; return;
    case skipReason::binary: ++result->skipped.binary; return;
    case skipReason::generated: ++result->skipped.generated; return;
    case skipReason::none: break;
  }
  if (outcome.error.failed()) result->failures.push_back({std::move(path), outcome.error});
  result->records.push_back(std::move(outcome.record));
  result->todos.insert(result->todos.end(), std::make_move_iterator(outcome.todos.begin()),
                       std::make_move_iterator(outcome.todos.end()));
}

}  // namespace quillstat
