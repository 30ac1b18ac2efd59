// The fast streaming scanners against the per-byte referee, on many generated
// buffers made of each language's special characters: the whole buffer at
// once, and the same buffer cut into random chunks (single bytes included),
// must give the same record on every counter.
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/c_like_scan.h"
#include "engine/delphi_scan.h"
#include "engine/exact_c_scan.h"
#include "engine/exact_java_scan.h"
#include "engine/exact_pascal_scan.h"
#include "engine/exact_php_scan.h"
#include "engine/exact_reference_scan.h"
#include "engine/scanner.h"
#include "engine/reference_scan.h"
#include "engine_test_util.h"

namespace quillstat {
namespace {

const int kBuffersPerLanguage = 100000;

// Pieces the generator strings together: openers and closers, the words in
// mixed case, bytes next to the letters, Cyrillic, and runs long enough for
// the vector paths.
const std::vector<std::string> kCommonPieces = {
    "/", "*", "\"", ";", "\r", "\n", " ", "x", "t", "T", "f", "F", "o", "d", "i", "m", "e",
    "todo", "ToDo", "TODO", "fixme", "FiXmE", "todo ", " fixme\n", "tod", "fixm", "2", "_",
    "@", "[", "`", "\xE7\xE0", "\xD4", "\xC6", "//", "/*", "*/", "\r\n",
    "int count = table.size() + offset", "   the quick fix to do is here  ",
    "abcdefghijklmnopqrstuvwxyzABCDEFGH", "                                ",
};
const std::vector<std::string> kCppPieces = {"{", "}", "'"};
const std::vector<std::string> kDelphiPieces = {"{", "}", "(", ")", "(*", "*)", "((", "'"};
const std::vector<std::string> kPhpPieces = {"<", "?", ">", "<?", "?>", "<?php ", "{", "'"};
// The exact machines' edge cases: escapes, literal prefixes, raw strings
// and their closers, digit separators, splices, directives.
const std::vector<std::string> kExactCPieces = {
    "{", "}", "'", "\\", "\\\n", "\\\"", "'\\''", "\"\\\\\"", "R\"", "u8R\"", "LR\"", "xR\"",
    "R\"ab(", ")ab\"", ")a", ")\"", "(", ")", "R\"(", "#", "#include", "# include <", "\n#",
    "\n  #  include <a//b.h>\n", "#include_next", "#define X ", "<", ">", "1'000", "0x1F'",
    "u8'", "L'", "'a'", "9", ".", "\t", "\f", "$", "\x80", "abcdefgh"};
const std::vector<std::string> kExactJavaPieces = {
    "{", "}", "'", "\\", "\\\"", "'\\''", "'\"'", "\"\"", "\"\"\"", "\"\"\"\n", "\\\"\"\"", "'a'"};
const std::vector<std::string> kExactPascalPieces = {
    "{", "}", "(", ")", "(*", "*)", "((", "'", "''", "{$", "(*$", "$", "#13", "{$i x}", "(*)",
    "'it''s'"};
const std::vector<std::string> kExactPhpPieces = {
    "<", "?", ">", "<?", "?>", "<?php ", "<?=", "{", "'", "`", "#", "#[", "\\", "\\'", "\\\"",
    "<<<", "<<<EOT\n", "<<< \"EOT\"\n", "<<<'EOT'\n", "\nEOT", "\n  EOT;", "EOT", "\nEOTX", "E",
    "\t", "a\"b", "$x"};

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

  // Cut points for `length` bytes: all single bytes, or random pieces.
  std::vector<size_t> split(size_t length) {
    std::vector<size_t> sizes;
    const bool singleBytes = std::uniform_int_distribution<int>(0, 3)(random_) == 0;
    for (size_t done = 0; done < length;) {
      size_t size = singleBytes ? 1 : std::uniform_int_distribution<size_t>(1, 40)(random_);
      size = std::min(size, length - done);
      sizes.push_back(size);
      done += size;
    }
    return sizes;
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

// Feeds `text` in the pieces `sizes`, each copied to a buffer of its own so
// that a read outside the piece would not see the neighbouring bytes.
template <class Scanner>
fileStats scanInPieces(const std::string& text, const std::vector<size_t>& sizes, bool flag) {
  Scanner scanner(flag);
  size_t offset = 0;
  for (size_t size : sizes) {
    std::vector<char> piece(text.begin() + static_cast<std::ptrdiff_t>(offset),
                            text.begin() + static_cast<std::ptrdiff_t>(offset + size));
    scanner.feed(piece.data(), piece.size());
    offset += size;
  }
  return scanner.finish(static_cast<int64_t>(text.size()));
}

template <class Scanner>
void compareWithReferee(fileStats (*referee)(const char*, size_t, bool),
                        const std::vector<std::string>& pieces, uint32_t start) {
  bufferGenerator generator(pieces, start);
  int failures = 0;
  for (int i = 0; i < kBuffersPerLanguage && failures < 5; ++i) {
    const std::string text = generator.next();
    const bool flag = generator.flag();
    const std::string expected = describe(referee(text.data(), text.size(), flag));
    const std::string whole = describe(scannerOf<Scanner>().scanBuffer(text.data(), text.size(), flag));
    const std::vector<size_t> sizes = generator.split(text.size());
    const std::string chunked = describe(scanInPieces<Scanner>(text, sizes, flag));
    if (whole != expected || chunked != expected) {
      ++failures;
      std::string cuts;
      for (size_t size : sizes) cuts += std::to_string(size) + " ";
      ADD_FAILURE() << "buffer #" << i << " \"" << printable(text) << "\" flag=" << flag
                    << "\n  referee " << expected << "\n  whole   " << whole << "\n  chunked "
                    << chunked << "\n  pieces  " << cuts;
    }
  }
}

TEST(ScannerDifferential, CppMatchesTheReferee) {
  compareWithReferee<cppScanner>(referenceScanCpp, kCppPieces, 1001);
}

TEST(ScannerDifferential, DelphiMatchesTheReferee) {
  compareWithReferee<delphiScanner>(referenceScanDelphi, kDelphiPieces, 2002);
}

TEST(ScannerDifferential, PhpMatchesTheReferee) {
  compareWithReferee<phpScanner>(referenceScanPhp, kPhpPieces, 3003);
}

TEST(ScannerDifferential, ExactCMatchesTheReferee) {
  compareWithReferee<exactCScanner>(referenceScanExactC, kExactCPieces, 4004);
}

TEST(ScannerDifferential, ExactJavaMatchesTheReferee) {
  compareWithReferee<exactJavaScanner>(referenceScanExactJava, kExactJavaPieces, 5005);
}

TEST(ScannerDifferential, ExactPascalMatchesTheReferee) {
  compareWithReferee<exactPascalScanner>(referenceScanExactPascal, kExactPascalPieces, 6006);
}

TEST(ScannerDifferential, ExactPhpMatchesTheReferee) {
  compareWithReferee<exactPhpScanner>(referenceScanExactPhp, kExactPhpPieces, 7007);
}

}  // namespace
}  // namespace quillstat
