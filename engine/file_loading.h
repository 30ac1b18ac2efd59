#ifndef QUILLSTAT_ENGINE_FILE_LOADING_H_
#define QUILLSTAT_ENGINE_FILE_LOADING_H_

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/file_system.h"

namespace quillstat {

// How many bytes of a file one read asks for. Memory per reader is this
// (plus one byte) whatever the size of the file.
constexpr size_t kReadChunkSize = 128 * 1024;

// How many bytes at the start of a file tell whether it is binary.
constexpr size_t kBinaryCheckSize = 8 * 1024;

// Reads one regular file piece by piece, into a buffer that the caller owns
// and may reuse for file after file, in text mode as Windows delivers it, on
// every platform, so that counts do not depend on where the program runs:
// the content ends before the first byte 0x1A, and every CR directly
// followed by LF is removed (a lone CR stays).
class textFileReader {
 public:
  // Reads through `files`. Both must outlive the reader; `buffer` is grown
  // to kReadChunkSize + 1 once. When `stop` is not null and becomes true,
  // the next call of next() fails with stoppedError instead of reading on,
  // so that a stop waits for one chunk at most, even in a huge file; it must
  // outlive the reader.
  textFileReader(fileSystem& files, std::vector<char>* buffer,
                 const std::atomic<bool>* stop = nullptr)
      : files_(files), buffer_(buffer), stop_(stop) {}
  ~textFileReader() { close(); }
  textFileReader(const textFileReader&) = delete;
  textFileReader& operator=(const textFileReader&) = delete;

  // Opens the file at `path` as fileSystem::openFile does and learns its
  // size on disk. Returns false, with the reason in *error, when the path is
  // not a readable regular file. Call once per reader.
  bool open(const std::string& path, pathType type, ioError* error);

  // The size on disk that open() found. Reads stop there even if the file
  // grows meanwhile, and end early, without error, if it shrinks.
  int64_t sizeOnDisk() const { return sizeOnDisk_; }

  // Delivers the next piece of text-mode content in *data, *length > 0; at
  // the end of the content *length is 0. The piece stays valid until the
  // next call. Returns false, with the reason in *error, when a read fails.
  bool next(const char** data, size_t* length, ioError* error);

  // Makes the next call of next() deliver once more what the last one
  // delivered, so that a look at the first piece costs no second read.
  void deliverAgain() { again_ = true; }

  // Whether a NUL byte stood among the first kBinaryCheckSize bytes that the
  // first read found, before text mode cut the content at 0x1A: the mark of
  // a binary file. False until next() has read.
  bool startsBinary() const { return startsBinary_; }

  // Closes the file; the destructor does it too.
  void close();

 private:
  fileSystem& files_;
  std::vector<char>* buffer_;
  const std::atomic<bool>* stop_;
  intptr_t handle_ = -1;
  int64_t sizeOnDisk_ = 0;
  int64_t unread_ = 0;     // bytes on disk not read yet
  bool heldCr_ = false;    // a CR ended the last piece; the next read shows whether LF follows
  bool ended_ = false;
  bool again_ = false;
  const char* lastData_ = nullptr;
  size_t lastLength_ = 0;
  bool startsBinary_ = false;
};

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_FILE_LOADING_H_
