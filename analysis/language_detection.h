#ifndef QUILLSTAT_ANALYSIS_LANGUAGE_DETECTION_H_
#define QUILLSTAT_ANALYSIS_LANGUAGE_DETECTION_H_

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace quillstat {

struct languageEntry;

// How -l auto tells a file's language from its name. Everything comes from
// the rows of a language table (their extensions, fileNames and
// interpreters), so a new row is found without a change here. Languages
// are returned as rows of the table.
class languageDetector {
 public:
  // Reads the rows of `table`, which must outlive the detector.
  explicit languageDetector(std::span<const languageEntry> table);

  // The language of the file named `name` (a bare name): the row whose
  // fileNames hold it, else the row of its longest ending that starts with
  // a dot among the rows' extensions, else the row of a fileNames entry
  // that ends in "*" and names its start, ASCII letters folded in all
  // ("MAIN.C", "makefile"; kconfig.h is C's, Kconfig.debug Kconfig's). An ending that several rows claim goes to the
  // language named for it in language_detection.cpp (".h" to C, ".m" to
  // Objective-C, ".pl" to Perl, ".inc" to none), else to the first of them
  // in table order.
  std::optional<unsigned> ofName(std::string_view name) const;

  // The language of content that starts with a "#!" line, by the program it
  // names: the last part of its first word's path, or after "env" the first
  // word that is no option ("-S") nor assignment ("A=b"), its version
  // digits and dots dropped ("python3.11" is "python"), found among the
  // rows' interpreters (also without their digits). nullopt for anything
  // else.
  std::optional<unsigned> ofFirstLine(std::string_view content) const;

 private:
  struct textHash {
    using is_transparent = void;
    size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
  };
  using rowsByText = std::unordered_map<std::string, unsigned, textHash, std::equal_to<>>;

  rowsByText names_;         // folded
  // Folded, from names that end in "*" ("Dockerfile.*"), in table order.
  std::vector<std::pair<std::string, unsigned>> namePrefixes_;
  rowsByText endings_;       // folded, with their dot
  rowsByText interpreters_;  // without their version
};

// What languageDetector tells of the rows of languageTable.
std::optional<unsigned> languageOfName(std::string_view name);
std::optional<unsigned> languageOfFirstLine(std::string_view content);

// Whether `name` has an extension: a dot after its first character.
bool hasExtension(std::string_view name);

}  // namespace quillstat

#endif  // QUILLSTAT_ANALYSIS_LANGUAGE_DETECTION_H_
