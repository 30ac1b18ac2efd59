#ifndef QUILLSTAT_ENGINE_C_LIKE_SCAN_H_
#define QUILLSTAT_ENGINE_C_LIKE_SCAN_H_

#include <cstddef>

#include "engine/file_stats.h"

namespace quillstat {

// The machine that C++, Java and PHP share: "//" and "/* */" comments,
// double-quoted strings without escapes, ';' and '{' as statement marks.
// With phpTags the scan starts outside the tags: "<?" enters code and "?>"
// met in code leaves it again.
fileStats scanCLike(const unsigned char* data, size_t length, bool includeFirstComment,
                    bool phpTags);

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_C_LIKE_SCAN_H_
