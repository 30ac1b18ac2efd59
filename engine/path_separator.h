#ifndef QUILLSTAT_ENGINE_PATH_SEPARATOR_H_
#define QUILLSTAT_ENGINE_PATH_SEPARATOR_H_

namespace quillstat {

// The separator the program puts between a directory and a name: '/' on
// POSIX, '\\' on Windows.
char pathSeparator();

// Whether `c` separates the parts of a path: '/' on POSIX, where a backslash
// is an ordinary name character; '/' and '\\' on Windows.
bool isPathSeparator(char c);

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_PATH_SEPARATOR_H_
