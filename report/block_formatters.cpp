#include "report/block_formatters.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

#include "report/figures.h"
#include "report/shown_name.h"

namespace quillstat {

namespace {

// What one spot of a name becomes: `text` in place of its first `length`
// bytes; a length of 0 keeps the byte as it is.
struct replacement {
  std::string_view text;
  size_t length = 0;
};

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

// The bytes at which htmlReplacement or xmlReplacement may replace something.
constexpr bool startsHtmlReplacement(unsigned char b) {
  return b == '&' || b == '<' || b == '>' || b == '"' || b == '\'';
}
constexpr bool startsXmlReplacement(unsigned char b) {
  return b < 0x20 || b == 0xEF || startsHtmlReplacement(b);
}

// Copies `name` to *out with the replacements that `Replace` finds; it is
// asked only at the bytes that `Starts` names, since asking at every byte
// made the escaping of a 55,000-file report a fifth of the time the report
// took. Bytes below 0x80 never occur inside a UTF-8 multi-byte sequence, so
// a byte-wise scan cannot split a character.
template <replacement (*Replace)(std::string_view, size_t), bool (*Starts)(unsigned char)>
void appendEscaped(std::string_view name, std::string* out) {
  static constexpr std::array<bool, 256> starts = [] {
    std::array<bool, 256> table{};
    for (unsigned b = 0; b < 256; ++b) table[b] = Starts(static_cast<unsigned char>(b));
    return table;
  }();
  const char* const begin = name.data();
  const char* const end = begin + name.size();
  auto startsHere = [](char c) { return starts[static_cast<unsigned char>(c)]; };
  const char* plain = begin;
  for (const char* p = std::find_if(begin, end, startsHere); p != end;
       p = std::find_if(p, end, startsHere)) {
    const replacement r = Replace(name, static_cast<size_t>(p - begin));
    if (r.length == 0) {
      ++p;
      continue;
    }
    out->append(plain, static_cast<size_t>(p - plain));
    out->append(r.text);
    p += r.length;
    plain = p;
  }
  out->append(plain, static_cast<size_t>(end - plain));
}

// "Все файлы", "Язык: C++", "Директория: src/": what a block is named
// after its kind, with `escape` applied to the name of a file, a language
// or a directory.
template <typename Escape>
void appendBlockName(const reportBlock& block, std::string_view totalName, Escape escape,
                     std::string* out) {
  switch (block.kind) {
    case blockKind::total: out->append(totalName); return;
    case blockKind::language: out->append("Язык: "); break;
    case blockKind::directory: out->append("Директория: "); break;
    case blockKind::record:
    case blockKind::skipped: break;
  }
  escape(block.name, out);
  if (block.embeddedCode) out->append(" (встроенный код)");
}

// The reasons that only -l auto runs have, each named only when it
// counts a file, so that a classic report reads as it always did.
constexpr struct {
  int64_t skippedFiles::*count;
  const char* text;  // ", игнорируемых git: "
  const char* xml;   // " ignored='"
} kForeignReasons[] = {
    {&skippedFiles::ignored, ", игнорируемых git: ", " ignored='"},
    {&skippedFiles::vendored, ", сторонних: ", " vendored='"},
    {&skippedFiles::generated, ", сгенерированных: ", " generated='"},
};

void appendSkippedText(const skippedFiles& skipped, std::string* out) {
  out->append("Пропущено файлов: ");
  appendInt(skipped.unknownLanguage + skipped.binary + skipped.ignored + skipped.vendored +
                skipped.generated,
            out);
  out->append(" (язык не определён: ");
  appendInt(skipped.unknownLanguage, out);
  out->append(", двоичных: ");
  appendInt(skipped.binary, out);
  for (const auto& reason : kForeignReasons) {
    if (skipped.*reason.count == 0) continue;
    out->append(reason.text);
    appendInt(skipped.*reason.count, out);
  }
  out->append(")");
}

// The XML element's attributes after the first, which *out holds up to its
// value: the name is put into *out first, escaped straight into it, so that
// no record needs a temporary string.
void appendXmlCounters(const reportBlock& block, std::string* out) {
  const fileStats& s = block.figures;
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
  out->append("'");
  if (block.language != nullptr) {
    out->append(" language='");
    appendEscaped<xmlReplacement, startsXmlReplacement>(block.language, out);
    out->append("'");
  }
  if (block.content.lineFigures) {
    for (const auto& [name, value] : {std::pair{" lines='", s.lines},
                                      {" blankLines='", s.blankLines},
                                      {" commentLines='", s.commentLines},
                                      {" codeLines='", s.codeLines}}) {
      out->append(name);
      appendInt(value, out);
      out->append("'");
    }
  }
  out->append(" />\r\n");
}

// The HTML row after the text of its first cell.
void appendHtmlCells(const reportBlock& block, std::string* out) {
  const fileStats& s = block.figures;
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
  if (block.content.lineFigures) appendLineColumns(s, "</td> <td>", out);
  out->append("</td></tr>\r\n");
}

constexpr std::string_view totalName = "Все файлы";

void appendPlain(std::string_view name, std::string* out) { out->append(name); }

}  // namespace

int textLineCount(const reportBlock& block) {
  if (block.kind == blockKind::skipped) return 2;
  return block.content.lineFigures ? 10 : 8;
}

void appendTextLine(const reportBlock& block, int line, std::string* out) {
  if (block.kind == blockKind::skipped) {
    if (line == 0) appendSkippedText(block.skipped, out);
    return;
  }
  const fileStats& s = block.figures;
  // With the line figures beside them, the statement marks are no "lines".
  const bool lineFigures = block.content.lineFigures;
  switch (line) {
    case 0:
      if (block.kind == blockKind::record || block.kind == blockKind::total) {
        out->append("Имя файла: ");
      }
      appendBlockName(block, totalName,
                      block.content.namesEscaped ? appendShownName : appendPlain, out);
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
      out->append(lineFigures ? "  отметок операторов: " : "  примерное количество строк кода: ");
      appendInt(s.countCodeLine, out);
      break;
    case 4:
      out->append("  % комментариев: ");
      appendSixDecimals(commentPercent(s), out);
      out->append(" % ");
      break;
    case 5: {
      double marksPerComment = 0.0;
      if (s.countOfComment != 0) {
        marksPerComment =
            static_cast<double>(s.countCodeLine) / static_cast<double>(s.countOfComment);
      }
      out->append(lineFigures ? "  кол-во отметок/кол-во комментариев: "
                              : "  кол-во строк/кол-во комментариев: ");
      appendSixDecimals(marksPerComment, out);
      break;
    }
    case 6:
      out->append("  fixme+todo слов: ");
      appendInt(s.fixmeWordsCount + s.todoWordsCount, out);
      break;
    case 7:
      if (!lineFigures) break;
      out->append("  строк (пустых, комментариев, кода): ");
      appendInt(s.lines, out);
      out->append(" (");
      appendInt(s.blankLines, out);
      out->append(", ");
      appendInt(s.commentLines, out);
      out->append(", ");
      appendInt(s.codeLines, out);
      out->append(")");
      break;
    case 8:
      if (!lineFigures) break;
      out->append("  % строк комментариев: ");
      appendSixDecimals(commentLineDensity(s), out);
      out->append(" % ");
      break;
    default: break;  // the empty line that ends the block
  }
}

void formatTextBlock(const reportBlock& block, std::string* out) {
  for (int line = 0; line < textLineCount(block); ++line) {
    appendTextLine(block, line, out);
    out->append("\r\n");
  }
}

void formatXmlBlock(const reportBlock& block, std::string* out) {
  auto escape = [](std::string_view name, std::string* to) {
    appendEscaped<xmlReplacement, startsXmlReplacement>(name, to);
  };
  switch (block.kind) {
    case blockKind::skipped:
      out->append("  <skipped unknownLanguage='");
      appendInt(block.skipped.unknownLanguage, out);
      out->append("' binary='");
      appendInt(block.skipped.binary, out);
      out->append("'");
      for (const auto& reason : kForeignReasons) {
        if (block.skipped.*reason.count == 0) continue;
        out->append(reason.xml);
        appendInt(block.skipped.*reason.count, out);
        out->append("'");
      }
      out->append(" />\r\n");
      return;
    case blockKind::record:
    case blockKind::total: out->append("  <file filename='"); break;
    case blockKind::language: out->append("  <language name='"); break;
    case blockKind::directory: out->append("  <directory path='"); break;
  }
  if (block.kind == blockKind::total) out->append("AllFiles");
  escape(block.name, out);
  if (block.embeddedCode) out->append("' embedded='true");
  appendXmlCounters(block, out);
}

void appendHtmlHeaderRow(const reportContent& content, std::string* out) {
  out->append(
      "  <tr>\r\n    <td>Имя файла</td> <td>Количество символов комментариев</td> <td>Размер "
      "файла</td> <td>Количество комментариев</td>    <td>");
  out->append(content.lineFigures ? "Количество отметок операторов" : "Количество строк кода");
  out->append("</td> <td>Количество слов fixme</td>    <td>Количество слов todo</td>");
  if (content.lineFigures) {
    out->append(
        " <td>Строк</td> <td>Пустых строк</td> <td>Строк комментариев</td> <td>Строк кода</td> "
        "<td>% строк комментариев</td>");
  }
  out->append("</tr>\r\n");
}

void formatHtmlBlock(const reportBlock& block, std::string* out) {
  if (block.kind == blockKind::skipped) {
    out->append(block.content.lineFigures ? "  <tr>\r\n    <td colspan=12>"
                                          : "  <tr>\r\n    <td colspan=7>");
    appendSkippedText(block.skipped, out);
    out->append("</td></tr>\r\n");
    return;
  }
  out->append("  <tr>\r\n    <td>");
  appendBlockName(block, totalName,
                  [&block](std::string_view name, std::string* to) {
                    if (block.content.namesEscaped) {
                      appendEscaped<htmlReplacement, startsHtmlReplacement>(shownName(name), to);
                    } else {
                      appendEscaped<htmlReplacement, startsHtmlReplacement>(name, to);
                    }
                  },
                  out);
  appendHtmlCells(block, out);
}

}  // namespace quillstat
