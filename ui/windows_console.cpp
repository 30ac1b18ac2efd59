#include "ui/windows_console.h"

#include <windows.h>

#include <cstring>
#include <iostream>
#include <streambuf>
#include <string_view>

#include "engine/windows_api.h"
#include "report/utf8.h"

namespace quillstat {

namespace {

// Writes UTF-8 to a console as UTF-16. A character split across two
// writes waits in the buffer for its remaining bytes.
class consoleBuffer : public std::streambuf {
 public:
  explicit consoleBuffer(HANDLE console) : console_(console) { setp(bytes_, bytes_ + kSize); }

 protected:
  int_type overflow(int_type c) override {
    if (!writeComplete()) return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
      *pptr() = traits_type::to_char_type(c);
      pbump(1);
    }
    return traits_type::not_eof(c);
  }

  int sync() override { return writeComplete() ? 0 : -1; }

 private:
  static constexpr size_t kSize = 4096;

  // Writes the buffer up to its last complete character and keeps the rest.
  bool writeComplete() {
    const size_t size = static_cast<size_t>(pptr() - pbase());
    const size_t complete = completeUtf8Length(std::string_view(bytes_, size));
    std::wstring wide = toWide(std::string_view(bytes_, complete));
    DWORD written = 0;
    bool ok = wide.empty() || WriteConsoleW(console_, wide.data(), static_cast<DWORD>(wide.size()),
                                            &written, nullptr);
    std::memmove(bytes_, bytes_ + complete, size - complete);
    setp(bytes_, bytes_ + kSize);
    pbump(static_cast<int>(size - complete));
    return ok;
  }

  HANDLE console_;
  char bytes_[kSize];
};

bool isConsole(HANDLE handle) {
  DWORD mode;
  return handle != nullptr && handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode);
}

}  // namespace

void connectStandardStreams() {
  for (auto [stream, id] : {std::pair{&std::cout, STD_OUTPUT_HANDLE},
                            std::pair{&std::cerr, STD_ERROR_HANDLE}}) {
    HANDLE handle = GetStdHandle(id);
    // Never freed: the streams flush at exit, after static objects are gone.
    if (isConsole(handle)) stream->rdbuf(new consoleBuffer(handle));
  }
}

bool consoleClosesAtExit() {
  DWORD processes[2];
  return GetConsoleProcessList(processes, 2) == 1;
}

}  // namespace quillstat
