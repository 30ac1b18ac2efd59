#ifndef QUILLSTAT_UI_ERROR_TEXT_H_
#define QUILLSTAT_UI_ERROR_TEXT_H_

#include <string>

#include "engine/io_error.h"

namespace quillstat {

// The message for `error`, as the front ends print it: the system's own text
// for a failure it reported ("No such file or directory"), "is a directory"
// or "not a regular file" for what the program found itself. Call it from
// one thread at a time (the platform part may use a shared buffer).
std::string errorText(const ioError& error);

}  // namespace quillstat

#endif  // QUILLSTAT_UI_ERROR_TEXT_H_
