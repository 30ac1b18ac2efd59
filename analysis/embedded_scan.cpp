#include "analysis/embedded_scan.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "analysis/language_table.h"
#include "engine/byte_classes.h"
#include "engine/byte_search.h"
#include "engine/line_counter.h"

namespace quillstat {

namespace {

// One scan of a copy of the content: its record, and how many bytes of the
// content are its own.
struct copyScan {
  fileStats stats;
  int64_t own = 0;
};

bool isLineEndByte(char c) { return isLineEnd(static_cast<unsigned char>(c)); }
int64_t asOffset(size_t n) { return static_cast<int64_t>(n); }
bool isBlank(char c) { return isBlankByte(static_cast<unsigned char>(c)); }

// The places in [begin, end) of a classic script's HTML-like comments that
// its copy spells as line comments of as many bytes, two "/" each: a "<!--"
// first, blanks aside, as "//--", and a last line that is "-->", blanks
// aside, as "//>". None of these bytes is a blank, a line end or of "-->",
// so the content answers as the spelled copy would.
void htmlLikeCommentSlashes(std::string_view text, size_t begin, size_t end, std::vector<size_t>* slashes) {
  size_t first = begin;
  while (first < end && (isBlank(text[first]) || isLineEndByte(text[first]))) ++first;
  if (text.compare(first, 4, "<!--") == 0 && first + 4 <= end) {
    slashes->push_back(first);
    slashes->push_back(first + 1);
  }
  size_t last = end;
  while (last > first && (isBlank(text[last - 1]) || isLineEndByte(text[last - 1]))) --last;
  if (last >= first + 3 && text.compare(last - 3, 3, "-->") == 0) {
    size_t start = last - 3;
    while (start > begin && isBlank(text[start - 1])) --start;
    if (start == begin || isLineEndByte(text[start - 1])) {
      slashes->push_back(last - 3);
      slashes->push_back(last - 2);
    }
  }
}

// Writes the n bytes at `in` to `out`, each but a line end as a space. A
// plain loop over bytes, which the compiler turns into vector code.
void blankInto(char* out, const char* in, size_t n) {
  for (size_t i = 0; i < n; ++i) {
    const char c = in[i];
    out[i] = c == '\n' || c == '\r' ? c : ' ';
  }
}

// The copy of the content that one scan reads, made a window at a time in a
// buffer of its own, so that a large page costs no second copy of itself:
// the content with the bytes of `regions` of `language` kept and every
// other byte but a line end blanked; or for the host, the bytes outside the
// code regions kept and those of text regions, blanks aside, turned into a
// letter that opens nothing.
class copyWriter {
 public:
  copyWriter(std::string_view content, const std::vector<embeddedRegion>& regions, unsigned language,
             bool host)
      : content_(content), regions_(regions), language_(language), host_(host) {
    own_ = host ? asOffset(content.size()) : 0;
    for (const embeddedRegion& region : regions) {
      if (host && region.language != noLanguage) own_ -= asOffset(region.end - region.begin);
      if (host || region.language != language) continue;
      own_ += asOffset(region.end - region.begin);
      if (region.htmlLikeComments) htmlLikeCommentSlashes(content, region.begin, region.end, &slashes_);
    }
  }

  // The number of bytes of the content kept.
  int64_t own() const { return own_; }

  // The next window of the copy, empty past its end.
  std::string_view next() {
    const size_t from = done_;
    const size_t to = std::min(content_.size(), from + kWindow);
    if (from == to) return {};
    window_.resize(to - from);
    host_ ? writeHost(from, to) : writeLanguage(from, to);
    for (; slash_ < slashes_.size() && slashes_[slash_] < to; ++slash_) window_[slashes_[slash_] - from] = '/';
    done_ = to;
    return window_;
  }

 private:
  static constexpr size_t kWindow = size_t{1} << 18;

  void writeHost(size_t from, size_t to) {
    char* const out = window_.data() - from;  // indexed by the content's offsets
    const char* const in = content_.data();
    std::memcpy(out + from, in + from, to - from);
    for (size_t r = region_; r < regions_.size() && regions_[r].begin < to; ++r) {
      const size_t begin = std::max(regions_[r].begin, from);
      const size_t end = std::min(regions_[r].end, to);
      if (regions_[r].language != noLanguage) {
        blankInto(out + begin, in + begin, end - begin);
        continue;
      }
      for (size_t i = begin; i < end; ++i) {
        const char c = in[i];
        out[i] = isLineEndByte(c) || isBlank(c) ? c : 'x';
      }
    }
    passRegionsBefore(to);
  }

  void writeLanguage(size_t from, size_t to) {
    char* const out = window_.data() - from;
    const char* const in = content_.data();
    size_t at = from;
    for (size_t r = region_; r < regions_.size() && regions_[r].begin < to; ++r) {
      if (regions_[r].language != language_) continue;
      const size_t begin = std::max(regions_[r].begin, from);
      const size_t end = std::min(regions_[r].end, to);
      blankInto(out + at, in + at, begin - at);
      std::memcpy(out + begin, in + begin, end - begin);
      at = end;
    }
    blankInto(out + at, in + at, to - at);
    passRegionsBefore(to);
  }

