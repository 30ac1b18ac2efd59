#include "engine/file_loading.h"

#include <cstring>

namespace quillstat {

size_t applyTextMode(char* data, size_t length) {
  if (const void* end = std::memchr(data, 0x1A, length)) {
    length = static_cast<size_t>(static_cast<const char*>(end) - data);
  }
  char* cr = static_cast<char*>(std::memchr(data, '\r', length));
  if (cr == nullptr) return length;
  // Compact from the first CR on; bytes before it stay where they are.
  char* out = cr;
  for (const char* in = cr; in < data + length; ++in) {
    if (*in == '\r' && in + 1 < data + length && in[1] == '\n') continue;
    *out++ = *in;
  }
  return static_cast<size_t>(out - data);
}

}  // namespace quillstat
