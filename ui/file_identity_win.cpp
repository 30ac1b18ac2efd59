#include "ui/file_identity.h"

#include <windows.h>

#include "engine/windows_api.h"

namespace quillstat {

namespace {

// The identity of the file `handle` has open, or nothing. A device ("NUL",
// "CON") has none to tell: it gets an empty one, never a regular file's.
std::optional<fileIdentity> identityOf(HANDLE handle) {
  if (GetFileType(handle) != FILE_TYPE_DISK) return fileIdentity{};
  BY_HANDLE_FILE_INFORMATION info;
  if (!GetFileInformationByHandle(handle, &info)) return std::nullopt;
  return fileIdentity{info.dwVolumeSerialNumber,
                      static_cast<uint64_t>(info.nFileIndexHigh) << 32 | info.nFileIndexLow,
                      static_cast<int64_t>(static_cast<uint64_t>(info.nFileSizeHigh) << 32 |
                                           info.nFileSizeLow),
                      !(info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)};
}

}  // namespace

std::optional<fileIdentity> identifyFile(const std::string& path) {
  // systemPath() would take "NUL" for a file of that name.
  if (namesDevice(path)) return fileIdentity{};
  std::wstring wide = systemPath(path);
  if (wide.empty()) return std::nullopt;
  // No access right is asked for, so a file that others hold open without
  // sharing is still identified; links are followed, directories opened.
  HANDLE handle = CreateFileW(wide.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return std::nullopt;
  std::optional<fileIdentity> identity = identityOf(handle);
  CloseHandle(handle);
  return identity;
}

std::optional<fileIdentity> identifyStandardOutput() {
  HANDLE handle = GetStdHandle(STD_OUTPUT_HANDLE);
  if (handle == nullptr || handle == INVALID_HANDLE_VALUE) return std::nullopt;
  if (GetFileType(handle) != FILE_TYPE_DISK) return std::nullopt;
  return identityOf(handle);
}

}  // namespace quillstat
