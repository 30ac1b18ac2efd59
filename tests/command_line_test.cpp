#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ui/command_line.h"

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
  if (o.recursive) text += " -s";
  if (o.noFirstComment) text += " -nf";
  if (o.exact) text += " -x";
  if (o.showHelp) text += " help";
  if (o.showVersion) text += " version";
  text += o.batchMode() ? " batch" : " window";
  return text;
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
  };
  for (const auto& c : cases) EXPECT_EQ(describe(scanOptions(c.tokens)), c.options) << show(c.tokens);
}

}  // namespace
}  // namespace quillstat
