#ifndef QUILLSTAT_TESTS_TEST_FILES_H_
#define QUILLSTAT_TESTS_TEST_FILES_H_

#include <cstdint>
#include <filesystem>
#include <set>
#include <string>

#include <gtest/gtest.h>

namespace quillstat {

// The running test's own directory, <root>/<suite>.<test>, created if
// missing; the root is $QUILLSTAT_TEST_ROOT (the build tree's, set by
// ctest) or <temp>/quillstat_tests.
std::filesystem::path testDirectory();

// The same, created empty: whatever an earlier run left there is removed.
std::filesystem::path freshTestDirectory();

// The bytes of the file at `path`; empty when it cannot be read.
std::string readFile(const std::filesystem::path& path);

// Creates or replaces the file at `path` with `content`, and its directories;
// returns `path`.
std::filesystem::path writeFile(const std::filesystem::path& path, const std::string& content);

#ifndef _WIN32
// Creates a Unix socket at `path`, which then stays bound to nothing.
void makeSocket(const std::filesystem::path& path);
#endif

// The names in the directory `directory`: a stray temporary file shows here.
std::set<std::string> namesIn(const std::filesystem::path& directory);

// Compares bytes; when they differ, names the first differing offset and
// shows the bytes around it.
testing::AssertionResult sameBytes(const std::string& actual, const std::string& expected);

// An XML report holding `records`; one record of an XML or an HTML report,
// as the writer lays it out, with `name` as it appears in the file.
std::string xmlReport(const std::string& records);
std::string xmlRecord(const std::string& name, int64_t chars, int64_t size, int64_t comments,
                      int64_t lines, int64_t fixme, int64_t todo);
std::string htmlRecord(const std::string& name, int64_t chars, int64_t size, int64_t comments,
                       int64_t lines, int64_t fixme, int64_t todo);

}  // namespace quillstat

#endif  // QUILLSTAT_TESTS_TEST_FILES_H_
