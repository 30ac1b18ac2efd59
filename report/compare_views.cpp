#include "report/compare_views.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "report/figures.h"
#include "report/json_text.h"
#include "report/todo_list.h"
#include "report/utf8.h"

namespace quillstat {

namespace {

// The parts one after the other; GCC 12 warns falsely on chains of
// "literal" + std::string (its bug 105329).
std::string cat(std::initializer_list<std::string_view> parts) {
  std::string out;
  for (std::string_view part : parts) out.append(part);
  return out;
}

std::string number(int64_t value) {
  std::string out;
  appendInt(value, &out);
  return out;
}

// A percentage with two decimals, as people read it; never negative here.
std::string percent(double value) {
  const int64_t scaled = std::llround(value * 100);
  const int64_t cents = scaled % 100;
  return number(scaled / 100) + (cents < 10 ? ".0" : ".") + number(cents);
}

std::string signedNumber(int64_t value) { return (value > 0 ? "+" : "") + number(value); }

std::string signedPercent(double value) {
  return (value > 0.0049 ? "+" : value < -0.0049 ? "-" : "±") + percent(std::abs(value));
}

int64_t words(const fileStats& s) { return s.todoWordsCount + s.fixmeWordsCount; }

int64_t commentFigure(const fileStats& s, bool lineFigures) {
  return lineFigures ? s.commentLines : s.countOfComment;
}

// The cells of one group's row, in the columns' order.
std::vector<std::string> rowOf(const comparedGroup& g, bool lineFigures, std::string_view arrow) {
  const double before = densityOf(g.before, lineFigures);
  const double after = densityOf(g.after, lineFigures);
  const std::string a(arrow);
  return {g.name.empty() ? "all files" : g.name,
          cat({"+", number(g.added), " -", number(g.removed), " ~", number(g.changed)}),
          number(commentFigure(g.before, lineFigures)) + a +
              number(commentFigure(g.after, lineFigures)),
          percent(before) + a + percent(after) + " (" + signedPercent(after - before) + ")",
          number(words(g.before)) + a + number(words(g.after)) + " (" +
              signedNumber(words(g.after) - words(g.before)) + ")"};
}

std::vector<std::string> headings(bool lineFigures) {
  return {"", "files (added, removed, changed)", lineFigures ? "comment lines" : "comments",
          lineFigures ? "comment-line density %" : "comment share %", "todo+fixme"};
}

// Every row: the total, the languages, the directories; a pull request's
// comment leaves out the groups where no file changed.
std::vector<std::vector<std::string>> tableOf(const comparison& c, std::string_view arrow,
                                              bool changedOnly = false) {
  std::vector<std::vector<std::string>> rows = {headings(c.lineFigures),
                                                rowOf(c.total, c.lineFigures, arrow)};
  for (const auto* list : {&c.languages, &c.directories}) {
    for (const comparedGroup& g : *list) {
      if (changedOnly && g.added + g.removed + g.changed == 0) continue;
      rows.push_back(rowOf(g, c.lineFigures, arrow));
    }
  }
  return rows;
}

std::string entryLine(const todoItem& item) {
  return item.path + ":" + number(item.line) + ": " + wordName(item.kind) + ": " + item.text;
}

std::string asText(const comparison& c, const std::string& base, const std::string& head) {
  std::string out = "quillstat compare: " + base + " -> " + head + "\n\n";
  const auto rows = tableOf(c, " -> ");
  std::vector<size_t> widths(rows[0].size(), 0);
  for (const auto& row : rows) {
    for (size_t i = 0; i < row.size(); ++i) widths[i] = std::max(widths[i], codePointCount(row[i]));
  }
  for (const auto& row : rows) {
    std::string line;
    for (size_t i = 0; i < row.size(); ++i) {
      line += row[i];
      if (i + 1 < row.size()) line += std::string(widths[i] - codePointCount(row[i]) + 2, ' ');
    }
    out += line + "\n";
  }
  for (const auto& [title, list] : {std::pair{"new", &c.newTodos}, std::pair{"gone", &c.goneTodos}}) {
    out += cat({"\n", title, " todo/fixme: ", number(static_cast<int64_t>(list->size())), "\n"});
    for (const todoItem& item : *list) out += cat({"  ", entryLine(item), "\n"});
  }
  return out;
}

// Markdown cells: a '|' or a line end would end the cell, a '`' the span.
std::string markdownCell(std::string text) {
  std::string out;
  for (char ch : text) {
    if (ch == '|') out += "\\|";
    else if (ch == '\n' || ch == '\r') out += ' ';
    else out += ch;
  }
  return out;
}

std::string codeSpan(const std::string& text) {
  const bool ticks = text.find('`') != std::string::npos;
  return ticks ? "`` " + markdownCell(text) + " ``" : "`" + markdownCell(text) + "`";
}

std::string asMarkdown(const comparison& c, const std::string& base, const std::string& head) {
  std::string out = "### Comments: " + markdownCell(base) + " → " + markdownCell(head) + "\n\n";
  const auto rows = tableOf(c, " → ", true);
  for (size_t r = 0; r < rows.size(); ++r) {
    out += "|";
    for (const std::string& cell : rows[r]) out += cat({" ", markdownCell(cell), " |"});
    out += "\n";
    if (r == 0) {
      out += "|---|";
      for (size_t i = 1; i < rows[r].size(); ++i) out += "---:|";
      out += "\n";
    }
  }
  out += "\n**New todo/fixme: " + number(static_cast<int64_t>(c.newTodos.size())) + "**";
  out += ", gone: " + number(static_cast<int64_t>(c.goneTodos.size())) + "\n\n";
  for (const todoItem& item : c.newTodos) {
    out += "- " + codeSpan(item.path + ":" + number(item.line)) + " " + wordName(item.kind) +
           ": " + codeSpan(item.text) + "\n";
  }
  return out;
}

std::string escapeHtml(const std::string& text) {
  std::string out;
  for (char ch : text) {
    switch (ch) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += ch;
    }
  }
  return out;
}

std::string asHtml(const comparison& c, const std::string& base, const std::string& head) {
  const std::string title = "Comments: " + escapeHtml(base) + " → " + escapeHtml(head);
  std::string out =
      "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>" + title +
      "</title>\n<style>body{font:14px sans-serif;margin:2em}table{border-collapse:collapse}"
      "td,th{border:1px solid #ccc;padding:3px 8px}td+td{text-align:right}</style></head>\n"
      "<body><h1>" + title + "</h1>\n<table>\n";
  const auto rows = tableOf(c, " → ");
  for (size_t r = 0; r < rows.size(); ++r) {
    out += "<tr>";
    for (const std::string& cell : rows[r]) {
      out += (r == 0 ? "<th>" : "<td>") + escapeHtml(cell) + (r == 0 ? "</th>" : "</td>");
    }
    out += "</tr>\n";
  }
  out += "</table>\n";
  for (const auto& [title, list] : {std::pair{"New", &c.newTodos}, std::pair{"Gone", &c.goneTodos}}) {
    out += "<h2>" + std::string(title) + " todo/fixme: " +
           number(static_cast<int64_t>(list->size())) + "</h2>\n<ul>\n";
    for (const todoItem& item : *list) out += "<li><code>" + escapeHtml(entryLine(item)) + "</code></li>\n";
    out += "</ul>\n";
  }
  return out + "</body></html>\n";
}

void appendJsonGroup(const comparedGroup& g, bool lineFigures, std::string* out) {
  out->append("{\"name\": ");
  appendJsonString(g.name, out);
  out->append(", \"added\": " + number(g.added) + ", \"removed\": " + number(g.removed) +
              ", \"changed\": " + number(g.changed));
  for (const auto& [side, s] : {std::pair{"before", &g.before}, std::pair{"after", &g.after}}) {
    out->append(", \"" + std::string(side) + "\": {\"comments\": " + number(s->countOfComment) +
                ", \"commentLines\": " + number(s->commentLines) +
                ", \"docComments\": " + number(s->docComments) +
                ", \"docCommentLines\": " + number(s->docCommentLines) + ", \"todo\": " +
                number(s->todoWordsCount) + ", \"fixme\": " + number(s->fixmeWordsCount) +
                ", \"density\": ");
    appendSixDecimals(densityOf(*s, lineFigures), out);
    out->append("}");
  }
  out->append("}");
}

std::string asJson(const comparison& c, const std::string& base, const std::string& head) {
  std::string out = "{\n  \"base\": ";
  appendJsonString(base, &out);
  out += ",\n  \"head\": ";
  appendJsonString(head, &out);
  out += c.lineFigures ? ",\n  \"density\": \"commentLineDensity\"" : ",\n  \"density\": \"commentPercent\"";
  out += ",\n  \"total\": ";
  appendJsonGroup(c.total, c.lineFigures, &out);
  out += ",\n  \"changedFiles\": ";
  appendJsonGroup(c.changedFiles, c.lineFigures, &out);
  for (const auto& [name, list] : {std::pair{"languages", &c.languages}, std::pair{"directories", &c.directories}}) {
    out += ",\n  \"" + std::string(name) + "\": [";
    for (size_t i = 0; i < list->size(); ++i) {
      out += i == 0 ? "\n    " : ",\n    ";
      appendJsonGroup((*list)[i], c.lineFigures, &out);
    }
    out += list->empty() ? "]" : "\n  ]";
  }
  for (const auto& [name, list] : {std::pair{"newTodos", &c.newTodos}, std::pair{"goneTodos", &c.goneTodos}}) {
    out += ",\n  \"" + std::string(name) + "\": [";
    for (size_t i = 0; i < list->size(); ++i) {
      out += i == 0 ? "\n    " : ",\n    ";
      appendTodoJson((*list)[i], &out);
    }
    out += list->empty() ? "]" : "\n  ]";
  }
  return out + "\n}\n";
}

}  // namespace

std::string formatComparison(const comparison& c, std::string_view view,
                             const std::string& baseName, const std::string& headName) {
  std::string text = view == "markdown" ? asMarkdown(c, baseName, headName)
                     : view == "html"   ? asHtml(c, baseName, headName)
                     : view == "json"   ? asJson(c, baseName, headName)
                                        : asText(c, baseName, headName);
  std::string out;
  appendValidUtf8(text, &out);
  return out;
}

}  // namespace quillstat
