#include "analysis/ignore_stack.h"

#include <algorithm>
#include <utility>

#include "engine/path_separator.h"

namespace quillstat {

ignoreStack::ignoreStack(fileSystem& files, workTree tree, repositoryFacts facts)
    : files_(files),
      tree_(std::move(tree)),
      facts_(std::move(facts)),
      infoExclude_(facts_.infoExclude, ""),
      excludesFile_(facts_.excludesFile, "") {
  // The directories above the walked one: their rules reach into it, and an
  // ignored one leaves out everything beneath, as git never enters it.
  std::string base;
  for (size_t at = 0; at < tree_.walked.size();) {
    push(tree_.root + base + ".gitignore", base);
    const size_t slash = tree_.walked.find('/', at);
    base = tree_.walked.substr(0, slash + 1);
    path_ = tree_.walked.substr(0, slash);
    if (!walkedIgnored_ && ignoresFromRoot(true)) walkedIgnored_ = true;
    at = slash + 1;
  }
}

void ignoreStack::push(const std::string& file, std::string base) {
  std::string text;
  if (!readWholeFile(files_, file, &text)) return;
  ignoreList list(text, std::move(base));
  if (!list.empty()) lists_.push_back(std::move(list));
}

void ignoreStack::enter(const std::string& path, std::string_view relative,
                        const std::vector<directoryEntry>& entries) {
  const size_t before = lists_.size();
  const bool hasFile = std::ranges::any_of(entries, [](const directoryEntry& entry) {
    return entry.name == ".gitignore" && entry.kind == entryKind::file;
  });
  if (hasFile) {
    std::string base = fromRoot(relative);
    push(path + ".gitignore", std::move(base));
  }
  pushed_.push_back(lists_.size() != before);
}

void ignoreStack::leave() {
  if (pushed_.back()) lists_.pop_back();
  pushed_.pop_back();
}

const std::string& ignoreStack::fromRoot(std::string_view relative) {
  path_ = tree_.walked;
  path_.append(relative);
  // Git's paths have '/' whatever the system's separator.
  if (pathSeparator() != '/') std::ranges::replace(path_, pathSeparator(), '/');
  return path_;
}

bool ignoreStack::ignoresFromRoot(bool directory) const {
  for (auto list = lists_.rbegin(); list != lists_.rend(); ++list) {
    if (const std::optional<bool> verdict = list->decides(path_, directory)) return *verdict;
  }
  if (const std::optional<bool> verdict = infoExclude_.decides(path_, directory)) return *verdict;
  return excludesFile_.decides(path_, directory).value_or(false);
}

bool ignoreStack::ignores(std::string_view relative, bool directory) {
  fromRoot(relative);
  return ignoresFromRoot(directory);
}

bool ignoreStack::tracks(std::string_view relative) {
  return std::ranges::binary_search(facts_.tracked, fromRoot(relative));
}

}  // namespace quillstat
