#include "ui/language_list.h"

#include <string_view>
#include <vector>

#include "analysis/languages.h"

namespace quillstat {

namespace {

std::string joined(const std::vector<std::string>& items, std::string_view separator) {
  std::string text;
  for (const std::string& item : items) {
    if (!text.empty()) text += separator;
    text += item;
  }
  return text;
}

}  // namespace

std::string languageList() {
  std::string list;
  for (size_t language = 0; language < languageCount; ++language) {
    const languageFacts facts = languageFactsOf(language);
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
