#include "report/report_reading.h"

#include "analysis/directory_walk.h"
#include "analysis/languages.h"
#include "report/json_reader.h"
#include "report/json_report.h"

namespace quillstat {

namespace {

// Reads the members of one report object into place, remembering the first
// problem: the reader goes on so that the code reads as the schema does,
// and the caller looks at `problem` once.
class schemaReader {
 public:
  std::string problem;

  const jsonValue* member(const jsonValue& object, const char* name, jsonValue::kind type,
                          const char* where) {
    const jsonValue* value = object.find(name);
    if (value == nullptr || value->type != type) {
      note(std::string(where) + " has no " + typeName(type) + " \"" + name + "\"");
      return nullptr;
    }
    return value;
  }

  int64_t integer(const jsonValue& object, const char* name, const char* where) {
    const jsonValue* value = member(object, name, jsonValue::kind::number, where);
    if (value == nullptr) return 0;
    std::optional<int64_t> number = value->integer();
    if (!number) note(std::string(where) + ": \"" + name + "\" is no whole number");
    return number.value_or(0);
  }

  std::string text(const jsonValue& object, const char* name, const char* where) {
    const jsonValue* value = member(object, name, jsonValue::kind::string, where);
    return value != nullptr ? value->text : std::string();
  }

  bool flag(const jsonValue& object, const char* name, const char* where) {
    const jsonValue* value = member(object, name, jsonValue::kind::boolean, where);
    return value != nullptr && value->boolean;
  }

  // "path", or the bytes "pathBytes" gives when the name is not UTF-8.
  std::string path(const jsonValue& object, const char* where) {
    std::string name = text(object, "path", where);
    const jsonValue* bytes = object.find("pathBytes");
    if (bytes == nullptr) return name;
    if (bytes->type != jsonValue::kind::string || bytes->text.size() % 2 != 0) {
      note(std::string(where) + ": \"pathBytes\" is no hex string");
      return name;
    }
    std::string raw;
    for (size_t i = 0; i < bytes->text.size(); i += 2) {
      const int high = hexDigit(bytes->text[i]);
      const int low = hexDigit(bytes->text[i + 1]);
      if (high < 0 || low < 0) {
        note(std::string(where) + ": \"pathBytes\" is no hex string");
        return name;
      }
      raw.push_back(static_cast<char>(high * 16 + low));
    }
    return raw;
  }

  void note(std::string what) {
    if (problem.empty()) problem = std::move(what);
  }

 private:
  static int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
  }

