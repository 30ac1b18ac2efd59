#ifndef QUILLSTAT_ENGINE_CLASSIC_REFEREE_H_
#define QUILLSTAT_ENGINE_CLASSIC_REFEREE_H_

#include <cstddef>

#include "engine/file_stats.h"

namespace quillstat {

// The straightforward scanners: one dispatch per byte on the state letter,
// each transition written as the language's table states it. They are the
// referee that the fast scanners are checked against (tests and benchmarks
// link them; the program does not). Each scans `length` bytes of content as a
// whole and returns the record with sizeFile = length and an empty name; a
// null buffer or a length of 0 gives the all-zero record.

// C++ and Java: "//" and "/* */" comments, double-quoted strings without
// escapes, ';' and '{' as statement marks.
fileStats classicRefereeScanCpp(const char* data, size_t length, bool includeFirstComment);

// Pascal: "//", "{ }" and "(* *)" comments, double-quoted strings, ';' as
// the only statement mark; a "(" waits one character for a "*".
fileStats classicRefereeScanDelphi(const char* data, size_t length, bool includeFirstComment);

// PHP: the C++ machine, but only between "<?" and the next "?>" met in code.
fileStats classicRefereeScanPhp(const char* data, size_t length, bool includeFirstComment);

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_CLASSIC_REFEREE_H_
