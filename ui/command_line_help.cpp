#include "ui/command_line_help.h"

#include <cstdio>
#include <vector>

#include "quillstat_version.h"
#include "report/utf8.h"
#include "ui/option_table.h"

namespace quillstat {

namespace {

constexpr char kHeading[] = "Параметры запуска:";
constexpr char kExitStatuses[] =
    "Коды завершения: 0 - отчёт записан, все файлы прочитаны; 1 - отчёт не записан (или "
    "неверный параметр, или не прочитан список файлов); 2 - не удалось прочитать входной файл "
    "(отчёт записан) или нет оконной системы; 3 - не пройден порог --fail-under, "
    "--fail-under-lines или --max-todo (отчёт записан); 129, 130, 143 - прервано сигналом";

constexpr char kReportCommands[] =
    "Команды над отчётами json: quillstat merge A.json B.json ... -o файл [-t тип] - отчёт "
    "объединения частей; quillstat compare BASE [HEAD] [-t txt|json|markdown|html] [-o файл] "
    "[--fail-if-worse] [--max-new-todo N] [--max-density-drop P] - что изменилось (BASE: "
    "отчёт json или git:REV с -d DIR); quillstat trend R1.json R2.json ... -o файл.html - "
    "графики по отчётам";

// How the help writes an option: "-x, --exact", "-f filename".
std::string usageOf(const optionRow& row) {
  std::string usage = row.name;
  if (row.otherName != nullptr) usage += std::string(", ") + row.otherName;
  if (row.valueName != nullptr) usage += std::string(" ") + row.valueName;
  return usage;
}

std::string helpOf(const optionRow& row) { return expandLists(row.help, "|"); }

// `text` with what roff or HTML would read as markup written out. In roff a
// line may also break after each '|' of a list: "[C++|Delphi|...]" runs
// wider than a terminal and has no blank to break at.
std::string escaped(const std::string& text, bool html) {
  std::string out;
  for (char c : text) {
    if (html && c == '&') out += "&amp;";
    else if (html && c == '<') out += "&lt;";
    else if (html && c == '>') out += "&gt;";
    else if (!html && c == '\\') out += "\\e";
    else if (!html && c == '-') out += "\\-";
    else if (!html && c == '|') out += "|\\:";
    else out += c;
  }
  // A line that starts with a dot or a quote would be a roff request.
  if (!html && (out.starts_with('.') || out.starts_with('\''))) out.insert(0, "\\&");
  return out;
}

// `page` with each character beyond ASCII written as roff's \[uXXXX], so
// that every roff reads the page alike, whatever input encoding it assumes.
std::string asciiRoff(const std::string& page) {
  std::string out;
  for (size_t at = 0; at < page.size();) {
    size_t length = 1;
    if (static_cast<unsigned char>(page[at]) < 0x80) {
      out += page[at];
    } else {
      char code[16];
      std::snprintf(code, sizeof code, "\\[u%04X]",
                    static_cast<unsigned>(decodeUtf8(std::string_view(page).substr(at), &length)));
      out += code;
    }
    at += length;
  }
  return out;
}

}  // namespace

const char commandLineHelpCaption[] =
    "Справка по параметрам командной строки программе \"Quillstat\"";

std::string commandLineHelpText(bool forHelpBox) {
  std::vector<std::string> lines{kHeading};
  for (const optionRow& row : optionTable) lines.push_back(usageOf(row) + " - " + helpOf(row));
  lines.push_back(kReportCommands);
  lines.push_back(kExitStatuses);
  std::string text;
  for (const std::string& line : lines) {
    if (!text.empty()) text += forHelpBox ? "                 \n" : "\n";
    text += line;
  }
  return forHelpBox ? text : text + "\n";
}

std::string manualPage() {
  // Ragged right and no hyphens: lines broken after a list's '|' have few
  // blanks to stretch, and names of options and languages are typed as read.
  std::string page =
      ".TH QUILLSTAT 1 \"\" \"quillstat " QUILLSTAT_VERSION "\"\n"
      ".ad l\n.nh\n"
      ".SH ИМЯ\nquillstat \\- насколько исходные тексты снабжены комментариями\n"
      ".SH ОБЗОР\n.B quillstat\n"
      "(\\-f FILE | \\-d DIR [\\-s] [\\-e MASKS] | \\-\\-files\\-from LIST [\\-\\-null]) "
      "\\-o REPORT [параметры]\n.br\n.B quillstat\n(без параметров: окно программы)\n"
      ".SH ПАРАМЕТРЫ\n";
  for (const optionRow& row : optionTable) {
    page += ".TP\n.B " + escaped(usageOf(row), false) + "\n" + escaped(helpOf(row), false) + "\n";
  }
  page += ".SH КОМАНДЫ\n" + escaped(kReportCommands, false) + "\n";
  page += ".SH КОД ЗАВЕРШЕНИЯ\n" + escaped(kExitStatuses, false) + "\n";
  return asciiRoff(page);
}

std::string htmlOptionRows() {
  std::string rows;
  for (const optionRow& row : optionTable) {
    rows += "  <tr><td><code>" + escaped(usageOf(row), true) + "</code></td><td>" +
            escaped(helpOf(row), true) + "</td></tr>\n";
  }
  return rows;
}

}  // namespace quillstat
