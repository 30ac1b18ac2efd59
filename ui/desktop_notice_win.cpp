#include "ui/desktop_notice.h"

#include <windows.h>

#include "engine/windows_api.h"
#include "ui/windows_console.h"

namespace quillstat {

void showDesktopNotice(const std::string& text) {
  if (!consoleClosesAtExit()) return;
  MessageBoxW(nullptr, toWide(text).c_str(), L"Quillstat", MB_OK | MB_ICONINFORMATION);
}

}  // namespace quillstat
