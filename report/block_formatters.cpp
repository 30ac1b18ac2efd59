#include "report/block_formatters.h"

#include <string_view>

#include "report/figures.h"

namespace quillstat {

namespace {

// What one spot of a name becomes: `text` in place of its first `length`
// bytes; a length of 0 keeps the byte as it is.
struct replacement {
  std::string_view text;
  size_t length = 0;
};

// Copies `name` to *out with the replacements that `replace` finds. Bytes below
// 0x80 never occur inside a UTF-8 multi-byte sequence, so a byte-wise scan
// cannot split a character.
template <typename Replace>
void appendEscaped(std::string_view name, Replace replace, std::string* out) {
  size_t plain = 0;
  size_t i = 0;
  while (i < name.size()) {
    replacement r = replace(name, i);
    if (r.length == 0) {
      ++i;
      continue;
    }
    out->append(name.data() + plain, i - plain);
    out->append(r.text);
    i += r.length;
    plain = i;
  }
  out->append(name.data() + plain, name.size() - plain);
}

replacement htmlReplacement(std::string_view name, size_t i) {
  switch (name[i]) {
    case '&': return {"&amp;", 1};
    case '<': return {"&lt;", 1};
    case '>': return {"&gt;", 1};
    case '"': return {"&quot;", 1};
    case '\'': return {"&#39;", 1};
    default: return {};
  }
}

// XML also keeps out what no XML 1.0 document may hold, even as a character
// reference: control characters other than TAB, LF and CR, and the
// noncharacters U+FFFE and U+FFFF (bytes EF BF BE and EF BF BF). TAB, LF and
// CR are written as references, since a parser turns them into blanks when
// they stand in an attribute value as they are.
replacement xmlReplacement(std::string_view name, size_t i) {
  unsigned char b = static_cast<unsigned char>(name[i]);
  if (b == '\t') return {"&#9;", 1};
  if (b == '\n') return {"&#10;", 1};
  if (b == '\r') return {"&#13;", 1};
  if (b < 0x20) return {"?", 1};
  if (b == 0xEF) {
    std::string_view three = name.substr(i, 3);
    if (three == "\xEF\xBF\xBE" || three == "\xEF\xBF\xBF") return {"?", 3};
  }
  return htmlReplacement(name, i);
}

// The XML element after its name: the name is put into *out first, escaped
// straight into it, so that no record needs a temporary string.
void appendXmlCounters(const fileStats& s, std::string* out) {
  out->append("' countCommentChars='");
  appendInt(s.countCommentChars, out);
  out->append("' sizeFile='");
  appendInt(s.sizeFile, out);
  out->append("'  countOfComment='");
  appendInt(s.countOfComment, out);
  out->append("' countCodeLine='");
  appendInt(s.countCodeLine, out);
  out->append("'  fixmeWordsCount='");
  appendInt(s.fixmeWordsCount, out);
  out->append("' todoWordsCount='");
  appendInt(s.todoWordsCount, out);
  out->append("' />\r\n");
}

// The HTML row after the text of its first cell.
void appendHtmlCells(const fileStats& s, std::string* out) {
  out->append("</td> <td>");
  appendInt(s.countCommentChars, out);
  out->append("</td> <td>");
  appendInt(s.sizeFile, out);
  out->append("</td> <td>");
  appendInt(s.countOfComment, out);
  out->append("</td>    <td>");
  appendInt(s.countCodeLine, out);
  out->append("</td> <td>");
  appendInt(s.fixmeWordsCount, out);
  out->append("</td>    <td>");
  appendInt(s.todoWordsCount, out);
  out->append("</td></tr>\r\n");
}

constexpr std::string_view totalName = "Все файлы";

void appendTextBlock(const fileStats& stats, bool total, std::string* out) {
  for (int line = 0; line < textBlockLineCount; ++line) {
    appendTextLine(stats, total, line, out);
    out->append("\r\n");
  }
}

}  // namespace

void appendTextLine(const fileStats& s, bool total, int line, std::string* out) {
  switch (line) {
    case 0:
      out->append("Имя файла: ");
      out->append(total ? totalName : std::string_view(s.filename));
      break;
    case 1:
      out->append("  символов комментариев(размер файла): ");
      appendInt(s.countCommentChars, out);
      out->append(" (");
      appendInt(s.sizeFile, out);
      out->append(")");
      break;
    case 2:
      out->append("  количество комментариев: ");
      appendInt(s.countOfComment, out);
      out->append(" ");
      break;
    case 3:
      out->append("  примерное количество строк кода: ");
      appendInt(s.countCodeLine, out);
      break;
    case 4:
      out->append("  % комментариев: ");
      appendSixDecimals(commentPercent(s), out);
      out->append(" % ");
      break;
    case 5: {
      double linesPerComment = 0.0;
      if (s.countOfComment != 0) {
        linesPerComment =
            static_cast<double>(s.countCodeLine) / static_cast<double>(s.countOfComment);
      }
      out->append("  кол-во строк/кол-во комментариев: ");
      appendSixDecimals(linesPerComment, out);
      break;
    }
    case 6:
      out->append("  fixme+todo слов: ");
      appendInt(s.fixmeWordsCount + s.todoWordsCount, out);
      break;
    default: break;  // the empty line that ends the block
  }
}

void formatTextRecord(const fileStats& stats, std::string* out) {
  appendTextBlock(stats, false, out);
}

void formatTextTotal(const fileStats& total, std::string* out) {
  appendTextBlock(total, true, out);
}

void formatXmlRecord(const fileStats& stats, std::string* out) {
  out->append("  <file filename='");
  appendEscaped(stats.filename, xmlReplacement, out);
  appendXmlCounters(stats, out);
}

void formatXmlTotal(const fileStats& total, std::string* out) {
  out->append("  <file filename='AllFiles");
  appendXmlCounters(total, out);
}

void formatHtmlRecord(const fileStats& stats, std::string* out) {
  out->append("  <tr>\r\n    <td>");
  appendEscaped(stats.filename, htmlReplacement, out);
  appendHtmlCells(stats, out);
}

void formatHtmlTotal(const fileStats& total, std::string* out) {
  out->append("  <tr>\r\n    <td>");
  out->append(totalName);
  appendHtmlCells(total, out);
}

}  // namespace quillstat
