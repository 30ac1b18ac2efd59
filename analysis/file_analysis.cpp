#include "analysis/file_analysis.h"

#include "analysis/language_table.h"
#include "engine/scanner.h"

namespace quillstat {

fileOutcome analyzePath(fileSystem& files, const std::string& path, pathType type,
                        const fileRules& rules, bool includeFirstComment, bool listWords,
                        std::vector<char>* buffer, const std::atomic<bool>* stop) {
  fileOutcome outcome;
  const scanner& scan = rulesOf(languageTable[rules.language], rules.exact);
  outcome.record.stats = scanPath(scan, files, path, includeFirstComment, buffer, &outcome.error,
                                  type, stop, listWords ? &outcome.todos : nullptr);
  if (!outcome.error.failed()) outcome.record.language = rules.language;
  return outcome;
}

}  // namespace quillstat
