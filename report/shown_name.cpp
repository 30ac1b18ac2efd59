#include "report/shown_name.h"

namespace quillstat {

namespace {

bool isControl(unsigned char b) { return b < 0x20 || b == 0x7F; }

}  // namespace

void appendShownName(std::string_view name, std::string* out) {
  constexpr char hex[] = "0123456789abcdef";
  size_t plain = 0;
  for (size_t i = 0; i < name.size(); ++i) {
    const auto b = static_cast<unsigned char>(name[i]);
    if (!isControl(b)) continue;
    out->append(name.data() + plain, i - plain);
    plain = i + 1;
    switch (b) {
      case '\t': out->append("\\t"); break;
      case '\n': out->append("\\n"); break;
      case '\r': out->append("\\r"); break;
      default: out->append({'\\', 'x', hex[b >> 4], hex[b & 0xF]});
    }
  }
  out->append(name.data() + plain, name.size() - plain);
}

std::string shownName(std::string_view name) {
  std::string shown;
  shown.reserve(name.size());
  appendShownName(name, &shown);
  return shown;
}

}  // namespace quillstat
