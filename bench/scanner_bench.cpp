// Throughput of each language's scanner on a few MB of generated source that
// looks like real code of the language: comments, strings, statements.
#include <cstdint>
#include <random>
#include <string>

#include <benchmark/benchmark.h>

#include "engine/find_comment_cpp.h"
#include "engine/find_comment_delphi.h"
#include "engine/find_comment_php.h"

namespace {

using quillstat::findCommentBase;

const size_t kTargetSize = 4 << 20;

// Lines are picked at random (fixed start value) from a language's repertoire.
std::string generate(const std::vector<std::string>& lines, const std::string& prologue) {
  std::mt19937 random(12345);
  std::uniform_int_distribution<size_t> pick(0, lines.size() - 1);
  std::string text = prologue;
  while (text.size() < kTargetSize) text += lines[pick(random)];
  return text;
}

const std::string& cppSource() {
  static const std::string text = generate(
      {
          "// Returns the number of entries that the table holds for this key.\n",
          "/* The caller owns the buffer; it must stay valid until Finish() returns.\n"
          " * TODO: release it earlier once the reader is done with it. */\n",
          "int count = table.size(); // fixme: overflow on 32-bit builds\n",
          "  for (size_t i = 0; i < n; ++i) {\n    total += values[i] * weight;\n  }\n",
          "  std::string message = \"cannot open file: \" + path + \" (errno)\";\n",
          "  if (status.ok() && !reader->eof()) return Status::Corruption(\"bad block\");\n",
          "static const char* kNames[] = {\"alpha\", \"beta\", \"gamma\"};\n",
          "    x = a / b + c / 2;\n",
          "\n",
          "template <typename T> T maxOf(const T& a, const T& b) { return a < b ? b : a; }\n",
      },
      "#include <string>\n\n");
  return text;
}

const std::string& delphiSource() {
  static const std::string text = generate(
      {
          "{ Returns the number of entries that the table holds for this key. }\n",
          "(* The caller owns the buffer; todo: release it earlier. *)\n",
          "  Count := Table.Size; // fixme: overflow\n",
          "  for I := 0 to N - 1 do\n  begin\n    Total := Total + Values[I] * Weight;\n  end;\n",
          "  Message := 'cannot open file: ' + Path + ' (errno)';\n",
          "  if (Status = 0) and not Reader.Eof then Exit(False);\n",
          "procedure TReader.ReadBlock(const Name: string; var Data: TBytes);\n",
          "  X := A / B + C div 2;\n",
          "\n",
      },
      "unit Sample;\n\ninterface\n\n");
  return text;
}

const std::string& phpSource() {
  static const std::string text = generate(
      {
          "// Returns the number of entries that the table holds for this key.\n",
          "/* The caller owns the buffer.\n * TODO: release it earlier. */\n",
          "$count = count($table); // fixme: slow on big tables\n",
          "foreach ($values as $i => $value) {\n    $total += $value * $weight;\n}\n",
          "$message = \"cannot open file: $path (errno)\";\n",
          "echo '<li>' . htmlspecialchars($name) . '</li>';\n",
          "?>\n<div class=\"row\"><span>Total</span></div>\n<?php\n",
          "function area($w, $h) { return $w * $h / 2; }\n",
          "\n",
      },
      "<html>\n<body>\n<?php\n");
  return text;
}

void scan(benchmark::State& state, const findCommentBase& finder, const std::string& text) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(finder.scanBuffer(text.data(), text.size(), true));
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(text.size()));
}

void BM_ScanCpp(benchmark::State& state) { scan(state, quillstat::findCommentCpp(), cppSource()); }
void BM_ScanDelphi(benchmark::State& state) {
  scan(state, quillstat::findCommentDelphi(), delphiSource());
}
void BM_ScanPhp(benchmark::State& state) { scan(state, quillstat::findCommentPHP(), phpSource()); }

BENCHMARK(BM_ScanCpp);
BENCHMARK(BM_ScanDelphi);
BENCHMARK(BM_ScanPhp);

}  // namespace

BENCHMARK_MAIN();
