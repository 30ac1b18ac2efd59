#include "engine/file_system.h"

#include <atomic>

namespace quillstat {

namespace {

std::atomic<fileSystem*>& current() {
  static std::atomic<fileSystem*> active{&machineFileSystem()};
  return active;
}

}  // namespace

fileSystem& inputFileSystem() { return *current().load(std::memory_order_acquire); }

fileSystem* replaceInputFileSystem(fileSystem* replacement) {
  return current().exchange(replacement, std::memory_order_acq_rel);
}

}  // namespace quillstat
