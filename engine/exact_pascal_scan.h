#ifndef QUILLSTAT_ENGINE_EXACT_PASCAL_SCAN_H_
#define QUILLSTAT_ENGINE_EXACT_PASCAL_SCAN_H_

#include <cstddef>
#include <cstdint>

#include "engine/exact_pascal_states.h"
#include "engine/file_stats.h"
#include "engine/scan_frame.h"

namespace quillstat {

// The exact Delphi and Pascal machine: "{ }", "(* *)" and "//" comments,
// which do not nest; "{$...}" and "(*$...*)" are compiler directives, code
// that holds no comment, no word and no statement mark; '...' strings with
// '' for a quote, ended by their quote or by the line end; "#13" and '"' are
// plain code. ';' in code is the statement mark. Literal and directive bytes
// count as code characters but, like strings in the classic rules, do not
// close a comment run.
//
// Content arrives in chunks of any size, one byte included, through feed();
// finish() then returns the same record as a scan of all the content at once.
// Runs that cannot change the state are skipped in bulk.
class exactPascalScanner {
 public:
  explicit exactPascalScanner(bool includeFirstComment) : frame_(includeFirstComment) {}

  // Scans the next `length` bytes of content. `data` need not outlive the call.
  void feed(const char* data, size_t length);

  // Closes the scan and returns the record, with sizeFile = `size` and an
  // empty name. The scanner is spent afterwards.
  fileStats finish(int64_t size);

 private:
  using State = exactPascalState;

  // Each handles bytes from p in its state and returns where it stopped;
  // each takes at least one byte or changes the state. The (* *) comment
  // takes the steps of exact_scan_steps.h.
  const unsigned char* code(const unsigned char* p, const unsigned char* end);
  const unsigned char* slash(const unsigned char* p);
  const unsigned char* braceOpen(const unsigned char* p);
  const unsigned char* braceComment(const unsigned char* p, const unsigned char* end);
  const unsigned char* braceDirective(const unsigned char* p, const unsigned char* end);
  const unsigned char* paren(const unsigned char* p);
  const unsigned char* parenOpen(const unsigned char* p);
  const unsigned char* parenDirective(const unsigned char* p, const unsigned char* end);
  const unsigned char* parenDirectiveStar(const unsigned char* p);
  const unsigned char* string(const unsigned char* p, const unsigned char* end);
  const unsigned char* stringQuote(const unsigned char* p);
  const unsigned char* lineComment(const unsigned char* p, const unsigned char* end);

  scanFrame frame_;
  State state_ = State::Code;
};

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_EXACT_PASCAL_SCAN_H_
