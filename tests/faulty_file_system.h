#ifndef QUILLSTAT_TESTS_FAULTY_FILE_SYSTEM_H_
#define QUILLSTAT_TESTS_FAULTY_FILE_SYSTEM_H_

#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "engine/file_system.h"

namespace quillstat {

// The machine's file system with faults injected at named paths (the path
// exactly as the analysis passes it), for an analysis to read through. Safe
// to use from several workers at once.
class faultyFileSystem : public fileSystem {
 public:
  // The moments a hook may run at: before the open of a file, before the
  // listing of a directory, or (0, 1, ...) before that read of an open file.
  static constexpr int kOpen = -1;
  static constexpr int kList = -2;

  // `hook` runs once, at `when` on `path`; when it returns an errno value
  // other than 0, that call fails with it.
  void at(const std::string& path, int when, std::function<int()> hook);
  // The call at `when` on `path` fails once with the errno value `code`.
  void fail(const std::string& path, int when, int code) {
    at(path, when, [code] { return code; });
  }

  // Lists the directory `path` as `entries`, in their order, from now on,
  // whether it exists or not (for kinds of entry that a test cannot make).
  void fakeListing(const std::string& path, std::vector<directoryEntry> entries);

  bool openFile(const std::string& path, pathType type, intptr_t* handle, int64_t* size,
                ioError* error) override;
  bool readFile(intptr_t handle, char* into, size_t capacity, size_t* got,
                ioError* error) override;
  void closeFile(intptr_t handle) override;
  bool listDirectory(const std::string& path, std::vector<directoryEntry>* entries,
                     ioError* error) override;

 private:
  // Runs and forgets the hook due at `when` on `path`; returns its errno value.
  int runHook(const std::string& path, int when);

  std::mutex mutex_;
  std::map<std::pair<std::string, int>, std::function<int()>> hooks_;
  std::map<intptr_t, std::pair<std::string, int>> open_;  // path and reads so far
  std::map<std::string, std::vector<directoryEntry>> listings_;
};

}  // namespace quillstat

#endif  // QUILLSTAT_TESTS_FAULTY_FILE_SYSTEM_H_
