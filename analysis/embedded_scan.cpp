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

// One scan of a copy of the content: its record, what it made of each line,
// and how many bytes of the content are its own.
struct copyScan {
  fileStats stats;
  std::vector<lineKind> kinds;
  int64_t own = 0;
};

bool isLineEndByte(char c) { return isLineEnd(static_cast<unsigned char>(c)); }
int64_t asOffset(size_t n) { return static_cast<int64_t>(n); }
bool isBlank(char c) { return isBlankByte(static_cast<unsigned char>(c)); }

// Scans `copy` by `language`; `others` are the stretches of the content
// that are not the copy's own, in order. A comment that runs on into them,
// a line comment to its line's end over a blanked end tag, keeps only its
// own bytes: code where the copy is not its own ends it (a script ends at
// its end tag).
copyScan scanCopy(const std::string& copy, unsigned language, bool includeFirstComment,
                  std::vector<wordPlace>* places, const std::vector<lineCounter::span>& others) {
  copyScan scan;
  std::vector<lineCounter::span> comments;
  scan.stats = languageTable[language].exact.scanLines(copy.data(), copy.size(), includeFirstComment,
                                                     places, &scan.kinds, &comments);
  int64_t stray = 0;
  size_t k = 0;
  for (const lineCounter::span& comment : comments) {
    while (k < others.size() && others[k].end <= comment.begin) ++k;
    for (size_t j = k; j < others.size() && others[j].begin < comment.end; ++j) {
      const int64_t from = std::max(comment.begin, others[j].begin);
      const int64_t to = std::min(comment.end, others[j].end);
      for (int64_t i = from; i < to; ++i) stray += isLineEndByte(copy[static_cast<size_t>(i)]) ? 0 : 1;
    }
  }
  scan.stats.countCommentChars -= stray;
  scan.stats.countCodeChars += stray;
  return scan;
}

// Spells a classic script's HTML-like comments in [begin, end) of *copy as
// line comments of as many bytes: a "<!--" first, blanks aside, as "//--",
// and a last line that is "-->", blanks aside, as "//>".
void readHtmlLikeComments(std::string* copy, size_t begin, size_t end) {
  std::string& text = *copy;
  size_t first = begin;
  while (first < end && (isBlank(text[first]) || isLineEndByte(text[first]))) ++first;
  if (text.compare(first, 4, "<!--") == 0 && first + 4 <= end) text.replace(first, 2, "//");
  size_t last = end;
  while (last > first && (isBlank(text[last - 1]) || isLineEndByte(text[last - 1]))) --last;
  if (last >= first + 3 && text.compare(last - 3, 3, "-->") == 0) {
    size_t start = last - 3;
    while (start > begin && isBlank(text[start - 1])) --start;
    if (start == begin || isLineEndByte(text[start - 1])) text.replace(last - 3, 2, "//");
  }
}

// The places of the content's line ends, in order.
std::vector<size_t> lineEndsOf(std::string_view content) {
  std::vector<size_t> ends;
  const auto* const bytes = reinterpret_cast<const unsigned char*>(content.data());
  const auto* const end = bytes + content.size();
  for (const unsigned char* p = bytes; (p = findAny<byteSet<'\n', '\r'>>(p, end)) != end; ++p) {
    ends.push_back(static_cast<size_t>(p - bytes));
  }
  return ends;
}

// The content with the bytes of `regions` of `language` kept and every other
// byte but a line end blanked; or for the host, the bytes outside the code
// regions kept and those of text regions, blanks aside, turned into a letter
// that opens nothing. *own is the number of bytes kept.
std::string copyFor(std::string_view content, const std::vector<size_t>& lineEnds,
                    const std::vector<embeddedRegion>& regions, unsigned language, bool host,
                    int64_t* own) {
  std::string copy;
  auto blank = [&](size_t begin, size_t end) {
    std::memset(copy.data() + begin, ' ', end - begin);
    for (auto at = std::lower_bound(lineEnds.begin(), lineEnds.end(), begin);
         at != lineEnds.end() && *at < end; ++at) {
      copy[*at] = content[*at];
    }
  };
  *own = 0;
  if (host) {
    copy.assign(content);
    *own = static_cast<int64_t>(content.size());
    for (const embeddedRegion& region : regions) {
      if (region.language != noLanguage) {
        blank(region.begin, region.end);
        *own -= static_cast<int64_t>(region.end - region.begin);
        continue;
      }
      for (size_t i = region.begin; i < region.end; ++i) {
        if (!isLineEndByte(copy[i]) && !isBlank(copy[i])) copy[i] = 'x';
      }
    }
    return copy;
  }
  copy.assign(content.size(), ' ');
  blank(0, content.size());  // the line ends
  for (const embeddedRegion& region : regions) {
    if (region.language != language) continue;
    copy.replace(region.begin, region.end - region.begin, content.substr(region.begin, region.end - region.begin));
    *own += static_cast<int64_t>(region.end - region.begin);
    if (region.htmlLikeComments) readHtmlLikeComments(&copy, region.begin, region.end);
  }
  return copy;
}

