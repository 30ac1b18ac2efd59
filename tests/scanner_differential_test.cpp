// The fast streaming scanners against their per-byte referees, on many
// generated buffers made of each language's special characters: the whole
// buffer at once, and the same buffer cut into random pieces (single bytes
// included), must give the same record on every counter, and the pieces'
// scan must place each word it counts. The exact rows of
// the language table are all checked, each with pieces made from its own
// tokens, so that a new row needs no test code here.
#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "analysis/language_table.h"
#include "delimited_sample_row.h"
#include "engine/c_like_scan.h"
#include "engine/delphi_scan.h"
#include "engine/exact_referee.h"
#include "engine/classic_referee.h"
#include "engine/scanner.h"
#include "engine_test_util.h"
#include "fuzz/fuzz_compare.h"

namespace quillstat {
namespace {

// The classic scanners get more buffers: they are three; the exact rows are
// many and the fuzzer goes on where these stop.
const int kBuffersPerClassicScanner = 100000;
const int kBuffersPerExactRow = 15000;

// Pieces the generator strings together: openers and closers, the words in
// mixed case, bytes next to the letters, Cyrillic, and runs long enough for
// the vector paths.
const std::vector<std::string> kCommonPieces = {
    "/", "*", "\"", ";", "\r", "\n", " ", "x", "t", "T", "f", "F", "o", "d", "i", "m", "e",
    "todo", "ToDo", "TODO", "fixme", "FiXmE", "todo ", " fixme\n", "tod", "fixm", "2", "_",
    "@", "[", "`", "\xE7\xE0", "\xD4", "\xC6", "//", "/*", "*/", "\r\n", "\\", "\\\n", "\t",
    "\n\n", "  \n", "{", "}", "'", "(", ")", "<", ">", "#", "$",
    "int count = table.size() + offset", "   the quick fix to do is here  ",
    "abcdefghijklmnopqrstuvwxyzABCDEFGH", "                                ",
};
const std::vector<std::string> kCppPieces = {"{", "}", "'"};
const std::vector<std::string> kDelphiPieces = {"{", "}", "(", ")", "(*", "*)", "((", "'"};
const std::vector<std::string> kPhpPieces = {"<", "?", ">", "<?", "?>", "<?php ", "{", "'"};

// What the hooks look for, beyond the tokens of a row: written once per
// hook, for every row that names it.
std::vector<std::string> hookPieces(const exactRules& rules) {
  const struct {
    hook which;
    std::vector<std::string> pieces;
  } table[] = {
      {hook::cDirectives,
       {"#include", "# include <", "\n#", "\n  #  include <a//b.h>\n", "#include_next",
        "#define X ", "#\\\ninclude <"}},
      {hook::rawStrings,
       {"R\"", "u8R\"", "LR\"", "xR\"", "R\"ab(", ")ab\"", ")a", ")\"", "R\"(", "R\"\\\n("}},
      {hook::digitSeparators, {"1'000", "0x1F'", "u8'", "L'", "'a'", "9", "."}},
      {hook::phpHeredocs,
       {"<<<", "<<<EOT\n", "<<< \"EOT\"\n", "<<<'EOT'\n", "\nEOT", "\n  EOT;", "EOT", "\nEOTX",
        "E"}},
      {hook::characterLiterals,
       {"'a'", "'a", "'\\''", "'\\n'", "'\xC3\xA9'", "'\xC3", "'static ", "'\n'", "b'x'"}},
      {hook::operatorDashes, {"-->", "|--", "---", "--|", "-", "--", std::string(63, '-')}},
      {hook::blockScalars, {": |\n", "- >-\n", "|2", "  ", "    ", "\n  ", "\n    ", "| # c\n"}},
      {hook::recipeLines, {"\n\t", "\t@# c", "\t-", "\techo '#'", "\\\n", "\"\\\"", "$$#"}},
      {hook::unquotedUrls, {"url(", "URL( ", "xurl(", "(//", "url(\"", "\\)", ")"}},
      {hook::regexLiterals,
       {"/", "/g", "return /", "typeof", "in ", "x /", " /a", "(/", "= /", ") /", "[/]", "\\/",
        "/[", "]", "split", "if"}},
      {hook::lineHeredocs,
       {"<<", "<<EOF\n", "<<-EOF", "<<~EOF", "<< 'EOF'", "<<\"E\"", "<<\\EOF", "\nEOF\n",
        "\n\tEOF", "\n  EOF", "EOF", "<<A <<B\n", "\nA\nB\n", "a<<", "<<''\n"}},
      {hook::quoteOperators,
       {"q{", "qq(", "qw ", "s/a/b/", "s{a}{b}", "s(a) [b]", "tr[a]", "y/", "m!", "s =>", "q#",
        "-s ", "$q", "<", ">", "s", "q"}},
      {hook::percentLiterals, {"%w[", "%(", "%q{", "% ", "%=", " %x(", "puts %", "%", "Q"}},
      {hook::docBlocks,
       {"\n=pod\n", "\n=cut\n", "\n=begin\n", "\n=end", "\n__END__\n", "\n__DATA__", "=head1 ",
        "\n=", "=cutx", "__"}},
      {hook::docstrings,
       {"\ndef f():\n", ":\n", ": # c\n", ":  \r\n", "\n    ", "r'", "U\"\"\"", "b'''", "\"\"\"",
        "'''", "{x:#x}"}},
      {hook::sigils, {"~r/", "~w(", "~S[", "~HTML<", "~s\"", "~", "/", ")", "]", ">", "|", "~x{"}},
      {hook::unclosedQuoteComments,
       {" \" c\n", " \"a\\\"", "\t\"", std::string(60, 'a'), " \"" + std::string(62, 'b')}},
      {hook::makeReferences,
       {"$(", "${", "$$(", "$(shell echo '#')", "${a #b}", "(", ")", "{", "}", "\\\n", "\\\r\n",
        "\\\r", "#", "$\\\n("}},
      {hook::indentedComments, {"\n//", "\n  //", "\n/*", "\n    x", "\n  ", "  ", "*/", "\t"}},
      {hook::jsxElements,
       {"<a>", "</a>", "<a", "/>", "</", "<>", "</>", " b={", "=\"", "='", "<T,>", "<T extends U>",
        "return <b>", "(<p>", "x <", "=> <i>", "{", "}", ">", "<$", std::string(70, 'n')}},
  };
  std::vector<std::string> pieces;
  for (const auto& row : table) {
    if (rules.has(row.which)) pieces.insert(pieces.end(), row.pieces.begin(), row.pieces.end());
  }
  return pieces;
}

// The words of a prefix (exact_rules.h); for "*", words it takes and one it does not.
std::vector<std::string> prefixWords(std::string_view words) {
  std::vector<std::string> pieces;
  for (size_t at = 0; at < words.size();) {
    const size_t cut = std::min(words.find(';', at), words.size());
    const std::string_view word = words.substr(at, cut - at);
    if (word == "*") {
      pieces.insert(pieces.end(), {"s", "_q1", "1"});
    } else {
      pieces.emplace_back(word);
    }
    at = cut + 1;
  }
  return pieces;
}

// The tokens of an exact row, alone and in pairs that open and close.
std::vector<std::string> exactPieces(const exactRules& rules) {
  std::vector<std::string> pieces = hookPieces(rules);
  auto add = [&pieces](std::string_view text) {
    if (!text.empty()) pieces.emplace_back(text);
  };
  // A comment's opener with each byte string that makes it a doc comment or not.
  auto addDoc = [&pieces](std::string_view opener, const docRule& doc) {
    if (opener.empty()) return;
    for (std::string_view list : {doc.markers, doc.notMarkers}) {
      for (const std::string& marker : prefixWords(list)) {
        pieces.push_back(std::string(opener) + marker);
      }
    }
  };
  for (const lineCommentRule& r : rules.lineComments) {
    add(r.opener);
    if (!r.opener.empty() && r.notBefore != 0) pieces.push_back(std::string(r.opener) + r.notBefore);
    if (r.keyword) {
      std::string lower(r.opener);
      for (char& c : lower) c = static_cast<char>(c | 0x20);
      pieces.push_back(lower);
      pieces.push_back(lower + "k");
    }
    for (char c : r.notAfter) pieces.push_back(c + std::string(r.opener));
    addDoc(r.opener, r.doc);
  }
  for (const blockCommentRule& r : rules.blockComments) {
    add(r.opener);
    addDoc(r.opener, r.doc);
    add(r.closer);
    if (!r.opener.empty()) pieces.push_back(std::string(r.opener) + " todo " + std::string(r.closer));
  }
  for (const literalRule& r : rules.literals) {
    add(r.opener);
    add(r.closer);
    if (!r.opener.empty()) pieces.push_back(std::string(r.opener) + "a" + std::string(r.closer));
    for (char c : r.notAfter) pieces.push_back(c + std::string(r.opener));
    for (const std::string& word : prefixWords(r.prefix)) {
      pieces.push_back(word + std::string(r.opener) + "a\\" + std::string(r.closer));
    }
    // Its interpolation, format part, and a character's escape.
    add(r.interpolation);
    if (!r.interpolation.empty()) pieces.push_back(std::string(1, closingBracketOf(r.interpolation)));
    if (r.formatStart != 0) pieces.push_back(std::string(1, r.formatStart));
    if (!r.opener.empty() && r.closer.empty()) pieces.push_back(std::string(r.opener) + "\\");
    for (char c : r.closerEscapes) pieces.push_back(std::string(r.closer) + c);
  }
  for (std::string_view text : rules.plainTokens) add(text);
  for (const delimitedRule& r : rules.delimited) {
    // The fill or tag: none, one, two, one past the longest.
    const std::string one = r.fill != 0 ? std::string(1, r.fill) : "a";
    const std::string two = r.fill != 0 ? std::string(2, r.fill) : "b1";
    for (const std::string& word : prefixWords(r.prefix)) pieces.push_back(word);
    for (std::string_view text : {r.opener, r.openerEnd, r.closer, r.closerEnd}) add(text);
    if (r.fill == 0 && r.tag == tagRule::none) continue;
    const std::string opener(r.opener), openerEnd(r.openerEnd);
    const std::string closer(r.closer), closerEnd(r.closerEnd);
    for (const std::string& middle : {std::string(), one, two}) {
      pieces.push_back(opener + middle + openerEnd);
      pieces.push_back(closer + middle + closerEnd);
      pieces.push_back(opener + middle + openerEnd + "a todo" + closer + middle + closerEnd);
    }
    pieces.push_back(one);
    pieces.push_back(two);
    pieces.push_back(opener + std::string(kMaxDelimiter + 1, r.fill != 0 ? r.fill : 'a') + openerEnd);
  }
  add(rules.region.opener);
  add(rules.region.closer);
  add(rules.marks);
  for (char c : rules.separators) pieces.emplace_back(1, c);
  return pieces;
}

class bufferGenerator {
 public:
  bufferGenerator(const std::vector<std::string>& extra, uint32_t start) : random_(start) {
    pieces_ = kCommonPieces;
    pieces_.insert(pieces_.end(), extra.begin(), extra.end());
  }

