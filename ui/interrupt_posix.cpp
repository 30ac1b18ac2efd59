#include "ui/interrupt.h"

#include <algorithm>
#include <csignal>

#include <unistd.h>

#include "report/report_file.h"
#include "ui/progress_line.h"

namespace quillstat {

namespace {

// Blanks the progress line, so that the shell's prompt starts on a clean
// line, with what a signal handler may call.
void eraseProgressLine() {
  size_t width = progressLineWidth();
  if (width == 0) return;
  char blanks[64];
  for (char& c : blanks) c = ' ';
  ssize_t ignored = write(STDERR_FILENO, "\r", 1);
  for (; width > 0; width -= std::min(width, sizeof blanks)) {
    ignored = write(STDERR_FILENO, blanks, std::min(width, sizeof blanks));
  }
  ignored = write(STDERR_FILENO, "\r", 1);
  (void)ignored;
}

// Runs on whichever thread the signal reaches; workers and the walk are
// abandoned with the process, which is all an interrupt asks for. Kept out
// of the address sanitizer: the thread may be one it has not yet set up (a
// worker in its first instant), and its check before _exit would then print
// a warning into the output of an interrupted run.
extern "C" __attribute__((no_sanitize("address"))) void endOnSignal(int signal) {
  eraseProgressLine();
  removeUnfinishedReport();
  _exit(128 + signal);
}

}  // namespace

bool endCleanlyOnInterrupt() {
  struct sigaction action = {};
  action.sa_handler = endOnSignal;
  sigemptyset(&action.sa_mask);
  for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
    // A signal the caller ignores stays ignored: "nohup quillstat ..." must
    // outlive its terminal, and a background job must not die of Ctrl-C.
    struct sigaction inherited;
    if (sigaction(signal, nullptr, &inherited) != 0) return false;
    if (inherited.sa_handler == SIG_IGN) continue;
    if (sigaction(signal, &action, nullptr) != 0) return false;
  }
  return true;
}

}  // namespace quillstat
