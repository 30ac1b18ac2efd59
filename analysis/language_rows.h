#ifndef QUILLSTAT_ANALYSIS_LANGUAGE_ROWS_H_
#define QUILLSTAT_ANALYSIS_LANGUAGE_ROWS_H_

#include "analysis/language_table.h"

namespace quillstat {

// The compiled rows of the language table, one constant each, written by
// family in the language_rows_*.cpp files (each row compiles an exact
// machine of its own, so a change to one row rebuilds its family's file
// only); language_table.cpp puts them in the table's order. Each is
// constant-initialised (constinit): it holds its value before any code
// runs, whatever the order in which files are initialised. Adding a
// language: its row and entry in the file of its family, its declaration
// here, its place in language_table.cpp.

// The C family (language_rows_c_family.cpp)
extern const languageEntry kCppEntry;
extern const languageEntry kJavaEntry;
extern const languageEntry kGoEntry;
extern const languageEntry kCEntry;
extern const languageEntry kObjectiveCEntry;
extern const languageEntry kCSharpEntry;
extern const languageEntry kKotlinEntry;
extern const languageEntry kScalaEntry;
extern const languageEntry kSwiftEntry;
extern const languageEntry kRustEntry;
extern const languageEntry kDartEntry;
extern const languageEntry kProtocolBuffersEntry;

// Script languages (language_rows_scripting.cpp)
extern const languageEntry kPhpEntry;
extern const languageEntry kJavaScriptEntry;
extern const languageEntry kTypeScriptEntry;
extern const languageEntry kGroovyEntry;
extern const languageEntry kRubyEntry;
extern const languageEntry kPerlEntry;
extern const languageEntry kShellEntry;
extern const languageEntry kPythonEntry;
extern const languageEntry kPowerShellEntry;

// Style sheets, markup, data and build files (language_rows_markup.cpp)
extern const languageEntry kCssEntry;
extern const languageEntry kScssEntry;
extern const languageEntry kLessEntry;
extern const languageEntry kHtmlEntry;
extern const languageEntry kXmlEntry;
extern const languageEntry kYamlEntry;
extern const languageEntry kTomlEntry;
extern const languageEntry kDockerfileEntry;
extern const languageEntry kMakefileEntry;
extern const languageEntry kCmakeEntry;
extern const languageEntry kBatchEntry;

// Pascal, Basic, Fortran, functional and the other dynamic languages (language_rows_others.cpp)
extern const languageEntry kDelphiEntry;
extern const languageEntry kVisualBasicEntry;
extern const languageEntry kFortranFixedEntry;
extern const languageEntry kFortranFreeEntry;
extern const languageEntry kHaskellEntry;
extern const languageEntry kOcamlEntry;
extern const languageEntry kSqlEntry;
extern const languageEntry kJuliaEntry;
extern const languageEntry kErlangEntry;
extern const languageEntry kClojureEntry;
extern const languageEntry kTclEntry;
extern const languageEntry kElixirEntry;
extern const languageEntry kLuaEntry;
extern const languageEntry kREntry;
}  // namespace quillstat

#endif  // QUILLSTAT_ANALYSIS_LANGUAGE_ROWS_H_
