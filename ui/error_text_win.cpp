#include <windows.h>

#include "engine/windows_api.h"
#include "ui/error_text.h"

namespace quillstat {

namespace {

// The system's text for a GetLastError() code, in English like the program's
// own messages when the system has it, without the final period and line end.
std::string systemText(DWORD code) {
  constexpr DWORD kFlags = FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                           FORMAT_MESSAGE_IGNORE_INSERTS;
  wchar_t* text = nullptr;
  for (DWORD language : {DWORD{MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US)}, DWORD{0}}) {
    if (FormatMessageW(kFlags, nullptr, code, language, reinterpret_cast<wchar_t*>(&text), 0,
                       nullptr) != 0) {
      break;
    }
  }
  if (text == nullptr) return "system error " + std::to_string(code);
  std::string message = fromWide(text);
  LocalFree(text);
  while (!message.empty() && (message.back() == '\n' || message.back() == '\r' ||
                              message.back() == '.' || message.back() == ' ')) {
    message.pop_back();
  }
  return message;
}

}  // namespace

std::string systemErrorText(int systemCode) { return systemText(static_cast<DWORD>(systemCode)); }

// A file where a directory was wanted, like ENOTDIR.
bool meansNotADirectory(int systemCode) { return systemCode == ERROR_DIRECTORY; }

}  // namespace quillstat