  std::string next() {
    const size_t target = std::uniform_int_distribution<size_t>(0, 320)(random_);
    std::string text;
    while (text.size() < target) {
      // Now and then any byte at all, 0x1A and NUL included.
      if (std::uniform_int_distribution<int>(0, 19)(random_) == 0) {
        text += static_cast<char>(std::uniform_int_distribution<int>(0, 255)(random_));
      } else {
        text += pieces_[std::uniform_int_distribution<size_t>(0, pieces_.size() - 1)(random_)];
      }
    }
    return text;
  }

  // The text cut into pieces: all single bytes, or random lengths.
  std::vector<std::string_view> split(std::string_view text) {
    std::vector<std::string_view> pieces;
    const bool singleBytes = std::uniform_int_distribution<int>(0, 3)(random_) == 0;
    while (!text.empty()) {
      size_t size = singleBytes ? 1 : std::uniform_int_distribution<size_t>(1, 40)(random_);
      size = std::min(size, text.size());
      pieces.push_back(text.substr(0, size));
      text.remove_prefix(size);
    }
    return pieces;
  }

  bool flag() { return std::uniform_int_distribution<int>(0, 1)(random_) == 1; }

 private:
  std::mt19937 random_;
  std::vector<std::string> pieces_;
};

std::string printable(const std::string& text) {
  std::string out;
  for (unsigned char c : text) {
    if (c >= 0x20 && c < 0x7F && c != '\\') {
      out += static_cast<char>(c);
    } else {
      static const char kHex[] = "0123456789ABCDEF";
      out += std::string("\\x") + kHex[c >> 4] + kHex[c & 15];
    }
  }
  return out;
}

template <typename Referee>
void compareWithReferee(const char* name, const scanner& scan, Referee referee,
                        const std::vector<std::string>& pieces, uint32_t start, int buffers) {
  bufferGenerator generator(pieces, start);
  int failures = 0;
  for (int i = 0; i < buffers && failures < 5; ++i) {
    const std::string text = generator.next();
    const bool flag = generator.flag();
    const fileStats record = referee(text.data(), text.size(), flag);
    const std::string expected = describe(record);
    const std::string whole = describe(scan.scanBuffer(text.data(), text.size(), flag));
    // Each piece in a buffer of its own, so that a read outside the piece
    // does not see the neighbouring bytes.
    const std::vector<std::string_view> cuts = generator.split(text);
    std::vector<std::string> copies(cuts.begin(), cuts.end());
    const std::vector<std::string_view> pieceViews(copies.begin(), copies.end());
    std::vector<wordPlace> places;
    const std::string chunked =
        describe(scan.scanPieces(pieceViews.data(), pieceViews.size(), flag, &places));
    const bool fit = placesFit(text, record, places);
    if (whole != expected || chunked != expected || !fit) {
      ++failures;
      std::string sizes;
      for (std::string_view cut : cuts) sizes += std::to_string(cut.size()) + " ";
      ADD_FAILURE() << name << " buffer #" << i << " \"" << printable(text) << "\" flag=" << flag
                    << "\n  referee " << expected << "\n  whole   " << whole << "\n  chunked "
                    << chunked << "\n  pieces  " << sizes << (fit ? "" : "\n  places do not fit");
    }
  }
}

TEST(ScannerDifferential, ClassicScannersMatchTheirReferees) {
  const int n = kBuffersPerClassicScanner;
  compareWithReferee("C++", scannerOf<cppScanner>(), classicRefereeScanCpp, kCppPieces, 1001, n);
  compareWithReferee("Delphi", scannerOf<delphiScanner>(), classicRefereeScanDelphi, kDelphiPieces,
                     2002, n);
  compareWithReferee("Php", scannerOf<phpScanner>(), classicRefereeScanPhp, kPhpPieces, 3003, n);
}

// One test per row of the language table, so that they run side by side.
class ExactRowDifferential : public testing::TestWithParam<size_t> {};

TEST_P(ExactRowDifferential, MatchesTheReferee) {
  const languageEntry& language = languageTable[GetParam()];
  const exactRules& rules = language.row->rules;
  compareWithReferee(
      language.name, language.exact,
      [&rules](const char* data, size_t length, bool flag) {
        return exactRefereeScan(rules, data, length, flag);
      },
      exactPieces(rules), 4004 + static_cast<uint32_t>(GetParam()), kBuffersPerExactRow);
}

INSTANTIATE_TEST_SUITE_P(Rows, ExactRowDifferential, testing::Range<size_t>(0, languageCount));

TEST(ScannerDifferential, DelimitedSampleRowMatchesTheReferee) {
  compareWithReferee(
      "delimited sample", scannerOf<exactScanner<kDelimitedSample>>(),
      [](const char* data, size_t length, bool flag) {
        return exactRefereeScan(kDelimitedSample, data, length, flag);
      },
      exactPieces(kDelimitedSample), 3999, kBuffersPerExactRow);
}

}  // namespace
}  // namespace quillstat