  // Moves region_ past the regions that end at or before `to`.
  void passRegionsBefore(size_t to) {
    while (region_ < regions_.size() && regions_[region_].end <= to) ++region_;
  }

  std::string_view content_;
  const std::vector<embeddedRegion>& regions_;
  unsigned language_;
  bool host_;
  int64_t own_ = 0;
  std::vector<size_t> slashes_;  // in content order
  size_t slash_ = 0;
  size_t region_ = 0;  // the first region that ends after done_
  size_t done_ = 0;
  std::string window_;
};

// Scans the copy that `writer` makes by `language`; `others` are the
// stretches of the content that are not the copy's own, in order. A comment
// that runs on into them, a line comment to its line's end over a blanked
// end tag, keeps only its own bytes: code where the copy is not its own
// ends it (a script ends at its end tag). What it makes of each line goes
// to *kinds, emptied first.
copyScan scanCopy(std::string_view content, copyWriter* writer, unsigned language, bool includeFirstComment,
                  std::vector<wordPlace>* places, const std::vector<lineCounter::span>& others,
                  std::vector<lineKind>* kinds) {
  copyScan scan;
  std::vector<lineCounter::span> comments;
  kinds->clear();
  scan.stats = languageTable[language].exact.scanLines([writer] { return writer->next(); }, includeFirstComment,
                                                     places, kinds, &comments);
  scan.own = writer->own();
  // The copy keeps the content's line ends and blanks the rest of others.
  int64_t stray = 0;
  size_t k = 0;
  for (const lineCounter::span& comment : comments) {
    while (k < others.size() && others[k].end <= comment.begin) ++k;
    for (size_t j = k; j < others.size() && others[j].begin < comment.end; ++j) {
      const int64_t from = std::max(comment.begin, others[j].begin);
      const int64_t to = std::min(comment.end, others[j].end);
      for (int64_t i = from; i < to; ++i) stray += isLineEndByte(content[static_cast<size_t>(i)]) ? 0 : 1;
    }
  }
  scan.stats.countCommentChars -= stray;
  scan.stats.countCodeChars += stray;
  return scan;
}

// The owners of the content's lines, asked in order: the language whose
// regions hold all the bytes of a line but blanks (or for a blank line its
// line end), as an index into `languages`; -1 for the host's lines and for
// lines shared with it. Bytes of two regions have HTML's end and start tags
// between them, no blanks.
class lineOwners {
 public:
  lineOwners(std::string_view content, const std::vector<embeddedRegion>& regions,
             const std::vector<unsigned>& languages)
      : content_(content), regions_(regions) {
    for (const embeddedRegion& region : regions) {
      owner_.push_back(region.language == noLanguage
                           ? -1
                           : static_cast<int>(std::find(languages.begin(), languages.end(), region.language) -
                                              languages.begin()));
    }
  }

  // The owner of the line [start, end), end its line end or the content's end.
  int of(size_t start, size_t end) {
    size_t first = start;
    while (first < end && isBlank(content_[first])) ++first;
    if (first == end) return end < content_.size() ? ownerOf(regionAt(end)) : -1;
    size_t last = end - 1;
    while (isBlank(content_[last])) --last;
    const size_t region = regionAt(first);
    return regionAt(last) == region ? ownerOf(region) : -1;
  }

 private:
  // The index of the region that holds byte i, or regions_.size(); asked in
  // increasing order.
  size_t regionAt(size_t i) {
    while (r_ < regions_.size() && regions_[r_].end <= i) ++r_;
    return r_ < regions_.size() && regions_[r_].begin <= i ? r_ : regions_.size();
  }
  int ownerOf(size_t region) const { return region == regions_.size() ? -1 : owner_[region]; }

