#ifndef QUILLSTAT_ENGINE_IO_ERROR_H_
#define QUILLSTAT_ENGINE_IO_ERROR_H_

namespace quillstat {

// Why a file or directory could not be read or written: a kind that code may
// act on and, for a failure the system reported, its own error number (errno
// on POSIX, GetLastError() on Windows). The core never turns it into text;
// the front ends do (ui/error_text.h).
struct ioError {
  enum class kind : char {
    none,            // no failure
    notFound,        // no such file or directory
    accessDenied,    // the user may not
    isDirectory,     // a directory where a file was wanted
    notRegularFile,  // a FIFO, socket or device where a file was wanted
    other,           // anything else the system reported
    stopped,         // the caller asked the work to stop
  };

  kind what = kind::none;
  int systemCode = 0;  // 0 for what the program found itself

  bool failed() const { return what != kind::none; }
  bool operator==(const ioError&) const = default;
};

// The failure the system reported with the error number `code`, sorted into
// its kind by the platform part (io_error_<platform>.cpp).
ioError systemError(int code);

// Failures the program finds itself, by looking at a file's type.
inline constexpr ioError isDirectoryError{ioError::kind::isDirectory, 0};
inline constexpr ioError notRegularFileError{ioError::kind::notRegularFile, 0};
inline constexpr ioError stoppedError{ioError::kind::stopped, 0};

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_IO_ERROR_H_
