#ifndef QUILLSTAT_ENGINE_EXACT_REFERENCE_SCAN_H_
#define QUILLSTAT_ENGINE_EXACT_REFERENCE_SCAN_H_

#include <cstddef>

#include "engine/file_stats.h"

namespace quillstat {

// The straightforward exact scanners, the referee for the fast ones (see
// exact_c_scan.h and its siblings for the rules): one dispatch per byte on
// the state letter, over the whole content at once. Linked by the tests,
// fuzzers and benchmarks, never by the program. Each scans `length` bytes of
// content and returns the record with sizeFile = length and an empty name; a
// null buffer or a length of 0 gives the all-zero record.
fileStats referenceScanExactC(const char* data, size_t length, bool includeFirstComment);
fileStats referenceScanExactJava(const char* data, size_t length, bool includeFirstComment);
fileStats referenceScanExactPascal(const char* data, size_t length, bool includeFirstComment);
fileStats referenceScanExactPhp(const char* data, size_t length, bool includeFirstComment);

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_EXACT_REFERENCE_SCAN_H_
