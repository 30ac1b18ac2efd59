#include <cerrno>
#include <climits>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include <unistd.h>

#include "ui/window_program.h"

namespace quillstat {

namespace {

bool environmentSet(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0';
}

// The directory of this program's executable, with its '/', or "" when it
// cannot be told.
std::string ownDirectory(const char* argv0) {
  std::string path(PATH_MAX, '\0');
  ssize_t length = readlink("/proc/self/exe", path.data(), path.size());
  if (length > 0 && static_cast<size_t>(length) < path.size()) {
    path.resize(static_cast<size_t>(length));
  } else {
    path = argv0 != nullptr ? argv0 : "";  // a path when the shell found it by one
  }
  size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace

bool windowSystemAvailable() {
  if (environmentSet("QT_QPA_PLATFORM")) {
    std::string_view platform = std::getenv("QT_QPA_PLATFORM");
    if (!platform.starts_with("xcb") && !platform.starts_with("wayland")) return true;
  }
  return environmentSet("DISPLAY") || environmentSet("WAYLAND_DISPLAY");
}

ioError startWindowProgram(int argc, char** argv) {
  const std::string directory = ownDirectory(argc > 0 ? argv[0] : nullptr);
  if (directory.empty()) return systemError(ENOENT);
  std::string program = directory + windowProgramName;
  std::vector<char*> arguments{program.data()};
  for (int i = 1; i < argc; ++i) arguments.push_back(argv[i]);
  arguments.push_back(nullptr);
  execv(program.c_str(), arguments.data());
  return systemError(errno);
}

}  // namespace quillstat
