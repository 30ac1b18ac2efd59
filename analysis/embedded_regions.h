#ifndef QUILLSTAT_ANALYSIS_EMBEDDED_REGIONS_H_
#define QUILLSTAT_ANALYSIS_EMBEDDED_REGIONS_H_

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "analysis/analysis_result.h"
#include "analysis/language_table.h"

namespace quillstat {

// A stretch of a file's content that holds code of another language, or
// text of the document that no language reads (language noLanguage: a
// fenced block of no known language).
struct embeddedRegion {
  size_t begin;
  size_t end;  // one past its last byte
  unsigned language;
  // A page's classic script, whose HTML-like comments browsers read as line
  // comments: a "<!--" first in it and a last line "-->" (the idiom that hid
  // scripts from old browsers; JavaScript's row knows neither).
  bool htmlLikeComments = false;

  bool operator==(const embeddedRegion&) const = default;
};

// The regions of `content` by `kind`, in content order, none overlapping:
//   htmlTags        the content of each <script> and <style> element outside
//                   <!-- -->, from the byte after the start tag's ">" to its
//                   end tag (or the content's end), when its type or lang
//                   attribute names a language with a row (scriptLanguage,
//                   styleLanguage) and it holds a byte that is no blank;
//   markdownFences  the lines between a fence and its closing fence (or the
//                   content's end), outside an HTML block that starts with
//                   <!--; a fence is three or more backticks or tildes after
//                   at most three spaces, its info string names the language
//                   (fenceLanguage), and the closing fence repeats its byte
//                   at least as often, with only blanks after it.
std::vector<embeddedRegion> embeddedRegionsOf(std::string_view content, embedding kind);

// The language of a <script> element by its type and lang attributes
// (empty when absent; attributes are matched in any case): JavaScript when
// both are absent or name JavaScript (a JavaScript MIME type, "module"),
// TypeScript for lang "ts" or "typescript"; nullopt for anything else
// (templates, JSON data, import maps), which the host reads as it is.
std::optional<unsigned> scriptLanguage(std::string_view type, std::string_view lang);

// The language of a <style> element: CSS, or SCSS or Less by lang; nullopt
// for a language without a row (Sass's indented syntax, Stylus).
std::optional<unsigned> styleLanguage(std::string_view type, std::string_view lang);

// The language a fence's info string names by its first word: a row's
// name, an extension of a row's files or a common alias ("bash", "golang",
// "c++"), in any case; nullopt for none, and for what is no source code
// ("console", "text", "diff", "json").
std::optional<unsigned> fenceLanguage(std::string_view info);

}  // namespace quillstat

#endif  // QUILLSTAT_ANALYSIS_EMBEDDED_REGIONS_H_
