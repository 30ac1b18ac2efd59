#include "report/report_compare.h"

#include <map>
#include <tuple>
#include <unordered_map>

#include "analysis/languages.h"
#include "report/figures.h"
#include "report/report_merge.h"

namespace quillstat {

namespace {

// What the paths of a report start with that matching leaves out: the run's
// directory when both runs are directory runs, else nothing, so that a list
// run (a merged report) and a directory run match by the paths as written.
std::string_view rootOf(const readReport& report, const readReport& other) {
  const bool directories =
      report.run.input == inputKind::directory && other.run.input == inputKind::directory;
  return directories ? std::string_view(report.result.root) : std::string_view();
}

std::string_view relativePath(const std::string& path, std::string_view root) {
  std::string_view relative = path;
  if (relative.starts_with(root)) relative.remove_prefix(root.size());
  return relative;
}

// The directory of `path` down to `depth` levels, with its separator; "."
// for a file at the top.
std::string directoryOf(std::string_view path, int depth) {
  size_t end = 0;
  for (int level = 0; level < depth; ++level) {
    const size_t slash = path.find('/', end);
    if (slash == std::string_view::npos) break;
    end = slash + 1;
  }
  return end == 0 ? "." : std::string(path.substr(0, end));
}

bool sameFigures(fileStats a, fileStats b) {
  a.filename.clear();
  b.filename.clear();
  return a == b;
}

// The groups of one kind, by name, and where a file goes.
struct groups {
  std::map<std::string, comparedGroup> byName;
  comparedGroup& operator[](const std::string& name) {
    comparedGroup& group = byName[name];
    group.name = name;
    return group;
  }
};

const char* languageOf(const fileRecord& record, const readReport& report) {
  return record.language < languageCount ? languageName(record.language)
                                         : report.run.language.c_str();
}

using todoKey = std::tuple<std::string_view, wordKind, std::string_view>;

// The entries of `from` that `other` has not, matched one for one.
std::vector<todoItem> unmatched(const readReport& from, const readReport& other) {
  std::map<todoKey, int64_t> left;
  for (const todoItem& item : other.result.todos) {
    ++left[{relativePath(item.path, rootOf(other, from)), item.kind, item.text}];
  }
  std::vector<todoItem> out;
  for (const todoItem& item : from.result.todos) {
    int64_t& count = left[{relativePath(item.path, rootOf(from, other)), item.kind, item.text}];
    if (count > 0) {
      --count;
    } else {
      out.push_back(item);
    }
  }
  return out;
}

}  // namespace

double densityOf(const fileStats& figures, bool lineFigures) {
  return asShown(lineFigures ? commentLineDensity(figures) : commentPercent(figures));
}

bool compareReports(const readReport& base, const std::string& baseName, const readReport& head,
                    const std::string& headName, int directoryDepth, comparison* out,
                    std::string* error) {
  const std::string difference = runDifference(base.run, head.run);
  if (!difference.empty()) {
    *error = "'" + baseName + "' and '" + headName + "' come from different runs: " + difference;
    return false;
  }
  for (const auto& [report, name] : {std::pair{&base, &baseName}, std::pair{&head, &headName}}) {
    if (!report->hasTodos) {
      *error = "'" + *name + "' holds no todo entries: make it with --todo-list";
      return false;
    }
  }
  *out = comparison{};
  out->lineFigures = showsLineFigures(head.rules);
  groups languages;
  groups directories;
  // Each file by its relative path: its base record, then its head record.
  std::unordered_map<std::string_view, std::pair<const fileRecord*, const fileRecord*>> files;
  std::vector<std::string_view> order;
  for (const readReport* report : {&base, &head}) {
    for (const fileRecord& record : report->result.records) {
      if (record.stats.filename.empty()) continue;  // unreadable
      const std::string_view path =
          relativePath(record.stats.filename, rootOf(*report, report == &base ? head : base));
      auto [at, added] = files.try_emplace(path, nullptr, nullptr);
      if (added) order.push_back(path);
      (report == &base ? at->second.first : at->second.second) = &record;
    }
  }
  for (std::string_view path : order) {
    const auto [before, after] = files[path];
    const fileRecord& any = after != nullptr ? *after : *before;
    comparedGroup* targets[] = {&out->total,
                                &languages[languageOf(any, after != nullptr ? head : base)],
                                &directories[directoryOf(path, directoryDepth)]};
    const bool differs = before == nullptr || after == nullptr ||
                         !sameFigures(before->stats, after->stats);
    for (comparedGroup* group : targets) {
      if (before != nullptr) addStats(&group->before, before->stats);
      if (after != nullptr) addStats(&group->after, after->stats);
      group->added += before == nullptr;
      group->removed += after == nullptr;
      group->changed += before != nullptr && after != nullptr && differs;
    }
    if (differs) {
      comparedGroup& changed = out->changedFiles;
      if (before != nullptr) addStats(&changed.before, before->stats);
      if (after != nullptr) addStats(&changed.after, after->stats);
    }
  }
  // Languages in table order: the first row of each name.
  for (unsigned row = 0; row < languageCount; ++row) {
    auto at = languages.byName.find(languageName(row));
    if (at == languages.byName.end()) continue;
    out->languages.push_back(std::move(at->second));
    languages.byName.erase(at);
  }
  for (auto& [name, group] : languages.byName) out->languages.push_back(std::move(group));
  for (auto& [name, group] : directories.byName) out->directories.push_back(std::move(group));
  out->newTodos = unmatched(head, base);
  out->goneTodos = unmatched(base, head);
  return true;
}

bool isWorse(const comparison& c, int64_t maxNewTodo, double maxDensityDrop,
             std::vector<std::string>* reasons) {
  const fileStats& before = c.changedFiles.before;
  const fileStats& after = c.changedFiles.after;
  const int64_t wordsBefore = before.todoWordsCount + before.fixmeWordsCount;
  const int64_t wordsAfter = after.todoWordsCount + after.fixmeWordsCount;
  if (wordsAfter - wordsBefore > maxNewTodo) {
    std::string line = "the todo and fixme words of the changed files grew from ";
    appendInt(wordsBefore, &line);
    line += " to ";
    appendInt(wordsAfter, &line);
    line += " (allowed: ";
    appendInt(maxNewTodo, &line);
    reasons->push_back(line + " more)");
  }
  auto measured = [&](const fileStats& s) {
    return c.lineFigures ? s.commentLines + s.codeLines > 0 : s.sizeFile > 0;
  };
  const double densityBefore = densityOf(before, c.lineFigures);
  const double densityAfter = densityOf(after, c.lineFigures);
  if (measured(before) && measured(after) && densityBefore - densityAfter > maxDensityDrop) {
    std::string line = c.lineFigures ? "the comment-line density" : "the comment share";
    line += " of the changed files fell from ";
    appendSixDecimals(densityBefore, &line);
    line += " to ";
    appendSixDecimals(densityAfter, &line);
    line += " % (allowed: a drop of ";
    appendSixDecimals(maxDensityDrop, &line);
    reasons->push_back(line + " points)");
  }
  return !reasons->empty();
}

}  // namespace quillstat
