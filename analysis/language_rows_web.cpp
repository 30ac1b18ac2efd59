#include "analysis/language_rows.h"

#include "analysis/rule_fragments.h"

namespace quillstat {

// The rows of the web's languages: JavaScript with markup inside, schema
// and interface languages, templates, and documents written in plain text.

namespace {

// The words after which "/" opens a regex in JavaScript and its kin.
constexpr std::string_view kRegexKeywords =
    "return typeof instanceof in of new delete void throw case do else yield await";

// JavaScript's rules: JSX's and TSX's in code, QML's in its bindings, with
// `blockComments` for their doc comments: JSDoc's "/**", and QDoc's "/*!".
constexpr exactRules scriptRules(uint32_t hooks, blockCommentRule blockComments) {
  // Initialised by name, then returned: g++ 12 refuses to return the list itself.
  const exactRules rules{
      .lineComments = {kSlashSlashComment, kShebangComment},
      .blockComments = {blockComments},
      .literals = {kCDoubleQuotes, kCSingleQuotes,
                   {"`", "`", escapeRule::backslash, false, placement::anywhere, "${"}},
      .marks = ";{",
      .hooks = hook::regexLiterals | hooks,
      .regex = {.keywords = kRegexKeywords, .classes = true},
  };
  return rules;
}

// JavaScript's and TypeScript's rules, and elements: a "<" where an operand
// is expected opens one (jsx_elements.h), in whose tags and text no comment
// or string opens, while its "{...}" is code.
constexpr languageRow kJsx{
    .name = "JSX",
    .extensions = "*.jsx",
    .rules = scriptRules(hook::jsxElements, kDocSlashStarComment),
};

constexpr languageRow kTsx{
    .name = "TSX",
    .extensions = "*.tsx",
    .rules = scriptRules(hook::jsxElements, kDocSlashStarComment),
};

// Strings end with their line; a block string """...""" spans lines, and
// \""" in it is three quotes of its text.
constexpr languageRow kGraphQl{
    .name = "GraphQL",
    .extensions = "*.graphql;*.graphqls;*.gql",
    .rules =
        {
            .lineComments = {kHashComment},
            .literals = {{"\"\"\"", "\"\"\""}, kCDoubleQuotes},
        },
};

// Strings with either quote take backslash escapes and may span lines.
// Doc comments are "/**".
constexpr languageRow kThrift{
    .name = "Thrift",
    .extensions = "*.thrift",
    .rules =
        {
            .lineComments = {kSlashSlashComment, kHashComment},
            .blockComments = {kDocSlashStarComment},
            .literals = {kDoubleQuotes, kSingleQuotes},
            .marks = ";{",
        },
};

constexpr languageRow kCapnProto{
    .name = "Cap'n Proto",
    .extensions = "*.capnp",
    .rules =
        {
            .lineComments = {kHashComment},
            .literals = {kCDoubleQuotes},
            .marks = ";{",
        },
};

// "#" opens a comment only first on its line; doc strings are the lines
// between two """ or ``` lines.
constexpr languageRow kGherkin{
    .name = "Gherkin",
    .extensions = "*.feature",
    .rules =
        {
            .lineComments = {{"#", placement::lineStart}},
            .literals = {{"\"\"\"", "\"\"\"", escapeRule::none, false, placement::lineStart},
                         {"```", "```", escapeRule::none, false, placement::lineStart}},
        },
};

// The template's own comments, and the HTML ones of its text.
constexpr languageRow kHandlebars{
    .name = "Handlebars",
    .extensions = "*.hbs;*.handlebars",
    .rules =
        {
            .blockComments = {{"{{!--", "--}}"}, {"{{!", "}}"}, {"<!--", "-->"}},
        },
};

// What a raw block holds is text: no comment opens in it. Its end is the
// word "endraw" of its closing tag.
constexpr languageRow kJinja{
    .name = "Jinja",
    .extensions = "*.j2;*.jinja;*.jinja2",
    .rules =
        {
            .blockComments = {{"{#", "#}"}},
            .literals = {{"{% raw %}", "endraw", escapeRule::none},
                         {"{%- raw %}", "endraw", escapeRule::none},
                         {"{% raw -%}", "endraw", escapeRule::none},
                         {"{%- raw -%}", "endraw", escapeRule::none},
                         {"{%raw%}", "endraw", escapeRule::none}},
        },
};

// The indented syntax: no braces or semicolons, so no marks. "//" or "/*"
// first on its line opens a comment over its indented block; elsewhere on a
// line "//" runs to the line's end and "/*" to "*/".
constexpr languageRow kSass{
    .name = "Sass",
    .extensions = "*.sass",
    .rules =
        {
            .lineComments = {kSlashSlashComment},
            .blockComments = {kSlashStarComment},
            .literals = {{"\"", "\"", escapeRule::backslash, true, placement::anywhere, "#{"},
                         {"'", "'", escapeRule::backslash, true, placement::anywhere, "#{"},
                         {"#{", "}", escapeRule::none}},
            .hooks = hook::unquotedUrls | hook::indentedComments,
        },
};

constexpr languageRow kQml{
    .name = "QML",
    .extensions = "*.qml",
    .rules = scriptRules(0, kDoxygenSlashStarComment),
};

// Comment lines "//" (not "///") at a line's start, and comment blocks
// between two equal lines of four or more "/"; listing, literal, passthrough
// and fenced blocks are literals, closed by a line like their opening one.
constexpr delimitedRule adocBlock(char fill, bool isComment) {
  return {.fill = fill, .minFill = 4, .openerEnd = "\n", .closer = "\n", .closerEnd = "\n",
          .isComment = isComment, .where = placement::column1};
}
constexpr languageRow kAsciiDoc{
    .name = "AsciiDoc",
    .extensions = "*.adoc;*.asciidoc",
    .rules =
        {
            .lineComments = {{"//", placement::column1, '/'}},
            .delimited = {adocBlock('/', true), adocBlock('-', false), adocBlock('.', false),
                          adocBlock('+', false),
                          {.fill = '`', .minFill = 3, .openerEnd = "", .closer = "\n",
                           .closerEnd = "", .where = placement::column1}},
        },
};

// Ruby between "<%" and "%>": "<%#" opens a comment, and so does "#" in the
// code, both closed by "%>" or the line's end. What stands outside is text.
constexpr languageRow kErb{
    .name = "ERB",
    .extensions = "*.erb;*.rhtml",
    .rules =
        {
            .lineComments = {kHashComment},
            .literals = {{"\"", "\"", escapeRule::backslash, true, placement::anywhere, "#{"},
                         kCSingleQuotes},
            .region = {"<%", "%>"},
        },
};

// A verbatim block's text holds no comment; its end is the word
// "endverbatim" of its closing tag.
constexpr languageRow kTwig{
    .name = "Twig",
    .extensions = "*.twig",
    .rules =
        {
            .blockComments = {{"{#", "#}"}},
            .literals = {{"{% verbatim %}", "endverbatim", escapeRule::none},
                         {"{%- verbatim %}", "endverbatim", escapeRule::none},
                         {"{% verbatim -%}", "endverbatim", escapeRule::none},
                         {"{%- verbatim -%}", "endverbatim", escapeRule::none},
                         {"{%verbatim%}", "endverbatim", escapeRule::none}},
        },
};

// Each row at its place in the table; a new language takes the place after
// the last of all families (language_rows.h).
constinit const placedEntry kPlaced[] = {
    {46, entryOf<kJsx>()},        {47, entryOf<kTsx>()},        {48, entryOf<kGraphQl>()},
    {49, entryOf<kThrift>()},     {50, entryOf<kCapnProto>()},  {51, entryOf<kGherkin>()},
    {52, entryOf<kHandlebars>()}, {53, entryOf<kJinja>()},      {54, entryOf<kSass>()},
    {55, entryOf<kQml>()},        {56, entryOf<kAsciiDoc>()},   {57, entryOf<kErb>()},
    {58, entryOf<kTwig>()},
};

}  // namespace

constinit const std::span<const placedEntry> webEntries = kPlaced;

}  // namespace quillstat