// The language whose regions hold all the bytes of each line but blanks (or
// for a blank line its line end), as an index into `languages`; -1 for the
// host's lines and for lines shared with it. Bytes of two regions have
// HTML's end and start tags between them, no blanks.
std::vector<int> ownersOfLines(std::string_view content, const std::vector<embeddedRegion>& regions,
                               const std::vector<unsigned>& languages) {
  std::vector<int> owners;
  size_t r = 0;
  // The index of the region that holds byte i, or regions.size(); asked in
  // increasing order.
  auto regionAt = [&](size_t i) {
    while (r < regions.size() && regions[r].end <= i) ++r;
    return r < regions.size() && regions[r].begin <= i ? r : regions.size();
  };
  auto ownerOf = [&](size_t region) {
    if (region == regions.size() || regions[region].language == noLanguage) return -1;
    return static_cast<int>(std::find(languages.begin(), languages.end(), regions[region].language) -
                            languages.begin());
  };
  const auto* const bytes = reinterpret_cast<const unsigned char*>(content.data());
  size_t start = 0;
  while (start < content.size()) {
    const size_t end = static_cast<size_t>(
        findAny<byteSet<'\n', '\r'>>(bytes + start, bytes + content.size()) - bytes);
    size_t first = start;
    while (first < end && isBlank(content[first])) ++first;
    if (first == end) {
      owners.push_back(end < content.size() ? ownerOf(regionAt(end)) : -1);
    } else {
      size_t last = end - 1;
      while (isBlank(content[last])) --last;
      const size_t region = regionAt(first);
      owners.push_back(regionAt(last) == region ? ownerOf(region) : -1);
    }
    start = end + 1;
  }
  return owners;
}

void addLine(lineKind kind, fileStats* stats) {
  ++stats->lines;
  switch (kind) {
    case lineKind::blank: ++stats->blankLines; break;
    case lineKind::comment: ++stats->commentLines; break;
    case lineKind::docComment:
      ++stats->commentLines;
      ++stats->docCommentLines;
      break;
    case lineKind::code: ++stats->codeLines; break;
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
  const std::vector<size_t> lineEnds = lineEndsOf(content);
  std::vector<copyScan> scans;  // the host's, then each language's
  int64_t own = 0;
  std::vector<lineCounter::span> others;  // what is not the scan's own
  for (const embeddedRegion& region : regions) {
    if (region.language != noLanguage) others.push_back({asOffset(region.begin), asOffset(region.end)});
  }
  scans.push_back(scanCopy(copyFor(content, lineEnds, regions, noLanguage, true, &own), host,
                           includeFirstComment, places, others));
  scans.back().own = own;
  for (unsigned language : languages) {
    others.clear();
    int64_t from = 0;
    for (const embeddedRegion& region : regions) {
      if (region.language != language) continue;
      others.push_back({from, asOffset(region.begin)});
      from = asOffset(region.end);
    }
    others.push_back({from, asOffset(content.size())});
    scans.push_back(scanCopy(copyFor(content, lineEnds, regions, language, false, &own), language, true,
                             places, others));
    scans.back().own = own;
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
  const std::vector<int> owners = ownersOfLines(content, regions, languages);
  for (size_t line = 0; line < owners.size(); ++line) {
    lineKind kind = lineKind::blank;
    for (const copyScan& scan : scans) {
      if (line < scan.kinds.size()) kind = std::max(kind, scan.kinds[line]);
    }
    addLine(kind, &total);
    if (owners[line] >= 0) addLine(kind, &result.embedded[static_cast<size_t>(owners[line])].figures);
  }
  return result;
}

}  // namespace quillstat
