#include "engine/file_loading.h"

#include <algorithm>
#include <cstring>

namespace quillstat {

namespace {

// Drops every CR that an LF follows within data[0, length); returns the new length.
size_t removeCrBeforeLf(char* data, size_t length) {
  char* const end = data + length;
  char* cr = static_cast<char*>(std::memchr(data, '\r', length));
  if (cr == nullptr) return length;
  // Bytes before the first CR stay where they are; from there on each
  // stretch up to the next CR moves down in one piece, which is several
  // times faster than a test per byte when every line ends in CR LF.
  char* out = cr;
  while (cr != end) {
    const char* from = cr + 1 < end && cr[1] == '\n' ? cr + 1 : cr;
    char* next = static_cast<char*>(std::memchr(cr + 1, '\r', static_cast<size_t>(end - cr - 1)));
    if (next == nullptr) next = end;
    std::memmove(out, from, static_cast<size_t>(next - from));
    out += next - from;
    cr = next;
  }
  return static_cast<size_t>(out - data);
}

}  // namespace

bool textFileReader::open(const std::string& path, pathType type, ioError* error) {
  intptr_t handle = -1;
  if (!files_.openFile(path, type, &handle, &sizeOnDisk_, error)) return false;
  handle_ = handle;
  unread_ = sizeOnDisk_;
  return true;
}

void textFileReader::close() {
  if (handle_ < 0) return;
  files_.closeFile(handle_);
  handle_ = -1;
}

bool textFileReader::next(const char** data, size_t* length, ioError* error) {
  if (again_) {
    again_ = false;
    *data = lastData_;
    *length = lastLength_;
    return true;
  }
  if (buffer_->size() < kReadChunkSize + 1) buffer_->resize(kReadChunkSize + 1);
  char* const buffer = buffer_->data();
  while (!ended_) {
    if (stop_ != nullptr && stop_->load(std::memory_order_relaxed)) {
      *error = stoppedError;
      return false;
    }
    // A CR held back from the piece before goes in front of the new bytes,
    // where the compaction sees whether an LF follows it.
    size_t start = 0;
    if (heldCr_) {
      buffer[0] = '\r';
      start = 1;
      heldCr_ = false;
    }
    size_t got = 0;
    const size_t wanted = static_cast<size_t>(std::min<int64_t>(unread_, kReadChunkSize));
    if (wanted > 0 && !files_.readFile(handle_, buffer + start, wanted, &got, error)) {
      return false;
    }
    if (unread_ == sizeOnDisk_) {
      startsBinary_ = std::memchr(buffer, '\0', std::min(got, kBinaryCheckSize)) != nullptr;
    }
    unread_ -= static_cast<int64_t>(got);
    ended_ = got == 0 || unread_ == 0;  // got is 0 when the file shrank since open()
    size_t filled = start + got;
    if (const void* stop = std::memchr(buffer + start, 0x1A, got)) {
      filled = static_cast<size_t>(static_cast<const char*>(stop) - buffer);
      ended_ = true;
    }
    filled = removeCrBeforeLf(buffer, filled);
    if (!ended_ && filled > 0 && buffer[filled - 1] == '\r') {
      heldCr_ = true;
      --filled;
    }
    if (filled > 0) {
      *data = lastData_ = buffer;
      *length = lastLength_ = filled;
      return true;
    }
  }
  *length = lastLength_ = 0;
  return true;
}

}  // namespace quillstat
