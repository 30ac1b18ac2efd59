#include "report/report_file.h"

#include <io.h>
#include <windows.h>

#include <atomic>

#include "engine/windows_api.h"

namespace quillstat {

namespace {

// The C runtime's descriptor of standard output.
constexpr int kStandardOutput = 1;

// The temporary files being written, for removeUnfinishedReport(), which
// runs on the thread the system starts for Ctrl-C: a run has its report and
// its todo list open at once. A file that finds no free slot is written all
// the same, only not removed on Ctrl-C. A slot's pointer is cleared before
// the text it points to changes.
constexpr int kSlots = 4;
std::atomic<bool> slotTaken[kSlots];
std::wstring unfinishedTexts[kSlots];
std::atomic<const wchar_t*> unfinishedReports[kSlots];

int takeSlot() {
  for (int slot = 0; slot < kSlots; ++slot) {
    bool expected = false;
    if (slotTaken[slot].compare_exchange_strong(expected, true)) return slot;
  }
  return -1;
}

void publish(int slot, const std::wstring* path) {
  if (slot < 0) return;
  unfinishedReports[slot].store(nullptr);
  if (path == nullptr) return;
  unfinishedTexts[slot] = *path;
  unfinishedReports[slot].store(unfinishedTexts[slot].c_str());
}

void releaseSlot(int slot) {
  if (slot < 0) return;
  unfinishedReports[slot].store(nullptr);
  slotTaken[slot].store(false);
}

bool fail(ioError* error, DWORD code) {
  *error = systemError(static_cast<int>(code));
  return false;
}

// The directory part of `path` with its trailing separator, or "" for a bare
// name.
std::wstring directoryOf(const std::wstring& path) {
  size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
}

// The report's target as the system sees it: the path of the file it names
// (links followed, so that the report replaces that file and the link
// stays; a path that names nothing stays as it is) and, when the file
// exists, what the system knows of it.
struct targetFile {
  std::wstring path;
  bool exists = false;
  BY_HANDLE_FILE_INFORMATION info{};
};

targetFile examine(const std::wstring& path) {
  targetFile target{path};
  HANDLE handle = CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return target;
  target.exists = GetFileInformationByHandle(handle, &target.info);
  std::wstring final(MAX_PATH, L'\0');
  for (;;) {
    DWORD length = GetFinalPathNameByHandleW(handle, final.data(),
                                             static_cast<DWORD>(final.size()), FILE_NAME_NORMALIZED);
    if (length == 0) break;
    if (length < final.size()) {
      final.resize(length);
      target.path = final;
      break;
    }
    final.resize(length);  // the size asked for, its final null included
  }
  CloseHandle(handle);
  return target;
}

// Creates a new file beside `finalPath` with a name of its own; its name
// goes to *temporaryPath and is published in `slot` for
// removeUnfinishedReport() before the file exists. Others may delete it
// while it is open, so that Ctrl-C removes it even mid-write.
HANDLE createTemporaryFile(const std::wstring& finalPath, int slot, std::wstring* temporaryPath) {
  static std::atomic<unsigned> counter{0};
  for (;;) {
    *temporaryPath = directoryOf(finalPath) + L".quillstat-" +
                     std::to_wstring(GetCurrentProcessId()) + L"-" +
                     std::to_wstring(counter++) + L".tmp";
    publish(slot, temporaryPath);
    HANDLE file = CreateFileW(temporaryPath->c_str(), GENERIC_WRITE, FILE_SHARE_DELETE, nullptr,
                              CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) return file;
    if (GetLastError() != ERROR_FILE_EXISTS) {
      DWORD code = GetLastError();
      publish(slot, nullptr);
      SetLastError(code);
      return INVALID_HANDLE_VALUE;
    }
  }
}

// Whether the existing file `path` may be written, found by opening it for
// writing without changing it.
bool mayWrite(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  return true;
}

// The attributes a replaced report keeps, as a rename keeps a mode on POSIX.
// (Read-only never reaches here.) Its access rights do not carry over: the
// new file has those it inherits from its directory, as any new file has.
constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                  FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

// Puts the finished, closed temporary file in place of `finalPath` in one
// rename, which also replaces an existing report.
bool putInPlace(const std::wstring& temporaryPath, const std::wstring& finalPath) {
  DWORD old = GetFileAttributesW(finalPath.c_str());
  if (old != INVALID_FILE_ATTRIBUTES && (old & kKeptAttributes) &&
      !SetFileAttributesW(temporaryPath.c_str(), old & kKeptAttributes)) {
    return false;
  }
  return MoveFileExW(temporaryPath.c_str(), finalPath.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

}  // namespace

reportFile::~reportFile() { abandon(); }

bool reportFile::open(const std::string& target, ioError* error) {
  if (target == standardOutputName) return openDescriptor(kStandardOutput, error);
  if (namesDevice(target)) {
    finalPath_ = target;  // opened by the name the user gave, as the system reads it
    inPlaceDue_ = true;   // a device may be a pipe's end, which only the write should take
    return true;
  }
  std::wstring wide = systemPath(target);
  if (wide.empty()) return fail(error, GetLastError());
  const targetFile file = examine(wide);
  finalPath_ = fromWide(file.path);
  const DWORD attributes = file.exists ? file.info.dwFileAttributes : 0;
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
    *error = isDirectoryError;
    return false;
  }
  // Windows refuses to replace or delete a read-only file, and so does the
  // program: such a report stays as it is.
  if (attributes & FILE_ATTRIBUTE_READONLY) return fail(error, ERROR_ACCESS_DENIED);
  // What is rewritten where it is gets opened at the first write; only
  // the right to write it is checked now.
  auto leaveInPlace = [&](const std::wstring& path) {
    if (!mayWrite(path)) return fail(error, GetLastError());
    inPlaceDue_ = true;
    return true;
  };
  // A rename would leave the other names of a linked report with the old
  // content; such a report is rewritten where it is.
  if (file.exists && file.info.nNumberOfLinks > 1) return leaveInPlace(file.path);
  std::wstring temporary;
  slot_ = takeSlot();
  HANDLE written = createTemporaryFile(file.path, slot_, &temporary);
  if (written == INVALID_HANDLE_VALUE) {
    DWORD code = GetLastError();
    releaseSlot(slot_);
    slot_ = -1;
    // A directory that takes no new files may still hold a report that its
    // owner may rewrite; it is written in place, as on POSIX.
    if (code == ERROR_ACCESS_DENIED && file.exists) return leaveInPlace(file.path);
    return fail(error, code);
  }
  temporaryPath_ = fromWide(temporary);
  handle_ = reinterpret_cast<intptr_t>(written);
  return true;
}

bool reportFile::openDescriptor(int descriptor, ioError* error) {
  // A copy, so that closing the report leaves the standard handle open.
  HANDLE copy;
  HANDLE process = GetCurrentProcess();
  HANDLE open = reinterpret_cast<HANDLE>(_get_osfhandle(descriptor));
  if (open == INVALID_HANDLE_VALUE) return fail(error, ERROR_INVALID_HANDLE);
  if (!DuplicateHandle(process, open, process, &copy, 0, FALSE, DUPLICATE_SAME_ACCESS)) {
    return fail(error, GetLastError());
  }
  handle_ = reinterpret_cast<intptr_t>(copy);
  return true;
}

bool reportFile::openInPlace(ioError* error) {
  inPlaceDue_ = false;
  HANDLE file = CreateFileW(toWide(finalPath_).c_str(), GENERIC_WRITE,
                            FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return fail(error, GetLastError());
  // A disk file written in place is cut to what this report writes; a
  // device cannot be cut and needs not be.
  if (GetFileType(file) == FILE_TYPE_DISK && !SetEndOfFile(file)) {
    DWORD code = GetLastError();
    CloseHandle(file);
    return fail(error, code);
  }
  handle_ = reinterpret_cast<intptr_t>(file);
  return true;
}

bool reportFile::write(const char* data, size_t length, ioError* error) {
  if (inPlaceDue_ && !openInPlace(error)) return false;
  while (length > 0) {
    DWORD written = 0;
    DWORD piece = length < (1u << 30) ? static_cast<DWORD>(length) : (1u << 30);
    if (!WriteFile(reinterpret_cast<HANDLE>(handle_), data, piece, &written, nullptr)) {
      return fail(error, GetLastError());
    }
    data += written;
    length -= written;
  }
  return true;
}

bool reportFile::finish(ioError* error) {
  if (finished_) return true;
  if (inPlaceDue_ && !openInPlace(error)) return false;
  HANDLE file = reinterpret_cast<HANDLE>(handle_);
  handle_ = -1;
  // A failed write may show only at the flush; a device cannot be flushed.
  DWORD code = 0;
  if (!temporaryPath_.empty() && !FlushFileBuffers(file)) code = GetLastError();
  if (!CloseHandle(file) && code == 0) code = GetLastError();
  if (code != 0) {
    abandon();
    return fail(error, code);
  }
  finished_ = true;
  return true;
}

bool reportFile::commit(ioError* error) {
  if (!finish(error)) return false;
  if (temporaryPath_.empty()) return true;
  if (!putInPlace(toWide(temporaryPath_), toWide(finalPath_))) {
    DWORD code = GetLastError();
    abandon();
    return fail(error, code);
  }
  releaseSlot(slot_);
  slot_ = -1;
  temporaryPath_.clear();
  return true;
}

void reportFile::abandon() {
  if (handle_ != -1) CloseHandle(reinterpret_cast<HANDLE>(handle_));
  handle_ = -1;
  if (temporaryPath_.empty()) return;
  // Removed before it is unpublished: Ctrl-C in between only repeats it.
  DeleteFileW(toWide(temporaryPath_).c_str());
  releaseSlot(slot_);
  slot_ = -1;
  temporaryPath_.clear();
}

void removeUnfinishedReport() {
  for (std::atomic<const wchar_t*>& report : unfinishedReports) {
    if (const wchar_t* path = report.load()) DeleteFileW(path);
  }
}

}  // namespace quillstat
