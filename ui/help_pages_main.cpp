// Writes the help pages that the build installs, from the option table:
//   quillstat_help_pages man OUT             the manual page quillstat(1)
//   quillstat_help_pages html TEMPLATE OUT   the HTML help, its options filled in
//   quillstat_help_pages bash OUT            the bash completion
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <string_view>

#include "ui/command_line_help.h"
#include "ui/shell_completion.h"

namespace {

// In the HTML help, where the rows of the table of options go.
constexpr std::string_view kOptionsMark = "<!-- options -->\n";

bool write(const char* path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  return static_cast<bool>(out << text) && static_cast<bool>(out.flush());
}

}  // namespace

int main(int argc, char** argv) {
  const std::string_view what = argc > 1 ? argv[1] : "";
  if (what == "man" && argc == 3) return write(argv[2], quillstat::manualPage()) ? 0 : 1;
  if (what == "bash" && argc == 3) return write(argv[2], quillstat::bashCompletion()) ? 0 : 1;
  if (what == "html" && argc == 4) {
    std::ifstream in(argv[2], std::ios::binary);
    std::string page((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const size_t mark = page.find(kOptionsMark);
    if (!in.eof() && !in.good()) return 1;
    if (mark == std::string::npos) {
      std::cerr << "quillstat_help_pages: " << argv[2] << " has no options mark\n";
      return 1;
    }
    page.replace(mark, kOptionsMark.size(), quillstat::htmlOptionRows());
    return write(argv[3], page) ? 0 : 1;
  }
  std::cerr << "usage: quillstat_help_pages man OUT | html TEMPLATE OUT | bash OUT\n";
  return 1;
}
