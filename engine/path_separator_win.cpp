#include "engine/path_separator.h"

namespace quillstat {

char pathSeparator() { return '\\'; }

bool isPathSeparator(char c) { return c == '\\' || c == '/'; }

}  // namespace quillstat
