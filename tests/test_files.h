#ifndef QUILLSTAT_TESTS_TEST_FILES_H_
#define QUILLSTAT_TESTS_TEST_FILES_H_

#include <filesystem>
#include <set>
#include <string>

#include <gtest/gtest.h>

namespace quillstat {

// The running test's own directory, <temp>/quillstat_tests/<suite>.<test>,
// created if missing.
std::filesystem::path testDirectory();

// The same, created empty: whatever an earlier run left there is removed.
std::filesystem::path freshTestDirectory();

// The bytes of the file at `path`; empty when it cannot be read.
std::string readFile(const std::filesystem::path& path);

// Creates or replaces the file at `path` with `content`, and its directories.
void writeFile(const std::filesystem::path& path, const std::string& content);

// The names in the directory `directory`: a stray temporary file shows here.
std::set<std::string> namesIn(const std::filesystem::path& directory);

// Compares bytes; when they differ, names the first differing offset and
// shows the bytes around it.
testing::AssertionResult sameBytes(const std::string& actual, const std::string& expected);

}  // namespace quillstat

#endif  // QUILLSTAT_TESTS_TEST_FILES_H_
