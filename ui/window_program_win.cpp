#include <windows.h>

#include <string>

#include "engine/windows_api.h"
#include "ui/command_line.h"
#include "ui/window_program.h"
#include "ui/windows_console.h"

namespace quillstat {

namespace {

ioError lastError() { return systemError(static_cast<int>(GetLastError())); }

// The path of the window program, beside this executable, or empty.
std::wstring windowProgramPath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  size_t slash = path.find_last_of(L"\\/");
  if (slash == std::wstring::npos) return {};
  return path.substr(0, slash + 1) + toWide(windowProgramName) + L".exe";
}

}  // namespace

// The desktop is there whenever a user can start the program.
bool windowSystemAvailable() { return true; }

// Windows has no exec: the window program is started with this program's
// arguments, from the wide command line so that they arrive intact, and
// waited for, so that its exit status is this program's, as after an exec.
ioError startWindowProgram(int, char**) {
  const std::wstring program = windowProgramPath();
  if (program.empty()) return lastError();
  if (GetFileAttributesW(program.c_str()) == INVALID_FILE_ATTRIBUTES) return lastError();
  const std::string line = fromWide(GetCommandLineW());
  std::wstring commandLine = L"\"" + program + L"\" " + toWide(windowsArguments(line));
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &process)) {
    return lastError();
  }
  CloseHandle(process.hThread);
  // Started from the desktop, this program's console would stay open behind
  // the window for nothing.
  if (consoleClosesAtExit()) FreeConsole();
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD status = 1;
  GetExitCodeProcess(process.hProcess, &status);
  ExitProcess(status);
}

}  // namespace quillstat
