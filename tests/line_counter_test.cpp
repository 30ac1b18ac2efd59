#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/line_counter.h"

namespace quillstat {
namespace {

// The line figures of `text`, whose bytes have the classes `classes`, worked
// out a line at a time: CR and LF end lines; tab, vertical tab, form feed
// and space are blanks; a hidden comment's bytes count as blanks; a doc
// comment's are a comment's, and make a comment line a doc comment line.
// What each line is goes to *kinds.
fileStats figuresByLine(const std::string& text, const std::vector<lineClass>& classes,
                        std::vector<lineKind>* kinds) {
  fileStats s;
  bool any = false, code = false, comment = false, doc = false;
  auto close = [&] {
    kinds->push_back(code      ? lineKind::code
                     : doc     ? lineKind::docComment
                     : comment ? lineKind::comment
                               : lineKind::blank);
    ++s.lines;
    ++(code ? s.codeLines : comment ? s.commentLines : s.blankLines);
    s.docCommentLines += !code && doc;
    any = code = comment = doc = false;
  };
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\n' || c == '\r') {
      close();
      continue;
    }
    any = true;
    if (c == '\t' || c == '\v' || c == '\f' || c == ' ') continue;
    code |= classes[i] == lineClass::code;
    comment |= classes[i] == lineClass::comment || classes[i] == lineClass::docComment;
    doc |= classes[i] == lineClass::docComment;
  }
  if (any) close();
  return s;
}

// Each line's kind as a digit, weakest 0.
std::string spelled(const std::vector<lineKind>& kinds) {
  std::string digits;
  for (lineKind k : kinds) digits += static_cast<char>('0' + static_cast<int>(k));
  return digits;
}

// Random content in runs of one class, counted with the class changes told
// as the machine tells them, and counted up to random places on the way;
// long runs cross the 64-byte blocks, short ones fill the held changes. Every
// other round keeps what each line is too.
TEST(LineCounter, CountsAsLineByLineInBothWidths) {
  std::vector<bool> widths = {false};
  if (wideVectorsAvailable()) widths.push_back(true);
  // With bytes that share their low four bits with a blank or line end: NUL
  // and '0' with the space, '-' and 0x8D with CR, 0x8A with LF.
  std::string alphabet = "  \t\n\n\r\v\fab/*\x85-0\x8a\x8d";
  alphabet += '\0';
  std::mt19937 random(7);
  auto below = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
  for (int round = 0; round < 3000; ++round) {
    const int size = below(round % 10 == 0 ? 9000 : 300);
    const int longestRun = below(2) == 0 ? 3 : 200;
    std::string text;
    std::vector<lineClass> classes;
    while (static_cast<int>(text.size()) < size) {
      const auto k = static_cast<lineClass>(below(4));
      for (int n = 1 + below(longestRun); n > 0; --n) {
        text += alphabet[static_cast<size_t>(below(static_cast<int>(alphabet.size())))];
        classes.push_back(k);
      }
    }
    const auto* data = reinterpret_cast<const unsigned char*>(text.data());
    std::vector<lineKind> expectedKinds;
    const fileStats expected = figuresByLine(text, classes, &expectedKinds);
    for (bool wide : widths) {
      lineCounter lines(wide);
      std::vector<lineKind> kinds;
      if (round % 2 == 0) lines.keepKinds(&kinds);
      lines.begin(data);
      lineClass now = lineClass::code;
      for (size_t i = 0; i < text.size(); ++i) {
        if (classes[i] != now) lines.change(data + i, now = classes[i]);
        if (below(50) == 0) lines.countTo(data + i);
      }
      lines.countTo(data + text.size());
      fileStats got;
      lines.finish(&got);
      const std::string where = "round " + std::to_string(round) + (wide ? ", wide" : "");
      EXPECT_EQ(got.lines, expected.lines) << where;
      EXPECT_EQ(got.blankLines, expected.blankLines) << where;
      EXPECT_EQ(got.commentLines, expected.commentLines) << where;
      EXPECT_EQ(got.codeLines, expected.codeLines) << where;
      EXPECT_EQ(got.docCommentLines, expected.docCommentLines) << where;
      if (round % 2 == 0) {
        EXPECT_EQ(spelled(kinds), spelled(expectedKinds)) << where;
      }
    }
  }
}

}  // namespace
}  // namespace quillstat
