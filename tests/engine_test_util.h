#ifndef QUILLSTAT_TESTS_ENGINE_TEST_UTIL_H_
#define QUILLSTAT_TESTS_ENGINE_TEST_UTIL_H_

#include <initializer_list>
#include <string>

#include "engine/file_stats.h"
#include "engine/scanner.h"

namespace quillstat {

// A record as one short line, so that a table row reads like its expectation:
// "size=12 chars=4 code=8 comments=1 marks=1 todo=0 fixme=0", and, where the
// record has lines, " | lines=2 blank=0 comment=1 code=1" after it.
std::string describe(const fileStats& stats);

// One row of a scanner's table: a buffer, includeFirstComment, and the
// record it gives, described.
struct scanCase {
  std::string content;
  bool includeFirstComment;
  std::string expected;
};

// Scans each row's buffer at once with `scan` and checks the record.
void expectScans(const scanner& scan, std::initializer_list<scanCase> cases);

}  // namespace quillstat

#endif  // QUILLSTAT_TESTS_ENGINE_TEST_UTIL_H_
