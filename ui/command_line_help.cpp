#include "ui/command_line_help.h"

#include "analysis/language_table.h"

namespace quillstat {

namespace {

// "[C++|Delphi|Php|Java] (C++ по умолчанию)", from the language table.
std::string languageChoices() {
  std::string text = "[";
  for (const languageEntry& language : languageTable) {
    if (text.size() > 1) text += '|';
    text += language.name;
  }
  text += "] (";
  text += languageTable[0].name;
  text += " по умолчанию)";
  return text;
}

}  // namespace

const char commandLineHelpCaption[] =
    "Справка по параметрам командной строки программе \"Quillstat\"";

std::string commandLineHelpText() {
  const std::string lines[] = {
      "Параметры запуска:",
      "-f filename - имя файла для проверки",
      "-d dirname - имя директории для проверки",
      "-o filename - файл с результатом работы (необходимо указать)",
      "-t type - типа выходного файла [txt|xml|html] (txt по умолчанию)",
      "-s - для поиска по диреториям, искать ли в поддиреториях (поумолчанию не установлен)",
      "-nf - включать ли в статисткику первый комментария (по умолчанию не установлен)",
      "-l lang - тим языка для анализа комментариев " + languageChoices(),
      ("-e 'extanation list' - разрешение файлов для анализа (например '*.c;*.cpp;*.h;*.hpp') "
       "(по умолчанию используются стандартные расширения данного языка)"),  // one line
  };
  std::string text;
  for (const std::string& line : lines) {
    if (!text.empty()) text += "                 \n";  // 17 blanks end each earlier line
    text += line;
  }
  return text;
}

}  // namespace quillstat
