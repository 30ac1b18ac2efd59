#include "report/json_text.h"

#include "report/utf8.h"

namespace quillstat {

void appendJsonString(std::string_view text, std::string* out) {
  out->push_back('"');
  for (size_t i = 0; i < text.size(); ++i) {
    const unsigned char b = static_cast<unsigned char>(text[i]);
    switch (b) {
      case '"': out->append("\\\""); break;
      case '\\': out->append("\\\\"); break;
      case '\n': out->append("\\n"); break;
      case '\r': out->append("\\r"); break;
      case '\t': out->append("\\t"); break;
      default:
        if (b < 0x20) {
          out->append("\\u00");
          appendHexBytes(text.substr(i, 1), out);
        } else {
          out->push_back(static_cast<char>(b));
        }
    }
  }
  out->push_back('"');
}

void appendJsonPath(std::string_view name, std::string* out) {
  out->append("\"path\": ");
  appendJsonString(name, out);
  if (isValidUtf8(name)) return;
  out->append(", \"pathBytes\": \"");
  appendHexBytes(name, out);
  out->push_back('"');
}

}  // namespace quillstat
