#include "faulty_file_system.h"

namespace quillstat {

namespace {

bool failWith(ioError* error, int code) {
  *error = systemError(code);
  return false;
}

}  // namespace

void faultyFileSystem::at(const std::string& path, int when, std::function<int()> hook) {
  std::lock_guard<std::mutex> lock(mutex_);
  hooks_[{path, when}] = std::move(hook);
}

void faultyFileSystem::fakeListing(const std::string& path, std::vector<directoryEntry> entries) {
  std::lock_guard<std::mutex> lock(mutex_);
  listings_[path] = std::move(entries);
}

int faultyFileSystem::runHook(const std::string& path, int when) {
  std::function<int()> hook;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    auto found = hooks_.find({path, when});
    if (found == hooks_.end()) return 0;
    hook = std::move(found->second);
    hooks_.erase(found);
  }
  return hook();  // unlocked: a hook changes files that other workers may be reading
}

bool faultyFileSystem::openFile(const std::string& path, pathType type, intptr_t* handle,
                                int64_t* size, ioError* error) {
  if (int code = runHook(path, kOpen)) return failWith(error, code);
  if (!machineFileSystem().openFile(path, type, handle, size, error)) return false;
  std::lock_guard<std::mutex> lock(mutex_);
  open_[*handle] = {path, 0};
  return true;
}

bool faultyFileSystem::readFile(intptr_t handle, char* into, size_t capacity, size_t* got,
                                ioError* error) {
  std::pair<std::string, int> file;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    file = open_.at(handle);
    ++open_.at(handle).second;
  }
  if (int code = runHook(file.first, file.second)) return failWith(error, code);
  return machineFileSystem().readFile(handle, into, capacity, got, error);
}

void faultyFileSystem::closeFile(intptr_t handle) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    open_.erase(handle);
  }
  machineFileSystem().closeFile(handle);
}

bool faultyFileSystem::listDirectory(const std::string& path,
                                     std::vector<directoryEntry>* entries, ioError* error) {
  if (int code = runHook(path, kList)) {
    entries->clear();
    return failWith(error, code);
  }
  {
    std::lock_guard<std::mutex> lock(mutex_);
    auto fake = listings_.find(path);
    if (fake != listings_.end()) {
      *entries = fake->second;
      return true;
    }
  }
  return machineFileSystem().listDirectory(path, entries, error);
}

}  // namespace quillstat
