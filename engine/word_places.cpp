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
// the line that holds it. The lines before the next place are only counted,
// in one pass; on the line of a place, and on the last line of each piece,
// which may turn out to have one, the bytes between places are taken as
// spans. A line's text, and each word's text, is kept only as far as an
// item can show it, so a huge line costs no memory and, since a span only
// adds to the texts that are not full yet, time linear in its length.
class wordLocator {
 public:
  wordLocator(const std::string& path, const std::vector<wordPlace>& places,
              std::vector<todoItem>* items)
      : path_(path), places_(places), items_(items) {}

  void feed(std::string_view piece) {
    const auto* p = reinterpret_cast<const unsigned char*>(piece.data());
    const unsigned char* const end = p + piece.size();
    while (p < end && !done()) {
      if (offset_ == lineStart_) p = skipLines(p, end);
      const unsigned char* stop = findFarAny<lineEnds>(p, end);
      const int64_t stopOffset = offset_ + (stop - p);
      const bool placed = next_ < places_.size() && places_[next_].offset <= stopOffset;
      if (placed || !open_.empty() || stop == end) {
        takeSpans(p, stop);
      } else {
        offset_ = stopOffset;
      }
      p = stop;
      if (p == end) break;
      // A place on the line end itself (the file changed since its scan)
      // stays on this line rather than holding up the places after it.
      while (next_ < places_.size() && places_[next_].offset <= offset_) openItem();
      closeLine();
      ++offset_;
      ++p;
    }
  }

  // Whether every item shows what it will whatever follows: no place is
  // left, and the line under way, if it has words, runs past the last
  // one's kMaxTodoText bytes, so that each shows those and "...". The rest
  // of the content need not be read then.
  bool done() const {
    return next_ == places_.size() &&
           (open_.empty() || textEnd_ > open_.back().offset + static_cast<int64_t>(kMaxTodoText));
  }

  void finish() {
    if (offset_ > lineStart_ || !open_.empty()) closeLine();
    for (; next_ < places_.size(); ++next_) {
      items_->push_back({path_, 0, 0, places_[next_].kind, ""});
    }
  }

 private:
  // A word of this line; its item's text holds the bytes from it on, as far
  // as they may show, until the line ends.
  struct openWord {
    size_t item;
    int64_t offset;
  };

  using lineEnds = byteSet<'\n', '\r'>;

  // Passes over the whole lines from p, the start of a line not taken yet,
  // up to the line of the next place or the piece's last line. Returns the
  // first byte not passed over.
  const unsigned char* skipLines(const unsigned char* p, const unsigned char* end) {
    const unsigned char* to = end;
    if (next_ < places_.size() && places_[next_].offset - offset_ < end - p) {
      to = p + std::max<int64_t>(0, places_[next_].offset - offset_);
    }
    int64_t ends = 0;
    const unsigned char* last = findLastAny<lineEnds>(p, to, &ends);
    if (last == to) return p;
    line_ += ends;
    offset_ += last + 1 - p;
    lineStart_ = offset_;
    return last + 1;
  }

  // As many bytes as an item may show, and one more to tell whether the
  // line goes on past them.
  static constexpr size_t kKept = kMaxTodoText + 1;

  void openItem() {
    const wordPlace& place = places_[next_++];
    open_.push_back({items_->size(), place.offset});
    items_->push_back({path_, line_, place.offset - lineStart_ + 1, place.kind, ""});
  }

  // The bytes [p, stop) of the current line, from offset_ on: each place
  // among them opens its item as the bytes reach it.
  void takeSpans(const unsigned char* p, const unsigned char* stop) {
    while (p < stop) {
      while (next_ < places_.size() && places_[next_].offset <= offset_) openItem();
      const unsigned char* to = stop;
      if (next_ < places_.size() && places_[next_].offset < offset_ + (stop - p)) {
        to = p + (places_[next_].offset - offset_);
      }
      takeSpan(p, to);
      offset_ += to - p;
      p = to;
    }
  }

  // The bytes [p, to) of the current line, from offset_ on, with no place
  // after their first.
  void takeSpan(const unsigned char* p, const unsigned char* to) {
    const unsigned char* text = p;
    if (textStart_ < 0) {
      while (text < to && isBlankByte(*text)) ++text;
      if (text < to) textStart_ = offset_ + (text - p);
    }
    if (textStart_ >= 0) {
      const unsigned char* last = to;
      while (last > text && isBlankByte(last[-1])) --last;
      if (last > text) textEnd_ = offset_ + (last - p);
      append(&head_, text, to);
    }
    for (size_t i = filling_; i < open_.size(); ++i) append(&textOf(open_[i]), p, to);
    // Words fill in the order they opened, each from its own first byte.
    while (filling_ < open_.size() && textOf(open_[filling_]).size() == kKept) ++filling_;
  }

  static void append(std::string* text, const unsigned char* p, const unsigned char* to) {
    const size_t room = kKept - std::min(kKept, text->size());
    text->append(reinterpret_cast<const char*>(p), std::min(room, static_cast<size_t>(to - p)));
  }

  std::string& textOf(const openWord& word) { return (*items_)[word.item].text; }

  void closeLine() {
    const int64_t length = textEnd_ - textStart_;
    for (openWord& word : open_) {
      std::string& text = textOf(word);
      if (length <= static_cast<int64_t>(kMaxTodoText)) {
        text = head_.substr(0, static_cast<size_t>(length));
      } else {
        const int64_t rest = textEnd_ - word.offset;
        size_t cut = static_cast<size_t>(std::min<int64_t>(rest, kMaxTodoText));
        // Not inside a UTF-8 character: its continuation bytes go too.
        for (int i = 0; i < 3 && cut < text.size() && isContinuation(text[cut]); ++i) --cut;
        text.resize(cut);
        if (rest > static_cast<int64_t>(cut)) text += "...";
      }
      // One item is one line of plain text, which no byte of the source
      // may break or turn into a terminal's command.
      for (char& b : text) {
        if ((static_cast<unsigned char>(b) < 0x20 && b != '\t') || b == 0x7F) b = '?';
      }
    }
    open_.clear();
    filling_ = 0;
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
  size_t filling_ = 0;      // open_ from here on has not all the bytes it may show
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
    while (!locator.done() && file.next(&data, &length, &error) && length > 0) {
      locator.feed({data, length});
    }
  }
  locator.finish();
}

}  // namespace quillstat
