#include "engine/comment_counter.h"
#include "engine/exact_c_states.h"
#include "engine/exact_reference_scan.h"
#include "engine/reference_steps.h"

#include <string>

namespace quillstat {

namespace {

using State = exactCState;

// The run of token bytes that ends just before data[at].
tokenRun runEndingAt(const unsigned char* data, size_t at) {
  size_t start = at;
  while (start > 0 && isTokenByte(data[start - 1])) --start;
  tokenRun run;
  run.length = static_cast<int64_t>(at - start);
  for (size_t k = 0; k < 4 && start + k < at; ++k) run.head[k] = data[start + k];
  return run;
}

// Whether only blanks stand between the last line end before data[at], or
// the start, and data[at].
bool startsLine(const unsigned char* data, size_t at) {
  while (at > 0 && isBlank(data[at - 1])) --at;
  return at == 0 || isLineEnd(data[at - 1]);
}

}  // namespace

fileStats referenceScanExactC(const char* bytes, size_t length, bool includeFirstComment) {
  if (bytes == nullptr || length == 0) return fileStats{};
  const auto* data = reinterpret_cast<const unsigned char*>(bytes);
  static const char kInclude[] = "include";
  commentCounter counter(includeFirstComment);
  State state = State::Code;
  size_t matched = 0;     // Directive: letters of "include"; RawClose: delimiter bytes
  std::string delimiter;  // of the raw string being read
  for (size_t i = 0; i < length;) {
    const unsigned char c = data[i];
    const unsigned char previous = i > 0 ? data[i - 1] : 0;
    bool taken = true;  // a byte not taken is handled again in the new state
    switch (state) {
      case State::Code:
        if (c == '/') {
          state = State::Slash;
        } else if (c == '#') {
          counter.plainCode(false);
          if (startsLine(data, i)) {
            matched = 0;
            state = State::Directive;
          }
        } else if (c == '\'' || c == '"') {
          const tokenRun run = runEndingAt(data, i);
          if (c == '\'' && isNumberRun(run)) {
            counter.plainCode(false);  // a digit separator
          } else {
            ++counter.pendingCodeChars;
            delimiter.clear();
            state = c == '\'' ? State::Char : isRawPrefix(run) ? State::RawDelimiter : State::String;
          }
        } else {
          counter.plainCode(c == ';' || c == '{');
        }
        break;
      case State::Slash: taken = slashByte(counter, state, c); break;
      case State::BlockComment:
        taken = starCommentTextByte<State::BlockStar>(counter, state, c, previous);
        break;
      case State::BlockStar:
        taken = starCommentStarByte<State::BlockComment, '/'>(counter, state, c);
        break;
      case State::String:
        taken = quotedByte(counter, state, c, '"', State::StringEscape, /*endsAtLine=*/true);
        break;
      case State::Char:
        taken = quotedByte(counter, state, c, '\'', State::CharEscape, /*endsAtLine=*/true);
        break;
      case State::StringEscape: taken = escapedByte(counter, state, State::String); break;
      case State::CharEscape: taken = escapedByte(counter, state, State::Char); break;
      case State::RawDelimiter:
        if (c == '(') {
          ++counter.pendingCodeChars;
          state = State::RawBody;
        } else if (c == '"' || isBadRawDelimiterByte(c) ||
                   delimiter.size() == static_cast<size_t>(kMaxRawDelimiter)) {
          state = State::String;
          taken = false;
        } else {
          delimiter += static_cast<char>(c);
          ++counter.pendingCodeChars;
        }
        break;
      case State::RawBody:
        ++counter.pendingCodeChars;
        if (c == ')') {
          matched = 0;
          state = State::RawClose;
        }
        break;
      case State::RawClose:
        if (matched < delimiter.size() && c == static_cast<unsigned char>(delimiter[matched])) {
          ++counter.pendingCodeChars;
          ++matched;
        } else if (matched == delimiter.size() && c == '"') {
          ++counter.pendingCodeChars;
          state = State::Code;
        } else {
          state = State::RawBody;
          taken = false;
        }
        break;
      case State::Directive:
        if (matched == 0 && isBlank(c)) {
          counter.plainCode(false);
        } else if (c == kInclude[matched]) {
          counter.plainCode(false);
          if (++matched == 7) state = State::IncludeLine;
        } else {
          state = State::Code;
          taken = false;
        }
        break;
      case State::IncludeLine:
        if (c == '<') {
          ++counter.pendingCodeChars;
          state = State::HeaderName;
        } else if (isBlank(c) || isAsciiLetter(c) || isDigit(c) || c == '_') {
          counter.plainCode(false);
        } else {
          state = State::Code;
          taken = false;
        }
        break;
      case State::HeaderName:
        if (isLineEnd(c)) {
          state = State::Code;
          taken = false;
        } else {
          ++counter.pendingCodeChars;
          if (c == '>') state = State::Code;
        }
        break;
      case State::LineComment:
        lineCommentByte(counter, state, c, previous);
        if (c == '\\') state = State::LineBackslash;
        break;
      case State::LineBackslash:
        if (isLineEnd(c)) {
          counter.offer(c, previous);  // a spliced line end goes on with the comment
          ++counter.pendingCommentChars;
          state = State::LineComment;
        } else {
          state = State::LineComment;
          taken = false;
        }
        break;
    }
    if (taken) ++i;
  }
  if (state == State::Slash) counter.plainCode(false);
  return counter.finish(static_cast<int64_t>(length));
}

}  // namespace quillstat
