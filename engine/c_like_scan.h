#ifndef QUILLSTAT_ENGINE_C_LIKE_SCAN_H_
#define QUILLSTAT_ENGINE_C_LIKE_SCAN_H_

#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/file_stats.h"
#include "engine/scan_frame.h"
#include "engine/scan_states.h"
#include "engine/word_places.h"

namespace quillstat {

// The machine that C++, Java and PHP share: "//" and "/* */" comments,
// double-quoted strings without escapes, ';' and '{' as statement marks.
// With PhpTags the scan starts outside the tags: "<?" enters code and "?>"
// met in code leaves it again.
//
// Content arrives in chunks of any size, one byte included, through feed();
// finish() then returns the same record as a scan of all the content at once.
// Runs that cannot change the state are skipped in bulk.
template <bool PhpTags>
class cLikeScanner {
 public:
  // With `places`, the counted words' places are appended to it (see
  // word_places.h); it must outlive the scanner.
  explicit cLikeScanner(bool includeFirstComment, std::vector<wordPlace>* places = nullptr)
      : frame_(includeFirstComment, places) {}

  // Scans the next `length` bytes of content. `data` need not outlive the call.
  void feed(const char* data, size_t length);

  // Closes the scan and returns the record, with sizeFile = `size` and an
  // empty name. The scanner is spent afterwards.
  fileStats finish(int64_t size);

 private:
  using State = cLikeState;


  // Each handles bytes from p in its state and returns where it stopped;
  // each takes at least one byte or changes the state.
  const unsigned char* code(const unsigned char* p, const unsigned char* end);
  const unsigned char* slash(const unsigned char* p);
  const unsigned char* blockComment(const unsigned char* p, const unsigned char* end);
  const unsigned char* blockStar(const unsigned char* p);
  const unsigned char* string(const unsigned char* p, const unsigned char* end);
  const unsigned char* lineComment(const unsigned char* p, const unsigned char* end);
  const unsigned char* outside(const unsigned char* p, const unsigned char* end);
  const unsigned char* tagOpen(const unsigned char* p);
  const unsigned char* tagClose(const unsigned char* p);

  scanFrame frame_;
  State state_ = PhpTags ? State::Outside : State::Code;
};

extern template class cLikeScanner<false>;
extern template class cLikeScanner<true>;

using cppScanner = cLikeScanner<false>;  // C++ and Java
using phpScanner = cLikeScanner<true>;

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_C_LIKE_SCAN_H_
