#include "analysis/language_rows.h"

#include "analysis/rule_fragments.h"
#include "engine/c_like_scan.h"

namespace quillstat {

// The rows of the script languages: "#" comments or C's, interpolated
// strings, regular expressions and heredocs, most met on a "#!" line.

namespace {

constexpr languageRow kPhp{
    .name = "Php",
    .extensions = "*.php;*.php3;*.php4;*.php5;*.php7;*.phtml",
    .rules =
        {
            .lineComments = {kSlashSlashComment, {"#", placement::anywhere, '['}},
            .blockComments = {kDocSlashStarComment},
            .literals = {kSingleQuotes, kDoubleQuotes, {"`", "`"}},
            .marks = ";{",
            .region = {"<?", "?>"},
            .hooks = hook::phpHeredocs,
        },
    .classic = scannerOf<phpScanner>(),
    .namedMasks = "*.php;*.php2;*.php5;*.cgi",
};

// The words after which "/" opens a regex in JavaScript and TypeScript.
constexpr std::string_view kScriptRegexKeywords =
    "return typeof instanceof in of new delete void throw case do else yield await";

constexpr exactRules scriptRules(std::string_view keywords) {
  // Initialised by name, then returned: g++ 12 refuses to return the list itself.
  const exactRules rules{
      .lineComments = {kSlashSlashComment, kShebangComment},
      .blockComments = {kDocSlashStarComment},
      .literals = {kCDoubleQuotes, kCSingleQuotes,
                   {"`", "`", escapeRule::backslash, false, placement::anywhere, "${"}},
      .marks = ";{",
      .hooks = hook::regexLiterals,
      .regex = {.keywords = keywords, .classes = true},
  };
  return rules;
}

constexpr languageRow kJavaScript{
    .name = "JavaScript",
    .extensions = "*.js;*.mjs;*.cjs",
    .interpreters = "node;nodejs",
    .rules = scriptRules(kScriptRegexKeywords),
};

constexpr languageRow kTypeScript{
    .name = "TypeScript",
    .extensions = "*.ts;*.mts;*.cts",
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
            .lineComments = {kSlashSlashComment, kShebangComment},
            .blockComments = {kDocSlashStarComment},
            .literals = {{"'''", "'''"},
                         {"\"\"\"", "\"\"\"", escapeRule::backslash, false, placement::anywhere, "${"},
                         kCSingleQuotes,
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
            .docBlock = {"=", "=cut", "__END__ __DATA__", true, true},
        },
};

constexpr languageRow kShell{
    .name = "Shell",
    .extensions = "*.sh;*.bash;*.zsh;*.ksh;*.tc",
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

// f-strings and t-strings: their prefixes, in either order and any case.
constexpr std::string_view kPythonFormatted =
    "f;F;fr;fR;Fr;FR;rf;rF;Rf;RF;t;T;tr;tR;Tr;TR;rt;rT;Rt;RT";

constexpr languageRow kPython{
    .name = "Python",
    .extensions = "*.py;*.pyw;*.pyi",
    .interpreters = "python;python3;python2",
    .rules = pythonRules(kPythonFormatted),
};

constexpr languageRow kPowerShell{
    .name = "PowerShell",
    .extensions = "*.ps1;*.psm1;*.psd1",
    .interpreters = "pwsh;powershell",
    .rules =
        {
            .lineComments = {kHashComment},
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

// Each row at its place in the table; a new language takes the place after
// the last of all families (language_rows.h).
constinit const placedEntry kPlaced[] = {
    {2, entryOf<kPhp>()},
    {31, entryOf<kJavaScript>()},
    {32, entryOf<kTypeScript>()},
    {33, entryOf<kGroovy>()},
    {34, entryOf<kRuby>()},
    {35, entryOf<kPerl>()},
    {36, entryOf<kShell>()},
    {37, entryOf<kPython>()},
    {38, entryOf<kPowerShell>()},
};

}  // namespace

constinit const std::span<const placedEntry> scriptingEntries = kPlaced;

}  // namespace quillstat
