#include <cstring>

#include "ui/error_text.h"

namespace quillstat {

std::string errorText(const ioError& error) {
  if (error.systemCode != 0) return std::strerror(error.systemCode);
  switch (error.what) {
    case ioError::kind::isDirectory: return "is a directory";
    case ioError::kind::notRegularFile: return "not a regular file";
    default: return "";
  }
}

}  // namespace quillstat
