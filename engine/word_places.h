#ifndef QUILLSTAT_ENGINE_WORD_PLACES_H_
#define QUILLSTAT_ENGINE_WORD_PLACES_H_

#include <cstdint>
#include <string>
#include <vector>

#include "engine/file_system.h"
#include "engine/io_error.h"

namespace quillstat {

enum class wordKind : uint8_t { todo, fixme };

// "todo" or "fixme".
const char* wordName(wordKind kind);

// A counted todo or fixme word as the scan meets it: the offset of its first
// letter in the file's text-mode content (see file_loading.h).
struct wordPlace {
  int64_t offset = 0;
  wordKind kind = wordKind::todo;

  bool operator==(const wordPlace&) const = default;
};

// The same word as a reader looks it up. Lines are counted from 1, and LF
// or a lone CR ends one (as for the line figures); the column is the byte
// of the line the word starts at, from 1; text is its line with the blanks
// at both ends cut, control bytes but tab shown as '?', and of a line
// longer than kMaxTodoText bytes only the kMaxTodoText bytes from the word
// on (fewer where the cut would split a UTF-8 character), and "..." where
// the line goes on.
struct todoItem {
  std::string path;
  int64_t line = 0;
  int64_t column = 0;
  wordKind kind = wordKind::todo;
  std::string text;

  bool operator==(const todoItem&) const = default;
};

inline constexpr size_t kMaxTodoText = 400;

// Appends to *items one item per place of `places` (in content order),
// in that order: the words of the file at `path`, which is read again
// through `files` in text mode, into `buffer`. A place the reading does not
// reach (the file changed or vanished since its scan) gets line and column
// 0 and no text.
void locateWords(fileSystem& files, const std::string& path,
                 const std::vector<wordPlace>& places, std::vector<char>* buffer,
                 std::vector<todoItem>* items);

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_WORD_PLACES_H_
