#include "analysis/language_rows.h"

#include "analysis/rule_fragments.h"

namespace quillstat {

// The rows of the compiled languages that joined later: systems languages,
// assembly, hardware description languages, and the ones compiled to other
// platforms (Vala, Haxe, Solidity).

namespace {

// NASM: only backquoted strings know backslash escapes; a string never
// spans lines.
constexpr languageRow kNasm{
    .name = "NASM",
    .extensions = "*.asm;*.nasm",
    .rules =
        {
            .lineComments = {{";"}},
            .literals = {{"'", "'", escapeRule::none, true},
                         {"\"", "\"", escapeRule::none, true},
                         {"`", "`", escapeRule::backslash, true}},
            .marks = {},
        },
};

// A multiline string is one line each: "\\" to the line's end. Doc
// comments are "///" (not "////") and a file's "//!".
constexpr languageRow kZig{
    .name = "Zig",
    .extensions = "*.zig",
    .rules =
        {
            .lineComments = {kDoxygenSlashComment},
            .literals = {kCDoubleQuotes, kCSingleQuotes,
                         {"\\\\", "\n", escapeRule::none, true}},
            .marks = ";{",
        },
};

// Block comments nest, each kind its own: ##[ ]## for documentation, #[ ]#;
// a line comment "##" is documentation too.
// A string right after a word is raw (r"a\", sql"..."): "" is its quote.
// A quote after a number is a type suffix (1'u8), not a character.
constexpr languageRow kNim{
    .name = "Nim",
    .extensions = "*.nim;*.nims;*.nimble",
    .interpreters = "nim",
    .rules =
        {
            .lineComments = {{.opener = "#", .doc = {"#"}}},
            .blockComments = {{.opener = "##[", .closer = "]##", .nests = true, .doc = {.always = true}},
                              {"#[", "]#", true}},
            .literals = {{"\"\"\"", "\"\"\"", escapeRule::none},
                         {.opener = "\"", .closer = "\"", .escape = escapeRule::doubling,
                          .endsAtLineEnd = true, .prefix = "*"},
                         kCDoubleQuotes, kCSingleQuotes},
            .marks = {},
            .hooks = hook::characterLiterals,
        },
};

// Strings span lines. After q a bracket and its closer before the quote
// delimit a string (q"(...)"), after r or x the quote opens one without
// escapes, as a backquote does; q"ID ... ID" is a heredoc. A token string
// q{...} is read as the code it holds, comments and all.
//
// Doc comments are "///", "/**" and "/++", extra stars and pluses included
// ("/***" is one, as Ddoc takes it); "/**/" and "/++/" are empty plain ones.
constexpr literalRule dDelimitedString(std::string_view open, std::string_view close) {
  return {.opener = open, .closer = close, .escape = escapeRule::none, .prefix = "q"};
}

constexpr languageRow kD{
    .name = "D",
    .extensions = "*.d;*.di",
    .interpreters = "rdmd",
    .rules =
        {
            .lineComments = {{.opener = "//", .doc = {"/"}}},
            .blockComments = {{.opener = "/*", .closer = "*/", .doc = {"*", "*/"}},
                              {.opener = "/+", .closer = "+/", .nests = true, .doc = {"+", "+/"}}},
            .literals = {dDelimitedString("\"(", ")\""), dDelimitedString("\"[", "]\""),
                         dDelimitedString("\"{", "}\""), dDelimitedString("\"<", ">\""),
                         {.opener = "\"", .closer = "\"", .escape = escapeRule::none,
                          .prefix = "r;x"},
                         kDoubleQuotes,
                         {"`", "`", escapeRule::none},
                         kCSingleQuotes},
            .marks = ";{",
            .delimited = {{.opener = "q\"", .tag = tagRule::identifier, .openerEnd = "\n",
                           .closer = "\n", .closerEnd = "\""}},
        },
};

// A quote right after a name or a closing bracket is an attribute's tick
// (X'First, T'(...)); elsewhere it opens a character ('a', ''').
constexpr literalRule kTickCharacter{"'", "'", escapeRule::none, true, placement::operandStart};

constexpr languageRow kAda{
    .name = "Ada",
    .extensions = "*.adb;*.ads;*.ada",
    .rules =
        {
            .lineComments = {kDashDashComment},
            .literals = {kBasicDoubleQuotes, kTickCharacter},
            .marks = ";",
        },
};

// In a macro's text `" and `\`" are quotes of the text, not strings.
constexpr languageRow kVerilog{
    .name = "Verilog",
    .extensions = "*.v;*.vh",
    .rules =
        {
            .lineComments = {kSlashSlashComment},
            .blockComments = {kSlashStarComment},
            .literals = {kCDoubleQuotes},
            .marks = ";",
            .plainTokens = {"`\"", "`\\`\""},
        },
};

// Verilog's rules, and the triple-quoted strings that span lines.
constexpr languageRow kSystemVerilog{
    .name = "SystemVerilog",
    .extensions = "*.sv;*.svh",
    .rules =
        {
            .lineComments = {kSlashSlashComment},
            .blockComments = {kSlashStarComment},
            .literals = {{"\"\"\"", "\"\"\""}, kCDoubleQuotes},
            .marks = ";",
            .plainTokens = {"`\"", "`\\`\""},
        },
};

// \extended identifiers\ hold any byte but their line end. "--!" is
// Doxygen's doc comment.
constexpr languageRow kVhdl{
    .name = "VHDL",
    .extensions = "*.vhd;*.vhdl",
    .rules =
        {
            .lineComments = {{.opener = "--", .doc = {"!"}}},
            .blockComments = {kSlashStarComment},
            .literals = {kBasicDoubleQuotes, kTickCharacter,
                         {"\\", "\\", escapeRule::doubling, true}},
            .marks = ";",
        },
};

// NatSpec's doc comments: "///" and "/**".
constexpr languageRow kSolidity{
    .name = "Solidity",
    .extensions = "*.sol",
    .rules =
        {
            .lineComments = {kSlashDocComment},
            .blockComments = {kDocSlashStarComment},
            .literals = {kCDoubleQuotes, kCSingleQuotes},
            .marks = ";{",
        },
};

// Verbatim strings """...""" know no escapes and span lines; a template
// @"...$(x)..." holds code. Valadoc's comments are "/**".
constexpr languageRow kVala{
    .name = "Vala",
    .extensions = "*.vala;*.vapi",
    .rules =
        {
            .lineComments = {kSlashSlashComment},
            .blockComments = {kDocSlashStarComment},
            .literals = {{"\"\"\"", "\"\"\"", escapeRule::none},
                         {"@\"", "\"", escapeRule::backslash, true, placement::anywhere, "$("},
                         kCDoubleQuotes, kCSingleQuotes},
            .marks = ";{",
        },
};

// Strings span lines; single-quoted ones interpolate ${...}. ~/.../ is a
// regular expression. Doc comments are "/**".
constexpr languageRow kHaxe{
    .name = "Haxe",
    .extensions = "*.hx",
    .rules =
        {
            .lineComments = {kSlashSlashComment},
            .blockComments = {kDocSlashStarComment},
            .literals = {kDoubleQuotes,
                         {"'", "'", escapeRule::backslash, false, placement::anywhere, "${"},
                         {"~/", "/", escapeRule::backslash, true}},
            .marks = ";{",
        },
};

// A quote always opens a character: 'a', '\''. "//" is floor division. A
// slash or percent sign after a name is an operator, blanks or not, as in
// def /(other); after "raise", as after the keywords, it opens a literal.
constexpr languageRow kCrystal{
    .name = "Crystal",
    .extensions = "*.cr",
    .interpreters = "crystal",
    .rules =
        {
            .lineComments = {kHashComment},
            .literals = {{.opener = "\"", .closer = "\"", .interpolation = "#{"},
                         kCSingleQuotes,
                         {.opener = "`", .closer = "`", .interpolation = "#{"}},
            .marks = {},
            .plainTokens = {"//"},
            .hooks = hook::regexLiterals | hook::lineHeredocs | hook::percentLiterals,
            .regex = {.keywords = "if elsif unless while until when return then else case in "
                                  "do begin yield raise",
                      .spansLines = true,
                      .atLineStart = true},
            .heredoc = {.indentMarks = "-", .notAfterWord = true},
            .percentLetters = "qQwirx",
        },
};

// Each row at its place in the table; a new language takes the place after
// the last of all families (language_rows.h).
constinit const placedEntry kPlaced[] = {
    {82, entryOf<kNasm>()},
    {83, entryOf<kZig>()},
    {84, entryOf<kNim>()},
    {85, entryOf<kD>()},
    {86, entryOf<kAda>()},
    {87, entryOf<kVerilog>()},
    {88, entryOf<kSystemVerilog>()},
    {89, entryOf<kVhdl>()},
    {90, entryOf<kSolidity>()},
    {91, entryOf<kVala>()},
    {92, entryOf<kHaxe>()},
    {93, entryOf<kCrystal>()},
};

}  // namespace

constinit const std::span<const placedEntry> compiledEntries = kPlaced;

}  // namespace quillstat
