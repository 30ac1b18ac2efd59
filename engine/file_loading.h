#ifndef QUILLSTAT_ENGINE_FILE_LOADING_H_
#define QUILLSTAT_ENGINE_FILE_LOADING_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace quillstat {

// How many bytes of a file one read asks for. Memory per reader is this
// (plus one byte) whatever the size of the file.
constexpr size_t kReadChunkSize = 128 * 1024;

// Whether a path is already known to name a regular file: the directory walk
// has seen the type of each file it selects; a path a user typed has not.
enum class pathType { unchecked, regularFile };

// Reads one regular file piece by piece, into a buffer that the caller owns
// and may reuse for file after file, in text mode as Windows delivers it, on
// every platform, so that counts do not depend on where the program runs:
// the content ends before the first byte 0x1A, and every CR directly
// followed by LF is removed (a lone CR stays).
// The platform part (open, read, close) lives in file_loading_<platform>.cpp.
class textFileReader {
 public:
  // `buffer` must outlive the reader; it is grown to kReadChunkSize + 1 once.
  explicit textFileReader(std::vector<char>* buffer) : buffer_(buffer) {}
  ~textFileReader() { close(); }
  textFileReader(const textFileReader&) = delete;
  textFileReader& operator=(const textFileReader&) = delete;

  // Opens the regular file at `path` (or the regular file a symlink names)
  // and learns its size on disk. Returns false, with the reason in *error,
  // when the path is not a regular file or cannot be opened or sized. An
  // unchecked path is refused by its type before anything opens it, so
  // FIFOs, sockets and devices are never opened; a path already known as a
  // regular file is opened at once, and should it have been replaced by a
  // FIFO since, the open does not wait for a writer. Call once per reader.
  bool open(const std::string& path, pathType type, std::string* error);

  // The size on disk that open() found; reads stop there even if the file grows.
  int64_t sizeOnDisk() const { return sizeOnDisk_; }

  // Delivers the next piece of text-mode content in *data, *length > 0; at
  // the end of the content *length is 0. The piece stays valid until the
  // next call. Returns false, with the reason in *error, when a read fails.
  bool next(const char** data, size_t* length, std::string* error);

  // Closes the file; the destructor does it too.
  void close();

 private:
  // Reads up to `capacity` bytes; *got is 0 only at the end of the file.
  bool readRaw(char* into, size_t capacity, size_t* got, std::string* error);

  std::vector<char>* buffer_;
  intptr_t handle_ = -1;
  int64_t sizeOnDisk_ = 0;
  int64_t unread_ = 0;     // bytes on disk not read yet
  bool heldCr_ = false;    // a CR ended the last piece; the next read shows whether LF follows
  bool ended_ = false;
};

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_FILE_LOADING_H_
