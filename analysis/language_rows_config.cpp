#include "analysis/language_rows.h"

#include "analysis/rule_fragments.h"

namespace quillstat {

// The rows of configuration, build description, editor and typesetting
// languages: Vim script, TeX, Nix, Starlark, Meson, Jsonnet, Puppet,
// CoffeeScript, fish, INI, HCL and roff.

namespace {

// '"' opens a comment where a command starts (a line's start, or after
// "|"), and after a blank where no '"' closes it on its line (a string
// must close there); elsewhere a string. Vim9 script's "#" comments are
// taken first on their line, where a legacy script never writes "#" ("#{"
// is a dictionary).
constexpr languageRow kVim{
    .name = "Vim script",
    .extensions = "*.vim",
    .fileNames = ".vimrc;vimrc;_vimrc;.gvimrc;gvimrc;_gvimrc",
    .rules =
        {
            .lineComments = {{"\"", placement::afterSeparator},
                             {"#", placement::lineStart, '{'}},
            .literals = {kCDoubleQuotes, kPascalSingleQuotes},
            .marks = {},
            // An escaped quote in a pattern or a command's argument opens nothing.
            .plainTokens = {"\\\\", "\\\""},
            .hooks = hook::unclosedQuoteComments,
            .separators = "|",
        },
};

// "\%" is a percent sign and "\\" a line break, so that "\\%" opens a
// comment. Verbatim text holds no comment; the comment environment is one.
constexpr languageRow kTex{
    .name = "TeX",
    .extensions = "*.tex;*.sty;*.cls;*.ltx",
    .rules =
        {
            .lineComments = {{"%"}},
            .blockComments = {{"\\begin{comment}", "\\end{comment}"}},
            .literals = {{"\\begin{verbatim}", "\\end{verbatim}", escapeRule::none},
                         {"\\begin{verbatim*}", "\\end{verbatim*}", escapeRule::none},
                         {"\\begin{lstlisting}", "\\end{lstlisting}", escapeRule::none},
                         {"\\verb|", "|", escapeRule::none, true},
                         {"\\verb+", "+", escapeRule::none, true},
                         {"\\verb!", "!", escapeRule::none, true}},
            .marks = {},
            .plainTokens = {"\\\\", "\\%"},
        },
};

// Indented strings ''...'' know no backslash: "'''", "''$" and "''\" are
// their escapes. Doc comments are "/**".
constexpr languageRow kNix{
    .name = "Nix",
    .extensions = "*.nix",
    .rules =
        {
            .lineComments = {kHashComment},
            .blockComments = {kDocSlashStarComment},
            .literals = {{.opener = "''", .closer = "''", .escape = escapeRule::none,
                          .interpolation = "${", .closerEscapes = "'$\\"},
                         {.opener = "\"", .closer = "\"", .interpolation = "${"}},
            .marks = ";",
        },
};

// Python's lexical rules without its formatted strings; a docstring is a
// comment.
constexpr languageRow kStarlark{
    .name = "Starlark",
    .extensions = "*.bzl;*.star",
    .fileNames = "BUILD;BUILD.bazel;WORKSPACE;WORKSPACE.bazel;MODULE.bazel",
    .rules =
        {
            .lineComments = {kHashComment},
            .literals = {{"\"\"\"", "\"\"\""}, {"'''", "'''"}, kCDoubleQuotes, kCSingleQuotes},
            .marks = {},
            .hooks = hook::docstrings,
        },
};

// Strings are single-quoted only; a multi-line one knows no escape. An
// f-string's @name@ is text.
constexpr languageRow kMeson{
    .name = "Meson",
    .extensions = "",
    .fileNames = "meson.build;meson_options.txt;meson.options",
    .rules =
        {
            .lineComments = {kHashComment},
            .literals = {{"'''", "'''", escapeRule::none}, kCSingleQuotes},
            .marks = {},
        },
};

// Text blocks |||...||| and verbatim strings @"..." know no backslash.
// Doc comments are "/**" by custom.
constexpr languageRow kJsonnet{
    .name = "Jsonnet",
    .extensions = "*.jsonnet;*.libsonnet",
    .rules =
        {
            .lineComments = {kSlashSlashComment, kHashComment},
            .blockComments = {kDocSlashStarComment},
            .literals = {{"|||", "|||", escapeRule::none},
                         {"@\"", "\"", escapeRule::doubling},
                         {"@'", "'", escapeRule::doubling},
                         kDoubleQuotes,
                         kSingleQuotes},
            .marks = ";",
        },
};

// ".pp" is Pascal's to -l auto: Puppet's files are read when it is named.
constexpr languageRow kPuppet{
    .name = "Puppet",
    .extensions = "",
    .rules =
        {
            .lineComments = {kHashComment},
            .blockComments = {kSlashStarComment},
            .literals = {{.opener = "\"", .closer = "\"", .interpolation = "${"}, kSingleQuotes},
            .marks = {},
            .hooks = hook::regexLiterals,
            .regex = {.keywords = "node and or in"},
        },
    .namedMasks = "*.pp",
};

// "###" opens a block comment, "####" a line comment. Heregexes ///...///
// are literals, their own comments included. "###*" opens a doc comment,
// which becomes JavaScript's "/**".
constexpr languageRow kCoffeeScript{
    .name = "CoffeeScript",
    .extensions = "*.coffee",
    .interpreters = "coffee",
    .rules =
        {
            .lineComments = {kHashComment, {"####"}},
            .blockComments = {{.opener = "###", .closer = "###", .doc = {"*"}}},
            .literals = {{"\"\"\"", "\"\"\"", escapeRule::backslash, false, placement::anywhere, "#{"},
                         {"'''", "'''"},
                         {"///", "///", escapeRule::backslash, false, placement::anywhere, "#{"},
                         {"\"", "\"", escapeRule::backslash, false, placement::anywhere, "#{"},
                         kSingleQuotes,
                         {"```", "```"},
                         {"`", "`"}},
            .marks = {},
            .hooks = hook::regexLiterals,
            .regex = {.keywords = "return typeof instanceof in of new delete throw when if unless "
                                  "and or not is isnt then until while else yield await",
                      .spacedArgument = true},
        },
};

// As a shell's: "#" opens a comment at a word's start. "$(...)" in double
// quotes is a command substitution.
constexpr languageRow kFish{
    .name = "Fish",
    .extensions = "*.fish",
    .interpreters = "fish",
    .rules =
        {
            .lineComments = {{"#", placement::wordStart}},
            .literals = {kSingleQuotes,
                         {"\"", "\"", escapeRule::backslash, false, placement::anywhere, "$("}},
            .marks = {},
            .plainTokens = {"\\\\", "\\#", "\\'", "\\\""},
        },
};

// ";" and "#" open a comment first on a line only: after a value they are
// the value's. Quotes are a value's text.
constexpr languageRow kIni{
    .name = "INI",
    .extensions = "*.ini;*.cfg;*.desktop;*.service;*.socket;*.timer;*.mount;*.automount;"
                  "*.target;*.path;*.slice",
    .fileNames = ".editorconfig;.gitconfig;.gitmodules",
    .rules =
        {
            .lineComments = {{";", placement::lineStart}, {"#", placement::lineStart}},
            .marks = {},
        },
};

// Quoted strings end with their line; heredocs <<EOF and <<-EOF run to
// their label alone on a line.
constexpr languageRow kHcl{
    .name = "HCL",
    .extensions = "*.tf;*.tfvars;*.hcl",
    .rules =
        {
            .lineComments = {kHashComment, kSlashSlashComment},
            .blockComments = {kSlashStarComment},
            .literals = {{"\"", "\"", escapeRule::backslash, true, placement::anywhere, "${"}},
            .marks = {},
            .hooks = hook::lineHeredocs,
            .heredoc = {.indentMarks = "-"},
        },
};

// '\"' opens a comment anywhere, and a control line that is only one is
// a comment line; "\\" is a backslash. ".ig" ignores lines up to "..".
constexpr languageRow kRoff{
    .name = "Roff",
    .extensions = "*.1;*.2;*.3;*.4;*.5;*.6;*.7;*.8;*.9;*.man;*.roff;*.mdoc",
    .rules =
        {
            .lineComments = {{"\\\""}, {"\\#"}, {".\\\"", placement::column1},
                             {"'\\\"", placement::column1}},
            .blockComments = {{".ig", "\n..", false, placement::column1}},
            .marks = {},
            .plainTokens = {"\\\\"},
        },
};

// Each row at its place in the table; a new language takes the place after
// the last of all families (language_rows.h).
constinit const placedEntry kPlaced[] = {
    {97, entryOf<kVim>()},
    {98, entryOf<kTex>()},
    {99, entryOf<kNix>()},
    {100, entryOf<kStarlark>()},
    {101, entryOf<kMeson>()},
    {102, entryOf<kJsonnet>()},
    {103, entryOf<kPuppet>()},
    {104, entryOf<kCoffeeScript>()},
    {105, entryOf<kFish>()},
    {106, entryOf<kIni>()},
    {107, entryOf<kHcl>()},
    {108, entryOf<kRoff>()},
};

}  // namespace

constinit const std::span<const placedEntry> configEntries = kPlaced;

}  // namespace quillstat
