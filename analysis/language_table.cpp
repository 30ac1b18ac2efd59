#include "analysis/language_table.h"

#include "engine/exact_c_scan.h"
#include "engine/exact_java_scan.h"
#include "engine/exact_pascal_scan.h"
#include "engine/exact_php_scan.h"
#include "engine/find_comment_cpp.h"
#include "engine/find_comment_delphi.h"
#include "engine/find_comment_php.h"
#include "engine/scanner_finder.h"

namespace quillstat {

namespace {

template <class Finder>
std::unique_ptr<findCommentBase> make() {
  return std::make_unique<Finder>();
}

}  // namespace

const languageEntry languageTable[languageCount] = {
    {"C++", "*.cpp;*.c;*.h;*.hpp;*.cxx;*.hxx", make<findCommentCpp>,
     make<scannerFinder<exactCScanner>>},
    {"Delphi", "*.dpr;*.pas", make<findCommentDelphi>, make<scannerFinder<exactPascalScanner>>},
    {"Php", "*.php;*.php2;*.php5;*.cgi", make<findCommentPHP>,
     make<scannerFinder<exactPhpScanner>>},
    {"Java", "*.java;", make<findCommentCpp>, make<scannerFinder<exactJavaScanner>>},
};

std::unique_ptr<findCommentBase> makeFinder(unsigned languageIndex, bool exact) {
  if (languageIndex >= languageCount) return nullptr;
  const languageEntry& row = languageTable[languageIndex];
  return exact ? row.exact() : row.classic();
}

}  // namespace quillstat
