#ifndef QUILLSTAT_UI_INTERRUPT_H_
#define QUILLSTAT_UI_INTERRUPT_H_

namespace quillstat {

// From now on an interrupt (Ctrl-C, a request to terminate, a closed
// terminal) ends the program at once with the status a shell gives it,
// 128 plus the signal's number (130 for SIGINT, 143 for SIGTERM), after
// removing the temporary file of a report being written: an existing report
// stays as it was and no half-written one appears. Signals that the program
// was started with ignored stay ignored. Returns false when the system
// refuses a handler; the program then runs without that cleanup.
bool endCleanlyOnInterrupt();

}  // namespace quillstat

#endif  // QUILLSTAT_UI_INTERRUPT_H_
