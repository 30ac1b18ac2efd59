#ifndef QUILLSTAT_ENGINE_EXACT_JAVA_SCAN_H_
#define QUILLSTAT_ENGINE_EXACT_JAVA_SCAN_H_

#include <cstddef>
#include <cstdint>

#include "engine/exact_java_states.h"
#include "engine/file_stats.h"
#include "engine/scan_frame.h"

namespace quillstat {

// The exact Java machine: "//" and "/* */" comments; strings and character
// literals with backslash escapes, each ended by its quote or by an
// unescaped line end; text blocks """...""". ';' and '{' in code are
// statement marks. Literal bytes count as code characters but, like strings
// in the classic rules, do not close a comment run. Unicode escapes (\u0022)
// are taken as they are written, not as the character they stand for.
//
// Content arrives in chunks of any size, one byte included, through feed();
// finish() then returns the same record as a scan of all the content at once.
// Runs that cannot change the state are skipped in bulk.
class exactJavaScanner {
 public:
  explicit exactJavaScanner(bool includeFirstComment) : frame_(includeFirstComment) {}

  // Scans the next `length` bytes of content. `data` need not outlive the call.
  void feed(const char* data, size_t length);

  // Closes the scan and returns the record, with sizeFile = `size` and an
  // empty name. The scanner is spent afterwards.
  fileStats finish(int64_t size);

 private:
  using State = exactJavaState;

  // Each handles bytes from p in its state and returns where it stopped;
  // each takes at least one byte or changes the state.
  // Slash, the block comment and the string and character literals take
  // the steps of exact_scan_steps.h.
  const unsigned char* code(const unsigned char* p, const unsigned char* end);
  const unsigned char* openQuote(const unsigned char* p);
  const unsigned char* emptyString(const unsigned char* p);
  const unsigned char* textBlock(const unsigned char* p, const unsigned char* end);
  const unsigned char* textBlockEscape(const unsigned char* p);
  const unsigned char* textQuote(const unsigned char* p);
  const unsigned char* lineComment(const unsigned char* p, const unsigned char* end);

  scanFrame frame_;
  State state_ = State::Code;
};

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_EXACT_JAVA_SCAN_H_
