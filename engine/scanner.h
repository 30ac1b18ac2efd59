#ifndef QUILLSTAT_ENGINE_SCANNER_H_
#define QUILLSTAT_ENGINE_SCANNER_H_

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/file_loading.h"
#include "engine/file_stats.h"
#include "engine/io_error.h"
#include "engine/line_counter.h"
#include "engine/word_places.h"

namespace quillstat {

// A language's comment scanner as the rest of the program drives it: two
// plain functions, so that a language row can hold them. scannerOf() makes
// them from a streaming machine (c_like_scan.h, delphi_scan.h): a class
// constructed with includeFirstComment and the places to record words in
// (or null) that takes content through feed(data, length) in chunks of any
// size and returns the record from finish(size).
struct scanner {
  // Scans `length` bytes of content at once and returns their record:
  // sizeFile is `length`, filename is empty; no content gives the all-zero
  // record. includeFirstComment says whether the first comment run counts.
  fileStats (*scanBuffer)(const char* data, size_t length, bool includeFirstComment);

  // Feeds every piece that `file` (open) delivers to the machine and stores
  // the record in *stats, with sizeFile the size on disk and an empty name.
  // When `places` is not null, the place of every word counted is appended
  // to it, in content order. Returns false, with the reason in *error, when
  // a read fails.
  bool (*scanFile)(textFileReader& file, bool includeFirstComment, fileStats* stats,
                   std::vector<wordPlace>* places, ioError* error);

  // Scans content that arrives as the `count` pieces, in order, as a file
  // read in pieces of those sizes would be: the record, and the places
  // appended to `places` when it is not null, are scanBuffer's of the
  // pieces joined, whatever the cuts.
  fileStats (*scanPieces)(const std::string_view* pieces, size_t count, bool includeFirstComment,
                          std::vector<wordPlace>* places);

  // scanPieces' record of the content that `next` delivers, a piece each
  // call (readable until the next call) up to an empty one, with the places
  // appended to `places` when it is not null, and what each line of the
  // content is, and the stretches of counted comment bytes, appended to
  // *kinds and *comments (see lineCounter::keepKinds), in order. Null for
  // the machines that count no lines (the classic ones).
  fileStats (*scanLines)(const std::function<std::string_view()>& next, bool includeFirstComment,
                         std::vector<wordPlace>* places, std::vector<lineKind>* kinds,
                         std::vector<lineCounter::span>* comments);
};

template <class Machine>
fileStats scanWhole(const char* data, size_t length, bool includeFirstComment) {
  if (data == nullptr || length == 0) return fileStats{};
  Machine machine(includeFirstComment);
  machine.feed(data, length);
  return machine.finish(static_cast<int64_t>(length));
}

template <class Machine>
bool scanReader(textFileReader& file, bool includeFirstComment, fileStats* stats,
                std::vector<wordPlace>* places, ioError* error) {
  Machine machine(includeFirstComment, places);
  const char* data = nullptr;
  size_t length = 0;
  while (file.next(&data, &length, error)) {
    if (length == 0) {
      *stats = machine.finish(file.sizeOnDisk());
      return true;
    }
    machine.feed(data, length);
  }
  return false;
}

template <class Machine>
fileStats scanEach(const std::string_view* pieces, size_t count, bool includeFirstComment,
                   std::vector<wordPlace>* places) {
  Machine machine(includeFirstComment, places);
  int64_t size = 0;
  for (size_t i = 0; i < count; ++i) {
    machine.feed(pieces[i].data(), pieces[i].size());
    size += static_cast<int64_t>(pieces[i].size());
  }
  if (size == 0) return fileStats{};
  return machine.finish(size);
}

template <class Machine>
fileStats scanKinds(const std::function<std::string_view()>& next, bool includeFirstComment,
                    std::vector<wordPlace>* places, std::vector<lineKind>* kinds,
                    std::vector<lineCounter::span>* comments) {
  Machine machine(includeFirstComment, places);
  machine.frame.lines.keepKinds(kinds, comments);
  int64_t size = 0;
  for (std::string_view piece = next(); !piece.empty(); piece = next()) {
    machine.feed(piece.data(), piece.size());
    size += static_cast<int64_t>(piece.size());
  }
  if (size == 0) return fileStats{};
  return machine.finish(size);
}

template <class Machine>
constexpr scanner scannerOf() {
  if constexpr (requires(Machine& m) { m.frame.lines.keepKinds(nullptr, nullptr); }) {
    return {&scanWhole<Machine>, &scanReader<Machine>, &scanEach<Machine>, &scanKinds<Machine>};
  } else {
    return {&scanWhole<Machine>, &scanReader<Machine>, &scanEach<Machine>, nullptr};
  }
}

// Reads the file at `path` through `files` in text mode (see
// file_loading.h), into `buffer`, which may be reused for file after file by
// one thread, and returns its record with `scan`, named with `path` and with
// sizeFile the size on disk. A path that is not a readable regular file
// gives the all-zero record with an empty name, and then *error says why.
// `type` spares the type check for a path the caller knows as a regular file.
// A set `stop` ends the read between two chunks with stoppedError (see
// textFileReader). With `todos`, the words counted are appended to it as
// items (see locateWords; the file is read again only when it has words,
// and nothing is appended when it cannot be read).
fileStats scanPath(const scanner& scan, fileSystem& files, const std::string& path,
                   bool includeFirstComment, std::vector<char>* buffer, ioError* error,
                   pathType type = pathType::unchecked,
                   const std::atomic<bool>* stop = nullptr,
                   std::vector<todoItem>* todos = nullptr);

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_SCANNER_H_
