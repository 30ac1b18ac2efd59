#ifndef QUILLSTAT_ANALYSIS_PATH_GLOB_H_
#define QUILLSTAT_ANALYSIS_PATH_GLOB_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quillstat {

// A pattern for paths, as --exclude takes it: '*' stands for any run of
// characters within one name, "**" for any run across names, "**/" for any
// number of whole directories, none included ("a/**/b" matches "a/b" and
// "a/x/y/b"); a separator stands for any separator (path_separator.h) and
// every other character for itself, case included. A pattern matches a
// whole path. Matching takes time proportional to the pattern's length
// times the path's, whatever the pattern.
class pathGlob {
 public:
  explicit pathGlob(std::string_view pattern);

  bool matches(std::string_view path) const;

 private:
  // "**/" is two steps: at a directory's start (where it may end), and
  // within a directory's name.
  enum class kind : uint8_t {
    character,
    separator,
    withinName,
    anyRun,
    directories,
    directoryName
  };
  struct step {
    kind what;
    char character;
  };
  std::vector<step> steps_;
};

// The paths that --exclude leaves out, relative to the analysed directory
// (for a list, as the list writes them). A pattern that ends in a separator
// leaves out directories only, the others files and directories.
class pathExclusions {
 public:
  pathExclusions() = default;
  explicit pathExclusions(const std::vector<std::string>& patterns);

  bool empty() const { return any_.empty() && directories_.empty(); }

  bool excludesFile(std::string_view path) const;
  // `path` without its last separator: "src/gen".
  bool excludesDirectory(std::string_view path) const;
  // A listed file: the file, or a directory that its path passes through.
  bool excludesListedFile(std::string_view path) const;

 private:
  std::vector<pathGlob> any_;
  std::vector<pathGlob> directories_;
};

}  // namespace quillstat

#endif  // QUILLSTAT_ANALYSIS_PATH_GLOB_H_
