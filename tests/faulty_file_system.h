#ifndef QUILLSTAT_TESTS_FAULTY_FILE_SYSTEM_H_
#define QUILLSTAT_TESTS_FAULTY_FILE_SYSTEM_H_

#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "engine/file_system.h"

namespace quillstat {

// The machine's file system with faults injected at named paths (the path
// exactly as the analysis passes it), for an analysis to read through. Safe
// to use from several workers at once.
class faultyFileSystem : public fileSystem {
 public:
  // Opening `path` fails with the errno value `code`.
  void failOpen(const std::string& path, int code);
  // Listing the directory `path` fails with `code`.
  void failList(const std::string& path, int code);
  // The first `reads` reads of `path` succeed; the next one fails with `code`.
  void failRead(const std::string& path, int reads, int code);
  // `action` runs once, after `reads` reads of `path` (0: after its open).
  void afterReads(const std::string& path, int reads, std::function<void()> action);
  // `action` runs once, just before `path` is opened.
  void beforeOpen(const std::string& path, std::function<void()> action);

  bool openFile(const std::string& path, pathType type, intptr_t* handle, int64_t* size,
                ioError* error) override;
  bool readFile(intptr_t handle, char* into, size_t capacity, size_t* got,
                ioError* error) override;
  void closeFile(intptr_t handle) override;
  bool listDirectory(const std::string& path, std::vector<directoryEntry>* entries,
                     ioError* error) override;

 private:
  struct faults {
    int openError = 0;
    int listError = 0;
    int readErrorAfter = -1;  // reads that succeed before the failing one; -1: none fails
    int readError = 0;
    int actionAfter = -1;
    std::function<void()> action;
    std::function<void()> beforeOpen;
  };
  struct openRecord {
    std::string path;
    int reads = 0;
  };

  // The action due after `reads` reads of `path`, taken so that it runs once.
  std::function<void()> takeAction(const std::string& path, int reads);

  std::mutex mutex_;
  std::map<std::string, faults> faults_;
  std::map<intptr_t, openRecord> open_;
};

}  // namespace quillstat

#endif  // QUILLSTAT_TESTS_FAULTY_FILE_SYSTEM_H_
