#include "analysis/directory_walk.h"

#include <algorithm>
#include <utility>

#include "analysis/foreign_files.h"
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

// Where in the tree a directory lies.
struct treeState {
  bool ignored = false;   // in a directory that git's rules ignore
  bool vendored = false;  // in a vendored directory
  bool top = true;        // the walked directory itself
};

// The rules of a directory's ".gitignore" hold while the walk is in it.
class ignoreScope {
 public:
  ignoreScope(ignoreStack* ignores, const std::string& path, std::string_view relative,
              const std::vector<directoryEntry>& entries, const treeState& state)
      : ignores_(ignores) {
    if (ignores_ == nullptr) return;
    // Git lists another repository inside its tree as a directory, never its files.
    other_ = !state.top && std::ranges::any_of(entries, [](const directoryEntry& entry) {
      return entry.name == ".git";
    });
    // Below an ignored directory git reads no more rules: all of it is ignored.
    if (!other_ && !state.ignored) {
      ignores_->enter(path, relative, entries);
      entered_ = true;
    }
  }
  ~ignoreScope() {
    if (entered_) ignores_->leave();
  }
  ignoreScope(const ignoreScope&) = delete;
  ignoreScope& operator=(const ignoreScope&) = delete;

  bool otherRepository() const { return other_; }

 private:
  ignoreStack* ignores_;
  bool other_ = false;
  bool entered_ = false;
};

struct walker {
  fileSystem& files;
  const walkSelection& selection;
  size_t rootLength;  // of the walked directory's prefix
  const std::function<void(std::string path)>& selectFile;
  std::vector<inputFailure>* failures;
  std::vector<skippedEntry>* skipped;
  const std::atomic<bool>* stop;
  walkCounts counts;

  bool stopped() const { return stop != nullptr && stop->load(std::memory_order_relaxed); }

  std::string_view relative(const std::string& path) const {
    return std::string_view(path).substr(rootLength);
  }

  // Whether the entry at `path` goes, counting what the user's patterns leave out.
  bool leavesOut(std::string_view path, bool (pathExclusions::*excludes)(std::string_view) const) {
    if ((selection.unasked.*excludes)(path)) return true;
    const bool left = (selection.excludes.*excludes)(path);
    counts.excluded += left;
    return left;
  }

  // `prefix` is the directory's path ending in a separator; it is listed as
  // such, so that the paths handed out always name what was listed (an empty
  // directory string becomes "/", the root). A failure reports `shownPath`
  // when given (the top directory as the caller wrote it), else the prefix.
  // The prefix is extended in place for each sub-directory and
  // restored after it, so a deep tree does not copy its paths per level.
  // Whether the file at `path` is left out as ignored or vendored, and counted.
  bool leavesForeign(std::string_view path, std::string_view name, const treeState& state) {
    // A worktree's ".git" file is the repository's, as its directory would be.
    if (selection.ignores != nullptr && name == ".git") return true;
    if (selection.ignores != nullptr && !selection.ignores->tracks(path) &&
        (state.ignored || selection.ignores->ignores(path, false))) {
      ++counts.ignored;
      return true;
    }
    counts.vendored += state.vendored;
    return state.vendored;
  }

  // The state of the sub-directory at `path`, named `name`, below one in `state`.
  treeState below(std::string_view path, std::string_view name, const treeState& state) {
    treeState inner = state;
    inner.top = false;
    if (selection.ignores != nullptr && !state.ignored) {
      inner.ignored = selection.ignores->ignores(path, true);
    }
    if (selection.leavesVendored && vendoredDirectory(name)) inner.vendored = true;
    return inner;
  }

  void walk(std::string* prefix, const std::string* shownPath, treeState state) {
    std::vector<directoryEntry> entries;
    ioError error;
    if (!files.listDirectory(*prefix, &entries, &error)) {
      failures->push_back({shownPath != nullptr ? *shownPath : *prefix, error});
      return;
    }
    std::sort(entries.begin(), entries.end(), walkOrder);
    ignoreScope scope(selection.ignores, *prefix, relative(*prefix), entries, state);
    if (scope.otherRepository()) return;

    for (const directoryEntry& entry : entries) {
      if (stopped()) return;
      if (entry.kind == entryKind::directory || entry.kind == entryKind::other) continue;
      if (!selection.selects(entry.name)) continue;
      std::string path = *prefix + entry.name;
      if (leavesOut(relative(path), &pathExclusions::excludesFile)) continue;
      if (leavesForeign(relative(path), entry.name, state)) continue;
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
        const treeState inner = below(relative(*prefix), entry.name, state);
        prefix->push_back(pathSeparator());
        walk(prefix, nullptr, inner);
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

walkCounts collectFiles(fileSystem& files, const std::string& directory,
                    const walkSelection& selection,
                    const std::function<void(std::string path)>& selectFile,
                    std::vector<inputFailure>* failures, std::vector<skippedEntry>* skipped,
                    const std::atomic<bool>* stop) {
  std::string prefix = walkPrefix(directory);
  walker walk{files, selection, prefix.size(), selectFile, failures, skipped, stop, {}};
  treeState top;
  top.ignored = selection.ignores != nullptr && selection.ignores->walkedIgnored();
  walk.walk(&prefix, &directory, top);
  return walk.counts;
}

}  // namespace quillstat
