#include "ui/reference_docs.h"

#include <algorithm>

#include "analysis/languages.h"
#include "ui/language_list.h"
#include "ui/option_table.h"

namespace quillstat {

namespace {

constexpr std::string_view kStartMark = "<!-- generated: ";
constexpr std::string_view kStartMarkEnd = " -->";
constexpr std::string_view kEndMark = "<!-- end generated -->";
constexpr std::string_view kLanguageKey = "language ";

// `text` as a Markdown code span, in a table cell too.
std::string code(std::string_view text) {
  std::string cell;
  for (char c : text) {
    if (c == '|') cell += '\\';
    cell += c;
  }
  return "`" + cell + "`";
}

std::string codeList(const std::vector<std::string>& items) {
  std::string list;
  for (const std::string& item : items) list += (list.empty() ? "" : ", ") + code(item);
  return list;
}

// The rows of the table named `name`, in its order.
std::vector<size_t> rowsNamed(std::string_view name) {
  std::vector<size_t> rows;
  for (size_t language = 0; language < languageCount; ++language) {
    if (name == languageName(language)) rows.push_back(language);
  }
  return rows;
}

// Each name of the table once, in its order.
std::vector<std::string> languageNames() {
  std::vector<std::string> names;
  for (size_t language = 0; language < languageCount; ++language) {
    const char* name = languageName(language);
    if (std::find(names.begin(), names.end(), name) == names.end()) names.emplace_back(name);
  }
  return names;
}

std::string optionTableRows() {
  std::string table = "| option | meaning |\n|---|---|\n";
  for (const optionRow& row : optionTable) {
    std::string usage = row.name;
    if (row.valueName != nullptr) usage += std::string(" ") + row.valueName;
    std::string names = code(usage);
    if (row.otherName != nullptr) names += ", " + code(row.otherName);
    table += "| " + names + " | " + expandLists(row.reference, "`, `") + " |\n";
  }
  return table;
}

// A mask as the table of languages shows an ending: "*.go" is ".go"; whole names and
// "Dockerfile.*" stay.
std::string endingOf(const std::string& mask) {
  return mask.starts_with("*.") ? mask.substr(1) : mask;
}

std::string languageTableRows() {
  std::string table =
      "| `-l` name | names and endings `-l auto` takes | `#!` interpreters |\n|---|---|---|\n";
  for (const std::string& name : languageNames()) {
    std::vector<std::string> endings, interpreters;
    for (size_t row : rowsNamed(name)) {
      const languageFacts facts = languageFactsOf(row);
      for (const std::string& mask : facts.fileNames) endings.push_back(endingOf(mask));
      for (const std::string& program : facts.interpreters) interpreters.push_back(program);
    }
    table += "| " + code(name) + " | " + codeList(endings) + " | " + codeList(interpreters) +
             " |\n";
  }
  return table;
}

// A paragraph per row: "Files: `*.go`. Comments: `//`, `/* */`. Statement
// marks: `;`, `{`."
std::string languageParagraphs(const std::vector<size_t>& rows) {
  std::string text;
  for (size_t row : rows) {
    const languageFacts facts = languageFactsOf(row);
    std::string comments;
    for (const commentForm& form : facts.comments) {
      comments += (comments.empty() ? "" : ", ") +
                  code(form.closer.empty() ? form.opener : form.opener + " " + form.closer) +
                  (form.nests ? " (nested)" : "");
    }
    std::vector<std::string> marks;
    for (char mark : facts.marks) marks.emplace_back(1, mark);
    if (!text.empty()) text += "\n";
    text += "Files: " + (facts.fileNames.empty() ? "none by name (read when named)"
                                                 : codeList(facts.fileNames)) + ".";
    if (!facts.interpreters.empty()) {
      text += " `#!` interpreters: " + codeList(facts.interpreters) + ".";
    }
    text += " Comments: " + (comments.empty() ? "none" : comments) + ".";
    if (!facts.docComments.empty()) text += " Doc comments: " + codeList(facts.docComments) + ".";
    text += " Statement marks: " +
            (marks.empty() ? "none (the code lines count instead)" : codeList(marks)) + ".\n";
  }
  return text;
}

std::string htmlText(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '&') out += "&amp;";
    else if (c == '<') out += "&lt;";
    else if (c == '>') out += "&gt;";
    else out += c;
  }
  return out;
}

// The line of `text` at which `offset` stands, from 1.
size_t lineAt(std::string_view text, size_t offset) {
  return 1 + std::count(text.begin(), text.begin() + offset, '\n');
}

}  // namespace

std::optional<std::string> generatedSection(std::string_view key) {
  if (key == "options") return optionTableRows();
  if (key == "languages") return languageTableRows();
  if (key.starts_with(kLanguageKey)) {
    const std::vector<size_t> rows = rowsNamed(key.substr(kLanguageKey.size()));
    if (!rows.empty()) return languageParagraphs(rows);
  }
  return std::nullopt;
}

filledDocument fillGeneratedSections(std::string_view document) {
  filledDocument filled;
  bool inSection = false;
  size_t sectionStart = 0;  // the line of the open section's start mark
  for (size_t at = 0; at < document.size();) {
    const size_t end = std::min(document.find('\n', at), document.size());
    const std::string_view line = document.substr(at, end - at);
    const size_t next = std::min(end + 1, document.size());
    auto fail = [&](const std::string& why) {
      filled.error = "line " + std::to_string(lineAt(document, at)) + ": " + why;
      return filled;
    };
    if (line.starts_with(kStartMark)) {
      if (inSection) return fail("a start mark inside the section of line " +
                                 std::to_string(sectionStart));
      if (!line.ends_with(kStartMarkEnd)) return fail("a start mark without its closing -->");
      const std::string key(line.substr(
          kStartMark.size(), line.size() - kStartMark.size() - kStartMarkEnd.size()));
      const std::optional<std::string> section = generatedSection(key);
      if (!section) return fail("no table makes '" + key + "'");
      filled.text += std::string(document.substr(at, next - at)) + *section;
      filled.keys.push_back(key);
      inSection = true;
      sectionStart = lineAt(document, at);
    } else if (line == kEndMark) {
      if (!inSection) return fail("an end mark without its start");
      filled.text += std::string(document.substr(at, next - at));
      inSection = false;
    } else if (!inSection) {
      filled.text += std::string(document.substr(at, next - at));
    }
    at = next;
  }
  if (inSection) {
    filled.error = "line " + std::to_string(sectionStart) + ": a section without its end mark";
  }
  return filled;
}

std::vector<std::string> languagesWithoutSection(const std::vector<std::string>& keys) {
  std::vector<std::string> missing;
  for (const std::string& name : languageNames()) {
    if (std::find(keys.begin(), keys.end(), std::string(kLanguageKey) + name) == keys.end()) {
      missing.push_back(name);
    }
  }
  return missing;
}

std::string htmlMaskRows() {
  std::string rows;
  for (const std::string& name : languageNames()) {
    const std::string masks = languageDefaultMasks(*languageNamed(name));
    rows += "  <tr><td>" + htmlText(name) + "</td><td><code>" + htmlText(masks) +
            "</code></td></tr>\n";
  }
  return rows;
}

}  // namespace quillstat
