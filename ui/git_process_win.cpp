#include "ui/git_process.h"

namespace quillstat {

// Revisions are read on POSIX systems only for now: the Windows build says
// so rather than half working.
gitProcess::~gitProcess() = default;

bool gitProcess::start(const std::string&, const std::vector<std::string>&, std::string* error) {
  *error = "reading a git revision is not available in the Windows build";
  return false;
}

bool gitProcess::send(std::string_view) { return false; }

bool gitProcess::receive(char*, size_t, size_t* got) {
  *got = 0;
  return false;
}

int gitProcess::finish() { return -1; }

}  // namespace quillstat
