#include "report/dashboard.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>

#include "analysis/languages.h"
#include "engine/path_separator.h"
#include "report/dashboard_page.h"
#include "report/figures.h"
#include "report/json_text.h"
#include "report/todo_list.h"
#include "report/utf8.h"

namespace quillstat {

namespace {

// The page goes to the file in pieces of about this size.
constexpr size_t kChunkSize = 64 * 1024;

bool isReadable(const fileRecord& record) { return record.language != noLanguage; }

// Gathers the page and writes it in pieces.
class pageWriter {
 public:
  pageWriter(reportFile& file, ioError* error) : file_(file), error_(error) {}

  // Markup and script, as they are.
  bool text(std::string_view text) {
    chunk_.append(text);
    return flushIfFull();
  }

  // JSON text inside the data script: valid UTF-8, and no "<" (which could
  // close the script or open a comment), U+2028 or U+2029 as they stand;
  // they occur in strings only, where the escapes mean the same.
  bool json(std::string_view json) {
    valid_.clear();
    appendValidUtf8(json, &valid_);
    size_t plain = 0;
    for (size_t i = 0; i < valid_.size(); ++i) {
      const char* escape = valid_[i] == '<' ? "\\u003c"
                           : valid_.compare(i, 3, "\xE2\x80\xA8") == 0 ? "\\u2028"
                           : valid_.compare(i, 3, "\xE2\x80\xA9") == 0 ? "\\u2029"
                                                                       : nullptr;
      if (escape == nullptr) continue;
      chunk_.append(valid_, plain, i - plain).append(escape);
      i += valid_[i] == '<' ? 0 : 2;
      plain = i + 1;
    }
    chunk_.append(valid_, plain);
    return flushIfFull();
  }

  bool finish() { return write(); }

 private:
  bool flushIfFull() { return chunk_.size() < kChunkSize || write(); }
  bool write() {
    if (!file_.write(chunk_.data(), chunk_.size(), error_)) return false;
    chunk_.clear();
    return true;
  }

