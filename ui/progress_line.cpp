#include "ui/progress_line.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <string>

#include "ui/terminal.h"

namespace quillstat {

namespace {

using clock = std::chrono::steady_clock;

constexpr auto kFirstDraw = std::chrono::seconds(1);

// The width of the line on screen, for an interrupt's handler.
std::atomic<size_t> shownWidth{0};
static_assert(std::atomic<size_t>::is_always_lock_free, "read in a signal handler");
constexpr auto kRedraw = std::chrono::milliseconds(200);

// "1234 of 5678 files, 56.7 MB, 3.4 s"
std::string progressText(size_t done, size_t found, int64_t bytes, clock::duration elapsed) {
  char text[128];
  const double seconds = std::chrono::duration<double>(elapsed).count();
  std::snprintf(text, sizeof text, "quillstat: %zu of %zu files, %.1f MB, %.1f s", done, found,
                static_cast<double>(bytes) / 1e6, seconds);
  return text;
}

}  // namespace

progressLine::progressLine(std::ostream& out)
    : out_(out), start_(clock::now()), drawer_(&progressLine::drawUntilStopped, this) {}

progressLine::~progressLine() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stop_ = true;
  }
  stopping_.notify_one();
  drawer_.join();
}

void progressLine::update(size_t filesDone, size_t filesFound, int64_t bytesDone) {
  // Workers call outside the pool's lock, so an older count may arrive after
  // a newer one; every count only grows.
  std::lock_guard<std::mutex> lock(mutex_);
  filesDone_ = std::max(filesDone_, filesDone);
  filesFound_ = std::max(filesFound_, filesFound);
  bytesDone_ = std::max(bytesDone_, bytesDone);
}

void progressLine::drawUntilStopped() {
  size_t width = 0;  // of the line on screen, 0 before the first draw
  std::unique_lock<std::mutex> lock(mutex_);
  auto next = start_ + kFirstDraw;
  while (!stopping_.wait_until(lock, next, [this] { return stop_; })) {
    std::string text = progressText(filesDone_, filesFound_, bytesDone_, clock::now() - start_);
    lock.unlock();
    draw(std::move(text), &width);
    next = clock::now() + kRedraw;
    lock.lock();
  }
  if (width > 0) out_ << '\r' << std::string(width, ' ') << '\r' << std::flush;
  shownWidth.store(0);
}

// Blanks cover what a longer line left; no escape sequences, which not every
// terminal knows. The last column stays free: a character there makes some
// terminals wrap.
void progressLine::draw(std::string text, size_t* width) {
  const size_t columns = terminalColumns();
  if (columns > 0) *width = std::min(*width, columns - 1);
  if (columns > 0 && text.size() > columns - 1) text.resize(columns - 1);
  if (text.size() < *width) text.append(*width - text.size(), ' ');
  *width = text.size();
  shownWidth.store(*width);
  out_ << '\r' << text << std::flush;
}

size_t progressLineWidth() { return shownWidth.load(); }

}  // namespace quillstat
