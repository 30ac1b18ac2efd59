#ifndef QUILLSTAT_ENGINE_EXACT_C_SCAN_H_
#define QUILLSTAT_ENGINE_EXACT_C_SCAN_H_

#include <cstddef>
#include <cstdint>

#include "engine/exact_c_states.h"
#include "engine/file_stats.h"
#include "engine/scan_frame.h"

namespace quillstat {

// The exact C and C++ machine: "//" and "/* */" comments; strings and
// character literals with backslash escapes, each ended by its quote or by
// an unescaped line end; raw strings R"delim(...)delim" with their prefixes;
// digit separators (1'000); a backslash before a line end continues a line
// comment; in "#include <...>" the header name is a literal. Preprocessor
// lines are code. ';' and '{' in code are statement marks. Literal bytes
// count as code characters but, like strings in the classic rules, do not
// close a comment run.
//
// Content arrives in chunks of any size, one byte included, through feed();
// finish() then returns the same record as a scan of all the content at once.
// Runs that cannot change the state are skipped in bulk.
class exactCScanner {
 public:
  explicit exactCScanner(bool includeFirstComment) : frame_(includeFirstComment) {}

  // Scans the next `length` bytes of content. `data` need not outlive the call.
  void feed(const char* data, size_t length);

  // Closes the scan and returns the record, with sizeFile = `size` and an
  // empty name. The scanner is spent afterwards.
  fileStats finish(int64_t size);

 private:
  using State = exactCState;

  // Each handles bytes from p in its state and returns where it stopped;
  // each takes at least one byte or changes the state.
  // Slash, the comments but for LineComment and the literals but for raw
  // strings take the steps of exact_scan_steps.h.
  const unsigned char* code(const unsigned char* p, const unsigned char* end);
  const unsigned char* rawDelimiter(const unsigned char* p);
  const unsigned char* rawBody(const unsigned char* p, const unsigned char* end);
  const unsigned char* rawClose(const unsigned char* p);
  const unsigned char* directive(const unsigned char* p);
  const unsigned char* includeLine(const unsigned char* p);
  const unsigned char* headerName(const unsigned char* p, const unsigned char* end);
  const unsigned char* lineComment(const unsigned char* p, const unsigned char* end);
  const unsigned char* lineBackslash(const unsigned char* p);

  // A quote met in code at p: opens a literal or, for an apostrophe after a
  // number, is a digit separator. Returns one past it.
  const unsigned char* quote(const unsigned char* p);

  // What the bytes before p are, this chunk's and the earlier ones': the run
  // of token bytes that ends at p, and whether only blanks stand between
  // the last line end (or the start of the content) and p. runBefore() must
  // be asked about places in increasing order.
  tokenRun runBefore(const unsigned char* p);
  bool lineStartBefore(const unsigned char* p) const;

  scanFrame frame_;
  State state_ = State::Code;
  const unsigned char* runAnchor_ = nullptr;  // the last place runBefore() was asked about
  tokenRun anchorRun_;                        // its answer; at a chunk's start, the run
                                              // that ended the chunk before
  bool carriedLineStart_ = true;              // lineStartBefore() at the end of the last chunk
  int matched_ = 0;                // Directive: letters of "include"; RawClose: delimiter bytes
  int delimiterLength_ = 0;
  unsigned char delimiter_[kMaxRawDelimiter] = {};
};

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_EXACT_C_SCAN_H_
