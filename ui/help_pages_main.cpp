// Writes the help pages that the build installs, from the option table, and
// keeps the facts of the reference documents true to the tables:
//   quillstat_help_pages man OUT             the manual page quillstat(1)
//   quillstat_help_pages html TEMPLATE OUT   the HTML help, its options and masks filled in
//   quillstat_help_pages bash OUT            the bash completion
//   quillstat_help_pages names               every option's names, one a line
//   quillstat_help_pages docs ROOT           rewrites the generated sections of the
//                                            documents under the source tree ROOT
//   quillstat_help_pages check ROOT [BUILD]  fails when a document under ROOT is not
//                                            what `docs` would write (BUILD names the
//                                            build tree in the message)
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <string_view>

#include "ui/command_line_help.h"
#include "ui/option_table.h"
#include "ui/reference_docs.h"
#include "ui/shell_completion.h"

namespace {

// In the HTML help, where the rows of the tables of options and of masks go.
constexpr std::string_view kOptionsMark = "<!-- options -->\n";
constexpr std::string_view kMasksMark = "<!-- masks -->\n";

// The documents whose facts are generated, under the source tree.
constexpr const char* kDocuments[] = {"docs/usage.md", "docs/accuracy.md", "docs/languages.md"};
constexpr std::string_view kLanguagesPage = "docs/languages.md";

bool write(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  return static_cast<bool>(out << text) && static_cast<bool>(out.flush());
}

bool read(const std::string& path, std::string* text) {
  std::ifstream in(path, std::ios::binary);
  text->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (in.is_open() && (in.eof() || in.good())) return true;
  std::cerr << "quillstat_help_pages: cannot read " << path << '\n';
  return false;
}

bool fillMark(std::string* page, std::string_view mark, const std::string& rows,
              const char* path) {
  const size_t at = page->find(mark);
  if (at == std::string::npos) {
    std::cerr << "quillstat_help_pages: " << path << " has no mark " << mark;
    return false;
  }
  page->replace(at, mark.size(), rows);
  return true;
}

// The line, from 1, where `a` and `b` first differ.
size_t firstDifferingLine(const std::string& a, const std::string& b) {
  size_t line = 1;
  for (size_t i = 0; i < a.size() && i < b.size() && a[i] == b[i]; ++i) line += a[i] == '\n';
  return line;
}

// Fills the generated sections of each document under `root`; `check`
// compares instead of writing. Returns the exit status.
int generateDocuments(const std::string& root, bool check, const std::string& build) {
  int status = 0;
  for (const char* name : kDocuments) {
    const std::string path = root + "/" + name;
    std::string text;
    if (!read(path, &text)) return 1;
    const quillstat::filledDocument filled = quillstat::fillGeneratedSections(text);
    if (!filled.error.empty()) {
      std::cerr << "quillstat_help_pages: " << path << ": " << filled.error << '\n';
      return 1;
    }
    if (name == kLanguagesPage) {
      for (const std::string& language : quillstat::languagesWithoutSection(filled.keys)) {
        std::cerr << "quillstat_help_pages: " << path << " has no section for " << language
                  << ": add its heading and the lines <!-- generated: language " << language
                  << " --> and <!-- end generated -->\n";
        status = 1;
      }
    }
    if (filled.text == text) continue;
    if (check) {
      std::cerr << "quillstat_help_pages: " << path << " line "
                << firstDifferingLine(text, filled.text)
                << " is not what the tables make; run `cmake --build " << build
                << " --target reference_docs` and commit the result\n";
      status = 1;
    } else if (!write(path, filled.text)) {
      std::cerr << "quillstat_help_pages: cannot write " << path << '\n';
      return 1;
    }
  }
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string_view what = argc > 1 ? argv[1] : "";
  if (what == "man" && argc == 3) return write(argv[2], quillstat::manualPage()) ? 0 : 1;
  if (what == "bash" && argc == 3) return write(argv[2], quillstat::bashCompletion()) ? 0 : 1;
  if (what == "names" && argc == 2) {
    for (const quillstat::optionRow& row : quillstat::optionTable) {
      std::cout << row.name << '\n';
      if (row.otherName != nullptr) std::cout << row.otherName << '\n';
    }
    return std::cout.flush() ? 0 : 1;
  }
  if (what == "docs" && argc == 3) return generateDocuments(argv[2], false, "");
  if (what == "check" && (argc == 3 || argc == 4)) {
    return generateDocuments(argv[2], true, argc == 4 ? argv[3] : "build");
  }
  if (what == "html" && argc == 4) {
    std::string page;
    if (!read(argv[2], &page)) return 1;
    if (!fillMark(&page, kOptionsMark, quillstat::htmlOptionRows(), argv[2]) ||
        !fillMark(&page, kMasksMark, quillstat::htmlMaskRows(), argv[2])) {
      return 1;
    }
    return write(argv[3], page) ? 0 : 1;
  }
  std::cerr << "usage: quillstat_help_pages man OUT | html TEMPLATE OUT | bash OUT | names | "
               "docs ROOT | check ROOT [BUILD]\n";
  return 1;
}
