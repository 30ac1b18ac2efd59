#include "analysis/path_glob.h"

#include <algorithm>

#include "engine/path_separator.h"

namespace quillstat {

pathGlob::pathGlob(std::string_view pattern) {
  for (size_t i = 0; i < pattern.size(); ++i) {
    if (pattern.substr(i, 2) == "**" && i + 2 < pattern.size() && isPathSeparator(pattern[i + 2])) {
      steps_.push_back({kind::directories, 0});
      steps_.push_back({kind::directoryName, 0});
      i += 2;
    } else if (pattern.substr(i, 2) == "**") {
      steps_.push_back({kind::anyRun, 0});
      ++i;
    } else if (pattern[i] == '*') {
      steps_.push_back({kind::withinName, 0});
    } else if (isPathSeparator(pattern[i])) {
      steps_.push_back({kind::separator, 0});
    } else {
      steps_.push_back({kind::character, pattern[i]});
    }
  }
}

// The pattern as a machine whose states are the places between its steps,
// run over the path with every state it can be in at once.
bool pathGlob::matches(std::string_view path) const {
  const size_t count = steps_.size();
  std::vector<char> now(count + 1, 0);
  std::vector<char> next(count + 1, 0);
  // The starred steps may match nothing: their state reaches the next one,
  // and at a directory's start, the place after "**/".
  auto close = [this, count](std::vector<char>& states) {
    for (size_t i = 0; i < count; ++i) {
      if (!states[i]) continue;
      const kind what = steps_[i].what;
      if (what == kind::withinName || what == kind::anyRun) states[i + 1] = 1;
      if (what == kind::directories) states[i + 2] = 1;
    }
  };
  now[0] = 1;
  close(now);
  for (char c : path) {
    std::fill(next.begin(), next.end(), 0);
    const bool separator = isPathSeparator(c);
    for (size_t i = 0; i < count; ++i) {
      if (!now[i]) continue;
      switch (steps_[i].what) {
        case kind::character: next[i + 1] |= c == steps_[i].character; break;
        case kind::separator: next[i + 1] |= separator; break;
        case kind::withinName: next[i] |= !separator; break;
        case kind::anyRun: next[i] = 1; break;
        case kind::directories:  // at a directory's start
          next[separator ? i : i + 1] = 1;
          break;
        case kind::directoryName:  // within its name, up to the separator that ends it
          next[separator ? i - 1 : i] = 1;
          break;
      }
    }
    close(next);
    now.swap(next);
  }
  return now[count] != 0;
}

pathExclusions::pathExclusions(const std::vector<std::string>& patterns) {
  for (std::string_view pattern : patterns) {
    if (!pattern.empty() && isPathSeparator(pattern.back())) {
      pattern.remove_suffix(1);
      directories_.emplace_back(pattern);
    } else {
      any_.emplace_back(pattern);
    }
  }
}

bool pathExclusions::excludesFile(std::string_view path) const {
  return std::ranges::any_of(any_, [path](const pathGlob& glob) { return glob.matches(path); });
}

bool pathExclusions::excludesDirectory(std::string_view path) const {
  return excludesFile(path) || std::ranges::any_of(directories_, [path](const pathGlob& glob) {
           return glob.matches(path);
         });
}

bool pathExclusions::excludesListedFile(std::string_view path) const {
  if (empty()) return false;
  for (size_t i = 1; i < path.size(); ++i) {
    if (isPathSeparator(path[i]) && excludesDirectory(path.substr(0, i))) return true;
  }
  return excludesFile(path);
}

}  // namespace quillstat
