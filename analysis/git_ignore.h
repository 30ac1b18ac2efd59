#ifndef QUILLSTAT_ANALYSIS_GIT_IGNORE_H_
#define QUILLSTAT_ANALYSIS_GIT_IGNORE_H_

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillstat {

// Whether `text` matches the ignore pattern `pattern` as a whole, as git
// matches paths: '*' and '?' within a name, "[a-z]", "[!a]", "[^a]" and
// "[[:alpha:]]" for one character of a name, '\\' making the next character
// plain, "**/" for any number of leading directories, "/**" for everything
// beneath, "/**/" for any number of directories between; any other "**"
// is a '*'.
bool wildMatch(std::string_view pattern, std::string_view text);

// The patterns of one ignore file (a ".gitignore", info/exclude or the
// user's excludes file), as git reads them: a line per pattern (a CR before
// the LF dropped, a UTF-8 byte order mark first dropped), blank lines and
// those starting with '#' skipped, trailing blanks dropped unless escaped
// ("a\\ " keeps one), '!' negating the pattern ("\\!" and "\\#" are plain),
// a trailing '/' matching directories only, and a '/' before the end
// anchoring the pattern to the file's directory; a pattern without one
// matches a name at any depth below it.
class ignoreList {
 public:
  // `base` is the directory of the file, from the work tree's root, with
  // '/' separators and one at its end ("src/"), or "" for the root.
  ignoreList(std::string_view text, std::string base);

  // Whether the last pattern matching `path` (from the work tree's root,
  // '/' separators, none at its end; below base) ignores it (true) or
  // re-includes it with '!' (false); nothing when none matches.
  std::optional<bool> decides(std::string_view path, bool directory) const;

  const std::string& base() const { return base_; }
  bool empty() const { return patterns_.empty(); }

 private:
  struct pattern {
    std::string text;  // without '!', a leading '/' or a trailing '/'
    bool negated;
    bool directoryOnly;
    bool anyDepth;  // no '/' in it: matched against the last name
  };
  std::vector<pattern> patterns_;
  std::string base_;
};

}  // namespace quillstat

#endif  // QUILLSTAT_ANALYSIS_GIT_IGNORE_H_
