#ifndef QUILLSTAT_ANALYSIS_DIRECTORY_WALK_H_
#define QUILLSTAT_ANALYSIS_DIRECTORY_WALK_H_

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/input_failure.h"

namespace quillstat {

// The last character of `text`, or '\0' when it is empty.
char lastChar(std::string_view text);

// Walks `directory` and calls selectFile with the path of each selected file,
// in walk order: depth first, a directory's selected files before its
// sub-directories' trees, entries sorted by name with ASCII letters folded to
// lower case (ties in plain byte order). A file is selected when it is a
// regular file, or a symlink to one, whose name nameMatches `tokens`.
// Symlinks to directories are not followed. Paths are `directory`, a '/'
// unless it already ends in a separator, then the name; a sub-directory is
// walked as its path plus '/'. Sub-directories are walked only when
// `recursive`. A directory that cannot be listed (the top one included) is
// skipped and appended to *failures; the walk goes on.
void collectFiles(const std::string& directory, const std::vector<std::string>& tokens,
                  bool recursive, const std::function<void(std::string path)>& selectFile,
                  std::vector<inputFailure>* failures);

}  // namespace quillstat

#endif  // QUILLSTAT_ANALYSIS_DIRECTORY_WALK_H_
