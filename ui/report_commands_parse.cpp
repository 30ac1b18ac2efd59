#include "ui/report_commands_parse.h"

#include <algorithm>
#include <charconv>
#include <string_view>

#include "report/shown_name.h"
#include "ui/option_table.h"

namespace quillstat {

namespace {

// The options of the table that each command takes, where they mean what
// they mean for a batch run: compare runs the batch run's analysis for an
// input "git:REV".
struct commandRow {
  const char* name;
  std::vector<std::string_view> tableOptions;
  std::vector<std::string_view> views;  // -t's values; empty: -t is the table's
  bool needsOutput;
  size_t leastInputs;
  size_t mostInputs;
};

const commandRow commands[] = {
    {"merge", {"-o", "-t", "--encoding", "--by-dir", "--label", "--todo-list"}, {}, true, 1,
     SIZE_MAX},
    {"compare",
     {"-o", "-d", "-l", "-x", "-e", "-s", "-nf", "--exclude", "-j", "-q", "--by-dir"},
     {"txt", "json", "markdown", "html"}, false, 1, 2},
    {"trend", {"-o"}, {"html"}, true, 1, SIZE_MAX},
};

bool plainNumber(std::string_view text, bool fraction) {
  const size_t point = fraction ? text.find('.') : std::string_view::npos;
  auto digitsOnly = [](std::string_view d) {
    return !d.empty() && d.find_first_not_of("0123456789") == std::string_view::npos;
  };
  return digitsOnly(text.substr(0, point)) &&
         (point == std::string_view::npos || digitsOnly(text.substr(point + 1)));
}

std::string joined(const std::vector<std::string_view>& words) {
  std::string out;
  for (std::string_view word : words) out += (out.empty() ? "" : ", ") + std::string(word);
  return out;
}

}  // namespace

subCommandLine scanSubCommand(const std::vector<std::string>& tokens) {
  subCommandLine line;
  const commandRow* command = nullptr;
  for (const commandRow& row : commands) {
    if (tokens[0] == row.name) command = &row;
  }
  std::vector<std::string> tableTokens;
  bool outputGiven = false;
  for (size_t i = 1; i < tokens.size(); ++i) {
    const std::string& token = tokens[i];
    if (token.size() < 2 || token[0] != '-') {
      line.inputs.push_back(token);
      continue;
    }
    const size_t equals = token.find('=');
    const std::string name = token.substr(0, equals);
    const bool attached = equals != std::string::npos;
    // The value after '=' or the next word; nullptr when there is none.
    auto value = [&]() -> const std::string* {
      static thread_local std::string after;
      if (attached) return &(after = token.substr(equals + 1));
      return i + 1 < tokens.size() ? &tokens[++i] : nullptr;
    };
    auto bad = [&](const std::string& what) {
      line.errors.push_back(std::string(command->name) + " " + name + ": " + what);
    };
    if (name == "-t" && !command->views.empty()) {
      const std::string* view = value();
      if (view == nullptr || std::ranges::find(command->views, *view) == command->views.end()) {
        bad("the view is one of " + joined(command->views));
      } else {
        line.view = *view;
      }
    } else if (name == "--fail-if-worse" && command == &commands[1] && !attached) {
      line.failIfWorse = true;
    } else if (name == "--max-new-todo" && command == &commands[1]) {
      const std::string* number = value();
      if (number == nullptr || !plainNumber(*number, false) ||
          std::from_chars(number->data(), number->data() + number->size(), line.maxNewTodo).ec !=
              std::errc()) {
        bad("the limit is a whole number from 0 to 9223372036854775807");
      }
    } else if (name == "--max-density-drop" && command == &commands[1]) {
      const std::string* number = value();
      if (number == nullptr || !plainNumber(*number, true) ||
          std::from_chars(number->data(), number->data() + number->size(), line.maxDensityDrop)
                  .ec != std::errc() ||
          line.maxDensityDrop > 100) {
        bad("the limit is a percentage from 0 to 100");
      }
    } else {
      const optionRow* row = findOption(name);
      const bool taken =
          row != nullptr && std::ranges::any_of(command->tableOptions, [&](std::string_view o) {
            return o == row->name;
          });
      if (!taken) {
        line.errors.push_back(std::string(command->name) + " does not take '" + shownName(name) +
                              "'; it takes " + joined(command->tableOptions) +
                              (command == &commands[1]
                                   ? ", -t, --fail-if-worse, --max-new-todo, --max-density-drop"
                                   : ""));
        continue;
      }
      outputGiven = outputGiven || row->name == std::string_view("-o");
      tableTokens.push_back(token);
      if (row->valueName != nullptr && !attached && i + 1 < tokens.size()) {
        tableTokens.push_back(tokens[++i]);
      }
    }
  }
  if (!outputGiven && !command->needsOutput) {
    tableTokens.push_back("-o");
    tableTokens.push_back("-");
  }
  line.options = scanOptions(tableTokens);
  for (std::string& error : line.options.errors) line.errors.push_back(std::move(error));
  if (command->needsOutput && !line.options.outputPath) {
    line.errors.push_back(std::string(command->name) + " needs -o FILE, the output to write");
  }
  if (line.inputs.size() < command->leastInputs || line.inputs.size() > command->mostInputs) {
    line.errors.push_back(std::string(command->name) +
                          (command->mostInputs == 2 ? " takes BASE and HEAD, or git:REV alone"
                                                    : " takes one JSON report or more"));
  }
  return line;
}

}  // namespace quillstat
