#include <cerrno>

#include "engine/io_error.h"

namespace quillstat {

ioError systemError(int code) {
  switch (code) {
    case ENOENT:
    case ENOTDIR: return {ioError::kind::notFound, code};
    case EACCES:
    case EPERM: return {ioError::kind::accessDenied, code};
    case EISDIR: return {ioError::kind::isDirectory, code};
    default: return {ioError::kind::other, code};
  }
}

}  // namespace quillstat
