#ifndef QUILLSTAT_UI_GIT_TREE_H_
#define QUILLSTAT_UI_GIT_TREE_H_

#include <map>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

#include "engine/file_system.h"
#include "ui/git_process.h"

namespace quillstat {

// The tree of one revision of a git repository, read from git's object
// store through the git program (`git ls-tree`, `git cat-file --batch`)
// without a checkout: the work tree and the index are never touched. It
// serves an analysis as a file system whose directory is the one it was
// opened with, so a walk of that directory walks the revision's tree of it.
// Only regular files are in it: symbolic links and submodules are not.
class gitTree : public fileSystem {
 public:
  // Lists the tree of `revision` ("v1.2", "HEAD~3", an object name) below
  // `directory`, a directory of a git work tree. Returns false with the
  // reason in *error when git cannot be run, or ends with a failure (its
  // own words are on stderr then).
  bool open(const std::string& directory, const std::string& revision, std::string* error);

  bool openFile(const std::string& path, pathType type, intptr_t* handle, int64_t* size,
                ioError* error) override;
  bool readFile(intptr_t handle, char* into, size_t capacity, size_t* got,
                ioError* error) override;
  void closeFile(intptr_t handle) override;
  bool listDirectory(const std::string& path, std::vector<directoryEntry>* entries,
                     ioError* error) override;

 private:
  // `path` as a path in the tree ("" for its top, "a/b"), or false when it
  // is not below the directory.
  bool inTree(const std::string& path, std::string* relative) const;

  struct openBlob {
    std::string content;
    size_t offset = 0;
  };

  std::string directory_;
  std::string prefix_;  // the directory with its separator, as a walk joins names to it
  std::map<std::string, std::vector<directoryEntry>> directories_;
  std::unordered_map<std::string, std::string> blobs_;  // path -> object name
  std::mutex mutex_;  // for the reader and the open blobs, used from the analysis' threads
  gitProcess reader_;  // git cat-file --batch
  std::unordered_map<intptr_t, openBlob> open_;
  intptr_t nextHandle_ = 1;
};

}  // namespace quillstat

#endif  // QUILLSTAT_UI_GIT_TREE_H_
