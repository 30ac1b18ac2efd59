#include "report/json_report.h"

#include "quillstat_version.h"
#include "report/figures.h"
#include "report/utf8.h"

namespace quillstat {

namespace {

// Raised whenever a reader would have to change: a member renamed, removed
// or given another meaning. New members do not raise it.
constexpr int kFormatVersion = 1;

// Bytes from 0x80 up pass as they are: the writer replaces those that are
// not UTF-8 (see report_writer.h).
void appendString(std::string_view text, std::string* out) {
  out->push_back('"');
  for (size_t i = 0; i < text.size(); ++i) {
    const unsigned char b = static_cast<unsigned char>(text[i]);
    switch (b) {
      case '"': out->append("\\\""); break;
      case '\\': out->append("\\\\"); break;
      case '\n': out->append("\\n"); break;
      case '\r': out->append("\\r"); break;
      case '\t': out->append("\\t"); break;
      default:
        if (b < 0x20) {
          out->append("\\u00");
          appendHexBytes(text.substr(i, 1), out);
        } else {
          out->push_back(static_cast<char>(b));
        }
    }
  }
  out->push_back('"');
}

// "path": the name, and "pathBytes" when the name is not UTF-8.
void appendPath(std::string_view name, std::string* out) {
  out->append("\"path\": ");
  appendString(name, out);
  if (isValidUtf8(name)) return;
  out->append(", \"pathBytes\": \"");
  appendHexBytes(name, out);
  out->push_back('"');
}

void appendFigures(const fileStats& s, std::string* out) {
  const struct {
    const char* name;
    int64_t value;
  } members[] = {{"size", s.sizeFile},        {"commentChars", s.countCommentChars},
                 {"comments", s.countOfComment}, {"codeLines", s.countCodeLine},
                 {"todo", s.todoWordsCount},  {"fixme", s.fixmeWordsCount}};
  for (const auto& member : members) {
    out->append("\"");
    out->append(member.name);
    out->append("\": ");
    appendInt(member.value, out);
    out->append(", ");
  }
  out->append("\"commentPercent\": ");
  appendSixDecimals(commentPercent(s), out);
  out->append("}");
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
  appendInt(kFormatVersion, &out);
  out.append(",\n  \"language\": ");
  appendString(run.language, &out);
  out.append(",\n  \"mode\": ");
  appendString(run.mode, &out);
  out.append(",\n  \"options\": {\"input\": \"");
  out.append(inputName(run.input));
  out.append("\", ");
  appendPath(run.path, &out);
  if (run.input == inputKind::directory) {
    out.append(run.recursive ? ", \"recursive\": true, \"masks\": "
                             : ", \"recursive\": false, \"masks\": ");
    appendString(run.masks, &out);
  }
  out.append(run.countFirstComment ? ", \"countFirstComment\": true},\n"
                                   : ", \"countFirstComment\": false},\n");
  out.append("  \"files\": [");
  return out;
}

void formatJsonRecord(const fileStats& stats, std::string* out) {
  out->append("\n    {");
  appendPath(stats.filename, out);
  out->append(", ");
  appendFigures(stats, out);
}

void formatJsonTotal(const fileStats& total, std::string* out) {
  out->append("\n  ],\n  \"total\": {");
  appendFigures(total, out);
}

std::string jsonFooter(const analysisResult& result, const reportSettings& settings) {
  std::string out = result.fromDirectory ? "" : "\n  ]";
  out.append(",\n  \"failures\": [");
  for (size_t i = 0; i < result.failures.size(); ++i) {
    const inputFailure& failure = result.failures[i];
    out.append(i == 0 ? "\n    {" : ",\n    {");
    appendPath(failure.path, &out);
    const failureWords words = settings.describeError != nullptr
                                   ? settings.describeError(failure.error)
                                   : failureWords{failure.error.what, ""};
    out.append(", \"reason\": \"");
    out.append(reasonName(words.kind));
    out.append("\"");
    if (settings.describeError != nullptr) {
      out.append(", \"message\": ");
      appendString(words.message, &out);
    }
    out.append("}");
  }
  out.append(result.failures.empty() ? "]\n}\n" : "\n  ]\n}\n");
  return out;
}

}  // namespace quillstat
