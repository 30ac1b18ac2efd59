#include "analysis/embedded_scan.h"

#include <algorithm>
#include <string>

#include "analysis/language_table.h"
#include "engine/byte_classes.h"
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
bool isBlank(char c) { return isBlankByte(static_cast<unsigned char>(c)); }

// Scans `copy` by `language`; `ownByte` tells the bytes that are the copy's
// own. A comment that runs on past them, a line comment to its line's end
// over a blanked end tag, keeps only its own bytes: code where the copy is
// not its own ends it (a script ends at its end tag).
template <class Own>
copyScan scanCopy(const std::string& copy, unsigned language, bool includeFirstComment,
                  std::vector<wordPlace>* places, Own ownByte) {
  copyScan scan;
  std::vector<bool> commentBytes;
  scan.stats = languageTable[language].exact.scanLines(copy.data(), copy.size(), includeFirstComment,
                                                     places, &scan.kinds, &commentBytes);
  int64_t stray = 0;
  for (size_t i = 0; i < commentBytes.size() && i < copy.size(); ++i) {
    stray += commentBytes[i] && !ownByte(i) && !isLineEndByte(copy[i]) ? 1 : 0;
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

// The content with the bytes of `regions` of `language` kept and every other
// byte but a line end blanked; or for the host (noLanguage), the bytes
// outside the code regions kept and those of text regions, blanks aside,
// turned into a letter that opens nothing.
std::string copyFor(std::string_view content, const std::vector<embeddedRegion>& regions,
                    unsigned language, bool host, int64_t* own) {
  std::string copy(content);
  size_t from = 0;
  auto blank = [&](size_t begin, size_t end) {
    for (size_t i = begin; i < end; ++i) {
      if (!isLineEndByte(copy[i])) copy[i] = ' ';
    }
  };
  *own = 0;
  for (const embeddedRegion& region : regions) {
    if (!host && region.language == language && region.htmlLikeComments) {
      readHtmlLikeComments(&copy, region.begin, region.end);
    }
    if (host) {
      if (region.language == noLanguage) {
        for (size_t i = region.begin; i < region.end; ++i) {
          if (!isLineEndByte(copy[i]) && !isBlank(copy[i])) copy[i] = 'x';
        }
      } else {
        blank(region.begin, region.end);
        *own -= static_cast<int64_t>(region.end - region.begin);
      }
    } else if (region.language == language) {
      blank(from, region.begin);
      from = region.end;
      *own += static_cast<int64_t>(region.end - region.begin);
    }
  }
  if (host) {
    *own += static_cast<int64_t>(content.size());
  } else {
    blank(from, content.size());
  }
  return copy;
}

// The language whose regions hold all the bytes of each line but blanks (or
// for a blank line its line end), as an index into `languages`; -1 for the
// host's lines and for lines shared with it.
std::vector<int> ownersOfLines(std::string_view content, const std::vector<embeddedRegion>& regions,
                               const std::vector<unsigned>& languages) {
  auto indexOf = [&](unsigned language) {
    return static_cast<int>(std::find(languages.begin(), languages.end(), language) - languages.begin());
  };
  std::vector<int> owners;
  size_t r = 0;
  auto ownerAt = [&](size_t i) {
    while (r < regions.size() && regions[r].end <= i) ++r;
    if (r < regions.size() && regions[r].begin <= i && regions[r].language != noLanguage) {
      return indexOf(regions[r].language);
    }
    return -1;
  };
  size_t i = 0;
  while (i < content.size()) {
    int owner = -2;  // none yet
    for (; i < content.size() && !isLineEndByte(content[i]); ++i) {
      if (isBlank(content[i])) continue;
      const int at = ownerAt(i);
      owner = owner == -2 || owner == at ? at : -1;
    }
    if (owner == -2) owner = i < content.size() ? ownerAt(i) : -1;
    owners.push_back(owner);
    ++i;
  }
  return owners;
}

void addLine(lineKind kind, fileStats* stats) {
  ++stats->lines;
  switch (kind) {
    case lineKind::blank: ++stats->blankLines; break;
    case lineKind::comment: ++stats->commentLines; break;
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
  // The language of each byte's region (noLanguage outside any, and in text).
  std::vector<unsigned> owner(content.size(), noLanguage);
  for (const embeddedRegion& region : regions) {
    for (size_t i = region.begin; i < region.end; ++i) owner[i] = region.language;
  }
  std::vector<copyScan> scans;  // the host's, then each language's
  int64_t own = 0;
  scans.push_back(scanCopy(copyFor(content, regions, noLanguage, true, &own), host,
                           includeFirstComment, places,
                           [&](size_t i) { return owner[i] == noLanguage; }));
  scans.back().own = own;
  for (unsigned language : languages) {
    scans.push_back(scanCopy(copyFor(content, regions, language, false, &own), language, true,
                             places, [&](size_t i) { return owner[i] == language; }));
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
  }
  for (size_t k = 0; k < languages.size(); ++k) {
    const copyScan& scan = scans[k + 1];
    fileStats figures = scan.stats;
    figures.sizeFile = scan.own;
    figures.countCodeChars = ownCodeChars(scan, size);
    figures.lines = figures.blankLines = figures.commentLines = figures.codeLines = 0;
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
