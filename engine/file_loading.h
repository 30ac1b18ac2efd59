#ifndef QUILLSTAT_ENGINE_FILE_LOADING_H_
#define QUILLSTAT_ENGINE_FILE_LOADING_H_

#include <cstddef>
#include <cstdint>
#include <string>

namespace quillstat {

// Reads the regular file at `path` (or the regular file a symlink names) into
// *content in text mode, and stores its size on disk in *sizeOnDisk. Returns
// false, with the reason in *error, when the path is not a regular file or
// cannot be opened, sized or read. FIFOs, sockets and devices are refused by
// their type before anything opens them, so they never block the caller.
bool loadTextFile(const std::string& path, std::string* content, int64_t* sizeOnDisk,
                  std::string* error);

// Text mode as Windows delivers it, on every platform, so that counts do not
// depend on where the program runs: the content ends before the first byte
// 0x1A, and every CR directly followed by LF is removed (a lone CR stays).
// Rewrites data[0, length) in place and returns the new length.
size_t applyTextMode(char* data, size_t length);

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_FILE_LOADING_H_
