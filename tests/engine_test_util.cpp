#include "engine_test_util.h"

#include <gtest/gtest.h>

namespace quillstat {

std::string describe(const fileStats& s) {
  std::string text =
      "size=" + std::to_string(s.sizeFile) + " chars=" + std::to_string(s.countCommentChars) +
      " code=" + std::to_string(s.countCodeChars) + " comments=" + std::to_string(s.countOfComment) +
      " marks=" + std::to_string(s.countCodeLine) + " todo=" + std::to_string(s.todoWordsCount) +
      " fixme=" + std::to_string(s.fixmeWordsCount);
  if (s.lines == 0) return text;
  text += " | lines=" + std::to_string(s.lines) + " blank=" + std::to_string(s.blankLines) +
          " comment=" + std::to_string(s.commentLines) + " code=" + std::to_string(s.codeLines);
  // Doc comments only where there are any, so that most cases need not say so.
  if (s.docComments == 0 && s.docCommentLines == 0) return text;
  return text + " | doc=" + std::to_string(s.docComments) +
         " docLines=" + std::to_string(s.docCommentLines);
}

void expectScans(const scanner& scan, std::initializer_list<scanCase> cases) {
  for (const scanCase& c : cases) {
    EXPECT_EQ(describe(scan.scanBuffer(c.content.data(), c.content.size(), c.includeFirstComment)),
              c.expected)
        << testing::PrintToString(c.content) << (c.includeFirstComment ? "" : ", no first comment");
  }
}

}  // namespace quillstat
