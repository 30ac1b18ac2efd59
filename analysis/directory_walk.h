#ifndef QUILLSTAT_ANALYSIS_DIRECTORY_WALK_H_
#define QUILLSTAT_ANALYSIS_DIRECTORY_WALK_H_

#include <atomic>
#include <functional>
#include <string>
#include <vector>

#include "analysis/analysis_result.h"
#include "analysis/ignore_stack.h"
#include "analysis/input_failure.h"
#include "analysis/path_glob.h"
#include "engine/file_system.h"

namespace quillstat {

// What a walk selects.
struct walkSelection {
  // Whether a file is selected by its own name.
  std::function<bool(std::string_view name)> selects;
  bool recursive = false;  // the sub-directories are walked too
  // Files left out, and directories not walked, by their paths relative
  // to the walked directory ("sub/a.cpp", "sub/gen").
  pathExclusions excludes;
  // Left out as by `excludes`, but what no user asked for, so not counted
  // (a repository's history).
  pathExclusions unasked;
  // When not null, the walked directory lies in a git work tree: what git's
  // ignore rules leave out is counted as ignored, not selected. A directory
  // below the walked one that holds a ".git" of its own (another
  // repository) is not walked, as git does not list its files.
  ignoreStack* ignores = nullptr;
  // The files below a vendoredDirectory (foreign_files.h) are counted as
  // vendored, not selected.
  bool leavesVendored = false;
};

// What a walk left out, by reason; each counts the entries that would have
// been selected (or passed over as skippedEntries) otherwise.
struct walkCounts {
  // Files and sub-directories that `selection.excludes` left out.
  size_t excluded = 0;
  // Entries that git's rules ignore, unless the index tracks them; those in
  // an ignored directory too, however deep.
  size_t ignored = 0;
  // Entries below a vendored directory that git's rules keep.
  size_t vendored = 0;
};

// Walks `directory` through `files` and calls selectFile with the path of
// each selected file, in walk order, as the files are found: depth first, a
// directory's selected files before its sub-directories' trees, entries
// sorted by name with ASCII letters folded to lower case (ties in plain byte
// order), so "A.cpp" < "a.cpp" < "B.cpp" < "b.cpp". A file is selected when
// it is a regular file, or a symlink to one, whose own name
// `selection.selects` and that `selection.excludes` and `.unasked` keep;
// directories (whatever their names) never are. A FIFO, socket or device,
// or a symlink to one, or a symlink that leads nowhere, that would be
// selected by its name is appended to *skipped (not null) instead, in walk
// order, and never opened; an entry gone before its kind was learnt is left
// out. Symlinks to directories are not followed; "." and ".." are never
// walked.
//
// Paths are `directory`, a separator unless it already ends in one, then the
// name: "src" and "src/" both give "src/a.cpp". A sub-directory is walked as
// its path plus a separator, so "src/sub/b.cpp". An empty `directory` also
// gets one, and so walks the root. Sub-directories are walked only when
// `selection.recursive`, and only those that both exclusions keep.
// The separator inserted is '/' on POSIX and '\\' on Windows, which also
// takes '/' as one ("src/" gives "src/sub\\b.cpp"); see
// engine/path_separator.h.
//
// A directory that cannot be listed is skipped and appended to *failures
// (not null): the top one under `directory` as given, nothing selected; a
// sub-directory under its walked path ("src/sub/"), and the walk goes on.
//
// Returns what it left out (walkCounts). An excluded sub-directory counts
// as one entry; an ignored or vendored one is walked to count its entries.
//
// When `stop` is not null and becomes true, the walk ends before its next
// entry; it must outlive the call.
walkCounts collectFiles(fileSystem& files, const std::string& directory,
                    const walkSelection& selection,
                    const std::function<void(std::string path)>& selectFile,
                    std::vector<inputFailure>* failures, std::vector<skippedEntry>* skipped,
                    const std::atomic<bool>* stop = nullptr);

// The path a walk of `directory` puts before the names of its files:
// `directory` and a separator unless it ends in one ("src" and "src/" give
// "src/", "" gives "/").
std::string walkPrefix(const std::string& directory);

}  // namespace quillstat

#endif  // QUILLSTAT_ANALYSIS_DIRECTORY_WALK_H_
