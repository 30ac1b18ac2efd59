#include <iostream>

#include "ui/desktop_notice.h"
#include "ui/window_program.h"

namespace quillstat {

int explainBatchMode(const std::string& why) {
  const std::string text =
      "quillstat: " + why + "; for a batch run name an input and a report:\n" +
      "  quillstat -f FILE -o REPORT   or   quillstat -d DIR -o REPORT   (see quillstat -h)\n";
  std::cerr << text << std::flush;
  showDesktopNotice(text);
  return noWindowStatus;
}

}  // namespace quillstat
