#include <windows.h>

#include "engine/windows_api.h"
#include "ui/file_list.h"

namespace quillstat {

namespace {

constexpr DWORD kReadSize = 64 * 1024;

HANDLE asHandle(intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

}  // namespace

fileList::~fileList() {
  if (ownsHandle_) CloseHandle(asHandle(handle_));
}

bool fileList::open(const std::string& name, ioError* error) {
  if (name == "-") {
    handle_ = reinterpret_cast<intptr_t>(GetStdHandle(STD_INPUT_HANDLE));
    return true;
  }
  const std::wstring path = systemPath(name);
  HANDLE handle = path.empty() ? INVALID_HANDLE_VALUE
                               : CreateFileW(path.c_str(), GENERIC_READ,
                                             FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    *error = systemError(static_cast<int>(GetLastError()));
    return false;
  }
  handle_ = reinterpret_cast<intptr_t>(handle);
  ownsHandle_ = true;
  return true;
}

bool fileList::readsTerminal() const {
  DWORD mode = 0;
  return GetConsoleMode(asHandle(handle_), &mode) != 0;
}

bool fileList::readMore() {
  const size_t had = pending_.size();
  pending_.resize(had + kReadSize);
  DWORD got = 0;
  const bool read = ReadFile(asHandle(handle_), pending_.data() + had, kReadSize, &got, nullptr);
  pending_.resize(had + got);
  // A pipe whose writer has gone ends the list, as the end of a file does.
  if (!read && GetLastError() != ERROR_BROKEN_PIPE) {
    error_ = systemError(static_cast<int>(GetLastError()));
  }
  return read && got > 0;
}

}  // namespace quillstat
