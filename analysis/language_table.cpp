#include "analysis/language_table.h"

#include "engine/find_comment_cpp.h"
#include "engine/find_comment_delphi.h"
#include "engine/find_comment_php.h"

namespace quillstat {

const languageEntry languageTable[languageCount] = {
    {"C++", "*.cpp;*.c;*.h;*.hpp;*.cxx;*.hxx"},
    {"Delphi", "*.dpr;*.pas"},
    {"Php", "*.php;*.php2;*.php5;*.cgi"},
    {"Java", "*.java;"},
};

std::unique_ptr<findCommentBase> makeFinder(unsigned languageIndex) {
  switch (languageIndex) {
    case 0:
    case 3:
      return std::make_unique<findCommentCpp>();
    case 1:
      return std::make_unique<findCommentDelphi>();
    case 2:
      return std::make_unique<findCommentPHP>();
    default:
      return nullptr;
  }
}

}  // namespace quillstat
