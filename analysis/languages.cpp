#include "analysis/languages.h"

#include "analysis/language_table.h"

#include <string_view>

namespace quillstat {

namespace {

// The items of a ';'-separated list, empty ones left out ("*.java;").
std::vector<std::string> itemsOf(std::string_view list) {
  std::vector<std::string> items;
  while (!list.empty()) {
    const size_t end = list.find(';');
    const std::string_view item = list.substr(0, end);
    if (!item.empty()) items.emplace_back(item);
    list = end == std::string_view::npos ? std::string_view() : list.substr(end + 1);
  }
  return items;
}

}  // namespace

const char* languageName(size_t language) { return languageTable[language].name; }

const char* languageDefaultMasks(size_t language) { return languageTable[language].defaultMasks; }

std::optional<unsigned> languageNamed(std::string_view name) {
  for (size_t row = 0; row < languageCount; ++row) {
    if (name == languageTable[row].name) return static_cast<unsigned>(row);
  }
  return std::nullopt;
}

languageFacts languageFactsOf(size_t language) {
  const languageRow& row = *languageTable[language].row;
  languageFacts facts{row.name, itemsOf(row.fileNames), itemsOf(row.interpreters), {},
                      std::string(row.rules.marks), {}};
  for (const std::string& mask : itemsOf(row.extensions)) facts.fileNames.push_back(mask);
  auto docsOf = [&facts](std::string_view opener, const docRule& doc) {
    if (doc.always) facts.docComments.emplace_back(opener);
    for (const std::string& marker : itemsOf(doc.markers)) {
      facts.docComments.push_back(std::string(opener) + marker);
    }
  };
  for (const lineCommentRule& rule : row.rules.lineComments) {
    if (!rule.opener.empty()) facts.comments.push_back({std::string(rule.opener), "", false});
    docsOf(rule.opener, rule.doc);
  }
  for (const blockCommentRule& rule : row.rules.blockComments) {
    if (!rule.opener.empty()) {
      // A closer that must start a line (roff's "\n..") is shown without its line end.
      std::string closer(rule.closer);
      std::erase(closer, '\n');
      facts.comments.push_back({std::string(rule.opener), closer, rule.nests});
    }
    docsOf(rule.opener, rule.doc);
  }
  if (row.rules.has(hook::docstrings)) facts.docComments.emplace_back("docstrings");
  if (row.rules.docBlock.isDoc) {
    facts.docComments.push_back(std::string(row.rules.docBlock.opener) + "… " +
                                std::string(row.rules.docBlock.closer));
  }
  // A delimited comment at its shortest: its fill as few times as it may stand,
  // without the line ends of a delimiter that is a line of its own (AsciiDoc's
  // "////"), which a one-line form cannot show.
  auto oneLine = [](std::string text) {
    std::erase_if(text, [](char c) { return c == '\n' || c == '\r'; });
    return text;
  };
  for (const delimitedRule& rule : row.rules.delimited) {
    if (!rule.isComment) continue;
    const std::string fill(rule.fill != 0 ? rule.minFill : 0, rule.fill);
    facts.comments.push_back({oneLine(std::string(rule.opener) + fill + std::string(rule.openerEnd)),
                              oneLine(std::string(rule.closer) + fill + std::string(rule.closerEnd)),
                              false});
  }
  return facts;
}

}  // namespace quillstat
