#include "report/json_report.h"

#include <algorithm>
#include <vector>

#include "analysis/languages.h"
#include "quillstat_version.h"
#include "report/figures.h"
#include "report/json_text.h"
#include "report/todo_list.h"

namespace quillstat {

namespace {

struct member {
  const char* name;
  int64_t value;
};

void appendMembers(std::initializer_list<member> members, std::string* out) {
  for (const member& m : members) {
    out->append("\"");
    out->append(m.name);
    out->append("\": ");
    appendInt(m.value, out);
    out->append(", ");
  }
}

// The figures of an object, which its closing brace follows.
void appendFigures(const reportBlock& block, std::string* out) {
  const fileStats& s = block.figures;
  appendMembers({{"size", s.sizeFile},
                 {"commentChars", s.countCommentChars},
                 {"comments", s.countOfComment},
                 {"statementMarks", s.countCodeLine},
                 {"todo", s.todoWordsCount},
                 {"fixme", s.fixmeWordsCount}},
                out);
  out->append("\"commentPercent\": ");
  appendSixDecimals(commentPercent(s), out);
  if (block.content.lineFigures) {
    out->append(", ");
    appendMembers({{"lines", s.lines},
                   {"blankLines", s.blankLines},
                   {"commentLines", s.commentLines},
                   {"codeLines", s.codeLines}},
                  out);
    out->append("\"commentLineDensity\": ");
    appendSixDecimals(commentLineDensity(s), out);
    // The doc comments, known where the line figures are: the exact rules.
    out->append(", \"docComments\": ");
    appendInt(s.docComments, out);
    out->append(", \"docCommentLines\": ");
    appendInt(s.docCommentLines, out);
  }
}

// A record's "embedded" member, when it has embedded code: the figures of
// each language's, by the names of a file's.
void appendEmbedded(std::span<const embeddedFigures> embedded, std::string* out) {
  if (embedded.empty()) return;
  out->append(", \"embedded\": [");
  for (size_t i = 0; i < embedded.size(); ++i) {
    const fileStats& s = embedded[i].figures;
    out->append(i == 0 ? "{\"language\": " : ", {\"language\": ");
    appendJsonString(languageName(embedded[i].language), out);
    out->append(", ");
    appendMembers({{"size", s.sizeFile},
                   {"commentChars", s.countCommentChars},
                   {"comments", s.countOfComment},
                   {"statementMarks", s.countCodeLine},
                   {"todo", s.todoWordsCount},
                   {"fixme", s.fixmeWordsCount},
                   {"lines", s.lines},
                   {"blankLines", s.blankLines},
                   {"commentLines", s.commentLines},
                   {"codeLines", s.codeLines},
                   {"docComments", s.docComments}},
                  out);
    out->append("\"docCommentLines\": ");
    appendInt(s.docCommentLines, out);
    out->append("}");
  }
  out->append("]");
}

// An element of the array `name` that the blocks of one kind make.
void appendArrayElement(const reportBlock& block, const char* name, std::string* out) {
  if (block.firstOfKind) {
    out->append(",\n  \"");
    out->append(name);
    out->append("\": [");
  } else {
    out->append(",");
  }
  out->append("\n    {");
}

const char* inputName(inputKind input) {
  switch (input) {
    case inputKind::directory: return "directory";
    case inputKind::fileList: return "fileList";
    case inputKind::file: break;
  }
  return "file";
}

const char* reasonName(ioError::kind what) {
  switch (what) {
    case ioError::kind::notFound: return "notFound";
    case ioError::kind::accessDenied: return "accessDenied";
    case ioError::kind::isDirectory: return "isDirectory";
    case ioError::kind::notRegularFile: return "notRegularFile";
    case ioError::kind::none:
    case ioError::kind::other:
    case ioError::kind::stopped: break;
  }
  return "other";
}

}  // namespace

std::string jsonHeader(const reportSettings& settings) {
  const runDescription& run = settings.run;
  std::string out = "{\n  \"program\": \"quillstat\",\n  \"version\": \"" QUILLSTAT_VERSION
                    "\",\n  \"formatVersion\": ";
  appendInt(jsonFormatVersion(settings.content.lineFigures), &out);
  out.append(",\n  \"language\": ");
  appendJsonString(run.language, &out);
  out.append(",\n  \"mode\": ");
  appendJsonString(run.mode, &out);
  if (!run.label.empty()) {
    out.append(",\n  \"label\": ");
    appendJsonString(run.label, &out);
  }
  out.append(",\n  \"options\": {\"input\": \"");
  out.append(inputName(run.input));
  out.append("\", ");
  appendJsonPath(run.path, &out);
  if (run.input == inputKind::directory) {
    out.append(run.recursive ? ", \"recursive\": true, \"masks\": "
                             : ", \"recursive\": false, \"masks\": ");
    appendJsonString(run.masks, &out);
  }
  out.append(run.countFirstComment ? ", \"countFirstComment\": true},\n"
                                   : ", \"countFirstComment\": false},\n");
  out.append("  \"files\": [");
  return out;
}

void formatJsonBlock(const reportBlock& block, std::string* out) {
  switch (block.kind) {
    case blockKind::record:
      out->append(block.firstOfKind ? "\n    {" : ",\n    {");
      appendJsonPath(block.name, out);
      if (block.language != nullptr) {
        out->append(", \"language\": ");
        appendJsonString(block.language, out);
      }
      break;
    case blockKind::total: out->append("\n  ],\n  \"total\": {"); break;
    case blockKind::skipped: return;  // in the footer, whether any or none
    case blockKind::language:
      appendArrayElement(block, "languages", out);
      out->append("\"language\": ");
      appendJsonString(block.name, out);
      if (block.embeddedCode) out->append(", \"embedded\": true");
      break;
    case blockKind::directory:
      appendArrayElement(block, "directories", out);
      appendJsonPath(block.name, out);
      break;
  }
  if (block.kind != blockKind::total) out->append(", ");
  appendFigures(block, out);
  appendEmbedded(block.embedded, out);
  out->append("}");
  const bool inArray = block.kind == blockKind::language || block.kind == blockKind::directory;
  if (inArray && block.lastOfKind) out->append("\n  ]");
}

std::string jsonFooter(const analysisResult& result, const reportSettings& settings) {
  std::string out = result.fromDirectory ? "" : "\n  ]";
  std::vector<member> skipped;
  if (settings.content.recordLanguages) {
    skipped = {{"unknownLanguage", result.skipped.unknownLanguage},
               {"binary", result.skipped.binary}};
    // Only -l auto runs leave files out for these, and only when they do
    // are they named, so that other reports stay as they were.
    for (const member& reason : {member{"ignored", result.skipped.ignored},
                                 member{"vendored", result.skipped.vendored},
                                 member{"generated", result.skipped.generated}}) {
      if (reason.value != 0) skipped.push_back(reason);
    }
  }
  // The walk's counts come only when it passed an entry over, so that the
  // report of a tree without any stays as it was.
  if (!result.skippedEntries.empty()) {
    const int64_t dangling = std::ranges::count(
        result.skippedEntries, skippedEntry::reason::danglingLink, &skippedEntry::why);
    skipped.push_back({"danglingLink", dangling});
    skipped.push_back(
        {"notRegularFile", static_cast<int64_t>(result.skippedEntries.size()) - dangling});
  }
  for (size_t i = 0; i < skipped.size(); ++i) {
    out.append(i == 0 ? ",\n  \"skipped\": {\"" : ", \"");
    out.append(skipped[i].name);
    out.append("\": ");
    appendInt(skipped[i].value, &out);
    if (i + 1 == skipped.size()) out.append("}");
  }
  out.append(",\n  \"failures\": [");
  for (size_t i = 0; i < result.failures.size(); ++i) {
    const inputFailure& failure = result.failures[i];
    out.append(i == 0 ? "\n    {" : ",\n    {");
    appendJsonPath(failure.path, &out);
    const failureWords words = settings.describeError != nullptr
                                   ? settings.describeError(failure.error)
                                   : failureWords{failure.error.what, ""};
    out.append(", \"reason\": \"");
    out.append(reasonName(words.kind));
    out.append("\"");
    if (settings.describeError != nullptr) {
      out.append(", \"message\": ");
      appendJsonString(words.message, &out);
    }
    out.append("}");
  }
  out.append(result.failures.empty() ? "]" : "\n  ]");
  if (settings.run.todoEntries) {
    out.append(",\n  \"todos\": [");
    for (size_t i = 0; i < result.todos.size(); ++i) {
      out.append(i == 0 ? "\n    " : ",\n    ");
      appendTodoJson(result.todos[i], &out);
    }
    out.append(result.todos.empty() ? "]" : "\n  ]");
  }
  out.append("\n}\n");
  return out;
}

}  // namespace quillstat
