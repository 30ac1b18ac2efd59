#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ui/command_line.h"
#include "ui/option_table.h"

namespace quillstat {
namespace {

using tokenList = std::vector<std::string>;

// Tokens joined as <a><b>, so that empty tokens and blanks show.
std::string show(const tokenList& tokens) {
  std::string text;
  for (const std::string& t : tokens) text += "<" + t + ">";
  return text;
}

TEST(SplitCommandLine, BlanksSplitAndQuotesGroup) {
  const struct {
    std::string line;
    std::string tokens;
  } cases[] = {
      {"", ""},
      {"    ", ""},
      {"  -f   a.cpp  ", "<-f><a.cpp>"},
      {"-f \"my file.cpp\" -o r.txt", "<-f><my file.cpp><-o><r.txt>"},
      {"ab\"c d\"e", "<abc de>"},
      // An unbalanced quote takes the rest of the line, blanks included.
      {"-e \"*.c; *.h", "<-e><*.c; *.h>"},
      // An empty quoted token survives only if more than its blank follows.
      {"\"\" x", "<><x>"},
      {"x \"\"", "<x>"},
      {"\"\" ", ""},
      {"\"\"  ", "<>"},
      {"-f\ta.cpp", "<-f\ta.cpp>"},  // a tab does not separate
      {"-e '*.c;*.h'", "<-e><'*.c;*.h'>"},
      {"\xE0\xE1 \xFF", "<\xE0\xE1><\xFF>"},
  };
  for (const auto& c : cases) EXPECT_EQ(show(splitCommandLine(c.line, ' ', '"')), c.tokens) << c.line;
}

TEST(SplitCommandLine, TokensHaveNoLengthLimit) {
  const std::string longName(5000, 'x');
  EXPECT_EQ(splitCommandLine("-f " + longName, ' ', '"'), (tokenList{"-f", longName}));
}

TEST(WindowsArguments, SkipsTheProgramsNameAsTheRuntimeDoes) {
  const struct {
    std::string line;
    std::string arguments;
  } cases[] = {
      {"", ""},
      {"q.exe", ""},
      {"q.exe   ", ""},
      {"q.exe -f a.cpp", "-f a.cpp"},
      {"q.exe \t -f  a.cpp ", "-f  a.cpp "},  // only the blanks before the first argument go
      {"\"C:\\My Tools\\q.exe\" -d \"x y\"", "-d \"x y\""},
      {"\"C:\\My Tools\\q.exe\"-h", ""},  // a closing quote does not end the name, a blank does
      {"C:\\My\" \"Tools\\q.exe -h", "-h"},  // quotes toggle anywhere in the name
      {"\"unbalanced q.exe -h", ""},
      {"\xD0\x9F.exe -f \xD0\xB0", "-f \xD0\xB0"},  // UTF-8 bytes are no blanks
  };
  for (const auto& c : cases) EXPECT_EQ(windowsArguments(c.line), c.arguments) << c.line;
}

TEST(CountWords, CountsRunsOfNonBlanks) {
  const struct {
    std::string text;
    size_t words;
  } cases[] = {{"", 0}, {"  ", 0}, {"a", 1}, {" a ", 1}, {"a  b", 2}, {"\"a b\"", 2}, {"a b c ", 3}};
  for (const auto& c : cases) EXPECT_EQ(countWords(c.text, ' '), c.words) << c.text;
}

// The options as one line: input, output, format, language, masks, flags.
std::string describe(const commandLineOptions& o) {
  std::string text = "f=" + o.inputFile.value_or("-") + " d=" + o.inputDirectory.value_or("-") +
                     " o=" + o.outputPath.value_or("-") + " e=" + o.masks.value_or("-") +
                     " t=" + std::to_string(static_cast<int>(o.format)) +
                     " l=" + std::to_string(o.languageIndex) + " j=" + std::to_string(o.jobs);
  for (const std::string& glob : o.excludes) text += " exclude=" + glob;
  if (o.byDirDepth > 0) text += " by-dir=" + std::to_string(o.byDirDepth);
  if (o.recursive) text += " -s";
  if (o.noFirstComment) text += " -nf";
  if (o.exact) text += " -x";
  if (o.showHelp) text += " help";
  if (o.showVersion) text += " version";
  if (o.showLanguages) text += " languages";
  text += o.batchMode() ? " batch" : " window";
  return text;
}

// The shell completes a value after exactly the options that take one.
TEST(OptionTable, AnOptionHasAValueKindExactlyWhenItTakesAValue) {
  for (const optionRow& row : optionTable) {
    EXPECT_EQ(row.kind == valueKind::none, row.valueName == nullptr) << row.name;
  }
}

TEST(ScanOptions, EachTokenIsScannedInTurn) {
  const struct {
    tokenList tokens;
    std::string options;
  } cases[] = {
      {{}, "f=- d=- o=- e=- t=0 l=0 j=0 window"},
      {{"-f", "a.cpp", "-o", "r.txt"}, "f=a.cpp d=- o=r.txt e=- t=0 l=0 j=0 batch"},
      {{"-d", "src", "-s", "-nf", "-l", "Delphi", "-t", "xml", "-o", "out.xml"},
       "f=- d=src o=out.xml e=- t=1 l=1 j=0 -s -nf batch"},
      {{"-l", "delphi", "-t", "XML"}, "f=- d=- o=- e=- t=0 l=0 j=0 window"},
      {{"-f", "a.pas", "--exact", "-o", "r.txt"}, "f=a.pas d=- o=r.txt e=- t=0 l=0 j=0 -x batch"},
      {{"-x", "-X", "--Exact"}, "f=- d=- o=- e=- t=0 l=0 j=0 -x window"},
      {{"-l", "Delphi7", "-l", "Java", "-l", "Php5"}, "f=- d=- o=- e=- t=0 l=3 j=0 window"},
      {{"-t", "html", "-t", "pdf"}, "f=- d=- o=- e=- t=2 l=0 j=0 window"},
      {{"-o", "r.txt", "-o", "s.txt", "-f", "a.cpp"}, "f=a.cpp d=- o=s.txt e=- t=0 l=0 j=0 batch"},
      // A value that looks like an option acts twice.
      {{"-f", "-s", "-o", "r.txt"}, "f=-s d=- o=r.txt e=- t=0 l=0 j=0 -s batch"},
      // -h stops the scan: what follows it is never read.
      {{"-o", "-h", "-f", "a.cpp"}, "f=- d=- o=-h e=- t=0 l=0 j=0 help window"},
      {{"-d", "src", "-o", "r.txt", "-f"}, "f=- d=src o=r.txt e=- t=0 l=0 j=0 batch"},
      {{"-f", "a.cpp"}, "f=a.cpp d=- o=- e=- t=0 l=0 j=0 window"},
      {{"-d", "src", "-e", "*.h", "-f", "a.cpp", "-o", "r.txt"},
       "f=a.cpp d=src o=r.txt e=*.h t=0 l=0 j=0 batch"},
      {{"-f\ta.cpp", "-F", "x"}, "f=- d=- o=- e=- t=0 l=0 j=0 window"},
      {{"-j", "3", "-j", "0", "-j", "x"}, "f=- d=- o=- e=- t=0 l=0 j=3 window"},
      {{"--version", "-h"}, "f=- d=- o=- e=- t=0 l=0 j=0 version window"},
      {{"--help"}, "f=- d=- o=- e=- t=0 l=0 j=0 help window"},
      {{"--languages", "-h", "--bogus"}, "f=- d=- o=- e=- t=0 l=0 j=0 languages window"},
      // -l auto is no row of the table; --exclude adds a pattern each time.
      {{"-l", "auto", "--exclude", "a/", "--exclude=*.c", "--by-dir", "2"},
       "f=- d=- o=- e=- t=0 l=4294967294 j=0 exclude=a/ exclude=*.c by-dir=2 window"},
      // A short option takes a value after '=' as a long one does.
      {{"-t=json", "-l=Delphi", "-d=src", "-o=r.txt", "-e=*.c;*.h", "-j=2", "-f=a=b.c"},
       "f=a=b.c d=src o=r.txt e=*.c;*.h t=3 l=1 j=2 batch"},
      {{"-t=", "-o=", "-Q=1", "-F=a.c"}, "f=- d=- o= e=- t=0 l=0 j=0 window"},
  };
  for (const auto& c : cases) EXPECT_EQ(describe(scanOptions(c.tokens)), c.options) << show(c.tokens);
}

// What the scan says of a line: its errors, then its warnings, each "E:" or
// "W:" and one a line, and the gate's limits where set.
std::string complaints(const commandLineOptions& o) {
  std::string text;
  for (const std::string& e : o.errors) text += "E:" + e + "\n";
  for (const std::string& w : o.warnings) text += "W:" + w + "\n";
  if (o.gate.failUnder) text += "fail-under " + std::to_string(*o.gate.failUnder) + "\n";
  if (o.gate.maxTodo) text += "max-todo " + std::to_string(*o.gate.maxTodo) + "\n";
  return text;
}

// Every case runs after "-d src -o r.txt".
TEST(ScanOptions, LongOptionsAreStrictAndNumbersArePlainDecimals) {
  const struct {
    tokenList tokens;
    std::string said;
  } cases[] = {
      {{"--max-todo=0", "--fail-under=99.5"}, "fail-under 99.500000\nmax-todo 0\n"},
      {{"--fail_under", "99"}, "E:unknown option --fail_under; did you mean --fail-under?\n"},
      {{"--max-todos", "0"}, "E:unknown option --max-todos; did you mean --max-todo?\n"},
      {{"--frobnicate"}, "E:unknown option --frobnicate\n"},
      {{"--exact=yes", "--files-from"}, "E:--exact takes no value\nE:--files-from needs a value\n"},
      {{"-e", "--weird"}, ""},  // a value, not an option
      {{"-Q", "-nF"}, ""},      // unknown single-dash words keep being ignored
      {{"-s=1", "-nf=", "-x=yes", "-q=0"},
       "E:-s takes no value\nE:-nf takes no value\nE:-x takes no value\nE:-q takes no value\n"},
      // After '=' as after a blank, a short option's unknown value is ignored.
      {{"-t=XML", "-j=0"},
       "W:ignored -t 'XML': the report type is one of txt, xml, html, json, csv, dashboard\n"
       "W:ignored -j '0': the number of workers is a whole number from 1 to 4294967295\n"},
      // Control bytes in the words that messages name are shown escaped.
      {{"-t", "x\x1b[2J", "--fr\nob"},
       "E:unknown option --fr\\nob\n"
       "W:ignored -t 'x\\x1b[2J': the report type is one of txt, xml, html, json, csv, "
       "dashboard\n"},
      {{"-e", "*.c,\t*.h"},
       "W:the masks '*.c,\\t*.h' are taken as they stand, ',' and blanks included: masks are "
       "separated by ';', as in '*.c;*.h'\n"},
      {{"--max-todo", "99999999999999999999"},
       "E:--max-todo '99999999999999999999': too large; the limit is a whole number from 0 to "
       "9223372036854775807\n"},
      {{"-j", "99999999999"},
       "W:ignored -j '99999999999': too large; the number of workers is a whole number from 1 to "
       "4294967295\n"},
      {{"--fail-under", "1e1", "--fail-under", "+20", "--max-todo", "0x10"},
       "E:--fail-under '1e1': the limit is a percentage from 0 to 100\n"
       "E:--fail-under '+20': the limit is a percentage from 0 to 100\n"
       "E:--max-todo '0x10': the limit is a whole number from 0 to 9223372036854775807\n"},
      {{"--fail-under", "20"}, "fail-under 20.000000\n"},
      {{"--by-dir", "0"}, "E:--by-dir '0': the depth is a whole number from 1 to 2147483647\n"},
      {{"-t", "XML", "-j"},
       "W:ignored -t 'XML': the report type is one of txt, xml, html, json, csv, dashboard\n"
       "W:ignored -j without a value: the number of workers is a whole number from 1 to "
       "4294967295\n"},
      {{"-e"}, "W:ignored -e without a value: masks are separated by ';', as in '*.c;*.h'\n"},
      {{"-e", "*.c, *.h"},
       "W:the masks '*.c, *.h' are taken as they stand, ',' and blanks included: masks are "
       "separated by ';', as in '*.c;*.h'\n"},
      // Masks mean nothing to a file run: nothing to warn of.
      {{"-e", "*.c,*.h", "-f", "a.c"}, ""},
  };
  for (const auto& c : cases) {
    tokenList tokens = {"-d", "src", "-o", "r.txt"};
    tokens.insert(tokens.end(), c.tokens.begin(), c.tokens.end());
    EXPECT_EQ(complaints(scanOptions(tokens)), c.said) << show(c.tokens);
  }
  EXPECT_EQ(complaints(scanOptions({"-f", "a.c"})),
            "W:a batch run needs -o REPORT beside its input\n");
}

}  // namespace
}  // namespace quillstat
