#include "analysis/git_ignore.h"

#include <cstring>

namespace quillstat {

namespace {

// The matcher follows git's own (its wildmatch) step by step, results of
// nested calls included, so that the answers agree on odd patterns too.
enum class wild { match, noMatch, abortAll, abortToDoubleStar };

bool isGlobSpecial(char c) { return c == '*' || c == '?' || c == '[' || c == '\\'; }

bool inClass(std::string_view name, unsigned char c, bool* known) {
  *known = true;
  if (name == "alnum") return std::isalnum(c);
  if (name == "alpha") return std::isalpha(c);
  if (name == "blank") return c == ' ' || c == '\t';
  if (name == "cntrl") return std::iscntrl(c);
  if (name == "digit") return std::isdigit(c);
  if (name == "graph") return std::isgraph(c);
  if (name == "lower") return std::islower(c);
  if (name == "print") return std::isprint(c);
  if (name == "punct") return std::ispunct(c);
  if (name == "space") return std::isspace(c);
  if (name == "upper") return std::isupper(c);
  if (name == "xdigit") return std::isxdigit(c);
  *known = false;
  return false;
}

// `p` and `t` end in NUL, as the strings they point into.
wild doWild(const char* p, const char* t, const char* patternStart) {
  for (; *p != '\0'; ++t, ++p) {
    unsigned char tc = static_cast<unsigned char>(*t);
    unsigned char pc = static_cast<unsigned char>(*p);
    if (tc == '\0' && pc != '*') return wild::abortAll;
    switch (pc) {
      case '\\':
        pc = static_cast<unsigned char>(*++p);
        [[fallthrough]];
      default:
        if (tc != pc) return wild::noMatch;
        continue;
      case '?':
        if (tc == '/') return wild::noMatch;
        continue;
      case '*': {
        bool matchSlash = false;
        if (*++p == '*') {
          const char* before = p - 2;
          while (*++p == '*') {
          }
          if ((before < patternStart || *before == '/') &&
              (*p == '\0' || *p == '/' || (p[0] == '\\' && p[1] == '/'))) {
            // "a/**/b" matches "a/b": the "**/" may stand for nothing.
            if (p[0] == '/' && doWild(p + 1, t, patternStart) == wild::match) return wild::match;
            matchSlash = true;
          }
        }
        if (*p == '\0') {
          if (!matchSlash && std::strchr(t, '/') != nullptr) return wild::noMatch;
          return wild::match;
        }
        if (!matchSlash && *p == '/') {
          // One '*' before a '/' takes the rest of this name.
          const char* slash = std::strchr(t, '/');
          if (slash == nullptr) return wild::noMatch;
          t = slash;
          break;
        }
        for (;;) {
          if (tc == '\0') break;
          if (!isGlobSpecial(*p)) {
            // What comes before the next plain character belongs to the '*'.
            const unsigned char next = static_cast<unsigned char>(*p);
            while ((tc = static_cast<unsigned char>(*t)) != '\0' && (matchSlash || tc != '/')) {
              if (tc == next) break;
              ++t;
            }
            if (tc != next) return wild::noMatch;
          }
          const wild matched = doWild(p, t, patternStart);
          if (matched != wild::noMatch) {
            if (!matchSlash || matched != wild::abortToDoubleStar) return matched;
          } else if (!matchSlash && tc == '/') {
            return wild::abortToDoubleStar;
          }
          tc = static_cast<unsigned char>(*++t);
        }
        return wild::abortAll;
      }
      case '[': {
        pc = static_cast<unsigned char>(*++p);
        if (pc == '^') pc = '!';
        const bool negated = pc == '!';
        if (negated) pc = static_cast<unsigned char>(*++p);
        unsigned char previous = 0;
        bool matched = false;
        do {
          if (pc == '\0') return wild::abortAll;
          if (pc == '\\') {
            pc = static_cast<unsigned char>(*++p);
            if (pc == '\0') return wild::abortAll;
            if (tc == pc) matched = true;
          } else if (pc == '-' && previous != 0 && p[1] != '\0' && p[1] != ']') {
            pc = static_cast<unsigned char>(*++p);
            if (pc == '\\') {
              pc = static_cast<unsigned char>(*++p);
              if (pc == '\0') return wild::abortAll;
            }
            if (tc <= pc && tc >= previous) matched = true;
            pc = 0;  // a range's end starts no range
          } else if (pc == '[' && p[1] == ':') {
            const char* name = p += 2;
            while ((pc = static_cast<unsigned char>(*p)) != '\0' && pc != ']') ++p;
            if (pc == '\0') return wild::abortAll;
            if (p - name < 1 || p[-1] != ':') {
              // No ":]": a plain '[' of the set.
              p = name - 2;
              pc = '[';
              if (tc == pc) matched = true;
              continue;
            }
            bool known = false;
            if (inClass(std::string_view(name, static_cast<size_t>(p - name - 1)), tc, &known)) {
              matched = true;
            }
            if (!known) return wild::abortAll;
            pc = 0;
          } else if (tc == pc) {
            matched = true;
          }
        } while (previous = pc, (pc = static_cast<unsigned char>(*++p)) != ']');
        if (matched == negated || tc == '/') return wild::noMatch;
        continue;
      }
    }
  }
  return *t != '\0' ? wild::noMatch : wild::match;
}

// Drops trailing blanks, but not one escaped by a backslash.
std::string_view withoutTrailingBlanks(std::string_view line) {
  size_t end = line.size();
  size_t lastBlank = std::string_view::npos;
  for (size_t i = 0; i < line.size(); ++i) {
    if (line[i] == ' ') {
      if (lastBlank == std::string_view::npos) lastBlank = i;
      continue;
    }
    if (line[i] == '\\' && ++i == line.size()) return line;
    lastBlank = std::string_view::npos;
  }
  if (lastBlank != std::string_view::npos) end = lastBlank;
  return line.substr(0, end);
}

}  // namespace

bool wildMatch(std::string_view pattern, std::string_view text) {
  const std::string p(pattern);
  const std::string t(text);
  return doWild(p.c_str(), t.c_str(), p.c_str()) == wild::match;
}

ignoreList::ignoreList(std::string_view text, std::string base) : base_(std::move(base)) {
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  while (!text.empty()) {
    const size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    // Only a line ended by LF loses its CR, as git reads it.
    if (end != std::string_view::npos && line.ends_with('\r')) line.remove_suffix(1);
    if (line.empty() || line[0] == '#') continue;
    line = withoutTrailingBlanks(line);
    pattern entry{{}, false, false, false};
    if (line.starts_with('!')) {
      entry.negated = true;
      line.remove_prefix(1);
    }
    if (line.ends_with('/')) {
      entry.directoryOnly = true;
      line.remove_suffix(1);
    }
    entry.anyDepth = line.find('/') == std::string_view::npos;
    if (line.starts_with('/')) line.remove_prefix(1);
    if (line.empty()) continue;  // matches nothing
    entry.text = line;
    patterns_.push_back(std::move(entry));
  }
}

std::optional<bool> ignoreList::decides(std::string_view path, bool directory) const {
  const std::string whole(path);
  const size_t slash = whole.rfind('/');
  const char* name = whole.c_str() + (slash == std::string::npos ? 0 : slash + 1);
  const char* below = whole.c_str() + base_.size();
  for (auto it = patterns_.rbegin(); it != patterns_.rend(); ++it) {
    if (it->directoryOnly && !directory) continue;
    const char* text = it->anyDepth ? name : below;
    if (doWild(it->text.c_str(), text, it->text.c_str()) == wild::match) return !it->negated;
  }
  return std::nullopt;
}

}  // namespace quillstat
