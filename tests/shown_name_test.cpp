#include "report/shown_name.h"

#include <string>

#include <gtest/gtest.h>

namespace quillstat {
namespace {

TEST(ShownName, ControlBytesAreEscapedAndNothingElse) {
  const struct {
    std::string name;
    std::string shown;
  } cases[] = {
      {"", ""},
      {"src/a.cpp", "src/a.cpp"},
      {"a\nb\rc\td", "a\\nb\\rc\\td"},
      {std::string("\0\x01\x1f", 3), "\\x00\\x01\\x1f"},
      {"\x1b[31mred\x7f", "\\x1b[31mred\\x7f"},
      // A backslash, a blank and the bytes of other characters stay.
      {"C:\\src\\a b.c", "C:\\src\\a b.c"},
      {"\xD0\xB0\xFF\x80\x9B.c", "\xD0\xB0\xFF\x80\x9B.c"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(shownName(c.name), c.shown) << c.shown;
    std::string out = "x";
    appendShownName(c.name, &out);
    EXPECT_EQ(out, "x" + c.shown);
  }
}

}  // namespace
}  // namespace quillstat
