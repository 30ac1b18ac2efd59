#include "analysis/language_rows.h"

#include "analysis/rule_fragments.h"

namespace quillstat {

// The rows of style sheets, markup, data, build and batch files.

namespace {

// A string ends with its line where no backslash escapes the line end; an
// unquoted url(...) is one token, so "//" and ";" in it are no comment or
// mark.
constexpr languageRow kCss{
    .name = "CSS",
    .extensions = "*.css",
    .rules =
        {
            .blockComments = {kSlashStarComment},
            .literals = {kCDoubleQuotes, kCSingleQuotes},
            .marks = ";{",
            .hooks = hook::unquotedUrls,
        },
};

// "#{...}" in code is an interpolation, no block.
constexpr languageRow kScss{
    .name = "SCSS",
    .extensions = "*.scss",
    .rules =
        {
            .lineComments = {kSlashDocComment},
            .blockComments = {kSlashStarComment},
            .literals = {{"\"", "\"", escapeRule::backslash, true, placement::anywhere, "#{"},
                         {"'", "'", escapeRule::backslash, true, placement::anywhere, "#{"},
                         {"#{", "}", escapeRule::none}},
            .marks = ";{",
            .hooks = hook::unquotedUrls,
        },
};

// Backquotes hold JavaScript that Less evaluates. "@{name}" in code is a
// variable's name, no block.
constexpr languageRow kLess{
    .name = "Less",
    .extensions = "*.less",
    .rules =
        {
            .lineComments = {kSlashSlashComment},
            .blockComments = {kSlashStarComment},
            .literals = {{"\"", "\"", escapeRule::backslash, true, placement::anywhere, "@{"},
                         {"'", "'", escapeRule::backslash, true, placement::anywhere, "@{"},
                         {"`", "`"},
                         {"@{", "}", escapeRule::none}},
            .marks = ";{",
            .hooks = hook::unquotedUrls,
        },
};

// What <script> and <style> hold is raw text to HTML: no comment of HTML's
// opens in it. Where its type or lang attribute names a language with a row
// (JavaScript, TypeScript, CSS, SCSS, Less), that row reads it
// (embedded_regions.h); any other (a template, JSON data) is code to HTML.
constexpr languageRow kHtml{
    .name = "HTML",
    .extensions = "*.html;*.htm",
    .rules =
        {
            .blockComments = {{"<!--", "-->"}},
            .literals = {{"<script", "</script", escapeRule::none},
                         {"<SCRIPT", "</SCRIPT", escapeRule::none},
                         {"<style", "</style", escapeRule::none},
                         {"<STYLE", "</STYLE", escapeRule::none}},
        },
    .embeds = embedding::htmlTags,
};

// CDATA sections and processing instructions are literals.
constexpr languageRow kXml{
    .name = "XML",
    .extensions = "*.xml;*.xsl;*.xslt;*.xsd;*.dtd;*.svg;*.xhtml;*.plist;*.xaml;*.csproj;"
                  "*.vbproj;*.props;*.targets;*.resx",
    .rules =
        {
            .blockComments = {{"<!--", "-->"}},
            .literals = {{"<![CDATA[", "]]>", escapeRule::none},
                         {"<?", "?>", escapeRule::none}},
        },
};

// A quote opens a string only at a value's start: "it's" is plain text.
constexpr languageRow kYaml{
    .name = "YAML",
    .extensions = "*.yml;*.yaml",
    .rules =
        {
            .lineComments = {{"#", placement::afterBlank}},
            .literals = {{"\"", "\"", escapeRule::backslash, false, placement::afterSeparator},
                         {"'", "'", escapeRule::doubling, false, placement::afterSeparator}},
            .hooks = hook::blockScalars,
            .separators = "[{,:-?",
        },
};

constexpr languageRow kToml{
    .name = "TOML",
    .extensions = "*.toml",
    .rules =
        {
            .lineComments = {kHashComment},
            .literals = {{"\"\"\"", "\"\"\""},
                         {"'''", "'''", escapeRule::none},
                         kCDoubleQuotes,
                         {"'", "'", escapeRule::none, true}},
        },
};

// Docker strips comment lines before it reads the instructions, continued
// ones included; quotes hide nothing from it.
constexpr languageRow kDockerfile{
    .name = "Dockerfile",
    .extensions = "*.dockerfile",
    .fileNames = "Dockerfile;Dockerfile.*",
    .rules =
        {
            .lineComments = {{"#", placement::lineStart}},
        },
};

// make knows no quotes; "\#" is a "#" of the text, and a backslash before
// the line end continues a comment. A line that starts with a tab is a
// recipe's, the shell's to read. No "#" inside a reference $(...) opens a
// comment; "$$" is a dollar of the text.
constexpr languageRow kMakefile{
    .name = "Makefile",
    .extensions = "*.mk",
    .fileNames = "Makefile;GNUmakefile;makefile;Kbuild",
    .rules =
        {
            .lineComments = {kHashComment},
            .plainTokens = {"\\#", "$$"},
            .lineSplices = true,
            .hooks = hook::recipeLines | hook::makeReferences,
        },
};

// #[[...]] and #[==[...]==] are comments, [[...]] and [==[...]==] bracket
// arguments (literals) where an argument starts; quoted arguments span lines.
// In an unquoted argument a backslash escapes the next byte: -DTAG=\"x\"
// opens no quoted argument, a\#b no comment.
constexpr languageRow kCmake{
    .name = "CMake",
    .extensions = "*.cmake",
    .fileNames = "CMakeLists.txt",
    .rules =
        {
            .lineComments = {kHashComment},
            .literals = {kDoubleQuotes},
            .plainTokens = {"\\\\", "\\\"", "\\#"},
            .delimited = {{.opener = "#[", .fill = '=', .openerEnd = "[", .closer = "]",
                           .closerEnd = "]", .isComment = true},
                          {.opener = "[", .fill = '=', .openerEnd = "[", .closer = "]",
                           .closerEnd = "]", .where = placement::wordStart}},
        },
};

// REM in any case where a command starts: at a line's start, or after
// "&", "|", "(" or "@"; "::" is a label no jump can reach.
constexpr languageRow kBatch{
    .name = "Batch",
    .extensions = "*.bat;*.cmd",
    .rules =
        {
            .lineComments = {{"REM", placement::afterSeparator, 0, true},
                             {"::", placement::lineStart}},
            .literals = {{"\"", "\"", escapeRule::none, true}},
            .separators = "&|(@",
        },
};

// Each row at its place in the table; a new language takes the place after
// the last of all families (language_rows.h).
constinit const placedEntry kPlaced[] = {
    {14, entryOf<kCss>()},
    {15, entryOf<kScss>()},
    {16, entryOf<kLess>()},
    {17, entryOf<kHtml>()},
    {18, entryOf<kXml>()},
    {19, entryOf<kYaml>()},
    {20, entryOf<kToml>()},
    {21, entryOf<kDockerfile>()},
    {22, entryOf<kMakefile>()},
    {30, entryOf<kCmake>()},
    {23, entryOf<kBatch>()},
};

}  // namespace

constinit const std::span<const placedEntry> markupEntries = kPlaced;

}  // namespace quillstat
