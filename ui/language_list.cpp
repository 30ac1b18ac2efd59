#include "ui/language_list.h"

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

std::string joined(const std::vector<std::string>& items, std::string_view separator) {
  std::string text;
  for (const std::string& item : items) {
    if (!text.empty()) text += separator;
    text += item;
  }
  return text;
}

}  // namespace

languageFacts factsOf(const languageRow& row) {
  languageFacts facts{row.name, itemsOf(row.fileNames), itemsOf(row.interpreters), {},
                      std::string(row.rules.marks)};
  for (const std::string& mask : itemsOf(row.extensions)) facts.fileNames.push_back(mask);
  for (const lineCommentRule& rule : row.rules.lineComments) {
    if (!rule.opener.empty()) facts.comments.push_back({std::string(rule.opener), "", false});
  }
  for (const blockCommentRule& rule : row.rules.blockComments) {
    if (!rule.opener.empty()) {
      facts.comments.push_back({std::string(rule.opener), std::string(rule.closer), rule.nests});
    }
  }
  // A delimited comment at its shortest: its fill as few times as it may stand.
  for (const delimitedRule& rule : row.rules.delimited) {
    if (!rule.isComment) continue;
    const std::string fill(rule.fill != 0 ? rule.minFill : 0, rule.fill);
    facts.comments.push_back({std::string(rule.opener) + fill + std::string(rule.openerEnd),
                              std::string(rule.closer) + fill + std::string(rule.closerEnd),
                              false});
  }
  return facts;
}

std::string languageList() {
  std::string list;
  for (const languageEntry& entry : languageTable) {
    const languageFacts facts = factsOf(*entry.row);
    std::vector<std::string> comments;
    for (const commentForm& form : facts.comments) {
      comments.push_back(form.closer.empty() ? form.opener
                                             : form.opener + "..." + form.closer +
                                                   (form.nests ? "(nested)" : ""));
    }
    std::vector<std::string> marks;
    for (char mark : facts.marks) marks.emplace_back(1, mark);
    list += facts.name + '\t' + joined(facts.fileNames, " ") + '\t' +
            joined(facts.interpreters, " ") + '\t' + joined(comments, " ") + '\t' +
            joined(marks, " ") + '\n';
  }
  return list;
}

}  // namespace quillstat
