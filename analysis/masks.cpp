#include "analysis/masks.h"

namespace quillstat {

namespace {

bool endsWithFolded(std::string_view name, std::string_view suffix) {
  if (suffix.size() > name.size()) return false;
  std::string_view tail = name.substr(name.size() - suffix.size());
  for (size_t i = 0; i < suffix.size(); ++i) {
    if (foldAscii(tail[i]) != foldAscii(suffix[i])) return false;
  }
  return true;
}

}  // namespace

std::vector<std::string> splitMasks(std::string_view masks) {
  std::vector<std::string> tokens;
  std::string current;
  bool closed = false;
  for (char c : masks) {
    // A ';' only ends the token once something follows it, so "*.java;"
    // gives one token while ";;*.pas" gives two empty ones before ".pas".
    if (closed) {
      tokens.push_back(current);
      current.clear();
      closed = false;
    }
    if (c == ';') {
      closed = true;
    } else if (c != '*' && c != '?') {
      current.push_back(c);
    }
  }
  if (!current.empty()) tokens.push_back(current);
  return tokens;
}

bool nameMatches(std::string_view name, const std::vector<std::string>& tokens) {
  for (const std::string& token : tokens) {
    if (token == "." || endsWithFolded(name, token)) return true;
  }
  return false;
}

}  // namespace quillstat
