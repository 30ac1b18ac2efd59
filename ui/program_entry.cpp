#include "ui/program_entry.h"

#include <exception>
#include <iostream>
#include <string_view>

#include "quillstat_version.h"
#include "ui/batch_run.h"
#include "ui/command_line.h"
#include "ui/command_line_help.h"
#include "ui/desktop_notice.h"
#include "ui/error_text.h"
#include "ui/window_program.h"

namespace quillstat {

namespace {

// The exit status when the window cannot be shown, as for an unreadable input:
// nothing was done that the user asked for.
constexpr int kNoWindowStatus = 2;

// What the terminal's help tells beyond the window's help box.
const char kMoreHelp[] =
    "-x, --exact - точный разбор: строки, символьные константы и директивы так, как их видит "
    "компилятор языка (по умолчанию классические правила)\n"
    "-j N - число потоков анализа (по умолчанию по одному на ядро, не более 256)\n"
    "-o - - записать отчёт в стандартный вывод\n"
    "-t json, -t csv - отчёт в JSON или CSV (всегда в UTF-8)\n"
    "--encoding utf-8 - отчёт txt, xml или html в UTF-8 (по умолчанию windows-1251)\n"
    "--files-from FILE - проверить файлы из списка FILE, по одному в строке (- стандартный "
    "ввод); --null - пути в списке разделены символом NUL (git ls-files -z)\n"
    "--fail-under PERCENT - код завершения 3, если доля символов комментариев во всех файлах "
    "меньше PERCENT процентов\n"
    "--max-todo N - код завершения 3, если слов todo и fixme больше N\n"
    "-q - не показывать ход анализа\n"
    "--version - версия программы; -h, --help - эта справка\n"
    "Коды завершения: 0 - отчёт записан, все файлы прочитаны; 1 - отчёт не записан "
    "(или неверный параметр, или не прочитан список файлов); "
    "2 - не удалось прочитать входной файл (отчёт записан) или нет оконной системы; "
    "3 - не пройден порог --fail-under или --max-todo (отчёт записан); "
    "129, 130, 143 - прервано сигналом\n";

// The help box's lines end in blanks that mean nothing on a terminal.
void printHelp() {
  std::string text = commandLineHelpText();
  for (size_t start = 0; start <= text.size();) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string_view part(text.data() + start, end - start);
    while (!part.empty() && part.back() == ' ') part.remove_suffix(1);
    std::cout << part << '\n';
    start = end + 1;
  }
  std::cout << kMoreHelp;
}

// What was printed on stdout must have arrived: a full disk is a failure.
int finishPrinting() {
  if (std::cout.flush()) return 0;
  std::cerr << "quillstat: cannot write to standard output\n";
  return 1;
}

int explainBatchMode(const char* why) {
  const std::string text =
      std::string("quillstat: ") + why + "; for a batch run name an input and a report:\n" +
      "  quillstat -f FILE -o REPORT   or   quillstat -d DIR -o REPORT   (see quillstat -h)\n";
  std::cerr << text;
  showDesktopNotice(text);
  return kNoWindowStatus;
}

}  // namespace

int runProgram(const std::vector<std::string>& tokens, int argc, char** argv) {
  commandLineOptions options = scanOptions(tokens);
  for (const std::string& warning : options.warnings) {
    std::cerr << "quillstat: " << warning << '\n';
  }
  if (options.showHelp) {
    printHelp();
    return finishPrinting();
  }
  if (options.showVersion) {
    std::cout << "quillstat " QUILLSTAT_VERSION "\n";
    return finishPrinting();
  }
  if (!options.errors.empty()) {
    for (const std::string& error : options.errors) std::cerr << "quillstat: " << error << '\n';
    return batchReportFailed;
  }
  if (options.batchMode()) {
    try {
      return runBatch(options, std::cerr);
    } catch (const std::exception& error) {
      // Out of memory or threads: nothing more can be done, but it is said.
      std::cerr << "quillstat: " << error.what() << '\n';
      return batchReportFailed;
    }
  }
  if (!windowSystemAvailable()) return explainBatchMode("no window system to show the window on");
  ioError error = startWindowProgram(argc, argv);
  if (error.what == ioError::kind::notFound) return explainBatchMode("this installation has no window");
  std::cerr << "quillstat: cannot start " << windowProgramName << ": " << errorText(error) << '\n';
  return kNoWindowStatus;
}

}  // namespace quillstat
