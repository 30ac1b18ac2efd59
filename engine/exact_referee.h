#ifndef QUILLSTAT_ENGINE_EXACT_REFEREE_H_
#define QUILLSTAT_ENGINE_EXACT_REFEREE_H_

// The referees, and which is which:
//   classic_referee.h  the per-byte scanners of the classic rules (C++,
//                      Pascal, PHP), the referee of the classic scanners;
//   exact_referee.h    this: the plain per-byte interpreter of an exact
//                      row, the referee of the exact machine
//                      (exact_scanner.h);
//   hook_referee.h     the interface each hook's referee implements, its
//                      part of this interpreter (exact_hooks/*_referee.h).

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/comment_counter.h"
#include "engine/exact_hook_rules.h"
#include "engine/exact_rules.h"
#include "engine/file_stats.h"
#include "engine/hook_referee.h"

namespace quillstat {

// The referee of the exact machine (exact_scanner.h): the same row of rules
// read plainly, one byte at a time, with the whole content at hand, and
// written apart from the machine so that each checks the other. Linked by
// the tests, fuzzers and benchmarks, never by the program. Scans `length`
// bytes of content and returns the record with sizeFile = length and an
// empty name; a null buffer or a length of 0 gives the all-zero record.
fileStats exactRefereeScan(const exactRules& rules, const char* data, size_t length,
                          bool includeFirstComment);

// The per-byte machine. Every byte is taken by exactly one of the take*()
// calls, which count it and its line.
class exactReferee {
 public:
  exactReferee(const exactRules& rules, const unsigned char* data, size_t length,
               bool includeFirstComment);
  fileStats run();

  // --- What the hooks use ---------------------------------------------------
  const exactRules& rules() const { return rules_; }
  size_t position() const { return i_; }
  size_t length() const { return length_; }
  unsigned char at(size_t i) const { return data_[i]; }

  void takeCode();                // one byte of plain code, no statement mark
  void takeLiteral(size_t n);     // code that closes no comment run
  void takeMarker(size_t n, bool doc = false);  // a comment's opener, a doc comment's with doc
  void takeComment(size_t n);     // comment text or closer
  void takeOutside(size_t n);     // outside the code region
  void takeCommentEnd();          // the line end that ends a comment: code that closes no
                                  // run, finishing a word under way

  void enterCode();
  void enterLiteral(size_t rule);
  void enterCommentLiteral(size_t rule);  // the literal counted as comment, closer included
  void enterHook(hookReferee* hook);
  // Code from here to the "}" that closes the "{" just taken, braces nesting
  // inside, and then `hook` again at that "}"; false, and nothing changes,
  // when as many are under way as the machine holds.
  bool enterNestedCode(hookReferee* hook);
  // The next line end taken in code, or that ends a line comment, is taken
  // as code and hands the referee to `hook`.
  void watchLineEnd(hookReferee* hook) { watcher_ = hook; }

  // Whether a splice (a backslash before a line end) stands at i.
  bool isSpliceAt(size_t i) const;
  // The length of `token` at i, splices between its bytes included, or 0.
  size_t matchAt(size_t i, std::string_view token) const;
  // The run of C token bytes that ends just before i.
  tokenRun runBefore(size_t i) const;
  // Whether one of a prefix's words (exact_rules.h) stands alone just before
  // the position.
  bool prefixStands(std::string_view words) const;
  // The last byte before i on its line that is not a blank, or -1.
  int lastNonBlankBefore(size_t i) const;
  // The code lines that ended before the position.
  int64_t codeLinesEnded() const { return lineCounts_[codeLine]; }
  // The row's literal rule opened by `opener` after any word.
  size_t literalOpenedBy(std::string_view opener) const;
  // The spaces that start the line of i.
  int64_t indentAt(size_t i) const;
  // The last token of the code before i, comments and blanks skipped.
  significantToken significantBefore(size_t i) const;
  // Whether only blanks stand between the start of i's line and i.
  bool firstOnLine(size_t i) const;

 private:
  enum class state {
    code, lineComment, blockComment, literal, outside, hook, delimited, commentLiteral
  };
  enum { blankLine = 0, commentLine = 1, codeLine = 2 };
  // What each byte taken was, for significantBefore().
  enum class taken : uint8_t { code, literal, comment };

  // A token that opens something in code, and what.
  struct opener {
    std::string_view text;  // of a delimited rule, the first byte its opener may have
    enum { lineComment, blockComment, literal, regionCloser, plain, hookToken, delimited } kind;
    size_t rule = 0;  // or the hook's index in hooks_
    placement where = placement::anywhere;
    char notBefore = 0;
    size_t length = text.size();  // the fewest bytes it opens with
    std::string_view notAfter = {};
    bool keyword = false;
  };
  // An interpolation under way: code inside literal `rule`, with `depth`
  // brackets of its kind open inside it.
  struct nesting {
    size_t rule;
    int64_t depth;
    hookReferee* hook = nullptr;  // the code of this hook's "{", not rule's interpolation
  };

  void stepAt();
  void codeAt(unsigned char c);
  bool bracketAt(unsigned char c);
  bool open(const opener& o, size_t n);
  void lineCommentAt(unsigned char c);
  void blockCommentAt();
  void literalAt(unsigned char c);
  bool openDelimited(size_t rule);
  void delimitedAt();
  size_t matchOpenerAt(const opener& o) const;
  bool placedAt(placement where) const;
  bool isMark(unsigned char c) const;
  unsigned char previous() const { return i_ > 0 ? data_[i_ - 1] : 0; }
  void line(unsigned char c, int kind, bool doc = false);
  // Whether the bytes right after an opener at i make its comment a doc one.
  bool docMarkerAt(size_t i, const docRule& doc) const;
  void takePlain(unsigned char c);  // a code byte that may be a statement mark
  void handToWatcher();
  void endLine();
  int commentKind() const;

  const exactRules& rules_;
  const unsigned char* data_;
  size_t length_;
  commentCounter counter_;
  std::vector<std::unique_ptr<hookReferee>> hooks_;
  std::vector<opener> openers_;
  size_t i_ = 0;
  state state_ = state::code;
  size_t rule_ = 0;
  size_t inner_ = 0;  // commentLiteral: the literal's rule
  int64_t depth_ = 0;
  hookReferee* hook_ = nullptr;
  hookReferee* watcher_ = nullptr;
  std::vector<taken> taken_;  // one per byte taken
  size_t offeredEnd_ = 0;     // one past the last byte offered to the word detectors
  std::vector<nesting> nestings_;
  std::string delimiter_;  // the fill or tag of the delimited literal under way
  int64_t lineCounts_[3] = {0, 0, 0};
  int lineKind_ = blankLine;
  bool lineHasBytes_ = false;
  bool inDoc_ = false;       // the comment under way is a doc comment
  bool lineHasDoc_ = false;  // the line under way holds a doc comment byte, no blank
  int64_t docLines_ = 0;
};

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_EXACT_REFEREE_H_