  std::string_view content_;
  const std::vector<embeddedRegion>& regions_;
  std::vector<int> owner_;  // of each region
  size_t r_ = 0;
};

// Adds n lines of `kind` to *stats.
void addLines(lineKind kind, int64_t n, fileStats* stats) {
  stats->lines += n;
  switch (kind) {
    case lineKind::blank: stats->blankLines += n; break;
    case lineKind::comment: stats->commentLines += n; break;
    case lineKind::docComment:
      stats->commentLines += n;
      stats->docCommentLines += n;
      break;
    case lineKind::code: stats->codeLines += n; break;
  }
}

// The code characters of a scan of a copy: those of its own bytes, where the
// others, blanks and line ends outside its comments, counted as code too.
int64_t ownCodeChars(const copyScan& scan, int64_t size) {
  return std::max<int64_t>(0, scan.stats.countCodeChars - (size - scan.own));
}

}  // namespace

embeddedScan scanEmbedded(std::string_view content, unsigned host,
                          const std::vector<embeddedRegion>& regions, bool includeFirstComment,
                          std::vector<wordPlace>* places) {
  std::vector<unsigned> languages;
  for (const embeddedRegion& region : regions) {
    if (region.language != noLanguage) languages.push_back(region.language);
  }
  std::ranges::sort(languages);
  languages.erase(std::unique(languages.begin(), languages.end()), languages.end());

  const int64_t size = static_cast<int64_t>(content.size());
  // What the scans make of each line is folded into `strongest` as each ends.
  std::vector<lineKind> kinds;
  std::vector<lineKind> strongest;
  auto fold = [&] {
    if (strongest.empty()) {
      strongest.swap(kinds);
      return;
    }
    if (strongest.size() < kinds.size()) strongest.resize(kinds.size(), lineKind::blank);
    for (size_t line = 0; line < kinds.size(); ++line) strongest[line] = std::max(strongest[line], kinds[line]);
  };
  std::vector<copyScan> scans;  // the host's, then each language's
  std::vector<lineCounter::span> others;  // what is not the scan's own
  for (const embeddedRegion& region : regions) {
    if (region.language != noLanguage) others.push_back({asOffset(region.begin), asOffset(region.end)});
  }
  copyWriter hostCopy(content, regions, noLanguage, true);
  scans.push_back(scanCopy(content, &hostCopy, host, includeFirstComment, places, others, &kinds));
  fold();
  for (unsigned language : languages) {
    others.clear();
    int64_t from = 0;
    for (const embeddedRegion& region : regions) {
      if (region.language != language) continue;
      others.push_back({from, asOffset(region.begin)});
      from = asOffset(region.end);
    }
    others.push_back({from, asOffset(content.size())});
    copyWriter languageCopy(content, regions, language, false);
    scans.push_back(scanCopy(content, &languageCopy, language, true, places, others, &kinds));
    fold();
  }
  if (places != nullptr) std::ranges::stable_sort(*places, {}, &wordPlace::offset);

  embeddedScan result;
  fileStats& total = result.stats;
  total.sizeFile = size;
  for (const copyScan& scan : scans) {
    total.countCommentChars += scan.stats.countCommentChars;
    total.countCodeChars += ownCodeChars(scan, size);
    total.countOfComment += scan.stats.countOfComment;
    total.countCodeLine += scan.stats.countCodeLine;
    total.todoWordsCount += scan.stats.todoWordsCount;
    total.fixmeWordsCount += scan.stats.fixmeWordsCount;
    total.docComments += scan.stats.docComments;
  }
  for (size_t k = 0; k < languages.size(); ++k) {
    const copyScan& scan = scans[k + 1];
    fileStats figures = scan.stats;
    figures.sizeFile = scan.own;
    figures.countCodeChars = ownCodeChars(scan, size);
    figures.lines = figures.blankLines = figures.commentLines = figures.codeLines = 0;
    figures.docCommentLines = 0;
    result.embedded.push_back({languages[k], figures});
  }
  // The file's lines, all the host scan's (the copies keep every line end).
  int64_t kindCounts[4] = {};
  for (lineKind kind : strongest) ++kindCounts[static_cast<size_t>(kind)];
  kindCounts[static_cast<size_t>(lineKind::blank)] +=
      std::max<int64_t>(0, scans.front().stats.lines - static_cast<int64_t>(strongest.size()));
  for (lineKind kind : {lineKind::blank, lineKind::comment, lineKind::docComment, lineKind::code}) {
    addLines(kind, kindCounts[static_cast<size_t>(kind)], &total);
  }
  // An embedded language's lines are among those that hold a byte of its
  // regions: only these are looked at one by one.
  lineOwners owners(content, regions, languages);
  const auto* const bytes = reinterpret_cast<const unsigned char*>(content.data());
  size_t line = 0;   // the first line not looked at yet
  size_t start = 0;  // where it starts
  for (const embeddedRegion& region : regions) {
    if (region.language == noLanguage || region.end <= start) continue;
    if (region.begin > start) {
      int64_t skipped = 0;
      const unsigned char* const last =
          findLastAny<byteSet<'\n', '\r'>>(bytes + start, bytes + region.begin, &skipped);
      if (skipped > 0) {
        line += static_cast<size_t>(skipped);
        start = static_cast<size_t>(last - bytes) + 1;
      }
    }
    for (; start < region.end; ++line) {
      const size_t end = static_cast<size_t>(
          findAny<byteSet<'\n', '\r'>>(bytes + start, bytes + content.size()) - bytes);
      const int owner = owners.of(start, end);
      if (owner >= 0) {
        const lineKind kind = line < strongest.size() ? strongest[line] : lineKind::blank;
        addLines(kind, 1, &result.embedded[static_cast<size_t>(owner)].figures);
      }
      start = end + 1;
    }
  }
  return result;
}

}  // namespace quillstat
