#include "analysis/directory_walk.h"

#include <algorithm>
#include <utility>

#include "analysis/masks.h"
#include "engine/path_separator.h"

namespace quillstat {

namespace {

// The system lists entries in whatever order its file system keeps them;
// sorting makes the walk, and so every report, the same on every machine.
// "A.cpp" < "a.cpp" < "B.cpp" < "b.cpp": case folded first, bytes break ties.
bool walkOrder(const directoryEntry& a, const directoryEntry& b) {
  size_t common = std::min(a.name.size(), b.name.size());
  for (size_t i = 0; i < common; ++i) {
    auto x = static_cast<unsigned char>(foldAscii(a.name[i]));
    auto y = static_cast<unsigned char>(foldAscii(b.name[i]));
    if (x != y) return x < y;
  }
  if (a.name.size() != b.name.size()) return a.name.size() < b.name.size();
  return a.name < b.name;
}

struct walker {
  fileSystem& files;
  const walkSelection& selection;
  size_t rootLength;  // of the walked directory's prefix
  const std::function<void(std::string path)>& selectFile;
  std::vector<inputFailure>* failures;
  std::vector<skippedEntry>* skipped;
  const std::atomic<bool>* stop;
  size_t excluded = 0;  // by selection.excludes

  bool stopped() const { return stop != nullptr && stop->load(std::memory_order_relaxed); }

  std::string_view relative(const std::string& path) const {
    return std::string_view(path).substr(rootLength);
  }

  // Whether the entry at `path` goes, counting what the user's patterns leave out.
  bool leavesOut(std::string_view path, bool (pathExclusions::*excludes)(std::string_view) const) {
    if ((selection.unasked.*excludes)(path)) return true;
    const bool left = (selection.excludes.*excludes)(path);
    excluded += left;
    return left;
  }

  // `prefix` is the directory's path ending in a separator; it is listed as
  // such, so that the paths handed out always name what was listed (an empty
  // directory string becomes "/", the root). A failure reports `shownPath`
  // when given (the top directory as the caller wrote it), else the prefix.
  // The prefix is extended in place for each sub-directory and
  // restored after it, so a deep tree does not copy its paths per level.
  void walk(std::string* prefix, const std::string* shownPath) {
    std::vector<directoryEntry> entries;
    ioError error;
    if (!files.listDirectory(*prefix, &entries, &error)) {
      failures->push_back({shownPath != nullptr ? *shownPath : *prefix, error});
      return;
    }
    std::sort(entries.begin(), entries.end(), walkOrder);

    for (const directoryEntry& entry : entries) {
      if (stopped()) return;
      if (entry.kind == entryKind::directory || entry.kind == entryKind::other) continue;
      if (!selection.selects(entry.name)) continue;
      std::string path = *prefix + entry.name;
      if (leavesOut(relative(path), &pathExclusions::excludesFile)) continue;
      // What the user asked for but cannot be read is told, not dropped
      // silently; a FIFO is never opened, since that would wait for a writer.
      switch (entry.kind) {
        case entryKind::file: selectFile(std::move(path)); break;
        case entryKind::special:
          skipped->push_back({std::move(path), skippedEntry::reason::notRegularFile});
          break;
        case entryKind::danglingLink:
          skipped->push_back({std::move(path), skippedEntry::reason::danglingLink});
          break;
        case entryKind::directory:
        case entryKind::other: break;
      }
    }
    if (!selection.recursive) return;

    size_t keep = prefix->size();
    for (const directoryEntry& entry : entries) {
      // A linked directory is not walked: a link back into its own tree
      // would never end, and its files are reachable by their real path.
      if (entry.kind != entryKind::directory || entry.isLink) continue;
      if (stopped()) return;
      prefix->append(entry.name);
      if (!leavesOut(relative(*prefix), &pathExclusions::excludesDirectory)) {
        prefix->push_back(pathSeparator());
        walk(prefix, nullptr);
      }
      prefix->resize(keep);
    }
  }
};

}  // namespace

std::string walkPrefix(const std::string& directory) {
  std::string prefix = directory;
  if (prefix.empty() || !isPathSeparator(prefix.back())) prefix.push_back(pathSeparator());
  return prefix;
}

size_t collectFiles(fileSystem& files, const std::string& directory,
                    const walkSelection& selection,
                    const std::function<void(std::string path)>& selectFile,
                    std::vector<inputFailure>* failures, std::vector<skippedEntry>* skipped,
                    const std::atomic<bool>* stop) {
  std::string prefix = walkPrefix(directory);
  walker walk{files, selection, prefix.size(), selectFile, failures, skipped, stop};
  walk.walk(&prefix, &directory);
  return walk.excluded;
}

}  // namespace quillstat
