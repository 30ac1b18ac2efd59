#ifndef QUILLSTAT_ENGINE_WINDOWS_API_H_
#define QUILLSTAT_ENGINE_WINDOWS_API_H_

// What every *_win.cpp file shares: paths are UTF-8 inside the program and
// UTF-16 at the Windows API. Built on Windows only.

#include <string>
#include <string_view>

namespace quillstat {

// UTF-16 of `utf8`. A three-byte sequence that fromWide made for a lone
// surrogate becomes that surrogate again, so a name the system lists opens
// by the path made from it even when it is no valid UTF-16; any other
// invalid byte becomes U+FFFD.
std::wstring toWide(std::string_view utf8);

// UTF-8 of `wide`. A lone surrogate is encoded like any other code point, in
// three bytes that a strict UTF-8 decoder (the report's) takes as invalid.
std::string fromWide(std::wstring_view wide);

// The path that the wide API takes for `path`: absolute, its separators '\\'
// and prefixed with "\\?\" (or "\\?\UNC\" for "\\server\share\..."), which
// lifts the 260-character limit and turns off the system's renaming of
// the last part: "nul.cpp" and "COM1" name files, not devices, and a
// trailing dot or blank stays. A path that already starts with "\\?\" or
// "\\.\" is kept as it is. Empty, with the reason in GetLastError(), when
// the path cannot be made absolute.
std::wstring systemPath(const std::string& path);

// Whether `path` names a device by the system's rules ("NUL", "CON",
// "COM1", "\\.\pipe\x"), as an output's name is read: a report may go
// there, as to /dev/null on POSIX.
bool namesDevice(const std::string& path);

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_WINDOWS_API_H_