  static const char* typeName(jsonValue::kind type) {
    switch (type) {
      case jsonValue::kind::number: return "number";
      case jsonValue::kind::string: return "string";
      case jsonValue::kind::boolean: return "true or false";
      case jsonValue::kind::array: return "array";
      case jsonValue::kind::object: return "object";
      case jsonValue::kind::null: break;
    }
    return "null";
  }
};

fileStats figuresOf(const jsonValue& object, bool lineFigures, schemaReader& reader,
                    const char* where) {
  fileStats s;
  s.sizeFile = reader.integer(object, "size", where);
  s.countCommentChars = reader.integer(object, "commentChars", where);
  s.countOfComment = reader.integer(object, "comments", where);
  s.countCodeLine = reader.integer(object, "statementMarks", where);
  s.todoWordsCount = reader.integer(object, "todo", where);
  s.fixmeWordsCount = reader.integer(object, "fixme", where);
  if (lineFigures) {
    s.lines = reader.integer(object, "lines", where);
    s.blankLines = reader.integer(object, "blankLines", where);
    s.commentLines = reader.integer(object, "commentLines", where);
    s.codeLines = reader.integer(object, "codeLines", where);
    // Reports written before doc comments were counted have none.
    if (object.find("docComments") != nullptr) {
      s.docComments = reader.integer(object, "docComments", where);
      s.docCommentLines = reader.integer(object, "docCommentLines", where);
    }
  }
  return s;
}

// The rules whose names a report gives, or false when no rules have them.
bool rulesNamed(const std::string& language, const std::string& mode, fileRules* rules) {
  unsigned row = detectedLanguage;
  if (language != detectedLanguageName) {
    std::optional<unsigned> named = languageNamed(language);
    if (!named) return false;
    row = *named;
  }
  for (bool exact : {false, true}) {
    const fileRules candidate{row, exact};
    if (mode == modeNameOf(candidate) && language == languageNameOf(candidate)) {
      *rules = candidate;
      return true;
    }
  }
  return false;
}

void readRun(const jsonValue& root, readReport* report, schemaReader& reader) {
  runDescription& run = report->run;
  run.language = reader.text(root, "language", "the report");
  run.mode = reader.text(root, "mode", "the report");
  if (const jsonValue* label = root.find("label"); label != nullptr) {
    if (label->type == jsonValue::kind::string) run.label = label->text;
    else reader.note("the report's \"label\" is no string");
  }
  const jsonValue* options = reader.member(root, "options", jsonValue::kind::object, "the report");
  if (options == nullptr) return;
  const std::string input = reader.text(*options, "input", "\"options\"");
  run.path = reader.path(*options, "\"options\"");
  run.countFirstComment = reader.flag(*options, "countFirstComment", "\"options\"");
  if (input == "directory") {
    run.input = inputKind::directory;
    run.recursive = reader.flag(*options, "recursive", "\"options\"");
    run.masks = reader.text(*options, "masks", "\"options\"");
  } else if (input == "fileList") {
    run.input = inputKind::fileList;
  } else if (input == "file") {
    run.input = inputKind::file;
  } else {
    reader.note("\"options\" has an unknown \"input\"");
  }
  if (reader.problem.empty() && !rulesNamed(run.language, run.mode, &report->rules)) {
    reader.note("the language \"" + run.language + "\" with the mode \"" + run.mode +
                "\" is unknown to this version");
  }
}

// A file's "embedded" member, when it has one.
void readEmbedded(const jsonValue& file, fileRecord* record, schemaReader& reader) {
  const jsonValue* embedded = file.find("embedded");
  if (embedded == nullptr) return;
  if (embedded->type != jsonValue::kind::array) {
    reader.note("a file's \"embedded\" is no array");
    return;
  }
  for (const jsonValue& code : embedded->items) {
    const jsonValue* language =
        reader.member(code, "language", jsonValue::kind::string, "embedded code");
    if (language == nullptr) return;
    std::optional<unsigned> row = languageNamed(language->text);
    if (!row) {
      reader.note("embedded code's language \"" + language->text + "\" is unknown");
      return;
    }
    record->embedded.push_back({*row, figuresOf(code, true, reader, "embedded code")});
  }
}

void readRecords(const jsonValue& root, readReport* report, schemaReader& reader) {
  const jsonValue* files = reader.member(root, "files", jsonValue::kind::array, "the report");
  if (files == nullptr) return;
  const bool lineFigures = showsLineFigures(report->rules);
  const bool named = report->rules.language == detectedLanguage;
  analysisResult& result = report->result;
  result.records.reserve(files->items.size());
  for (const jsonValue& file : files->items) {
    if (file.type != jsonValue::kind::object) {
      reader.note("an element of \"files\" is no object");
      return;
    }
    fileRecord record;
    record.stats = figuresOf(file, lineFigures, reader, "a file");
    record.stats.filename = reader.path(file, "a file");
    if (named) {
      if (const jsonValue* language = file.find("language"); language != nullptr) {
        std::optional<unsigned> row = languageNamed(language->text);
        if (!row) reader.note("a file's language \"" + language->text + "\" is unknown");
        record.language = row.value_or(noLanguage);
      }
    } else if (!record.stats.filename.empty()) {
      record.language = report->rules.language;
    }
    readEmbedded(file, &record, reader);
    if (!reader.problem.empty()) return;
    result.records.push_back(std::move(record));
  }
}

void readSkipped(const jsonValue& root, analysisResult* result, schemaReader& reader) {
  const jsonValue* skipped = root.find("skipped");
  if (skipped == nullptr) return;
  auto count = [&](const char* name) {
    return skipped->find(name) != nullptr ? reader.integer(*skipped, name, "\"skipped\"") : 0;
  };
  result->skipped.unknownLanguage = count("unknownLanguage");
  result->skipped.binary = count("binary");
  const int64_t dangling = count("danglingLink");
  const int64_t other = count("notRegularFile");
  for (int64_t i = 0; i < dangling + other && i < (int64_t{1} << 24); ++i) {
    result->skippedEntries.push_back(
        {"", i < dangling ? skippedEntry::reason::danglingLink : skippedEntry::reason::notRegularFile});
  }
}

void readFailures(const jsonValue& root, readReport* report, schemaReader& reader) {
  const jsonValue* failures =
      reader.member(root, "failures", jsonValue::kind::array, "the report");
  if (failures == nullptr) return;
  for (const jsonValue& failure : failures->items) {
    if (failure.type != jsonValue::kind::object) {
      reader.note("an element of \"failures\" is no object");
      return;
    }
    const ioError error{failureKindNamed(reader.text(failure, "reason", "a failure")), 0};
    report->result.failures.push_back({reader.path(failure, "a failure"), error});
    const jsonValue* message = failure.find("message");
    report->failureMessages.push_back(
        message != nullptr && message->type == jsonValue::kind::string ? message->text : "");
  }
}

void readTodos(const jsonValue& root, readReport* report, schemaReader& reader) {
  const jsonValue* todos = root.find("todos");
  if (todos == nullptr) return;
  if (todos->type != jsonValue::kind::array) return reader.note("\"todos\" is no array");
  report->hasTodos = true;
  report->run.todoEntries = true;
  for (const jsonValue& entry : todos->items) {
    if (entry.type != jsonValue::kind::object) return reader.note("a todo entry is no object");
    todoItem item;
    item.path = reader.path(entry, "a todo entry");
    item.line = reader.integer(entry, "line", "a todo entry");
    item.column = reader.integer(entry, "column", "a todo entry");
    item.kind = reader.text(entry, "word", "a todo entry") == "fixme" ? wordKind::fixme
                                                                       : wordKind::todo;
    item.text = reader.text(entry, "text", "a todo entry");
    report->result.todos.push_back(std::move(item));
  }
}

}  // namespace

