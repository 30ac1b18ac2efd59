#include "analysis/language_rows.h"

#include "analysis/rule_fragments.h"

namespace quillstat {

// The rows of a system's own files: assembly, device trees, kernel
// configuration, linker scripts, parser generators, m4, JSON, plain text,
// reStructuredText and ignore lists.

namespace {

// GNU as, after the C preprocessor of a .S file: "/* */" and "//" are
// comments, and so is a "#" first on its line that starts no directive
// (cpp passes "# text" on, and as takes a line-start "#" for a comment on
// every target). Elsewhere "#" is an immediate's prefix on ARM and m68k
// (#1, #\offset), so only "# " with a blank after it opens a comment, as x86,
// MIPS, s390 and PowerPC write them; "@ " likewise for ARM's. "##" pastes
// tokens in a macro. A "/**" comment is kernel-doc's.
constexpr languageRow kAssembly{
    .name = "Assembly",
    .extensions = "*.s;*.S",
    .rules =
        {
            .lineComments = {kSlashSlashComment, {"#", placement::lineStart}, {"# "}, {"@ "}},
            .blockComments = {kDocSlashStarComment},
            .literals = {kCDoubleQuotes},
            .marks = {},
            .plainTokens = {"#define", "#include", "#if", "#el", "#endif", "#undef", "#error",
                            "##"},
            .lineSplices = true,
        },
};

// dtc runs the C preprocessor first: "#include" and "#define" lines are
// directives (code), and so is a property named "#address-cells".
constexpr languageRow kDeviceTree{
    .name = "Device Tree",
    .extensions = "*.dts;*.dtsi;*.dtso",
    .rules =
        {
            .lineComments = {kSlashSlashComment},
            .blockComments = {kSlashStarComment},
            .literals = {kCDoubleQuotes, kCSingleQuotes},
            .marks = ";{",
            .lineSplices = true,
            .hooks = hook::cDirectives,
        },
};

// A help text, the lines after "help" indented deeper than it, is text:
// no "#" in it opens a comment.
constexpr languageRow kKconfig{
    .name = "Kconfig",
    .extensions = "",
    .fileNames = "Kconfig;Kconfig.*",
    .rules =
        {
            .lineComments = {kHashComment},
            .literals = {kCDoubleQuotes, kCSingleQuotes},
            .marks = {},
            .hooks = hook::helpTexts,
        },
};

// Comments are explicit markup: ".." and the lines indented under it, where
// no directive, target, footnote, citation or substitution follows. The
// rest, prose included, is the document's content: code lines, as a
// Markdown file's text would be.
constexpr languageRow kRestructuredText{
    .name = "reStructuredText",
    .extensions = "*.rst;*.rest",
    .rules =
        {
            .marks = {},
            .hooks = hook::explicitComments,
        },
};

// ld's scripts know "/* */" comments only; a .lds.S runs through the C
// preprocessor first, whose directives are code.
constexpr languageRow kLinkerScript{
    .name = "Linker Script",
    .extensions = "*.ld;*.lds;*.lds.S",
    .rules =
        {
            .blockComments = {kSlashStarComment},
            .literals = {{"\"", "\"", escapeRule::none}},
            .marks = {},
            .hooks = hook::cDirectives,
        },
};

// Plain text has no comments: its lines are its content, code lines.
constexpr languageRow kText{
    .name = "Text",
    .extensions = "*.txt",
    .fileNames = "README;TODO;COPYING;LICENSE",
    .rules = {.marks = {}},
};

// git's and the other ignore files': a "#" as a line's first byte starts a
// comment; "\#" and " #" start patterns.
constexpr languageRow kIgnoreList{
    .name = "Ignore List",
    .extensions = "*.gitignore",
    .fileNames = ".dockerignore;.npmignore;.eslintignore;.prettierignore;"
                 ".hgignore;.stylelintignore;.vscodeignore",
    .rules =
        {
            .lineComments = {{"#", placement::column1}},
            .marks = {},
        },
};

// The declarations, rules and C code of a grammar read as C: "%{ %}" blocks
// and actions are C, and a pattern's quotes are strings; doc comments are
// Doxygen's, as in C.
constexpr exactRules kCGrammar{
    .lineComments = {kDoxygenSlashComment},
    .blockComments = {kDoxygenSlashStarComment},
    .literals = {kCDoubleQuotes, kCSingleQuotes},
    .marks = ";{",
    .lineSplices = true,
    .hooks = hook::cDirectives,
};

constexpr languageRow kYacc{
    .name = "Yacc",
    .extensions = "*.y;*.yy;*.ypp",
    .rules = kCGrammar,
};

constexpr languageRow kLex{
    .name = "Lex",
    .extensions = "*.l;*.ll;*.lex",
    .rules = kCGrammar,
};

// "dnl" discards the rest of its line; "#" where a word starts opens a
// comment that m4 copies through; a "#" glued to a quote ([#include ...])
// is the quoted text's.
constexpr languageRow kM4{
    .name = "M4",
    .extensions = "*.m4;*.ac",
    .fileNames = "configure.in",
    .rules =
        {
            .lineComments = {{"dnl", placement::tokenStart, 0, true}, {"#", placement::afterBlank}},
            .marks = {},
        },
};

constexpr languageRow kJson{
    .name = "JSON",
    .extensions = "*.json",
    .rules =
        {
            .literals = {kDoubleQuotes},
            .marks = {},
        },
};

// The files whose readers take comments by convention: editors' and
// TypeScript's settings.
constexpr languageRow kJsonWithComments{
    .name = "JSON with Comments",
    .extensions = "*.jsonc;*.code-workspace",
    .fileNames = "tsconfig.json;jsconfig.json;.eslintrc.json;.babelrc;.babelrc.json;"
                 "devcontainer.json;.devcontainer.json;tslint.json;"
                 "language-configuration.json",
    .rules =
        {
            .lineComments = {kSlashSlashComment},
            .blockComments = {kSlashStarComment},
            .literals = {kDoubleQuotes},
            .marks = {},
        },
};

// Each row at its place in the table; a new language takes the place after
// the last of all families (language_rows.h).
constinit const placedEntry kPlaced[] = {
    {59, entryOf<kAssembly>()},
    {60, entryOf<kDeviceTree>()},
    {61, entryOf<kKconfig>()},
    {62, entryOf<kLinkerScript>()},
    {63, entryOf<kText>()},
    {64, entryOf<kIgnoreList>()},
    {65, entryOf<kYacc>()},
    {66, entryOf<kLex>()},
    {67, entryOf<kM4>()},
    {68, entryOf<kJson>()},
    {69, entryOf<kJsonWithComments>()},
    {70, entryOf<kRestructuredText>()},
};

}  // namespace

constinit const std::span<const placedEntry> systemsEntries = kPlaced;

}  // namespace quillstat
