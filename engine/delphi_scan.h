#ifndef QUILLSTAT_ENGINE_DELPHI_SCAN_H_
#define QUILLSTAT_ENGINE_DELPHI_SCAN_H_

#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/file_stats.h"
#include "engine/scan_frame.h"
#include "engine/scan_states.h"
#include "engine/word_places.h"

namespace quillstat {

// The Pascal machine: "//", "{ }" and "(* *)" comments, double-quoted strings
// without escapes, ';' as the only statement mark; a "(" waits one character
// for a "*", and the todo/fixme words count in all three comment forms.
//
// Content arrives in chunks of any size, one byte included, through feed();
// finish() then returns the same record as a scan of all the content at once.
// Runs that cannot change the state are skipped in bulk.
class delphiScanner {
 public:
  // With `places`, the counted words' places are appended to it (see
  // word_places.h); it must outlive the scanner.
  explicit delphiScanner(bool includeFirstComment, std::vector<wordPlace>* places = nullptr)
      : frame_(includeFirstComment, places) {}

  // Scans the next `length` bytes of content. `data` need not outlive the call.
  void feed(const char* data, size_t length);

  // Closes the scan and returns the record, with sizeFile = `size` and an
  // empty name. The scanner is spent afterwards.
  fileStats finish(int64_t size) { return frame_.counter.finish(size); }

 private:
  using State = delphiState;


  // Each handles bytes from p in its state and returns where it stopped;
  // each takes at least one byte or changes the state.
  const unsigned char* code(const unsigned char* p, const unsigned char* end);
  const unsigned char* slash(const unsigned char* p);
  const unsigned char* braceComment(const unsigned char* p, const unsigned char* end);
  const unsigned char* paren(const unsigned char* p);
  const unsigned char* string(const unsigned char* p, const unsigned char* end);
  const unsigned char* parenComment(const unsigned char* p, const unsigned char* end);
  const unsigned char* lineComment(const unsigned char* p, const unsigned char* end);
  const unsigned char* parenStar(const unsigned char* p);

  scanFrame frame_;
  State state_ = State::Code;
};

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_DELPHI_SCAN_H_