ioError::kind failureKindNamed(std::string_view name) {
  if (name == "notFound") return ioError::kind::notFound;
  if (name == "accessDenied") return ioError::kind::accessDenied;
  if (name == "isDirectory") return ioError::kind::isDirectory;
  if (name == "notRegularFile") return ioError::kind::notRegularFile;
  return ioError::kind::other;
}

bool readJsonReport(std::string_view text, readReport* report, std::string* error) {
  jsonValue root;
  std::string syntax;
  if (!parseJson(text, &root, &syntax)) {
    *error = "it is no JSON (" + syntax + ")";
    return false;
  }
  const jsonValue* program = root.find("program");
  if (root.type != jsonValue::kind::object || program == nullptr || program->text != "quillstat") {
    *error = "it is no JSON report of quillstat";
    return false;
  }
  const jsonValue* format = root.find("formatVersion");
  const std::optional<int64_t> version = format != nullptr ? format->integer() : std::nullopt;
  if (version != kJsonFormatVersion && version != kJsonFormatVersionWithoutLines) {
    const jsonValue* writer = root.find("version");
    *error = "it was written by quillstat " +
             (writer != nullptr ? writer->text : std::string("of unknown version")) +
             " in format " + (format != nullptr ? format->text : std::string("unknown")) +
             "; this version reads formats " +
             std::to_string(kJsonFormatVersionWithoutLines) + " and " + std::to_string(kJsonFormatVersion);
    return false;
  }
  *report = readReport{};
  schemaReader reader;
  readRun(root, report, reader);
  if (reader.problem.empty()) readRecords(root, report, reader);
  readSkipped(root, &report->result, reader);
  readFailures(root, report, reader);
  readTodos(root, report, reader);
  if (!reader.problem.empty()) {
    *error = reader.problem;
    return false;
  }
  analysisResult& result = report->result;
  result.fromDirectory = report->run.input != inputKind::file;
  if (report->run.input == inputKind::directory) result.root = walkPrefix(report->run.path);
  return true;
}

}  // namespace quillstat
