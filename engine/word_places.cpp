#include "engine/word_places.h"

#include <algorithm>
#include <string_view>

#include "engine/byte_classes.h"
#include "engine/byte_search.h"
#include "engine/file_loading.h"

namespace quillstat {

namespace {

bool isContinuation(char b) { return (static_cast<unsigned char>(b) & 0xC0) == 0x80; }

// Walks content that arrives in pieces and makes the item of each place on
// the line that holds it. Only the lines with a place, and the last line of
// each piece, which may turn out to have one, are looked at byte by byte;
// their text is kept only as far as an item can show it, so a huge line
// costs no memory.
class wordLocator {
 public:
  wordLocator(const std::string& path, const std::vector<wordPlace>& places,
              std::vector<todoItem>* items)
      : path_(path), places_(places), items_(items) {}

  void feed(std::string_view piece) {
    const auto* p = reinterpret_cast<const unsigned char*>(piece.data());
    const unsigned char* const end = p + piece.size();
    while (p < end) {
      const unsigned char* stop = findAny<byteSet<'\n', '\r'>>(p, end);
      const int64_t stopOffset = offset_ + (stop - p);
      const bool placed = next_ < places_.size() && places_[next_].offset < stopOffset;
      if (placed || !open_.empty() || stop == end) {
        for (; p < stop; ++p, ++offset_) takeByte(*p);
      } else {
        offset_ = stopOffset;
        p = stop;
      }
      if (p == end) break;
      closeLine();
      ++offset_;
      ++p;
    }
  }

  void finish() {
    if (offset_ > lineStart_) closeLine();
    for (; next_ < places_.size(); ++next_) {
      items_->push_back({path_, 0, 0, places_[next_].kind, ""});
    }
  }

 private:
  // A word of this line, and the bytes from it on, as far as they may show.
  struct openWord {
    size_t item;
    int64_t offset;
    std::string tail;
  };

  void openItem() {
    const wordPlace& place = places_[next_++];
    open_.push_back({items_->size(), place.offset, {}});
    items_->push_back({path_, line_, place.offset - lineStart_ + 1, place.kind, ""});
  }

  void takeByte(unsigned char c) {
    while (next_ < places_.size() && places_[next_].offset == offset_) openItem();
    if (!isBlankByte(c)) {
      if (textStart_ < 0) textStart_ = offset_;
      textEnd_ = offset_ + 1;
    }
    if (textStart_ >= 0 && head_.size() <= kMaxTodoText) head_.push_back(static_cast<char>(c));
    for (openWord& word : open_) {
      if (word.tail.size() <= kMaxTodoText) word.tail.push_back(static_cast<char>(c));
    }
  }

  void closeLine() {
    const int64_t length = textEnd_ - textStart_;
    for (openWord& word : open_) {
      std::string& text = (*items_)[word.item].text;
      if (length <= static_cast<int64_t>(kMaxTodoText)) {
        text = head_.substr(0, static_cast<size_t>(length));
      } else {
        const int64_t rest = textEnd_ - word.offset;
        size_t cut = static_cast<size_t>(std::min<int64_t>(rest, kMaxTodoText));
        // Not inside a UTF-8 character: its continuation bytes go too.
        for (int i = 0; i < 3 && cut < word.tail.size() && isContinuation(word.tail[cut]); ++i) {
          --cut;
        }
        text = word.tail.substr(0, cut);
        if (rest > static_cast<int64_t>(cut)) text += "...";
      }
      // One item is one line of plain text, which no byte of the source
      // may break or turn into a terminal's command.
      for (char& b : text) {
        if ((static_cast<unsigned char>(b) < 0x20 && b != '\t') || b == 0x7F) b = '?';
      }
    }
    open_.clear();
    head_.clear();
    textStart_ = -1;
    textEnd_ = -1;
    ++line_;
    lineStart_ = offset_ + 1;  // closed at the line end at offset_
  }

  const std::string& path_;
  const std::vector<wordPlace>& places_;
  std::vector<todoItem>* items_;
  size_t next_ = 0;         // the first place not met yet
  int64_t offset_ = 0;      // of the byte at hand
  int64_t line_ = 1;
  int64_t lineStart_ = 0;   // offset of the line's first byte
  int64_t textStart_ = -1;  // of the line's first byte that is no blank; -1: none yet
  int64_t textEnd_ = -1;    // one past its last such byte
  std::string head_;        // the line from textStart_ on, as far as it may show
  std::vector<openWord> open_;
};

}  // namespace

const char* wordName(wordKind kind) { return kind == wordKind::todo ? "todo" : "fixme"; }

void locateWords(fileSystem& files, const std::string& path,
                 const std::vector<wordPlace>& places, std::vector<char>* buffer,
                 std::vector<todoItem>* items) {
  wordLocator locator(path, places, items);
  textFileReader file(files, buffer);
  ioError error;
  const char* data = nullptr;
  size_t length = 0;
  if (file.open(path, pathType::unchecked, &error)) {
    while (file.next(&data, &length, &error) && length > 0) locator.feed({data, length});
  }
  locator.finish();
}

}  // namespace quillstat
