#include "analysis/language_table.h"

#include <iterator>

#include "analysis/language_rows.h"

namespace quillstat {

namespace {

// The rows in the table's order, copied from their families' files as the
// program starts: dynamic initialisation, since no other file's constants
// can make up a constant here.
const languageEntry kEntries[] = {
    kCppEntry,
    kDelphiEntry,
    kPhpEntry,
    kJavaEntry,
    kGoEntry,
    kCEntry,
    kObjectiveCEntry,
    kCSharpEntry,
    kKotlinEntry,
    kScalaEntry,
    kSwiftEntry,
    kRustEntry,
    kDartEntry,
    kProtocolBuffersEntry,
    kCssEntry,
    kScssEntry,
    kLessEntry,
    kHtmlEntry,
    kXmlEntry,
    kYamlEntry,
    kTomlEntry,
    kDockerfileEntry,
    kMakefileEntry,
    kBatchEntry,
    kVisualBasicEntry,
    kFortranFixedEntry,
    kFortranFreeEntry,
    kHaskellEntry,
    kOcamlEntry,
    kSqlEntry,
    kCmakeEntry,
    kJavaScriptEntry,
    kTypeScriptEntry,
    kGroovyEntry,
    kRubyEntry,
    kPerlEntry,
    kShellEntry,
    kPythonEntry,
    kPowerShellEntry,
    kJuliaEntry,
    kErlangEntry,
    kClojureEntry,
    kTclEntry,
    kElixirEntry,
    kLuaEntry,
    kREntry,
};

}  // namespace

const std::span<const languageEntry> languageTable = kEntries;
const size_t languageCount = std::size(kEntries);

// A language the classic rules never knew is read by its exact rules in
// either mode.
const scanner& rulesOf(const languageEntry& language, bool exact) {
  return exact || !language.hasClassicRules ? language.exact : language.classic;
}

const char* modeName(const languageEntry& language, bool exact) {
  return exact || !language.hasClassicRules ? "exact" : "classic";
}

}  // namespace quillstat
