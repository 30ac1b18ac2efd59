#include "report/windows1251.h"

#include <string>

#include <gtest/gtest.h>

namespace quillstat {
namespace {

struct encodeCase {
  const char* what;
  std::string utf8;
  std::string withQuestionMark;  // the plain-text policy
  std::string withReference;     // the XML and HTML policy
};

TEST(Windows1251, EncodesEachCharacterAsItsByteOrThePolicysText) {
  const encodeCase cases[] = {
      {"empty", "", "", ""},
      {"ascii and controls", "a1 ?&;\t\r\n~", "a1 ?&;\t\r\n~", "a1 ?&;\t\r\n~"},
      {"cyrillic", "Привет", "\xCF\xF0\xE8\xE2\xE5\xF2", "\xCF\xF0\xE8\xE2\xE5\xF2"},
      {"first and last letters, yo", "АЯаяЁё", "\xC0\xDF\xE0\xFF\xA8\xB8", "\xC0\xDF\xE0\xFF\xA8\xB8"},
      {"euro, numero, trade mark", "€№™", "\x88\xB9\x99", "\x88\xB9\x99"},
      // 0x98 is the one byte the code page leaves undefined.
      {"U+0098 has no byte", "\xC2\x98", "?", "&#152;"},
      {"u umlaut is not in the code page", "M\xC3\xBCller", "M?ller", "M&#252;ller"},
      {"emoji, four bytes", "a\xF0\x9F\x98\x80z", "a?z", "a&#128512;z"},
      {"U+FFFD itself", "\xEF\xBF\xBD", "?", "&#65533;"},
      // Every byte of an invalid sequence counts as one U+FFFD.
      {"byte FF", "a\xFFz", "a?z", "a&#65533;z"},
      {"stray continuation byte", "\x80", "?", "&#65533;"},
      {"truncated at the end", "\xD0", "?", "&#65533;"},
      {"truncated before ascii", "\xE2\x82z", "??z", "&#65533;&#65533;z"},
      {"overlong slash", "\xC0\xAF", "??", "&#65533;&#65533;"},
      {"overlong three bytes", "\xE0\x80\xAF", "???", "&#65533;&#65533;&#65533;"},
      {"surrogate", "\xED\xA0\x80", "???", "&#65533;&#65533;&#65533;"},
      {"above U+10FFFF", "\xF4\x90\x80\x80", "????", "&#65533;&#65533;&#65533;&#65533;"},
      {"largest code point", "\xF4\x8F\xBF\xBF", "?", "&#1114111;"},
      {"invalid then cyrillic", "\xFF\xD0\x94", "?\xC4", "&#65533;\xC4"},
      // Runs of ASCII long enough to be copied eight bytes at a time, with
      // the letters at each end of such a run and in its last byte.
      {"ascii runs round letters", "abcdefghПijklmnop€1234567Я12345678",
       "abcdefgh\xCF" "ijklmnop\x88" "1234567\xDF" "12345678",
       "abcdefgh\xCF" "ijklmnop\x88" "1234567\xDF" "12345678"},
      {"a reference after a run", "12345678\xC3\xBC" "abcdefghi", "12345678?abcdefghi",
       "12345678&#252;abcdefghi"},
  };
  for (const encodeCase& c : cases) {
    SCOPED_TRACE(c.what);
    std::string out = "x";  // appends, never replaces
    appendWindows1251(c.utf8, unmappable::questionMark, &out);
    EXPECT_EQ(out, "x" + c.withQuestionMark);
    out.clear();
    appendWindows1251(c.utf8, unmappable::characterReference, &out);
    EXPECT_EQ(out, c.withReference);
  }
}

}  // namespace
}  // namespace quillstat
