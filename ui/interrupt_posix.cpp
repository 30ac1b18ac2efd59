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

void endCleanlyOnInterrupt() {
  struct sigaction action = {};
  action.sa_handler = endOnSignal;
  sigemptyset(&action.sa_mask);
  for (int signal : {SIGINT, SIGTERM, SIGHUP}) sigaction(signal, &action, nullptr);
}

}  // namespace quillstat
