#include "engine/file_system.h"

#include <windows.h>

#include <algorithm>
#include <utility>

#include "engine/windows_api.h"

namespace quillstat {

namespace {

bool fail(ioError* error, DWORD code) {
  *error = systemError(static_cast<int>(code));
  return false;
}

bool failOnType(ioError* error, bool directory) {
  *error = directory ? isDirectoryError : notRegularFileError;
  return false;
}

// Others may read, write, rename and delete a file while it is read, as on
// POSIX; a file that another program holds open without sharing fails to
// open, with the system's reason.
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// What a link or junction names: the kind of the object it leads to, or
// danglingLink when it leads nowhere (dangling, a loop, no access).
entryKind kindOfTarget(const std::wstring& path) {
  // Backup semantics opens directories too; no access right is asked for.
  HANDLE handle = CreateFileW(path.c_str(), 0, kShareAll, nullptr, OPEN_EXISTING,
                              FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return entryKind::danglingLink;
  BY_HANDLE_FILE_INFORMATION info;
  entryKind kind = entryKind::danglingLink;
  if (GetFileInformationByHandle(handle, &info)) {
    kind = info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY ? entryKind::directory
                                                             : entryKind::file;
  }
  CloseHandle(handle);
  return kind;
}

// Fills *entry from what the listing says; `directory` ends in '\\'.
void describeEntry(const std::wstring& directory, const WIN32_FIND_DATAW& data,
                   directoryEntry* entry) {
  // Symbolic links and junctions are name surrogates: their entry stands for
  // another object. Other reparse points (cloud and deduplicated files) are
  // the files or directories their attributes say.
  if ((data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) &&
      IsReparseTagNameSurrogate(data.dwReserved0)) {
    entry->isLink = true;
    entry->kind = kindOfTarget(directory + data.cFileName);
    return;
  }
  entry->kind = data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY ? entryKind::directory
                                                                  : entryKind::file;
}

class windowsFileSystem : public fileSystem {
 public:
  bool openFile(const std::string& path, pathType type, intptr_t* handle, int64_t* size,
                ioError* error) override {
    std::wstring wide = systemPath(path);
    if (wide.empty()) return fail(error, GetLastError());
    if (type == pathType::unchecked) {
      DWORD attributes = GetFileAttributesW(wide.c_str());
      if (attributes == INVALID_FILE_ATTRIBUTES) return fail(error, GetLastError());
      if (attributes & FILE_ATTRIBUTE_DIRECTORY) return failOnType(error, true);
    }
    HANDLE file = CreateFileW(wide.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                              FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
      DWORD code = GetLastError();
      // A directory opened without backup semantics is refused for access.
      if (code == ERROR_ACCESS_DENIED) {
        DWORD attributes = GetFileAttributesW(wide.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
          return failOnType(error, true);
        }
      }
      return fail(error, code);
    }
    // Pipes, consoles and devices are no regular files.
    if (GetFileType(file) != FILE_TYPE_DISK) {
      CloseHandle(file);
      return failOnType(error, false);
    }
    LARGE_INTEGER length;
    if (!GetFileSizeEx(file, &length)) {
      DWORD code = GetLastError();
      CloseHandle(file);
      return fail(error, code);
    }
    *handle = reinterpret_cast<intptr_t>(file);
    *size = length.QuadPart;
    return true;
  }

  bool readFile(intptr_t handle, char* into, size_t capacity, size_t* got,
                ioError* error) override {
    DWORD read = 0;
    DWORD ask = static_cast<DWORD>(std::min<size_t>(capacity, 1u << 30));
    if (!ReadFile(reinterpret_cast<HANDLE>(handle), into, ask, &read, nullptr)) {
      return fail(error, GetLastError());
    }
    *got = read;
    return true;
  }

  void closeFile(intptr_t handle) override { CloseHandle(reinterpret_cast<HANDLE>(handle)); }

  bool listDirectory(const std::string& path, std::vector<directoryEntry>* entries,
                     ioError* error) override {
    entries->clear();
    std::wstring directory = systemPath(path);
    if (directory.empty()) return fail(error, GetLastError());
    if (directory.back() != L'\\') directory.push_back(L'\\');
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileExW((directory + L'*').c_str(), FindExInfoBasic, &data,
                                   FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (find == INVALID_HANDLE_VALUE) {
      DWORD code = GetLastError();
      // A drive's root has no "." nor "..": when empty, nothing matches at all.
      return code == ERROR_FILE_NOT_FOUND ? true : fail(error, code);
    }
    do {
      const wchar_t* name = data.cFileName;
      if (name[0] == L'.' && (name[1] == L'\0' || (name[1] == L'.' && name[2] == L'\0'))) continue;
      directoryEntry entry{fromWide(name), entryKind::other};
      describeEntry(directory, data, &entry);
      entries->push_back(std::move(entry));
    } while (FindNextFileW(find, &data));
    DWORD code = GetLastError();
    FindClose(find);
    if (code != ERROR_NO_MORE_FILES) {
      entries->clear();
      return fail(error, code);
    }
    return true;
  }
};

}  // namespace

fileSystem& machineFileSystem() {
  static windowsFileSystem machine;
  return machine;
}

// Files open by their whole paths here: no directory is kept.
directoryReuse::directoryReuse() = default;
directoryReuse::~directoryReuse() = default;

}  // namespace quillstat
