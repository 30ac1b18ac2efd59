#include "ui/desktop_notice.h"

namespace quillstat {

void showDesktopNotice(const std::string&) {}

}  // namespace quillstat
