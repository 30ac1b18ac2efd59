#ifndef QUILLSTAT_TESTS_ENGINE_TEST_UTIL_H_
#define QUILLSTAT_TESTS_ENGINE_TEST_UTIL_H_

#include <string>

#include "engine/file_stats.h"
#include "engine/file_system.h"
#include "engine/io_error.h"

namespace quillstat {

// A record as one short line, so that a table row reads like its expectation:
// "size=12 chars=4 code=8 comments=1 lines=1 todo=0 fixme=0".
std::string describe(const fileStats& stats);

// Reads the file at `path` from the machine's file system and scans it with
// the C++ scanner, as an analysis does; *error (when not null) says why it
// could not be read.
fileStats scanCppFile(const std::string& path, bool includeFirstComment,
                      ioError* error = nullptr, pathType type = pathType::unchecked);

// Writes `content` to a fresh file under the test's temporary directory and
// returns its path.
std::string writeTempFile(const std::string& name, const std::string& content);

}  // namespace quillstat

#endif  // QUILLSTAT_TESTS_ENGINE_TEST_UTIL_H_
