#ifndef QUILLSTAT_ANALYSIS_IGNORE_STACK_H_
#define QUILLSTAT_ANALYSIS_IGNORE_STACK_H_

#include <string>
#include <string_view>
#include <vector>

#include "analysis/git_ignore.h"
#include "analysis/git_repository.h"
#include "engine/file_system.h"

namespace quillstat {

// Git's ignore rules for a walk of a directory in a work tree, learnt as the
// walk goes down: the ".gitignore" of each directory entered (a deeper one
// first), then info/exclude, then the user's excludes file; the last
// matching pattern of the first list with one decides. Paths are given
// relative to the walked directory, with the walk's separators.
// Not for several threads at once.
class ignoreStack {
 public:
  // Reads the ".gitignore" files of `tree`'s directories from its root down
  // to the walked directory's parent through `files`, which must outlive it.
  ignoreStack(fileSystem& files, workTree tree, repositoryFacts facts);

  // Whether git would leave out the whole walked directory: it, or a
  // directory on its way from the root, is ignored.
  bool walkedIgnored() const { return walkedIgnored_; }

  // Enters the directory whose full path is `path` (with its separator) and
  // that is `relative` to the walked one ("" or "sub/", its separator at the
  // end): reads its ".gitignore" when `entries` list one. Every enter is
  // matched by a leave, innermost first.
  void enter(const std::string& path, std::string_view relative,
             const std::vector<directoryEntry>& entries);
  void leave();

  // Whether the rules leave out the file or directory `relative` (a
  // directory without its last separator).
  bool ignores(std::string_view relative, bool directory);
  // Whether the index holds the file `relative`.
  bool tracks(std::string_view relative);

 private:
  const std::string& fromRoot(std::string_view relative);
  bool ignoresFromRoot(bool directory) const;
  void push(const std::string& file, std::string base);

  fileSystem& files_;
  workTree tree_;
  repositoryFacts facts_;
  ignoreList infoExclude_;
  ignoreList excludesFile_;
  std::vector<ignoreList> lists_;  // of the directories entered, the root's first
  std::vector<bool> pushed_;       // whether each enter pushed a list
  std::string path_;               // the last fromRoot
  bool walkedIgnored_ = false;
};

}  // namespace quillstat

#endif  // QUILLSTAT_ANALYSIS_IGNORE_STACK_H_
