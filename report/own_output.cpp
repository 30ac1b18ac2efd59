#include "report/own_output.h"

#include <string>

#include "report/dashboard_page.h"
#include "report/windows1251.h"

namespace quillstat {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Whether `line` ends in ":LINE:COLUMN" after a path of at least a byte.
bool endsInPlace(std::string_view line) {
  for (int number = 0; number < 2; ++number) {
    const size_t digits = line.size();
    while (!line.empty() && isDigit(line.back())) line.remove_suffix(1);
    if (line.size() == digits || line.empty() || line.back() != ':') return false;
    line.remove_suffix(1);
  }
  return !line.empty();
}

// "src/a.c:12:5: todo: /* TODO */": the path is any bytes, so the line is
// taken at each ": todo: " or ": fixme: " in it.
bool isTodoLine(std::string_view line) {
  for (std::string_view word : {": todo: ", ": fixme: "}) {
    for (size_t at = line.find(word); at != std::string_view::npos; at = line.find(word, at + 1)) {
      if (endsInPlace(line.substr(0, at))) return true;
    }
  }
  return false;
}

// The starts in both encodings of the text report: a record or the total
// comes first, or alone the skipped files of a file run.
bool isTextReport(std::string_view head) {
  for (const char* start : {"Имя файла: ", "Пропущено файлов: "}) {
    std::string windows1251;
    appendWindows1251(start, unmappable::questionMark, &windows1251);
    if (head.starts_with(start) || head.starts_with(windows1251)) return true;
  }
  return false;
}

}  // namespace

bool looksLikeOwnOutput(std::string_view head) {
  if (head.empty() || isTextReport(head)) return true;
  const std::string_view dashboardStart =
      dashboardPageStart.substr(0, dashboardPageStart.find("<title>"));
  const std::string_view starts[] = {
      "<?xml version='1.0' encoding='WINDOWS-1251'?>\r\n<main>\r\n",
      "<?xml version='1.0' encoding='UTF-8'?>\r\n<main>\r\n",
      "<html>\n<body>\n<table border=1>\r\n",
      "<html>\n<head><meta charset=\"utf-8\"></head>\n<body>\n<table border=1>\r\n",
      "{\n  \"program\": \"quillstat\",",
      "kind,path,size,commentChars,comments,statementMarks,todo,fixme,",
      dashboardStart,
      "[\n  {\"path\": ",
  };
  for (std::string_view start : starts) {
    if (head.starts_with(start)) return true;
  }
  return head == "[]\n" || isTodoLine(head.substr(0, head.find('\n')));
}

}  // namespace quillstat
