#include "ui/shell_completion.h"

#include <string_view>

#include "ui/option_table.h"

namespace quillstat {

namespace {

// The lines of `lines` as bash words in single quotes, which nothing
// inside escapes: "'txt' 'xml'".
std::string quotedWords(std::string_view lines) {
  std::string words;
  size_t start = 0;
  while (start < lines.size()) {
    size_t end = lines.find('\n', start);
    if (end == std::string_view::npos) end = lines.size();
    if (!words.empty()) words += ' ';
    words += '\'';
    for (char c : lines.substr(start, end - start)) {
      if (c == '\'') words += "'\\''";  // closes the quotes, writes one, opens again
      else words += c;
    }
    words += '\'';
    start = end + 1;
  }
  return words;
}

// The names of the options of the table whose value is of `kind`, as the
// pattern of a case branch: "-f|-o|--files-from".
std::string namesTaking(valueKind kind) {
  std::string pattern;
  for (const optionRow& row : optionTable) {
    if (row.kind != kind) continue;
    for (const char* name : {row.name, row.otherName}) {
      if (name == nullptr) continue;
      if (!pattern.empty()) pattern += '|';
      pattern += name;
    }
  }
  return pattern;
}

// Every option's names, one a line.
std::string optionNames() {
  std::string names;
  for (const optionRow& row : optionTable) {
    names += std::string(row.name) + "\n";
    if (row.otherName != nullptr) names += std::string(row.otherName) + "\n";
  }
  return names;
}

// The branch of the script's case for a value of `kind`: the names to
// complete, or nothing for a value of free text.
std::string valueAction(valueKind kind) {
  // Bash quotes the names it is told are of files, and marks directories.
  const std::string names = "compopt -o filenames 2>/dev/null; mapfile -t COMPREPLY < ";
  switch (kind) {
    case valueKind::file: return names + "<(compgen -f -- \"$cur\"); return";
    case valueKind::directory: return names + "<(compgen -d -- \"$cur\"); return";
    case valueKind::text: return "return";
    default: return "values=(" + quotedWords(choicesOf(kind, "\n")) + ")";
  }
}

}  // namespace

std::string bashCompletion() {
  std::string script =
      "# bash completion for quillstat, written from its table of options\n"
      "_quillstat() {\n"
      "  local cur=$2 prev=$3 values value format=%q\n"
      "  COMPREPLY=()\n"
      // "--encoding=u": bash splits the word at '=', which is then the word
      // before, or the word itself while nothing follows it.
      "  if [[ $cur == = ]]; then\n"
      "    cur=\n"
      "  elif [[ $prev == = ]]; then\n"
      "    prev=${COMP_WORDS[COMP_CWORD-2]}\n"
      "  fi\n"
      "  case $prev in\n";
  for (valueKind kind : {valueKind::file, valueKind::directory, valueKind::text,
                         valueKind::format, valueKind::language, valueKind::encoding}) {
    const std::string names = namesTaking(kind);
    if (!names.empty()) script += "    " + names + ")\n      " + valueAction(kind) + ";;\n";
  }
  script +=
      "    *)\n      values=(" + quotedWords(optionNames()) + ");;\n"
      "  esac\n"
      // The word as typed, without the backslashes that quote its blanks and
      // signs ("Visual\\ B"): no value has a backslash of its own. A value
      // completed inside the quotes the word opens ("Vis) is written as it is.
      "  cur=${cur//\\\\/}\n"
      "  [[ ${COMP_WORDS[COMP_CWORD]} == [\\\"\\']* ]] && format=%s\n"
      "  for value in \"${values[@]}\"; do\n"
      "    [[ $value == \"$cur\"* ]] && COMPREPLY+=(\"$(printf \"$format\" \"$value\")\")\n"
      "  done\n"
      "}\n"
      "complete -F _quillstat quillstat\n";
  return script;
}

}  // namespace quillstat
