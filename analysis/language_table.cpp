#include "analysis/language_table.h"

#include <iterator>

#include "engine/c_like_scan.h"
#include "engine/delphi_scan.h"

namespace quillstat {

namespace {

constexpr languageRow kCpp{
    .name = "C++",
    .extensions = "*.cpp;*.cc;*.cxx;*.c++;*.hpp;*.hh;*.hxx;*.h++;*.ipp;*.tpp",
    .rules =
        {
            .lineComments = {{"//"}},
            .blockComments = {{"/*", "*/"}},
            .literals = {{"\"", "\"", escapeRule::backslash, true},
                         {"'", "'", escapeRule::backslash, true}},
            .marks = ";{",
            .lineSplices = true,
            .hooks = hook::cDirectives | hook::rawStrings | hook::digitSeparators,
        },
    .classic = scannerOf<cppScanner>(),
    .namedMasks = "*.cpp;*.c;*.h;*.hpp;*.cxx;*.hxx",
};

constexpr languageRow kDelphi{
    .name = "Delphi",
    .extensions = "*.pas;*.dpr;*.pp;*.lpr;*.dpk",
    .rules =
        {
            .lineComments = {{"//"}},
            .blockComments = {{"{", "}"}, {"(*", "*)"}},
            // Compiler directives are code, not comments.
            .literals = {{"'", "'", escapeRule::doubling, true},
                         {"{$", "}", escapeRule::none},
                         {"(*$", "*)", escapeRule::none}},
            .marks = ";",
        },
    .classic = scannerOf<delphiScanner>(),
    .namedMasks = "*.dpr;*.pas",
};

constexpr languageRow kPhp{
    .name = "Php",
    .extensions = "*.php;*.php3;*.php4;*.php5;*.php7;*.phtml",
    .rules =
        {
            .lineComments = {{"//"}, {"#", placement::anywhere, '['}},
            .blockComments = {{"/*", "*/"}},
            .literals = {{"'", "'"}, {"\"", "\""}, {"`", "`"}},
            .marks = ";{",
            .region = {"<?", "?>"},
            .hooks = hook::phpHeredocs,
        },
    .classic = scannerOf<phpScanner>(),
    .namedMasks = "*.php;*.php2;*.php5;*.cgi",
};

// Under the classic rules Java has no scanner of its own: it is scanned as C++.
constexpr languageRow kJava{
    .name = "Java",
    .extensions = "*.java",
    .rules =
        {
            .lineComments = {{"//"}},
            .blockComments = {{"/*", "*/"}},
            .literals = {{"\"\"\"", "\"\"\""},
                         {"\"", "\"", escapeRule::backslash, true},
                         {"'", "'", escapeRule::backslash, true}},
            .marks = ";{",
        },
    .classic = scannerOf<cppScanner>(),
    .namedMasks = "*.java;",
};

constexpr languageRow kGo{
    .name = "Go",
    .extensions = "*.go",
    .rules =
        {
            .lineComments = {{"//"}},
            .blockComments = {{"/*", "*/"}},
            .literals = {{"\"", "\"", escapeRule::backslash, true},
                         {"`", "`", escapeRule::none},
                         {"'", "'", escapeRule::backslash, true}},
            .marks = ";{",
        },
};

constexpr languageRow kC{
    .name = "C",
    .extensions = "*.c;*.h",
    .rules =
        {
            .lineComments = {{"//"}},
            .blockComments = {{"/*", "*/"}},
            .literals = {{"\"", "\"", escapeRule::backslash, true},
                         {"'", "'", escapeRule::backslash, true}},
            .marks = ";{",
            .lineSplices = true,
            .hooks = hook::cDirectives | hook::digitSeparators,
        },
};

// Raw strings are Objective-C++'s (.mm).
constexpr languageRow kObjectiveC{
    .name = "Objective-C",
    .extensions = "*.m;*.mm",
    .rules = kCpp.rules,
};

constexpr languageRow kCSharp{
    .name = "C#",
    .extensions = "*.cs;*.csx",
    .rules =
        {
            .lineComments = {{"//"}},
            .blockComments = {{"/*", "*/"}},
            .literals = {{"\"", "\"", escapeRule::backslash, true},
                         {"'", "'", escapeRule::backslash, true},
                         {"@\"", "\"", escapeRule::doubling},
                         {"$\"", "\"", escapeRule::backslash, true, placement::anywhere, "{", true},
                         {"$@\"", "\"", escapeRule::doubling, false, placement::anywhere, "{", true},
                         {"@$\"", "\"", escapeRule::doubling, false, placement::anywhere, "{", true},
                         // A directive's message is text to its line's end; after
                         // the other directives a "//" comment may stand.
                         {"#region", "\n", escapeRule::none, true, placement::lineStart},
                         {"#endregion", "\n", escapeRule::none, true, placement::lineStart},
                         {"#error", "\n", escapeRule::none, true, placement::lineStart},
                         {"#warning", "\n", escapeRule::none, true, placement::lineStart}},
            .marks = ";{",
            // Raw strings, interpolated ones ($"""...""", $$"""...""") tried before $"...".
            .delimited = {{.fill = '"', .minFill = 3}, {.opener = "$", .fill = '"', .minFill = 3}},
        },
};

constexpr languageRow kKotlin{
    .name = "Kotlin",
    .extensions = "*.kt;*.kts",
    .rules =
        {
            .lineComments = {{"//"}},
            .blockComments = {{"/*", "*/", true}},
            // A name in backticks holds any byte but a line end: fun `GET /a/*`().
            .literals = {{"\"\"\"", "\"\"\"", escapeRule::none, false, placement::anywhere, "${"},
                         {"\"", "\"", escapeRule::backslash, true, placement::anywhere, "${"},
                         {"'", "'", escapeRule::backslash, true},
                         {"`", "`", escapeRule::none, true}},
            .marks = ";{",
        },
};

constexpr languageRow kScala{
    .name = "Scala",
    .extensions = "*.scala;*.sc",
    .rules =
        {
            .lineComments = {{"//"}},
            .blockComments = {{"/*", "*/", true}},
            // After any word, s"...", f"...", raw"...": an interpolator's string.
            .literals = {{.opener = "\"\"\"", .closer = "\"\"\"", .escape = escapeRule::none,
                          .interpolation = "${", .prefix = "*"},
                         {"\"\"\"", "\"\"\"", escapeRule::none},
                         {.opener = "\"", .closer = "\"", .escape = escapeRule::none,
                          .endsAtLineEnd = true, .interpolation = "${", .prefix = "*"},
                         {"\"", "\"", escapeRule::backslash, true},
                         {"'", "'", escapeRule::backslash, true}},
            .marks = ";{",
            .hooks = hook::characterLiterals,
        },
};

constexpr languageRow kSwift{
    .name = "Swift",
    .extensions = "*.swift",
    .rules =
        {
            .lineComments = {{"//"}},
            .blockComments = {{"/*", "*/", true}},
            .literals = {{"\"\"\"", "\"\"\"", escapeRule::backslash, false, placement::anywhere, "\\("},
                         {"\"", "\"", escapeRule::backslash, true, placement::anywhere, "\\("}},
            .marks = ";{",
            // Extended delimiters: #"..."#, #"""..."""#.
            .delimited = {{.fill = '#', .minFill = 1, .openerEnd = "\"\"\"", .closer = "\"\"\""},
                          {.fill = '#', .minFill = 1, .openerEnd = "\"", .closer = "\""}},
        },
};

constexpr languageRow kRust{
    .name = "Rust",
    .extensions = "*.rs",
    .rules =
        {
            .lineComments = {{"//"}},
            .blockComments = {{"/*", "*/", true}},
            .literals = {{"\"", "\""}, {"'", "'", escapeRule::backslash, true}},
            .marks = ";{",
            .hooks = hook::characterLiterals,
            // Raw strings: r"...", r#"..."#, br##"..."##, cr"...".
            .delimited = {{.prefix = "r;br;cr", .fill = '#', .openerEnd = "\"", .closer = "\""}},
        },
};

constexpr languageRow kDart{
    .name = "Dart",
    .extensions = "*.dart",
    .rules =
        {
            .lineComments = {{"//"}},
            .blockComments = {{"/*", "*/", true}},
            .literals = {{.opener = "'''", .closer = "'''", .escape = escapeRule::none, .prefix = "r"},
                         {.opener = "\"\"\"", .closer = "\"\"\"", .escape = escapeRule::none, .prefix = "r"},
                         {"'''", "'''", escapeRule::backslash, false, placement::anywhere, "${"},
                         {"\"\"\"", "\"\"\"", escapeRule::backslash, false, placement::anywhere, "${"},
                         {.opener = "'", .closer = "'", .escape = escapeRule::none, .endsAtLineEnd = true, .prefix = "r"},
                         {.opener = "\"", .closer = "\"", .escape = escapeRule::none, .endsAtLineEnd = true, .prefix = "r"},
                         {"'", "'", escapeRule::backslash, true, placement::anywhere, "${"},
                         {"\"", "\"", escapeRule::backslash, true, placement::anywhere, "${"}},
            .marks = ";{",
        },
};

constexpr languageRow kProtocolBuffers{
    .name = "Protocol Buffers",
    .extensions = "*.proto",
    .rules =
        {
            .lineComments = {{"//"}},
            .blockComments = {{"/*", "*/"}},
            .literals = {{"\"", "\"", escapeRule::backslash, true},
                         {"'", "'", escapeRule::backslash, true}},
            .marks = ";{",
        },
};

// --- Data, markup, build and script languages ---------------------------

// A string ends with its line where no backslash escapes the line end; an
// unquoted url(...) is one token, so "//" and ";" in it are no comment or
// mark.
constexpr languageRow kCss{
    .name = "CSS",
    .extensions = "*.css",
    .rules =
        {
            .blockComments = {{"/*", "*/"}},
            .literals = {{"\"", "\"", escapeRule::backslash, true},
                         {"'", "'", escapeRule::backslash, true}},
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
            .lineComments = {{"//"}},
            .blockComments = {{"/*", "*/"}},
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
            .lineComments = {{"//"}},
            .blockComments = {{"/*", "*/"}},
            .literals = {{"\"", "\"", escapeRule::backslash, true, placement::anywhere, "@{"},
                         {"'", "'", escapeRule::backslash, true, placement::anywhere, "@{"},
                         {"`", "`"},
                         {"@{", "}", escapeRule::none}},
            .marks = ";{",
            .hooks = hook::unquotedUrls,
        },
};

// What <script> and <style> hold is raw text, code to HTML: no comment of
// HTML's opens in it, and its own (JavaScript's, CSS's) are not read.
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
            .lineComments = {{"#"}},
            .literals = {{"\"\"\"", "\"\"\""},
                         {"'''", "'''", escapeRule::none},
                         {"\"", "\"", escapeRule::backslash, true},
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
    .fileNames = "Makefile;GNUmakefile;makefile",
    .rules =
        {
            .lineComments = {{"#"}},
            .plainTokens = {"\\#", "$$"},
            .lineSplices = true,
            .hooks = hook::recipeLines | hook::makeReferences,
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

constexpr languageRow kVisualBasic{
    .name = "Visual Basic",
    .extensions = "*.vb;*.vbs;*.bas",
    .rules =
        {
            .lineComments = {{"'"}, {"REM", placement::tokenStart, 0, true}},
            .literals = {{"\"", "\"", escapeRule::doubling, true}},
        },
};

// Two rows of one name: the fixed form, whose "C", "c", "*" or "!" in the
// first column makes the line a comment, and the free form; the first
// serves "-l Fortran".
constexpr languageRow kFortranFixed{
    .name = "Fortran",
    .extensions = "*.f;*.for;*.f77;*.ftn",
    .rules =
        {
            .lineComments = {{"C", placement::column1},
                             {"c", placement::column1},
                             {"*", placement::column1},
                             {"!"}},
            .literals = {{"'", "'", escapeRule::doubling, true},
                         {"\"", "\"", escapeRule::doubling, true}},
        },
};

constexpr languageRow kFortranFree{
    .name = "Fortran",
    .extensions = "*.f90;*.f95;*.f03;*.f08",
    .rules =
        {
            .lineComments = {{"!"}},
            .literals = {{"'", "'", escapeRule::doubling, true},
                         {"\"", "\"", escapeRule::doubling, true}},
        },
};

// Pragmas {-# ... #-} are directives: code. A quote after a name byte is
// a prime (x'), and before anything but one character and a quote, code
// ('Name, ''Type).
constexpr languageRow kHaskell{
    .name = "Haskell",
    .extensions = "*.hs",
    .rules =
        {
            .lineComments = {{"--"}},
            .blockComments = {{"{-", "-}", true}},
            .literals = {{"{-#", "#-}", escapeRule::none},
                         {"\"", "\"", escapeRule::backslash, true},
                         {"'", "'", escapeRule::backslash, true}},
            .hooks = hook::characterLiterals | hook::operatorDashes,
        },
};

// Comments nest, and strings count inside them: (* "*)" *) is one comment
// (a character '"' inside one is read as a string's quote). A quote opens a
// character only before one character or an escape and a quote: 'a is a
// type variable. {id|...|id} is a quoted string.
constexpr languageRow kOcaml{
    .name = "OCaml",
    .extensions = "*.ml;*.mli",
    .rules =
        {
            .blockComments = {{"(*", "*)", true, placement::anywhere, "\""}},
            .literals = {{"\"", "\""}, {"'", "'", escapeRule::backslash, true}},
            .hooks = hook::characterLiterals,
            .delimited = {{.opener = "{", .tag = tagRule::lowercase, .openerEnd = "|",
                           .closer = "|", .closerEnd = "}"}},
        },
};

// Block comments nest, as in standard SQL and PostgreSQL. E'...' knows
// backslash escapes. What dollar quotes hold ($$...$$, $tag$...$tag$) is
// read as the SQL it nearly always is, a function's body: its comments are
// comments, its ";" marks.
constexpr languageRow kSql{
    .name = "SQL",
    .extensions = "*.sql",
    .rules =
        {
            .lineComments = {{"--"}},
            .blockComments = {{"/*", "*/", true}},
            .literals = {{.opener = "'", .closer = "'", .prefix = "E;e"},
                         {"'", "'", escapeRule::doubling},
                         {"\"", "\"", escapeRule::doubling}},
            .marks = ";",
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
            .lineComments = {{"#"}},
            .literals = {{"\"", "\""}},
            .plainTokens = {"\\\\", "\\\"", "\\#"},
            .delimited = {{.opener = "#[", .fill = '=', .openerEnd = "[", .closer = "]",
                           .closerEnd = "]", .isComment = true},
                          {.opener = "[", .fill = '=', .openerEnd = "[", .closer = "]",
                           .closerEnd = "]", .where = placement::wordStart}},
        },
};

// --- Script languages ----------------------------------------------------

// The words after which "/" opens a regex in JavaScript and TypeScript.
constexpr std::string_view kScriptRegexKeywords =
    "return typeof instanceof in of new delete void throw case do else yield await";

constexpr exactRules scriptRules(std::string_view keywords) {
  // Initialised by name, then returned: g++ 12 refuses to return the list itself.
  const exactRules rules{
      .lineComments = {{"//"}, {"#!", placement::column1}},
      .blockComments = {{"/*", "*/"}},
      .literals = {{"\"", "\"", escapeRule::backslash, true},
                   {"'", "'", escapeRule::backslash, true},
                   {"`", "`", escapeRule::backslash, false, placement::anywhere, "${"}},
      .marks = ";{",
      .hooks = hook::regexLiterals,
      .regex = {.keywords = keywords, .classes = true},
  };
  return rules;
}

constexpr languageRow kJavaScript{
    .name = "JavaScript",
    .extensions = "*.js;*.mjs;*.cjs;*.jsx",
    .interpreters = "node;nodejs",
    .rules = scriptRules(kScriptRegexKeywords),
};

constexpr languageRow kTypeScript{
    .name = "TypeScript",
    .extensions = "*.ts;*.tsx;*.mts;*.cts",
    .interpreters = "ts-node",
    .rules = scriptRules(kScriptRegexKeywords),
};

constexpr languageRow kGroovy{
    .name = "Groovy",
    .extensions = "*.groovy;*.gradle;*.gvy;*.gy;*.gsh",
    .fileNames = "Jenkinsfile",
    .interpreters = "groovy",
    .rules =
        {
            .lineComments = {{"//"}, {"#!", placement::column1}},
            .blockComments = {{"/*", "*/"}},
            .literals = {{"'''", "'''"},
                         {"\"\"\"", "\"\"\"", escapeRule::backslash, false, placement::anywhere, "${"},
                         {"'", "'", escapeRule::backslash, true},
                         {"\"", "\"", escapeRule::backslash, true, placement::anywhere, "${"},
                         {"$/", "/$", escapeRule::none}},
            .marks = ";{",
            .hooks = hook::regexLiterals,
            // Slashy strings: "/" where an operand is expected.
            .regex = {.keywords = "return case in assert throw instanceof else", .spansLines = true},
        },
};

constexpr languageRow kRuby{
    .name = "Ruby",
    .extensions = "*.rb;*.rake;*.gemspec;*.ru;*.rbw",
    .fileNames = "Rakefile;Gemfile;Vagrantfile;Guardfile;Podfile",
    .interpreters = "ruby",
    .rules =
        {
            // After "?" a character literal (?#), after "$" a global ($").
            .lineComments = {{.opener = "#", .notAfter = "?"}},
            .literals = {{.opener = "\"", .closer = "\"", .interpolation = "#{", .notAfter = "?$"},
                         {.opener = "'", .closer = "'", .notAfter = "?$"},
                         {.opener = "`", .closer = "`", .interpolation = "#{", .notAfter = "?$"}},
            .marks = "",  // none: the marks are the code lines
            .plainTokens = {"?/", "?%"},
            .hooks = hook::regexLiterals | hook::lineHeredocs | hook::percentLiterals |
                     hook::docBlocks,
            .regex = {.keywords = "if elsif unless while until when and or not return then else "
                                  "case in do begin yield",
                      .spansLines = true,
                      .spacedArgument = true,
                      .atLineStart = true},
            .heredoc = {.indentMarks = "-~", .notAfterWord = true},
            .percentLetters = "qQwWiIrsx",
            .docBlock = {"=begin", "=end", "__END__"},
        },
};

constexpr languageRow kPerl{
    .name = "Perl",
    .extensions = "*.pl;*.pm;*.t",
    .interpreters = "perl",
    .rules =
        {
            // $#array, the globals named by a quote ($") and their globs (*").
            .lineComments = {{.opener = "#", .notAfter = "$"}},
            .literals = {{.opener = "\"", .closer = "\"", .notAfter = "$*"},
                         {.opener = "'", .closer = "'", .notAfter = "$*"},
                         {.opener = "`", .closer = "`", .notAfter = "$*"}},
            .marks = ";{",
            // The glob */; "//" is defined-or.
            .plainTokens = {"*/", "//"},
            .hooks = hook::regexLiterals | hook::lineHeredocs | hook::quoteOperators |
                     hook::docBlocks,
            .regex = {.keywords = "return and or not if elsif unless while until split grep map "
                                  "join push unshift when x lt gt le ge eq ne cmp",
                      .spansLines = true},
            .heredoc = {.indentMarks = "~", .notAfterWord = true},
            .quoteOperators = {"q qq qw qx qr m", "s tr y"},
            .docBlock = {"=", "=cut", "__END__ __DATA__", true},
        },
};

constexpr languageRow kShell{
    .name = "Shell",
    .extensions = "*.sh;*.bash;*.zsh;*.ksh",
    .interpreters = "sh;bash;zsh;ksh;dash",
    .rules =
        {
            .lineComments = {{"#", placement::wordStart}},
            // $'...' and $((...)) by their prefix "$", so that "$" stops no scan.
            .literals = {{.opener = "'", .closer = "'", .prefix = "$"},
                         {"'", "'", escapeRule::none},
                         {"\"", "\"", escapeRule::backslash, false, placement::anywhere, "$("},
                         // Arithmetic, where "<<" is a shift: "((" opens it at a word's start.
                         {.opener = "((", .closer = "))", .escape = escapeRule::none, .prefix = "$"},
                         {"((", "))", escapeRule::none, false, placement::wordStart}},
            .marks = "",  // none: the marks are the code lines
            // Escaped quotes are no quotes; "<<<" is a here-string.
            .plainTokens = {"\\\\", "\\\"", "\\'", "<<<"},
            .hooks = hook::lineHeredocs,
            .heredoc = {.indentMarks = "-", .tabsOnly = true, .blanksBeforeLabel = true},
        },
};

// --- Dynamic languages ---------------------------------------------------

// f-strings and t-strings: their prefixes, in either order and any case.
constexpr std::string_view kPythonFormatted =
    "f;F;fr;fR;Fr;FR;rf;rF;Rf;RF;t;T;tr;tR;Tr;TR;rt;rT;Rt;RT";

// The formatted forms come first: the plain ones would shadow them.
constexpr languageRow kPython{
    .name = "Python",
    .extensions = "*.py;*.pyw;*.pyi",
    .interpreters = "python;python3;python2",
    .rules =
        {
            .lineComments = {{"#"}},
            .literals = {{.opener = "\"\"\"", .closer = "\"\"\"", .interpolation = "{",
                          .doubledOpenerIsText = true, .prefix = kPythonFormatted,
                          .formatStart = ':'},
                         {.opener = "'''", .closer = "'''", .interpolation = "{",
                          .doubledOpenerIsText = true, .prefix = kPythonFormatted,
                          .formatStart = ':'},
                         {"\"\"\"", "\"\"\""},
                         {"'''", "'''"},
                         {.opener = "\"", .closer = "\"", .endsAtLineEnd = true,
                          .interpolation = "{", .doubledOpenerIsText = true,
                          .prefix = kPythonFormatted, .formatStart = ':'},
                         {.opener = "'", .closer = "'", .endsAtLineEnd = true,
                          .interpolation = "{", .doubledOpenerIsText = true,
                          .prefix = kPythonFormatted, .formatStart = ':'},
                         {"\"", "\"", escapeRule::backslash, true},
                         {"'", "'", escapeRule::backslash, true}},
            .marks = {},
            .hooks = hook::docstrings,
        },
};

constexpr languageRow kPowerShell{
    .name = "PowerShell",
    .extensions = "*.ps1;*.psm1;*.psd1",
    .interpreters = "pwsh;powershell",
    .rules =
        {
            .lineComments = {{"#"}},
            .blockComments = {{"<#", "#>"}},
            // Here-strings close at a line's start.
            .literals = {{"@\"", "\n\"@", escapeRule::none, false, placement::anywhere, "$("},
                         {"@'", "\n'@", escapeRule::none},
                         {"\"", "\"", escapeRule::backtick, false, placement::anywhere, "$("},
                         {"'", "'", escapeRule::doubling}},
            .marks = ";{",
            // A backtick escapes the next byte in code too, a backtick included.
            .plainTokens = {"``", "`\"", "`'", "`#"},
        },
};

// A string right after a word is a macro's (r"...", raw"..."): no
// interpolation there.
constexpr languageRow kJulia{
    .name = "Julia",
    .extensions = "*.jl",
    .interpreters = "julia",
    .rules =
        {
            .lineComments = {{"#"}},
            .blockComments = {{"#=", "=#", true}},
            .literals = {{"\"\"\"", "\"\"\"", escapeRule::backslash, false,
                          placement::tokenStart, "$("},
                         {"\"\"\"", "\"\"\""},
                         {"\"", "\"", escapeRule::backslash, false,
                          placement::tokenStart, "$("},
                         {"\"", "\""},
                         {"```", "```", escapeRule::backslash, false,
                          placement::tokenStart, "$("},
                         {"```", "```"},
                         {"`", "`", escapeRule::backslash, false,
                          placement::tokenStart, "$("},
                         {"`", "`"},
                         {"'", "'", escapeRule::backslash, true, placement::operandStart}},
            .marks = {},
        },
};

constexpr languageRow kErlang{
    .name = "Erlang",
    .extensions = "*.erl;*.hrl;*.escript",
    .interpreters = "escript",
    .rules =
        {
            .lineComments = {{"%"}, {"#!", placement::column1}},
            .literals = {{"\"", "\""}, {"'", "'"}, {"$", ""}},
            .marks = {},
        },
};

constexpr languageRow kClojure{
    .name = "Clojure",
    .extensions = "*.clj;*.cljs;*.cljc;*.edn",
    .interpreters = "clojure;clj;bb",
    .rules =
        {
            .lineComments = {{";"}, {"#!"}},
            .literals = {{"\"", "\""}, {"\\", "", escapeRule::none}},
            .marks = {},
        },
};

constexpr languageRow kTcl{
    .name = "Tcl",
    .extensions = "*.tcl;*.tk;*.itcl;*.tm",
    .interpreters = "tclsh;wish",
    .rules =
        {
            // A command starts at a line's start or after ; { or [, blanks aside.
            .lineComments = {{"#", placement::afterSeparator}},
            .literals = {{"\"", "\"", escapeRule::backslash, false, placement::afterBlank, "["}},
            .marks = {},
            .lineSplices = true,
            .separators = ";{[",
        },
};

// An uppercase sigil's letter before a quote: ~S"..." does not interpolate.
constexpr std::string_view kCapitals = "A;B;C;D;E;F;G;H;I;J;K;L;M;N;O;P;Q;R;S;T;U;V;W;X;Y;Z";
constexpr literalRule elixirString(std::string_view quote, std::string_view prefix,
                                   std::string_view interpolation) {
  return {.opener = quote, .closer = quote, .interpolation = interpolation, .prefix = prefix};
}

// Heredocs close at three quotes anywhere: Elixir asks for them first on
// their line.
constexpr languageRow kElixir{
    .name = "Elixir",
    .extensions = "*.ex;*.exs",
    .interpreters = "elixir",
    .rules =
        {
            .lineComments = {{"#"}},
            .literals = {elixirString("\"\"\"", kCapitals, {}), elixirString("\"\"\"", {}, "#{"),
                         elixirString("'''", kCapitals, {}), elixirString("'''", {}, "#{"),
                         elixirString("\"", kCapitals, {}), elixirString("\"", {}, "#{"),
                         elixirString("'", kCapitals, {}), elixirString("'", {}, "#{"),
                         {"?", "", escapeRule::backslash, false, placement::tokenStart}},
            .marks = {},
            .hooks = hook::sigils,
        },
};

// Long brackets of any level: a comment after "--", else a string.
constexpr languageRow kLua{
    .name = "Lua",
    .extensions = "*.lua",
    .interpreters = "lua;luajit;texlua",
    .rules =
        {
            .lineComments = {{"--"}},
            .literals = {{"\"", "\"", escapeRule::backslash, true},
                         {"'", "'", escapeRule::backslash, true}},
            .marks = {},
            .delimited = {{.opener = "--[", .fill = '=', .openerEnd = "[", .closer = "]",
                           .closerEnd = "]", .isComment = true},
                          {.opener = "[", .fill = '=', .openerEnd = "[", .closer = "]",
                           .closerEnd = "]"}},
        },
};

// A raw string: r or R, a quote, dashes, and a bracket; its closer repeats
// the dashes between the closing bracket and the quote.
constexpr delimitedRule rRaw(std::string_view quote, std::string_view open,
                             std::string_view close) {
  return {.prefix = "r;R", .opener = quote, .fill = '-', .openerEnd = open, .closer = close,
          .closerEnd = quote};
}

constexpr languageRow kR{
    .name = "R",
    .extensions = "*.R;*.r",
    .fileNames = ".Rprofile",
    .interpreters = "Rscript",
    .rules =
        {
            .lineComments = {{"#"}},
            // A user operator, %in% or %#%, ends at its line's end when unclosed.
            .literals = {{"\"", "\""}, {"'", "'"}, {"`", "`"},
                         {"%", "%", escapeRule::none, true}},
            .marks = ";{",
            .delimited = {rRaw("\"", "(", ")"), rRaw("\"", "[", "]"), rRaw("\"", "{", "}"),
                          rRaw("'", "(", ")"), rRaw("'", "[", "]"), rRaw("'", "{", "}")},
        },
};

constexpr languageEntry kEntries[] = {
    entryOf<kCpp>(), entryOf<kDelphi>(), entryOf<kPhp>(), entryOf<kJava>(), entryOf<kGo>(),
    entryOf<kC>(), entryOf<kObjectiveC>(), entryOf<kCSharp>(), entryOf<kKotlin>(),
    entryOf<kScala>(), entryOf<kSwift>(), entryOf<kRust>(), entryOf<kDart>(),
    entryOf<kProtocolBuffers>(),
    entryOf<kCss>(), entryOf<kScss>(), entryOf<kLess>(), entryOf<kHtml>(), entryOf<kXml>(),
    entryOf<kYaml>(), entryOf<kToml>(), entryOf<kDockerfile>(), entryOf<kMakefile>(),
    entryOf<kBatch>(), entryOf<kVisualBasic>(), entryOf<kFortranFixed>(), entryOf<kFortranFree>(),
    entryOf<kHaskell>(), entryOf<kOcaml>(), entryOf<kSql>(), entryOf<kCmake>(),
    entryOf<kJavaScript>(), entryOf<kTypeScript>(), entryOf<kGroovy>(), entryOf<kRuby>(),
    entryOf<kPerl>(), entryOf<kShell>(),
    entryOf<kPython>(), entryOf<kPowerShell>(), entryOf<kJulia>(), entryOf<kErlang>(),
    entryOf<kClojure>(), entryOf<kTcl>(), entryOf<kElixir>(), entryOf<kLua>(), entryOf<kR>(),
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
