#ifndef QUILLSTAT_UI_PROGRESS_LINE_H_
#define QUILLSTAT_UI_PROGRESS_LINE_H_

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <ostream>
#include <thread>

namespace quillstat {

// A line on a terminal that tells how a long analysis goes. From a second
// after it starts, and then five times a second, a thread of its own
// rewrites it in place:
//   "quillstat: 1234 of 5678 files, 56.7 MB, 3.4 s"
// (files done, of those found so far; megabytes of 1,000,000 bytes of the
// files done; seconds since the start). A run that ends sooner never shows
// it. The line is cut to the terminal's width, as that is at each redraw,
// so that it never wraps. Nothing else may be written to the stream while
// it lives.
class progressLine {
 public:
  // Starts the clock and the thread that draws on `out`.
  explicit progressLine(std::ostream& out);
  // Stops the thread and erases the line if it was drawn.
  ~progressLine();
  progressLine(const progressLine&) = delete;
  progressLine& operator=(const progressLine&) = delete;

  // Takes the counts of the analysis manager's progress callback; safe from
  // several threads at once, in any order.
  void update(size_t filesDone, size_t filesFound, int64_t bytesDone);

 private:
  void drawUntilStopped();
  void draw(std::string text, size_t* width);

  std::ostream& out_;
  const std::chrono::steady_clock::time_point start_;
  std::mutex mutex_;
  std::condition_variable stopping_;
  bool stop_ = false;
  size_t filesDone_ = 0;
  size_t filesFound_ = 0;
  int64_t bytesDone_ = 0;
  std::thread drawer_;
};

// How wide the line on the terminal is now, 0 when none is drawn; safe to
// call from a signal handler, which blanks that many columns on an interrupt.
size_t progressLineWidth();

}  // namespace quillstat

#endif  // QUILLSTAT_UI_PROGRESS_LINE_H_
