#include "ui/interrupt.h"

#include <windows.h>

#include <string>

#include "report/report_file.h"
#include "ui/progress_line.h"

namespace quillstat {

namespace {

// The status the system's own handler ends a process with on Ctrl-C.
constexpr UINT kInterruptedStatus = 0xC000013A;  // STATUS_CONTROL_C_EXIT

// Blanks the progress line, so that the prompt starts on a clean line.
void eraseProgressLine() {
  const std::string line = "\r" + std::string(progressLineWidth(), ' ') + "\r";
  DWORD written = 0;
  if (line.size() > 2) {
    WriteFile(GetStdHandle(STD_ERROR_HANDLE), line.data(), static_cast<DWORD>(line.size()),
              &written, nullptr);
  }
}

// Runs on a thread the system starts for the event. The process ends at
// once, as _exit does on POSIX: workers and the walk are abandoned with it.
BOOL WINAPI endOnConsoleEvent(DWORD event) {
  switch (event) {
    case CTRL_C_EVENT:
    case CTRL_BREAK_EVENT:
    case CTRL_CLOSE_EVENT:
    case CTRL_LOGOFF_EVENT:
    case CTRL_SHUTDOWN_EVENT:
      eraseProgressLine();
      removeUnfinishedReport();
      TerminateProcess(GetCurrentProcess(), kInterruptedStatus);
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace

bool endCleanlyOnInterrupt() { return SetConsoleCtrlHandler(endOnConsoleEvent, TRUE); }

}  // namespace quillstat
