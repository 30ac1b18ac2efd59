#include <windows.h>

#include "engine/io_error.h"

namespace quillstat {

ioError systemError(int code) {
  switch (static_cast<DWORD>(code)) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
    case ERROR_DIRECTORY:  // a file where a directory was wanted, like ENOTDIR
      return {ioError::kind::notFound, code};
    case ERROR_ACCESS_DENIED:
    case ERROR_PRIVILEGE_NOT_HELD:
      return {ioError::kind::accessDenied, code};
    default:
      return {ioError::kind::other, code};
  }
}

}  // namespace quillstat
