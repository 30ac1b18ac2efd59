// Code embedded in pages, components and documents: where it stands, and the
// figures of the file and of each embedded language, worked out by hand.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "analysis/embedded_regions.h"
#include "analysis/embedded_scan.h"
#include "analysis/languages.h"
#include "engine_test_util.h"

namespace quillstat {
namespace {

struct regionCase {
  embedding kind;
  std::string content;
  // Each region's bytes and its language's name ("" for text of the document).
  std::vector<std::pair<std::string, std::string>> expected;
};

TEST(EmbeddedCode, RegionsByTagsAndFences) {
  const embedding html = embedding::htmlTags;
  const embedding md = embedding::markdownFences;
  const regionCase cases[] = {
      {html, "<script>a()</script>", {{"a()", "JavaScript"}}},
      {html, "<script type=\"module\">m</script>", {{"m", "JavaScript"}}},
      // Templates and data blocks are not scripts.
      {html, "<script type=\"text/x-template\"><b></b></script>", {}},
      {html, "<script type=application/json>{}</script>", {}},
      {html, "<SCRIPT setup LANG='ts'>x</SCRIPT>", {{"x", "TypeScript"}}},
      {html, "<style lang=\"scss\">a{}</style><style lang=less>b{}</style>",
       {{"a{}", "SCSS"}, {"b{}", "Less"}}},
      {html, "<style lang=\"stylus\">a</style>", {}},
      {html, "<!-- <script>x</script> -->", {}},
      {html, "<script src=\"a.js\">\n</script><scripts>x</scripts>", {}},
      // The first end tag ends the element, quotes or not; none: the content's end.
      {html, "<script>\"</script>\"<style>p", {{"\"", "JavaScript"}, {"p", "CSS"}}},
      {md, "```js\nx\n```\n", {{"x\n", "JavaScript"}}},
      // The closing fence is at least as long as the opening one.
      {md, "~~~~ python extra\nx\n~~~\n~~~~~\n", {{"x\n~~~\n", "Python"}}},
      {md, "```\nx\n```\n```nosuchlang\ny\n```\n```console\n$ ls\n```", {{"x\n", ""}, {"y\n", ""}, {"$ ls\n", ""}}},
      {md, "```{.rust}\nfn\n``` \n```bash\nls\n```", {{"fn\n", "Rust"}, {"ls\n", "Shell"}}},
      // Indented four spaces, in an HTML comment, or a backtick in a backtick
      // fence's info string: no fence.
      {md, "    ```js\n    x\n", {}},
      {md, "<!--\n```js\nx\n```\n-->\n", {}},
      {md, "``` js `x`\ny\n", {}},
      {md, "```c\nunclosed\n", {{"unclosed\n", "C"}}},
  };
  for (const regionCase& c : cases) {
    std::vector<std::pair<std::string, std::string>> found;
    for (const embeddedRegion& r : embeddedRegionsOf(c.content, c.kind)) {
      found.emplace_back(c.content.substr(r.begin, r.end - r.begin),
                         r.language == noLanguage ? "" : languageName(r.language));
    }
    EXPECT_EQ(found, c.expected) << testing::PrintToString(c.content);
  }
}

struct scanCase {
  const char* host;
  std::string content;
  std::string file;  // as describe() writes it
  std::vector<std::pair<std::string, std::string>> embedded;  // language, describe()
};

TEST(EmbeddedCode, FiguresOfTheFileAndOfEachLanguage) {
  const scanCase cases[] = {
      // A page: HTML's comment, a script's comment with a todo and its
      // blank line, a style's comment. Marks: HTML's code lines, then
      // JavaScript's ";".
      {"HTML",
       "<p>x</p>\n<!-- c -->\n<script>\n// todo a\nvar a;\n\n</script>\n<style>\n/* s */\n</style>",
       "size=81 chars=26 code=55 comments=3 marks=6 todo=1 fixme=0 | lines=10 blank=1 comment=3 code=6",
       {{"CSS", "size=9 chars=7 code=2 comments=1 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=1 code=0"},
        {"JavaScript", "size=19 chars=9 code=10 comments=1 marks=1 todo=1 fixme=0 | lines=3 blank=1 comment=1 code=1"}}},
      // The end tag ends a script's line comment; a line shared with HTML is HTML's.
      {"HTML", "<script>a; // c</script>",
       "size=24 chars=4 code=20 comments=1 marks=2 todo=0 fixme=0 | lines=1 blank=0 comment=0 code=1",
       {{"JavaScript", "size=7 chars=4 code=3 comments=1 marks=1 todo=0 fixme=0"}}},
      // A classic script's HTML-like comments: "<!--" first, "-->" last.
      {"HTML", "<script><!--\nf();\n-->\n</script>",
       "size=31 chars=7 code=24 comments=2 marks=3 todo=0 fixme=0 | lines=4 blank=0 comment=1 code=3",
       {{"JavaScript", "size=14 chars=7 code=7 comments=2 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1"}}},
      // A component's TypeScript: a line comment and the block comment after
      // it are one run.
      {"Vue",
       "<template><div/></template>\n<script setup lang=\"ts\">\nlet a: number = 1; // one\n/* two */\n</script>\n",
       "size=99 chars=15 code=84 comments=1 marks=4 todo=0 fixme=0 | lines=5 blank=0 comment=1 code=4",
       {{"TypeScript", "size=37 chars=15 code=22 comments=1 marks=1 todo=0 fixme=0 | lines=2 blank=0 comment=1 code=1"}}},
      // A document: prose is text, a fence of no known language too, an
      // unclosed fence runs to the end.
      {"Markdown",
       "# T\nUse // and \"quotes\n<!-- c -->\n```js\n// j\n```\n~~~ nosuch\n<!-- x -->\n~~~\n```sh\n# open\n",
       "size=88 chars=20 code=68 comments=3 marks=8 todo=0 fixme=0 | lines=11 blank=0 comment=3 code=8",
       {{"JavaScript", "size=5 chars=4 code=1 comments=1 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=1 code=0"},
        {"Shell", "size=7 chars=6 code=1 comments=1 marks=0 todo=0 fixme=0 | lines=1 blank=0 comment=1 code=0"}}},
  };
  for (const scanCase& c : cases) {
    const unsigned host = *languageNamed(c.host);
    const embeddedScan scan =
        scanEmbedded(c.content, host, embeddedRegionsOf(c.content, languageTable[host].row->embeds),
                     true, nullptr);
    EXPECT_EQ(describe(scan.stats), c.file) << c.host;
    std::vector<std::pair<std::string, std::string>> embedded;
    for (const embeddedFigures& code : scan.embedded) {
      embedded.emplace_back(languageName(code.language), describe(code.figures));
    }
    EXPECT_EQ(embedded, c.embedded) << c.host;
  }
}

TEST(EmbeddedCode, WordPlacesInContentOrder) {
  // The host's words and the script's, each at its first letter.
  const std::string page = "<!-- todo -->\n<script>\n// fixme\n</script>\n<!-- todo -->";
  const unsigned html = *languageNamed("HTML");
  std::vector<wordPlace> places;
  const embeddedScan scan =
      scanEmbedded(page, html, embeddedRegionsOf(page, embedding::htmlTags), false, &places);
  const std::vector<wordPlace> expected = {
      {5, wordKind::todo}, {26, wordKind::fixme}, {47, wordKind::todo}};
  EXPECT_EQ(places, expected);
  // The host's first comment is left out of the comments, not its word; the
  // script's comment counts.
  EXPECT_EQ(scan.stats.countOfComment, 2);
  EXPECT_EQ(scan.stats.todoWordsCount + scan.stats.fixmeWordsCount, 3);
}

}  // namespace
}  // namespace quillstat
