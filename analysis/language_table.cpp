#include "analysis/language_table.h"

#include "engine/c_like_scan.h"
#include "engine/delphi_scan.h"
#include "engine/exact_c_scan.h"
#include "engine/exact_java_scan.h"
#include "engine/exact_pascal_scan.h"
#include "engine/exact_php_scan.h"

namespace quillstat {

// Under the classic rules Java has no scanner of its own: it is scanned as C++.
const languageEntry languageTable[languageCount] = {
    {"C++", "*.cpp;*.c;*.h;*.hpp;*.cxx;*.hxx", scannerOf<cppScanner>(),
     scannerOf<exactCScanner>()},
    {"Delphi", "*.dpr;*.pas", scannerOf<delphiScanner>(), scannerOf<exactPascalScanner>()},
    {"Php", "*.php;*.php2;*.php5;*.cgi", scannerOf<phpScanner>(), scannerOf<exactPhpScanner>()},
    {"Java", "*.java;", scannerOf<cppScanner>(), scannerOf<exactJavaScanner>()},
};

const scanner& rulesOf(const languageEntry& language, bool exact) {
  return exact ? language.exact : language.classic;
}

const char* modeName(bool exact) { return exact ? "exact" : "classic"; }

}  // namespace quillstat
