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
//
// On Windows the interrupts are the console's events (Ctrl-C, Ctrl-Break,
// a closed console window, logoff, shutdown), and the status is the one the
// system's own handler gives, STATUS_CONTROL_C_EXIT (0xC000013A, which cmd
// shows as -1073741510). A Ctrl-C the program was started to ignore is never
// delivered to it, so it stays ignored too.
bool endCleanlyOnInterrupt();

}  // namespace quillstat

#endif  // QUILLSTAT_UI_INTERRUPT_H_
