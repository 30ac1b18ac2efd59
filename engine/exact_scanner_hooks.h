#ifndef QUILLSTAT_ENGINE_EXACT_SCANNER_HOOKS_H_
#define QUILLSTAT_ENGINE_EXACT_SCANNER_HOOKS_H_

// The hooks of the exact machine (see exact_rules.h), each written once for
// every row that names it. Included by exact_scanner.h only.

namespace quillstat {

template <const exactRules& R>
template <uint32_t H>
const unsigned char* exactScanner<R>::openHook(const unsigned char* p, const unsigned char* q,
                                               const unsigned char* end) {
  if constexpr (H == hook::cDirectives) {
    frame_.code(false);  // the "#"
    matched_ = 0;
    mode_ = mode::directive;
    return directive(q, end);
  } else if constexpr (H == hook::rawStrings) {
    if (!isRawPrefix(runBefore(p))) return nullptr;  // an ordinary string
    frame_.literal(p, q);
    delimiterLength_ = 0;
    mode_ = mode::rawDelimiter;
    return q;
  } else if constexpr (H == hook::digitSeparators) {
    if (!isNumberRun(runBefore(p))) return nullptr;  // a character literal
    frame_.code(false);
    return q;
  } else if constexpr (H == hook::phpHeredocs) {
    for (; p < q; ++p) frame_.code(false);  // "<<<" is code, whatever follows
    labelQuote_ = 0;
    label_.clear();
    mode_ = mode::heredocStart;
    return q;
  } else {
    static_assert(H == hook::cDirectives, "a hook with a token needs its opening here");
  }
}

// --- C's directives ---------------------------------------------------------

template <const exactRules& R>
const unsigned char* exactScanner<R>::directive(const unsigned char* p, const unsigned char* end) {
  while (p < end) {
    if (spliceAt(p, end)) {
      frame_.code(false);
      frame_.code(false);
      p += 2;
      continue;
    }
    if (waiting_) return p;
    if (matched_ == 0 && isCBlank(*p)) {
      frame_.code(false);
      ++p;
    } else if (*p == static_cast<unsigned char>(kIncludeName[matched_])) {
      frame_.code(false);
      ++p;
      if (++matched_ == kIncludeLength) {
        mode_ = mode::includeLine;
        return includeLine(p, end);
      }
    } else {
      mode_ = mode::code;  // another directive: its line is code like any other
      return p;
    }
  }
  return p;
}

template <const exactRules& R>
const unsigned char* exactScanner<R>::includeLine(const unsigned char* p,
                                                  const unsigned char* end) {
  while (p < end) {
    if (spliceAt(p, end)) {
      frame_.code(false);
      frame_.code(false);
      p += 2;
      continue;
    }
    if (waiting_) return p;
    if (staysInIncludeLine(*p)) {  // blanks and the rest of a longer name ("include_next")
      frame_.code(false);
      ++p;
    } else if (*p == '<') {
      frame_.literal(p, p + 1);
      mode_ = mode::headerName;
      return headerName(p + 1, end);
    } else {
      mode_ = mode::code;
      return p;
    }
  }
  return p;
}

template <const exactRules& R>
const unsigned char* exactScanner<R>::headerName(const unsigned char* p,
                                                 const unsigned char* end) {
  using stops = byteSet<'>', '\r', '\n', '\\'>;
  for (;;) {
    p = frame_.template literalRun<stops>(p, end);
    if (p == end) return p;
    if (*p == '\\') {
      const bool splice = spliceAt(p, end);
      if (waiting_) return p;
      frame_.literal(p, p + (splice ? 2 : 1));
      p += splice ? 2 : 1;
      continue;
    }
    mode_ = mode::code;
    if (*p != '>') return p;  // the line end is code
    frame_.literal(p, p + 1);
    return p + 1;
  }
}

// --- C++'s raw strings and digit separators ---------------------------------

template <const exactRules& R>
tokenRun exactScanner<R>::runBefore(const unsigned char* p) {
  // The walk back stops at the last place asked about: a run that reaches
  // it goes on from the run found there, so "1'1'1'..." costs a step per
  // byte, not one per byte and quote.
  const unsigned char* q = p;
  while (q > runAnchor_ && isTokenByte(q[-1])) --q;
  tokenRun run;
  if (q == runAnchor_) run = anchorRun_;
  for (; q < p && run.length < 4; ++q) run.head[run.length++] = *q;
  run.length += p - q;
  runAnchor_ = p;
  anchorRun_ = run;
  return run;
}

template <const exactRules& R>
const unsigned char* exactScanner<R>::rawDelimiter(const unsigned char* p) {
  if (*p == '(') {
    frame_.literal(p, p + 1);
    mode_ = mode::rawBody;
    return p + 1;
  }
  if (*p == '"' || isBadRawDelimiterByte(*p) || delimiterLength_ == kMaxRawDelimiter) {
    // No raw string after all: what was read is ordinary string text.
    constexpr int kString = literalOpenedBy("\"");
    static_assert(!R.has(hook::rawStrings) || kString >= 0, "raw strings need a \" literal");
    mode_ = mode::literal;
    rule_ = static_cast<uint8_t>(kString);
    return p;
  }
  delimiter_[delimiterLength_++] = *p;
  frame_.literal(p, p + 1);
  return p + 1;
}

template <const exactRules& R>
const unsigned char* exactScanner<R>::rawBody(const unsigned char* p, const unsigned char* end) {
  // Splices are undone inside a raw string: its bytes are taken as they are.
  const unsigned char* stop = frame_.template literalRun<byteSet<')'>>(p, end);
  if (stop == end) return stop;
  frame_.literal(stop, stop + 1);
  matched_ = 0;
  mode_ = mode::rawClose;
  return stop + 1;
}

template <const exactRules& R>
const unsigned char* exactScanner<R>::rawClose(const unsigned char* p) {
  if (matched_ == delimiterLength_ ? *p == '"' : *p == delimiter_[matched_]) {
    frame_.literal(p, p + 1);
    if (matched_++ == delimiterLength_) mode_ = mode::code;
    return p + 1;
  }
  // The delimiter holds no ")", so only this byte can begin the closer anew.
  mode_ = mode::rawBody;
  return p;
}

// --- PHP's heredocs and nowdocs ---------------------------------------------

template <const exactRules& R>
const unsigned char* exactScanner<R>::heredocStart(const unsigned char* p) {
  if (isPhpBlank(*p)) {
    frame_.code(false);
    return p + 1;
  }
  if (labelQuote_ == 0 && (*p == '\'' || *p == '"')) {
    frame_.literal(p, p + 1);
    labelQuote_ = *p;
    return p + 1;
  }
  // A label, or no heredoc after all: "<<<" and what followed were code.
  mode_ = startsLabel(*p) ? mode::heredocLabel : mode::code;
  return p;
}

template <const exactRules& R>
const unsigned char* exactScanner<R>::heredocLabel(const unsigned char* p) {
  if (isLabelByte(*p) && label_.size() == kMaxHeredocLabel) {
    mode_ = mode::code;  // too long for a label: no heredoc, and this byte is code
    return p;
  }
  if (isLabelByte(*p)) {
    frame_.literal(p, p + 1);
    label_ += static_cast<char>(*p);
    return p + 1;
  }
  mode_ = mode::heredocLine;
  if (labelQuote_ == 0 || *p != labelQuote_) return p;
  frame_.literal(p, p + 1);
  return p + 1;
}

template <const exactRules& R>
const unsigned char* exactScanner<R>::heredocLine(const unsigned char* p,
                                                  const unsigned char* end) {
  const unsigned char* stop = frame_.template literalRun<byteSet<'\r', '\n'>>(p, end);
  if (stop == end) return stop;
  frame_.literal(stop, stop + 1);
  matched_ = 0;
  mode_ = mode::heredocLineStart;
  return stop + 1;
}

template <const exactRules& R>
const unsigned char* exactScanner<R>::heredocLineStart(const unsigned char* p) {
  if (matched_ == 0 && isPhpBlank(*p)) {
    frame_.literal(p, p + 1);  // the closing label may be indented
    return p + 1;
  }
  if (*p == static_cast<unsigned char>(label_[matched_])) {
    frame_.literal(p, p + 1);
    if (static_cast<size_t>(++matched_) == label_.size()) mode_ = mode::heredocLabelEnd;
    return p + 1;
  }
  mode_ = mode::heredocLine;  // no label here: this byte is body text, or a line end
  return p;
}

template <const exactRules& R>
const unsigned char* exactScanner<R>::heredocLabelEnd(const unsigned char* p) {
  // "EOT2" or "EOTX" at a line's start is text of a heredoc labelled EOT.
  mode_ = isLabelByte(*p) ? mode::heredocLine : mode::code;
  return p;
}

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_EXACT_SCANNER_HOOKS_H_
