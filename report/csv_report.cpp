#include "report/csv_report.h"

#include "report/figures.h"
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

// Every column after the path.
void appendRowEnd(const fileStats& s, std::string* out) {
  for (int64_t value : {s.sizeFile, s.countCommentChars, s.countOfComment, s.countCodeLine,
                        s.todoWordsCount, s.fixmeWordsCount}) {
    out->push_back(',');
    appendInt(value, out);
  }
  out->push_back(',');
  appendSixDecimals(commentPercent(s), out);
  out->push_back(',');
  if (!isValidUtf8(s.filename)) appendHexBytes(s.filename, out);
  out->append("\r\n");
}

}  // namespace

void formatCsvRecord(const fileStats& stats, std::string* out) {
  out->append("file,");
  appendField(stats.filename, out);
  appendRowEnd(stats, out);
}

void formatCsvTotal(const fileStats& total, std::string* out) {
  out->append("total,");
  appendRowEnd(total, out);
}

}  // namespace quillstat
