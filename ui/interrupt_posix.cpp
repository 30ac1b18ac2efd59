#include "ui/interrupt.h"

#include <csignal>

#include <unistd.h>

#include "report/report_file.h"

namespace quillstat {

namespace {

// Runs on whichever thread the signal reaches; workers and the walk are
// abandoned with the process, which is all an interrupt asks for.
extern "C" void endOnSignal(int signal) {
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
