#include "faulty_file_system.h"

#include <utility>

namespace quillstat {

namespace {

bool fail(ioError* error, int code) {
  *error = systemError(code);
  return false;
}

}  // namespace

void faultyFileSystem::failOpen(const std::string& path, int code) {
  faults_[path].openError = code;
}

void faultyFileSystem::failList(const std::string& path, int code) {
  faults_[path].listError = code;
}

void faultyFileSystem::failRead(const std::string& path, int reads, int code) {
  faults_[path].readErrorAfter = reads;
  faults_[path].readError = code;
}

void faultyFileSystem::afterReads(const std::string& path, int reads,
                                  std::function<void()> action) {
  faults_[path].actionAfter = reads;
  faults_[path].action = std::move(action);
}

void faultyFileSystem::beforeOpen(const std::string& path, std::function<void()> action) {
  faults_[path].beforeOpen = std::move(action);
}

std::function<void()> faultyFileSystem::takeAction(const std::string& path, int reads) {
  std::lock_guard<std::mutex> lock(mutex_);
  auto found = faults_.find(path);
  if (found == faults_.end() || found->second.actionAfter != reads) return {};
  return std::exchange(found->second.action, {});
}

bool faultyFileSystem::openFile(const std::string& path, pathType type, intptr_t* handle,
                                int64_t* size, ioError* error) {
  std::function<void()> before;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    auto found = faults_.find(path);
    if (found != faults_.end()) {
      if (found->second.openError != 0) return fail(error, found->second.openError);
      before = std::exchange(found->second.beforeOpen, {});
    }
  }
  if (before) before();
  if (!machineFileSystem().openFile(path, type, handle, size, error)) return false;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    open_[*handle] = {path, 0};
  }
  if (auto action = takeAction(path, 0)) action();
  return true;
}

bool faultyFileSystem::readFile(intptr_t handle, char* into, size_t capacity, size_t* got,
                                ioError* error) {
  std::string path;
  int reads = 0;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    openRecord& file = open_.at(handle);
    path = file.path;
    reads = file.reads++;
    auto found = faults_.find(path);
    if (found != faults_.end() && found->second.readErrorAfter == reads) {
      return fail(error, found->second.readError);
    }
  }
  if (!machineFileSystem().readFile(handle, into, capacity, got, error)) return false;
  if (auto action = takeAction(path, reads + 1)) action();
  return true;
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
  {
    std::lock_guard<std::mutex> lock(mutex_);
    auto found = faults_.find(path);
    if (found != faults_.end() && found->second.listError != 0) {
      entries->clear();
      return fail(error, found->second.listError);
    }
  }
  return machineFileSystem().listDirectory(path, entries, error);
}

}  // namespace quillstat
