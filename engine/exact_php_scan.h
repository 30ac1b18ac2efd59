#ifndef QUILLSTAT_ENGINE_EXACT_PHP_SCAN_H_
#define QUILLSTAT_ENGINE_EXACT_PHP_SCAN_H_

#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/exact_php_states.h"
#include "engine/file_stats.h"
#include "engine/scan_frame.h"

namespace quillstat {

// The exact PHP machine. Only what stands between "<?" (so "<?php" and
// "<?=" too) and "?>" is PHP; the tags and everything outside count
// nowhere. Inside: "//", "#" and "/* */" comments, "#[" starting an
// attribute, not a comment; a "?>" ends a "//" or "#" comment and PHP with
// it, but not a block comment or a string; '...', "..." and `...` strings
// with backslash escapes, which may span lines; heredocs <<<ID and
// <<<"ID" and nowdocs <<<'ID', closed by their label at a line's start,
// after blanks, where no label byte follows it. ';' and '{' in code are
// statement marks. Literal bytes count as code characters but, like strings
// in the classic rules, do not close a comment run.
//
// Content arrives in chunks of any size, one byte included, through feed();
// finish() then returns the same record as a scan of all the content at once.
// Runs that cannot change the state are skipped in bulk.
class exactPhpScanner {
 public:
  explicit exactPhpScanner(bool includeFirstComment) : frame_(includeFirstComment) {}

  // Scans the next `length` bytes of content. `data` need not outlive the call.
  void feed(const char* data, size_t length);

  // Closes the scan and returns the record, with sizeFile = `size` and an
  // empty name. The scanner is spent afterwards.
  fileStats finish(int64_t size);

 private:
  using State = exactPhpState;

  // Each handles bytes from p in its state and returns where it stopped;
  // each takes at least one byte or changes the state. Slash, the block
  // comment and the strings take the steps of exact_scan_steps.h.
  const unsigned char* outside(const unsigned char* p, const unsigned char* end);
  const unsigned char* tagOpen(const unsigned char* p);
  const unsigned char* code(const unsigned char* p, const unsigned char* end);
  const unsigned char* question(const unsigned char* p);
  const unsigned char* hash(const unsigned char* p);
  const unsigned char* less(const unsigned char* p);
  const unsigned char* lineComment(const unsigned char* p, const unsigned char* end);
  const unsigned char* lineQuestion(const unsigned char* p);
  const unsigned char* heredocStart(const unsigned char* p);
  const unsigned char* heredocLabel(const unsigned char* p);
  // HeredocHeader and HeredocBody: both run to the line end.
  const unsigned char* heredocLine(const unsigned char* p, const unsigned char* end);
  const unsigned char* heredocLineStart(const unsigned char* p);
  const unsigned char* heredocLabelEnd(const unsigned char* p);

  scanFrame frame_;
  State state_ = State::Outside;
  int lessCount_ = 0;            // Less: how many "<" in a row
  unsigned char labelQuote_ = 0; // the quote around the heredoc label, or 0
  std::string label_;            // of the heredoc being read
  size_t matched_ = 0;           // HeredocLineStart: label bytes matched
};

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_EXACT_PHP_SCAN_H_
