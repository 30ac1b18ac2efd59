#include <cerrno>
#include <cstring>

#include "ui/error_text.h"

namespace quillstat {

std::string systemErrorText(int systemCode) { return std::strerror(systemCode); }

bool meansNotADirectory(int systemCode) { return systemCode == ENOTDIR; }

}  // namespace quillstat
