#include "report/csv_report.h"

#include "analysis/languages.h"
#include "report/figures.h"
#include "report/shown_name.h"
#include "report/utf8.h"

namespace quillstat {

namespace {

// Bytes from 0x80 up pass as they are: the writer replaces those that are
// not UTF-8 (see report_writer.h), and none of them needs quoting.
void appendField(std::string_view text, std::string* out) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
    out->append(text);
    return;
  }
  out->push_back('"');
  for (char c : text) {
    if (c == '"') out->push_back('"');
    out->push_back(c);
  }
  out->push_back('"');
}

// A row after its kind and the comma: the path, the figures, and the
// language where the report names them (a language block's own name or a
// record's language, empty for none).
void appendRow(std::string_view path, const fileStats& s, const reportContent& content,
               std::string_view language, std::string* out) {
  appendField(content.namesEscaped ? shownName(path) : std::string(path), out);
  for (int64_t value : {s.sizeFile, s.countCommentChars, s.countOfComment, s.countCodeLine,
                        s.todoWordsCount, s.fixmeWordsCount}) {
    out->push_back(',');
    appendInt(value, out);
  }
  out->push_back(',');
  appendSixDecimals(commentPercent(s), out);
  out->push_back(',');
  if (!isValidUtf8(path)) appendHexBytes(path, out);
  if (content.lineFigures) appendLineColumns(s, ",", out);
  if (content.recordLanguages) {
    out->push_back(',');
    appendField(language, out);
  }
  // Last, so that no earlier column moves.
  if (content.lineFigures) {
    for (int64_t value : {s.docComments, s.docCommentLines}) {
      out->push_back(',');
      appendInt(value, out);
    }
  }
  out->append("\r\n");
}

const char* kindOf(skippedEntry::reason why) {
  switch (why) {
    case skippedEntry::reason::danglingLink: return "danglingLink,";
    case skippedEntry::reason::notRegularFile: break;
  }
  return "notRegularFile,";
}

}  // namespace

std::string csvHeader(const reportContent& content) {
  std::string header =
      "kind,path,size,commentChars,comments,statementMarks,todo,fixme,commentPercent,pathBytes";
  if (content.lineFigures) header += ",lines,blankLines,commentLines,codeLines,commentLineDensity";
  if (content.recordLanguages) header += ",language";
  if (content.lineFigures) header += ",docComments,docCommentLines";
  return header + "\r\n";
}

void formatCsvBlock(const reportBlock& block, std::string* out) {
  const std::string_view path =
      block.kind == blockKind::record || block.kind == blockKind::directory ? block.name : "";
  switch (block.kind) {
    case blockKind::record: out->append("file,"); break;
    case blockKind::total: out->append("total,"); break;
    case blockKind::skipped: return;
    case blockKind::language: out->append(block.embeddedCode ? "embeddedLanguage," : "language,"); break;
    case blockKind::directory: out->append("directory,"); break;
  }
  std::string_view language;
  if (block.kind == blockKind::language) language = block.name;
  if (block.language != nullptr) language = block.language;
  appendRow(path, block.figures, block.content, language, out);
  // A file's embedded code, a row a language; a report without the
  // language column names it in the path's place.
  for (const embeddedFigures& code : block.embedded) {
    const std::string_view name = languageName(code.language);
    out->append("embedded,");
    appendRow(block.content.recordLanguages ? path : name, code.figures, block.content, name, out);
  }
}

std::string csvFooter(const analysisResult& result, const reportContent& content) {
  std::string out;
  const fileStats none;
  for (const skippedEntry& entry : result.skippedEntries) {
    out.append(kindOf(entry.why));
    appendRow(entry.path, none, content, {}, &out);
  }
  return out;
}

}  // namespace quillstat
