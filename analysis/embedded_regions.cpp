#include "analysis/embedded_regions.h"

#include <string>

#include "analysis/language_detection.h"
#include "analysis/languages.h"
#include "engine/byte_classes.h"
#include "engine/byte_search.h"

namespace quillstat {

namespace {

// ASCII only, as tag and attribute names are; no locale call on a page's every "<".
char folded(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool sameFolded(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (folded(a[i]) != folded(b[i])) return false;
  }
  return true;
}

bool startsFolded(std::string_view text, size_t at, std::string_view word) {
  return at <= text.size() && sameFolded(text.substr(at, word.size()), word);
}

// The first place from `from` on where `word`, whose first byte is no
// letter, stands in any case, or npos.
size_t findFolded(std::string_view text, std::string_view word, size_t from) {
  for (size_t i = from; (i = text.find(word[0], i)) != std::string_view::npos; ++i) {
    if (startsFolded(text, i, word)) return i;
  }
  return std::string_view::npos;
}

bool isSpace(char c) { return isBlankByte(static_cast<unsigned char>(c)) || isLineEnd(static_cast<unsigned char>(c)); }

bool hasNonBlank(std::string_view text) {
  for (char c : text) {
    if (!isSpace(c)) return true;
  }
  return false;
}

std::optional<unsigned> named(const char* name) { return languageNamed(name); }

// A start tag's attributes from `at` (after its name) to its ">": *end is
// the place of the ">", npos when none comes; *closed whether it ends "/>".
struct startTag {
  std::string_view type;
  std::string_view lang;
  size_t end = std::string_view::npos;
  bool selfClosing = false;
};

startTag readStartTag(std::string_view text, size_t at) {
  startTag tag;
  size_t i = at;
  while (i < text.size()) {
    const char c = text[i];
    if (c == '>') {
      tag.end = i;
      tag.selfClosing = i > at && text[i - 1] == '/';
      return tag;
    }
    if (isSpace(c) || c == '/') {
      ++i;
      continue;
    }
    const size_t nameStart = i;
    while (i < text.size() && !isSpace(text[i]) && text[i] != '=' && text[i] != '>' && text[i] != '/') ++i;
    const std::string_view name = text.substr(nameStart, i - nameStart);
    size_t j = i;
    while (j < text.size() && isSpace(text[j])) ++j;
    if (j >= text.size() || text[j] != '=') continue;
    ++j;
    while (j < text.size() && isSpace(text[j])) ++j;
    size_t valueStart = j;
    size_t valueEnd = j;
    if (j < text.size() && (text[j] == '"' || text[j] == '\'')) {
      const size_t close = text.find(text[j], j + 1);
      if (close == std::string_view::npos) return tag;
      valueStart = j + 1;
      valueEnd = close;
      i = close + 1;
    } else {
      while (valueEnd < text.size() && !isSpace(text[valueEnd]) && text[valueEnd] != '>') ++valueEnd;
      i = valueEnd;
    }
    const std::string_view value = text.substr(valueStart, valueEnd - valueStart);
    if (sameFolded(name, "type")) tag.type = value;
    if (sameFolded(name, "lang")) tag.lang = value;
  }
  return tag;
}

// The byte after an element's name: it must end the name.
bool endsName(std::string_view text, size_t at) {
  return at >= text.size() || isSpace(text[at]) || text[at] == '>' || text[at] == '/';
}

std::vector<embeddedRegion> htmlRegions(std::string_view text) {
  std::vector<embeddedRegion> regions;
  const auto* const bytes = reinterpret_cast<const unsigned char*>(text.data());
  const auto* const textEnd = bytes + text.size();
  // Only a "<" before "!", "s" or "S" may open a comment or such an element.
  auto nextOpener = [&](size_t from) {
    const unsigned char* const p = findPair<byteSet<'<'>, byteSet<'!', 's', 'S'>>(bytes + from, textEnd);
    return p == textEnd ? std::string_view::npos : static_cast<size_t>(p - bytes);
  };
  size_t i = 0;
  while ((i = nextOpener(i)) != std::string_view::npos) {
    if (i + 4 <= text.size() && text[i + 1] == '!' && text[i + 2] == '-' && text[i + 3] == '-') {
      const size_t close = text.find("-->", i + 4);
      if (close == std::string_view::npos) break;
      i = close + 3;
      continue;
    }
    const bool script = startsFolded(text, i + 1, "script") && endsName(text, i + 7);
    const bool style = !script && startsFolded(text, i + 1, "style") && endsName(text, i + 6);
    if (!script && !style) {
      ++i;
      continue;
    }
    const startTag tag = readStartTag(text, i + (script ? 7 : 6));
    if (tag.end == std::string_view::npos) break;
    const size_t begin = tag.end + 1;
    if (tag.selfClosing) {
      i = begin;
      continue;
    }
    const size_t close = findFolded(text, script ? "</script" : "</style", begin);
    const size_t end = close == std::string_view::npos ? text.size() : close;
    const std::optional<unsigned> language =
        script ? scriptLanguage(tag.type, tag.lang) : styleLanguage(tag.type, tag.lang);
    if (language && hasNonBlank(text.substr(begin, end - begin))) {
      const bool classic = script && *language == named("JavaScript") && !sameFolded(tag.type, "module");
      regions.push_back({begin, end, *language, classic});
    }
    if (close == std::string_view::npos) break;
    i = close;
  }
  return regions;
}

// A line's indent of spaces, when it is at most three.
std::optional<size_t> smallIndent(std::string_view line) {
  size_t n = 0;
  while (n < line.size() && line[n] == ' ') ++n;
  if (n > 3) return std::nullopt;
  return n;
}

size_t runOf(std::string_view line, size_t at, char c) {
  size_t n = at;
  while (n < line.size() && line[n] == c) ++n;
  return n - at;
}

std::vector<embeddedRegion> markdownRegions(std::string_view text) {
  std::vector<embeddedRegion> regions;
  bool inFence = false;
  bool inComment = false;
  char fenceByte = 0;
  size_t fenceLength = 0;
  size_t bodyBegin = 0;
  unsigned language = noLanguage;
  const auto* const bytes = reinterpret_cast<const unsigned char*>(text.data());
  size_t lineStart = 0;
  while (lineStart < text.size()) {
    const size_t lineEnd = static_cast<size_t>(findAny<byteSet<'\n', '\r'>>(bytes + lineStart, bytes + text.size()) - bytes);
    const std::string_view line = text.substr(lineStart, lineEnd - lineStart);
    const size_t next = lineEnd < text.size() ? lineEnd + 1 : lineEnd;
    const std::optional<size_t> indent = smallIndent(line);
    if (inFence) {
      const size_t run = indent ? runOf(line, *indent, fenceByte) : 0;
      if (run >= fenceLength && !hasNonBlank(line.substr(*indent + run))) {
        if (lineStart > bodyBegin) regions.push_back({bodyBegin, lineStart, language, false});
        inFence = false;
      }
    } else if (inComment) {
      inComment = line.find("-->") == std::string_view::npos;
    } else if (indent) {
      const char c = *indent < line.size() ? line[*indent] : 0;
      const size_t run = c == '`' || c == '~' ? runOf(line, *indent, c) : 0;
      const std::string_view info = run >= 3 ? line.substr(*indent + run) : std::string_view{};
      if (run >= 3 && !(c == '`' && info.find('`') != std::string_view::npos)) {
        inFence = true;
        fenceByte = c;
        fenceLength = run;
        bodyBegin = next;
        language = fenceLanguage(info).value_or(noLanguage);
      } else if (line.compare(*indent, 4, "<!--") == 0) {
        inComment = line.find("-->", *indent + 4) == std::string_view::npos;
      }
    }
    lineStart = next;
  }
  if (inFence && text.size() > bodyBegin) regions.push_back({bodyBegin, text.size(), language, false});
  return regions;
}

}  // namespace

std::vector<embeddedRegion> embeddedRegionsOf(std::string_view content, embedding kind) {
  switch (kind) {
    case embedding::htmlTags: return htmlRegions(content);
    case embedding::markdownFences: return markdownRegions(content);
    case embedding::none: break;
  }
  return {};
}

std::optional<unsigned> scriptLanguage(std::string_view type, std::string_view lang) {
  if (sameFolded(lang, "ts") || sameFolded(lang, "typescript") || sameFolded(lang, "tsx")) {
    return named("TypeScript");
  }
  if (!lang.empty() && !sameFolded(lang, "js") && !sameFolded(lang, "javascript") &&
      !sameFolded(lang, "jsx")) {
    return std::nullopt;
  }
  // The types that browsers run as scripts, and TypeScript's own.
  for (std::string_view script : {"", "module", "text/javascript", "application/javascript",
                                  "text/ecmascript", "application/ecmascript", "text/jsx",
                                  "text/babel", "application/x-javascript"}) {
    if (sameFolded(type, script)) return named("JavaScript");
  }
  if (sameFolded(type, "text/typescript") || sameFolded(type, "application/typescript")) {
    return named("TypeScript");
  }
  return std::nullopt;
}

std::optional<unsigned> styleLanguage(std::string_view type, std::string_view lang) {
  if (!type.empty() && !sameFolded(type, "text/css")) return std::nullopt;
  if (lang.empty() || sameFolded(lang, "css") || sameFolded(lang, "postcss")) return named("CSS");
  if (sameFolded(lang, "scss")) return named("SCSS");
  if (sameFolded(lang, "less")) return named("Less");
  return std::nullopt;
}

std::optional<unsigned> fenceLanguage(std::string_view info) {
  size_t start = 0;
  while (start < info.size() && (isSpace(info[start]) || info[start] == '{' || info[start] == '.')) ++start;
  size_t end = start;
  while (end < info.size() && !isSpace(info[end]) && info[end] != '}' && info[end] != ',' &&
         info[end] != '{') {
    ++end;
  }
  const std::string_view word = info.substr(start, end - start);
  if (word.empty()) return std::nullopt;
  struct alias {
    std::string_view word;
    const char* language;  // nullptr: no source code
  };
  static constexpr alias kAliases[] = {
      {"console", nullptr}, {"shell-session", nullptr}, {"sh-session", nullptr},
      {"text", nullptr},    {"txt", nullptr},           {"plain", nullptr},
      {"plaintext", nullptr}, {"diff", nullptr},        {"json", nullptr},
      {"bash", "Shell"},    {"shell", "Shell"},         {"zsh", "Shell"},
      {"golang", "Go"},     {"node", "JavaScript"},     {"python3", "Python"},
      {"objc", "Objective-C"}, {"csharp", "C#"},        {"docker", "Dockerfile"},
      {"make", "Makefile"}, {"ps1", "PowerShell"},      {"vb", "Visual Basic"},
      {"postgresql", "SQL"}, {"mysql", "SQL"},
  };
  for (const alias& a : kAliases) {
    if (sameFolded(word, a.word)) {
      if (a.language == nullptr) return std::nullopt;
      return named(a.language);
    }
  }
  for (unsigned row = 0; row < languageCount; ++row) {
    if (sameFolded(word, languageName(row))) return *languageNamed(languageName(row));
  }
  std::string name = "f.";
  name.append(word);
  return languageOfName(name);
}

}  // namespace quillstat