  reportFile& file_;
  ioError* error_;
  std::string chunk_;
  std::string valid_;
};

// The figures of a record or a total as a JSON array's elements, in the
// order the script reads them (dashboard_page.cpp: FIGURES).
void appendFigures(const fileStats& s, bool lineFigures, std::string* out) {
  for (int64_t value : {s.sizeFile, s.countCommentChars, s.countOfComment, s.countCodeLine,
                        s.todoWordsCount, s.fixmeWordsCount}) {
    appendInt(value, out);
    out->push_back(',');
  }
  appendSixDecimals(commentPercent(s), out);
  if (!lineFigures) return;
  for (int64_t value : {s.lines, s.blankLines, s.commentLines, s.codeLines}) {
    out->push_back(',');
    appendInt(value, out);
  }
  out->push_back(',');
  appendSixDecimals(commentLineDensity(s), out);
  for (int64_t value : {s.docComments, s.docCommentLines}) {
    out->push_back(',');
    appendInt(value, out);
  }
}

// A named row of figures: ["name",figures...].
void appendNamedRow(std::string_view name, const fileStats& s, bool lineFigures,
                    std::string* out) {
  out->push_back('[');
  appendJsonString(name, out);
  out->push_back(',');
  appendFigures(s, lineFigures, out);
  out->push_back(']');
}

// The languages the records were read by, in table order, as the page
// numbers them; a row's number is that of its name.
struct languageNames {
  explicit languageNames(const std::vector<languageTotal>& totals) {
    for (const languageTotal& total : totals) names.push_back(languageName(total.language));
  }
  int numberOf(unsigned row) const {
    for (size_t i = 0; i < names.size(); ++i) {
      if (std::strcmp(names[i], languageName(row)) == 0) return static_cast<int>(i);
    }
    return -1;
  }
  std::vector<const char*> names;
};

// The files directly in the analysed directory: their path after the root
// holds no separator (its first byte aside, as directoryTotalsOf counts).
fileStats rootFilesTotal(const analysisResult& result) {
  fileStats sum;
  for (const fileRecord& record : result.records) {
    const std::string& path = record.stats.filename;
    if (!isReadable(record) || !path.starts_with(result.root)) continue;
    size_t i = result.root.size() + 1;
    while (i < path.size() && !isPathSeparator(path[i])) ++i;
    if (i >= path.size()) addStats(&sum, record.stats);
  }
  return sum;
}

// The data the script draws from, after the files: every total, the needy
// files, the words, the failures.
std::string dataAfterFiles(const reportSettings& settings, const analysisResult& result,
                           const std::vector<languageTotal>& languages, bool lineFigures) {
  std::string out = "],\n\"total\":[";
  appendFigures(totalOf(result), lineFigures, &out);
  out.append("],\n\"byLanguage\":[");
  for (size_t i = 0; i < languages.size(); ++i) {
    if (i > 0) out.push_back(',');
    appendNamedRow(languageName(languages[i].language), languages[i].figures, lineFigures,
                   &out);
  }
  // Embedded code after the languages' own bars, a bar of its own each.
  for (const languageTotal& embedded : embeddedTotalsOf(result)) {
    if (out.back() != '[') out.push_back(',');
    appendNamedRow(std::string(languageName(embedded.language)) + " (встроенный код)",
                   embedded.figures, lineFigures, &out);
  }
  out.append("],\n\"byDirectory\":[");
  const fileStats rootFiles = rootFilesTotal(result);
  const bool directoryRun = settings.run.input == inputKind::directory;
  if (directoryRun && rootFiles.sizeFile + rootFiles.countCommentChars > 0) {
    appendNamedRow("", rootFiles, lineFigures, &out);
    out.push_back(',');
  }
  for (const directoryTotal& directory : directoryTotalsOf(result, 1)) {
    appendNamedRow(std::string_view(directory.path).substr(result.root.size()),
                   directory.figures, lineFigures, &out);
    out.push_back(',');
  }
  if (out.back() == ',') out.pop_back();
  out.append("],\n\"needy\":[");
  const std::vector<size_t> needy = needyFiles(result);
  for (size_t i = 0; i < needy.size(); ++i) {
    if (i > 0) out.push_back(',');
    appendInt(static_cast<int64_t>(needy[i]), &out);
  }
  out.append("],\n\"failures\":[");
  for (size_t i = 0; i < result.failures.size(); ++i) {
    if (i > 0) out.push_back(',');
    appendJsonString(result.failures[i].path, &out);
  }
  out.append("],\n\"skipped\":[");
  appendInt(result.skipped.unknownLanguage, &out);
  out.push_back(',');
  appendInt(result.skipped.binary, &out);
  out.append("],\n\"todos\":[");
  return out;
}

}  // namespace

std::vector<size_t> needyFiles(const analysisResult& result) {
  const std::vector<fileRecord>& records = result.records;
  std::vector<size_t> files;
  for (size_t i = 0; i < records.size(); ++i) {
    if (isReadable(records[i]) && records[i].stats.sizeFile > 0) files.push_back(i);
  }
  auto size = [&](size_t i) { return records[i].stats.sizeFile; };
  std::stable_sort(files.begin(), files.end(),
                   [&](size_t a, size_t b) { return size(a) > size(b); });
  files.resize(std::min(files.size(), std::max(kNeedyFileCount, files.size() / 10)));
  auto lessShared = [&](size_t a, size_t b) {
    const double left = commentPercent(records[a].stats);
    const double right = commentPercent(records[b].stats);
    return left != right ? left < right : size(a) > size(b);
  };
  std::stable_sort(files.begin(), files.end(), lessShared);
  files.resize(std::min(files.size(), kNeedyFileCount));
  return files;
}

bool writeDashboard(reportFile& file, const reportSettings& settings,
                    const analysisResult& result, ioError* error) {
  const bool lineFigures = settings.content.lineFigures;
  const std::vector<languageTotal> languages = languageTotalsOf(result);
  const languageNames names(languages);
  pageWriter page(file, error);

  std::string json = "{";
  appendJsonPath(settings.run.path, &json);
  json.append(",\"language\":");
  appendJsonString(settings.run.language, &json);
  json.append(",\"mode\":");
  appendJsonString(settings.run.mode, &json);
  json.append(lineFigures ? ",\"lineFigures\":true" : ",\"lineFigures\":false");
  json.append(settings.run.countFirstComment ? ",\"countFirstComment\":true"
                                             : ",\"countFirstComment\":false");
  json.append(",\"languages\":[");
  for (size_t i = 0; i < names.names.size(); ++i) {
    if (i > 0) json.push_back(',');
    appendJsonString(names.names[i], &json);
  }
  json.append("],\n\"files\":[");
  if (!page.text(dashboardPageStart) || !page.json(json)) return false;

  // Every record keeps its place, so that the needy files' numbers hold;
  // the page leaves out those that could not be read, which have no name
  // (the failures name them).
  bool first = true;
  for (const fileRecord& record : result.records) {
    json.clear();
    json.append(first ? "\n[" : ",\n[");
    first = false;
    appendJsonString(record.stats.filename, &json);
    json.push_back(',');
    appendInt(isReadable(record) ? names.numberOf(record.language) : -1, &json);
    json.push_back(',');
    appendFigures(record.stats, lineFigures, &json);
    json.push_back(']');
    if (!page.json(json)) return false;
  }
  if (!page.json(dataAfterFiles(settings, result, languages, lineFigures))) return false;
  first = true;
  for (const todoItem& item : result.todos) {
    json.assign(first ? "\n" : ",\n");
    first = false;
    appendTodoJson(item, &json);
    if (!page.json(json)) return false;
  }
  return page.json("]}") && page.text(dashboardPageEnd) && page.finish();
}

}  // namespace quillstat
