#ifndef QUILLSTAT_ENGINE_EXACT_REFERENCE_H_
#define QUILLSTAT_ENGINE_EXACT_REFERENCE_H_

#include <cstddef>

#include "engine/exact_rules.h"
#include "engine/file_stats.h"

namespace quillstat {

// The referee of the exact machine (exact_scanner.h): the same row of rules
// read plainly, one byte at a time, with the whole content at hand, and
// written apart from the machine so that each checks the other. Linked by
// the tests, fuzzers and benchmarks, never by the program. Scans `length`
// bytes of content and returns the record with sizeFile = length and an
// empty name; a null buffer or a length of 0 gives the all-zero record.
fileStats referenceScanExact(const exactRules& rules, const char* data, size_t length,
                             bool includeFirstComment);

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_EXACT_REFERENCE_H_
