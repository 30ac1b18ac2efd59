#include "analysis/language_table.h"

#include "engine/c_like_scan.h"
#include "engine/delphi_scan.h"

namespace quillstat {

// Java has no classic scanner of its own: it is scanned as C++.
const languageEntry languageTable[languageCount] = {
    {"C++", "*.cpp;*.c;*.h;*.hpp;*.cxx;*.hxx", scannerOf<cppScanner>()},
    {"Delphi", "*.dpr;*.pas", scannerOf<delphiScanner>()},
    {"Php", "*.php;*.php2;*.php5;*.cgi", scannerOf<phpScanner>()},
    {"Java", "*.java;", scannerOf<cppScanner>()},
};

}  // namespace quillstat
