#include "ui/option_table.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <optional>

#include "analysis/file_analysis.h"
#include "analysis/languages.h"
#include "ui/command_line.h"

namespace quillstat {

namespace {

// A number as the options take it: plain decimal digits, with a fraction
// only where `fraction` allows ("20", "20.5"); no sign, exponent, blank or
// other notation, so that every option reads a number the same way.
bool isPlainDecimal(std::string_view text, bool fraction) {
  const size_t point = fraction ? text.find('.') : std::string_view::npos;
  const std::string_view whole = text.substr(0, point);
  auto digitsOnly = [](std::string_view digits) {
    return !digits.empty() && digits.find_first_not_of("0123456789") == std::string_view::npos;
  };
  return digitsOnly(whole) &&
         (point == std::string_view::npos || digitsOnly(text.substr(point + 1)));
}

// Sets *into to the whole number `value`, at least `least`.
template <typename T>
valueTaken takeWhole(const std::string& value, T least, T* into) {
  if (!isPlainDecimal(value, false)) return valueTaken::refused;
  T number = 0;
  auto [rest, error] = std::from_chars(value.data(), value.data() + value.size(), number);
  if (error == std::errc::result_out_of_range) return valueTaken::tooLarge;
  if (number < least) return valueTaken::refused;
  *into = number;
  return valueTaken::taken;
}

// Hands the row of `rows` named `value` and its index to `take`.
template <typename Rows, typename Take>
valueTaken takeRow(const Rows& rows, const std::string& value, Take take) {
  for (size_t row = 0; row < std::size(rows); ++row) {
    if (value == rows[row].name) {
      take(rows[row], static_cast<unsigned>(row));
      return valueTaken::taken;
    }
  }
  return valueTaken::refused;
}

constexpr struct {
  const char* name;
  textEncoding encoding;
} encodingNames[] = {{"windows-1251", textEncoding::windows1251}, {"utf-8", textEncoding::utf8}};

// A limit's handler: a percentage from 0 to 100.
template <std::optional<double> gateLimits::*limit>
valueTaken takePercent(const std::string& value, commandLineOptions* options) {
  double percent = 0;
  if (!isPlainDecimal(value, true)) return valueTaken::refused;
  auto [rest, error] = std::from_chars(value.data(), value.data() + value.size(), percent);
  if (error != std::errc() || percent > 100) return valueTaken::refused;
  options->gate.*limit = percent;
  return valueTaken::taken;
}

// A flag's handler: sets the member it names.
template <bool commandLineOptions::*member>
valueTaken setFlag(const std::string&, commandLineOptions* options) {
  options->*member = true;
  return valueTaken::taken;
}

// A path's handler: keeps the value as it is.
template <std::optional<std::string> commandLineOptions::*member>
valueTaken setPath(const std::string& value, commandLineOptions* options) {
  options->*member = value;
  return valueTaken::taken;
}

// The order is the help's: the options the program always had first, with
// their texts as they were.
constexpr optionRow rows[] = {
    {"-f", nullptr, "filename", valueKind::file, "имя файла для проверки",
     "the file to analyse (wins over `-d`)", nullptr, setPath<&commandLineOptions::inputFile>},
    {"-d", nullptr, "dirname", valueKind::directory, "имя директории для проверки",
     "the directory to analyse", nullptr, setPath<&commandLineOptions::inputDirectory>},
    {"-o", nullptr, "filename", valueKind::file,
     "файл с результатом работы (необходимо указать); - - записать отчёт в стандартный вывод",
     "the report to write (required for a batch run; an input without it is warned of); `-` is "
     "standard output",
     nullptr, setPath<&commandLineOptions::outputPath>},
    {"-t", nullptr, "type", valueKind::format,
     "типа выходного файла [{formats}] (txt по умолчанию; json, csv и dashboard всегда в "
     "UTF-8; dashboard - страница HTML с диаграммами, списком todo и таблицей файлов)",
     "report type, one of `{formats}` (default `txt`; see [Reports for "
     "scripts](reports.md#reports-for-scripts-json-and-csv) and [The dashboard](reports.md#the-dashboard))",
     "the report type is one of {formats}",
     [](const std::string& value, commandLineOptions* options) {
       return takeRow(reportFormats, value,
                      [options](const auto& row, unsigned) { options->format = row.format; });
     }},
    {"-s", nullptr, nullptr, valueKind::none,
     "для поиска по диреториям, искать ли в поддиректориях (поумолчанию не установлен)",
     "also analyse the sub-directories of `-d` (default: not)", nullptr,
     setFlag<&commandLineOptions::recursive>},
    {"-nf", nullptr, nullptr, valueKind::none,
     "включать ли в статисткику первый комментария (по умолчанию не установлен)",
     "leave the first comment of each file out of the comment figures (default: count it)",
     nullptr, setFlag<&commandLineOptions::noFirstComment>},
    {"-l", nullptr, "lang", valueKind::language,
     "тим языка для анализа комментариев [{languages}] ({default language} по умолчанию; "
     "auto - язык каждого файла по его имени, точный разбор)",
     "language: a name of the language table (as `-h` and `--languages` list them; default "
     "`{default language}`; in classic mode Java is scanned as C++), or `auto`: each file's "
     "own, by its name, with the exact rules",
     "the language is one of {languages}",
     [](const std::string& value, commandLineOptions* options) {
       if (value == detectedLanguageName) {
         options->languageIndex = detectedLanguage;
         return valueTaken::taken;
       }
       const std::optional<unsigned> language = languageNamed(value);
       if (!language) return valueTaken::refused;
       options->languageIndex = *language;
       return valueTaken::taken;
     }},
    {"-e", nullptr, "'extanation list'", valueKind::text,
     "разрешение файлов для анализа (например '*.c;*.cpp;*.h;*.hpp') (по умолчанию "
     "используются стандартные расширения данного языка)",
     "file masks for `-d`, separated by `;`, e.g. `'*.c;*.cpp;*.h;*.hpp'` (default: the "
     "language's own)",
     "masks are separated by ';', as in '*.c;*.h'", setPath<&commandLineOptions::masks>},
    {"-x", "--exact", nullptr, valueKind::none,
     "точный разбор: строки, символьные константы и директивы так, как их видит компилятор "
     "языка, и строки файлов: пустые, комментариев, кода (по умолчанию классические правила)",
     "the exact rules and the line figures (see [Two modes](accuracy.md#two-modes-and-what-exact-mode-"
     "knows)); default: the classic rules",
     nullptr, setFlag<&commandLineOptions::exact>},
    {"-j", nullptr, "N", valueKind::text,
     "число потоков анализа (по умолчанию по одному на ядро, не более 256)",
     "worker threads for `-d` and `--files-from` (default: one per core; more than 256 run as "
     "256); the report never depends on it",
     "the number of workers is a whole number from 1 to 4294967295",
     [](const std::string& value, commandLineOptions* options) {
       return takeWhole(value, 1u, &options->jobs);
     }},
    {"-q", nullptr, nullptr, valueKind::none, "не показывать ход анализа",
     "draw no progress line on the terminal", nullptr, setFlag<&commandLineOptions::quiet>},
    {"--encoding", nullptr, "name", valueKind::encoding,
     "кодировка отчёта txt, xml или html [{encodings}] (по умолчанию windows-1251)",
     "the encoding of `txt`, `xml` and `html` reports, one of `{encodings}` (default "
     "`windows-1251`; `utf-8` for `-o -` on a terminal); `json`, `csv` and `dashboard` are "
     "always UTF-8",
     "the encoding is one of {encodings}",
     [](const std::string& value, commandLineOptions* options) {
       return takeRow(encodingNames, value,
                      [options](const auto& row, unsigned) { options->encoding = row.encoding; });
     }},
    {"--files-from", nullptr, "FILE", valueKind::file,
     "проверить файлы из списка FILE, по одному в строке (- стандартный ввод)",
     "analyse exactly the files that `FILE` names, one path per line (`-`: standard input), in "
     "its order; instead of `-f` and `-d`",
     nullptr, setPath<&commandLineOptions::filesFrom>},
    {"--null", nullptr, nullptr, valueKind::none,
     "пути в списке --files-from разделены символом NUL (git ls-files -z)",
     "the paths of `--files-from` end in a NUL byte, not a line end (`git ls-files -z`, `find "
     "-print0`); without it a NUL byte in the list is an error",
     nullptr, setFlag<&commandLineOptions::nulSeparated>},
    {"--todo-list", nullptr, "FILE", valueKind::file,
     "записать в FILE слова todo и fixme из комментариев, по одному в строке: "
     "путь:строка:столбец: todo: текст строки (- стандартный вывод; с -t json массив JSON)",
     "also write every todo and fixme word the figures count to `FILE`, one per line as "
     "`path:line:column: todo: text` (`-` is standard output; with `-t json` a JSON array); "
     "see [The todo list](#the-todo-list)",
     nullptr, setPath<&commandLineOptions::todoList>},
    {"--exclude", nullptr, "GLOB", valueKind::text,
     "не анализировать пути, подходящие под шаблон GLOB, относительно директории -d (или "
     "как в списке): * внутри имени, ** через директории, / в конце - только директории; "
     "можно указать несколько раз",
     "leave out the paths that match `GLOB`, relative to `-d` (for `--files-from`, as the list "
     "writes them): `*` within a name, `**` across directories, a trailing `/` for directories "
     "only; may be given several times (see [Every language of a "
     "repository](accuracy.md#every-language-of-a-repository--l-auto))",
     nullptr,
     [](const std::string& value, commandLineOptions* options) {
       options->excludes.push_back(value);
       return valueTaken::taken;
     }},
    {"--no-ignore", nullptr, nullptr, valueKind::none,
     "с -l auto: анализировать и файлы, которые git игнорирует (.gitignore и другие), когда "
     "директория -d лежит в рабочем дереве git",
     "with `-l auto`: also analyse the files that git ignores (`.gitignore`, `.git/info/exclude`, "
     "`core.excludesFile`) when `-d` lies in a git work tree (see [Git work trees, vendored and "
     "generated files](repository.md))",
     nullptr, setFlag<&commandLineOptions::noIgnore>},
    {"--include-vendored", nullptr, nullptr, valueKind::none,
     "с -l auto: анализировать и сторонний код (node_modules, vendor, third_party и другие)",
     "with `-l auto`: also analyse the files below vendored directories (`node_modules`, "
     "`vendor`, `third_party`, ...; see [repository.md](repository.md))",
     nullptr, setFlag<&commandLineOptions::includeVendored>},
    {"--include-generated", nullptr, nullptr, valueKind::none,
     "с -l auto: анализировать и сгенерированные и минифицированные файлы",
     "with `-l auto`: also analyse generated files (`@generated`, `DO NOT EDIT`, ... in their "
     "first lines) and minified ones (`*.min.js`, `*.min.css`, very long lines; see "
     "[repository.md](repository.md))",
     nullptr, setFlag<&commandLineOptions::includeGenerated>},
    {"--by-dir", nullptr, "N", valueKind::text,
     "итоги по каждой директории до глубины N ниже анализируемой (1 - её поддиректории)",
     "add a total for every directory down to depth `N` below `-d` (1: its sub-directories)",
     "the depth is a whole number from 1 to 2147483647",
     [](const std::string& value, commandLineOptions* options) {
       return takeWhole(value, 1, &options->byDirDepth);
     }},
    {"--fail-under", nullptr, "PERCENT", valueKind::text,
     "код завершения 3, если доля символов комментариев во всех файлах меньше PERCENT "
     "процентов",
     "exit with status 3 when the total comment share is below `PERCENT` (0 to 100)",
     "the limit is a percentage from 0 to 100", takePercent<&gateLimits::failUnder>},
    {"--fail-under-lines", nullptr, "PERCENT", valueKind::text,
     "код завершения 3, если доля строк комментариев среди строк комментариев и кода во всех "
     "файлах меньше PERCENT процентов (точный разбор)",
     "exit with status 3 when the total comment-line density is below `PERCENT` (needs the "
     "line figures: `-x` or `-l auto`)",
     "the limit is a percentage from 0 to 100", takePercent<&gateLimits::failUnderLines>},
    {"--max-todo", nullptr, "N", valueKind::text,
     "код завершения 3, если слов todo и fixme больше N",
     "exit with status 3 when the todo and fixme words together are more than `N`",
     "the limit is a whole number from 0 to 9223372036854775807",
     [](const std::string& value, commandLineOptions* options) {
       int64_t limit = 0;
       const valueTaken taken = takeWhole(value, int64_t{0}, &limit);
       if (taken == valueTaken::taken) options->gate.maxTodo = limit;
       return taken;
     }},
    {"--label", nullptr, "TEXT", valueKind::text,
     "подпись отчёта json (версия, дата сборки), которую показывает quillstat trend",
     "a label the JSON report keeps for the run (a release, a date), which `quillstat trend` "
     "shows; see [Reports as data](data.md)",
     nullptr, setPath<&commandLineOptions::label>},
    {"--languages", nullptr, nullptr, valueKind::none,
     "таблица языков, по языку в строке, столбцы через табуляцию: имя, маски и имена файлов, "
     "интерпретаторы #!, комментарии, знаки конца оператора",
     "print the language table and exit: a line per row, of columns separated by a tab: name, "
     "file masks and whole names, `#!` interpreters, comments (`//`, `/*...*/`, `(nested)` "
     "after one that nests), statement marks; a column's items are separated by a blank",
     nullptr, setFlag<&commandLineOptions::showLanguages>},
    {"--version", nullptr, nullptr, valueKind::none, "версия программы",
     "print the version and exit", nullptr, setFlag<&commandLineOptions::showVersion>},
    {"-h", "--help", nullptr, valueKind::none, "эта справка", "print this help and exit",
     nullptr, setFlag<&commandLineOptions::showHelp>},
};

// The names of `rows`, joined by `separator`.
template <typename Rows>
std::string namesOf(const Rows& rows, std::string_view separator) {
  std::string list;
  for (const auto& row : rows) {
    if (!list.empty()) list += separator;
    list += row.name;
  }
  return list;
}

// The names -l takes: each name of the language table once (two rows may
// share one), then "auto".
std::string languageNames(std::string_view separator) {
  std::string list;
  for (unsigned row = 0; row < languageCount; ++row) {
    const std::string name = languageName(row);
    if (languageNamed(name) == row) list += name + std::string(separator);
  }
  return list + detectedLanguageName;
}

}  // namespace

const std::span<const optionRow> optionTable = rows;

const optionRow* findOption(std::string_view name) {
  for (const optionRow& row : rows) {
    if (name == row.name || (row.otherName != nullptr && name == row.otherName)) return &row;
  }
  return nullptr;
}

std::string choicesOf(valueKind kind, std::string_view separator) {
  switch (kind) {
    case valueKind::format: return namesOf(reportFormats, separator);
    case valueKind::language: return languageNames(separator);
    case valueKind::encoding: return namesOf(encodingNames, separator);
    default: return "";
  }
}

std::string expandLists(std::string_view text, std::string_view separator) {
  const struct {
    std::string_view placeholder;
    std::string list;
  } lists[] = {
      {"{formats}", choicesOf(valueKind::format, separator)},
      {"{languages}", choicesOf(valueKind::language, separator)},
      {"{default language}", languageName(0)},
      {"{encodings}", choicesOf(valueKind::encoding, separator)},
  };
  std::string out(text);
  for (const auto& list : lists) {
    for (size_t at = out.find(list.placeholder); at != std::string::npos;
         at = out.find(list.placeholder, at + list.list.size())) {
      out.replace(at, list.placeholder.size(), list.list);
    }
  }
  return out;
}

}  // namespace quillstat
