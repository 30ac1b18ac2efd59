// Throughput of each language's scanner, the referee (one dispatch per byte)
// beside the fast one, on a few MB of generated source that looks like real
// code of the language, and on real source when the machine has some; and the
// cost per file of scanPath on a few hundred small files.
//
// Real source is read from --corpus_cpp=DIR, --corpus_delphi=DIR,
// --corpus_php=DIR and --corpus_java=DIR (every file under DIR with a suffix
// of the language, up to 32 MB); the defaults are where Debian puts system
// headers, the Free Pascal sources and PHP libraries, and where
// /work/shared/corpora.sh unpacks OpenJDK's. A corpus that is missing skips
// its benchmarks. Each language's exact scanner is measured beside its
// classic one (Java's classic scanner is C++'s).
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "engine/c_like_scan.h"
#include "engine/delphi_scan.h"
#include "engine/exact_c_scan.h"
#include "engine/exact_java_scan.h"
#include "engine/exact_pascal_scan.h"
#include "engine/exact_php_scan.h"
#include "engine/exact_reference_scan.h"
#include "engine/reference_scan.h"
#include "engine/scanner.h"

namespace {

namespace fs = std::filesystem;
using quillstat::fileStats;

const size_t kGeneratedSize = 4 << 20;
const size_t kCorpusLimit = 32 << 20;

std::string corpusCppDir = "/usr/include";
std::string corpusDelphiDir = "/usr/share/fpcsrc";
std::string corpusPhpDir = "/usr/share/php";
std::string corpusJavaDir = "/tmp/quillstat-corpora/java";

// Lines are picked at random (fixed start value) from a language's repertoire.
std::string generate(const std::vector<std::string>& lines, const std::string& prologue) {
  std::mt19937 random(12345);
  std::uniform_int_distribution<size_t> pick(0, lines.size() - 1);
  std::string text = prologue;
  while (text.size() < kGeneratedSize) text += lines[pick(random)];
  return text;
}

const std::vector<std::string>& cppGenerated() {
  static const std::vector<std::string> text{generate(
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
      "#include <string>\n\n")};
  return text;
}

const std::vector<std::string>& delphiGenerated() {
  static const std::vector<std::string> text{generate(
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
      "unit Sample;\n\ninterface\n\n")};
  return text;
}

const std::vector<std::string>& phpGenerated() {
  static const std::vector<std::string> text{generate(
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
      "<html>\n<body>\n<?php\n")};
  return text;
}

const std::vector<std::string>& javaGenerated() {
  static const std::vector<std::string> text{generate(
      {
          "// Returns the number of entries that the table holds for this key.\n",
          "/** The caller owns the buffer.\n * TODO: release it earlier. */\n",
          "int count = table.size(); // fixme: overflow on big tables\n",
          "    for (int i = 0; i < n; ++i) {\n      total += values[i] * weight;\n    }\n",
          "    String message = \"cannot open \\\"\" + path + \"\\\" (errno)\";\n",
          "    char quote = '\\'', slash = '/';\n",
          "    String query = \"\"\"\n        SELECT name FROM t; -- \"todo\"\n        \"\"\";\n",
          "    x = a / b + c / 2;\n",
          "\n",
          "  public static <T> T maxOf(T a, T b) { return a.compareTo(b) < 0 ? b : a; }\n",
      },
      "package sample;\n\n")};
  return text;
}

// The files under `dir` whose names end with one of `suffixes`, in path
// order, as far as kCorpusLimit bytes reach.
std::vector<std::string> loadCorpus(const std::string& dir,
                                    const std::vector<std::string>& suffixes) {
  std::vector<fs::path> paths;
  std::error_code ec;
  for (fs::recursive_directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    if (!it->is_regular_file(ec)) continue;
    const std::string name = it->path().filename().string();
    for (const std::string& suffix : suffixes) {
      if (name.size() >= suffix.size() &&
          name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0) {
        paths.push_back(it->path());
        break;
      }
    }
  }
  std::sort(paths.begin(), paths.end());
  std::vector<std::string> files;
  size_t total = 0;
  for (const fs::path& path : paths) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    files.push_back(content.str());
    total += files.back().size();
    if (total >= kCorpusLimit) break;
  }
  return files;
}

const std::vector<std::string>& cppCorpus() {
  static const std::vector<std::string> files = loadCorpus(corpusCppDir, {".h", ".c", ".cpp"});
  return files;
}
const std::vector<std::string>& delphiCorpus() {
  static const std::vector<std::string> files =
      loadCorpus(corpusDelphiDir, {".pas", ".pp", ".dpr", ".inc"});
  return files;
}
const std::vector<std::string>& phpCorpus() {
  static const std::vector<std::string> files = loadCorpus(corpusPhpDir, {".php"});
  return files;
}
const std::vector<std::string>& javaCorpus() {
  static const std::vector<std::string> files = loadCorpus(corpusJavaDir, {".java"});
  return files;
}

using scanFunction = fileStats (*)(const char*, size_t, bool);

// Scans every file of `files` once per iteration, each as a buffer of its own.
void scanFiles(benchmark::State& state, scanFunction scan,
               const std::vector<std::string>& (*files)()) {
  const std::vector<std::string>& texts = files();
  int64_t bytes = 0;
  for (const std::string& text : texts) bytes += static_cast<int64_t>(text.size());
  if (bytes == 0) {
    state.SkipWithError("no such corpus on this machine");
    return;
  }
  for (auto _ : state) {
    for (const std::string& text : texts) {
      benchmark::DoNotOptimize(scan(text.data(), text.size(), true));
    }
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * bytes);
  state.counters["files"] = static_cast<double>(texts.size());
}

double minimum(const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); }
double maximum(const std::vector<double>& v) { return *std::max_element(v.begin(), v.end()); }

void registerScan(const std::string& name, scanFunction scan,
                  const std::vector<std::string>& (*files)()) {
  benchmark::RegisterBenchmark(name.c_str(), scanFiles, scan, files)
      ->Repetitions(3)
      ->ReportAggregatesOnly(true)
      ->ComputeStatistics("min", minimum)
      ->ComputeStatistics("max", maximum)
      ->Unit(benchmark::kMillisecond);
}

void registerScans() {
  struct language {
    const char* name;
    scanFunction referee;
    scanFunction fast;
    const std::vector<std::string>& (*generated)();
    const std::vector<std::string>& (*corpus)();
  };
  const language languages[] = {
      {"Cpp", quillstat::referenceScanCpp, quillstat::scanWhole<quillstat::cppScanner>, cppGenerated,
       cppCorpus},
      {"Delphi", quillstat::referenceScanDelphi, quillstat::scanWhole<quillstat::delphiScanner>,
       delphiGenerated, delphiCorpus},
      {"Php", quillstat::referenceScanPhp, quillstat::scanWhole<quillstat::phpScanner>, phpGenerated,
       phpCorpus},
      {"ExactCpp", quillstat::referenceScanExactC, quillstat::scanWhole<quillstat::exactCScanner>,
       cppGenerated, cppCorpus},
      {"ExactJava", quillstat::referenceScanExactJava,
       quillstat::scanWhole<quillstat::exactJavaScanner>, javaGenerated, javaCorpus},
      {"ExactDelphi", quillstat::referenceScanExactPascal,
       quillstat::scanWhole<quillstat::exactPascalScanner>, delphiGenerated, delphiCorpus},
      {"ExactPhp", quillstat::referenceScanExactPhp,
       quillstat::scanWhole<quillstat::exactPhpScanner>, phpGenerated, phpCorpus},
  };
  for (const language& l : languages) {
    const std::string base = std::string("Scan") + l.name;
    registerScan(base + "/generated/referee", l.referee, l.generated);
    registerScan(base + "/generated/fast", l.fast, l.generated);
    registerScan(base + "/real/referee", l.referee, l.corpus);
    registerScan(base + "/real/fast", l.fast, l.corpus);
  }
}

// Reads and scans one file as an analysis does, with one reused buffer.
fileStats scanCppFile(const std::string& path) {
  static std::vector<char> buffer;
  quillstat::ioError error;
  return quillstat::scanPath(quillstat::scannerOf<quillstat::cppScanner>(),
                             quillstat::machineFileSystem(), path, true, &buffer, &error);
}

// scanPath on 400 small files of 100 bytes up to the argument, the shape
// of most source trees; with tiny files the time per file is mostly what
// stat, open, fstat, read and close cost.
void BM_ProcessSmallFiles(benchmark::State& state) {
  const fs::path dir = fs::temp_directory_path() / "quillstat_bench_files";
  fs::create_directories(dir);
  const std::string& text = cppGenerated().front();
  std::mt19937 random(54321);
  std::uniform_int_distribution<size_t> length(100, static_cast<size_t>(state.range(0)));
  std::vector<std::string> paths;
  size_t offset = 0;
  for (int i = 0; i < 400; ++i) {
    const size_t size = length(random);
    std::string name = std::to_string(i);
    name += ".cpp";
    paths.push_back((dir / name).string());
    std::ofstream(paths.back(), std::ios::binary | std::ios::trunc)
        << text.substr(offset, size);
    offset = (offset + size) % (text.size() - static_cast<size_t>(state.range(0)));
  }
  for (auto _ : state) {
    for (const std::string& path : paths) benchmark::DoNotOptimize(scanCppFile(path));
  }
  state.counters["per_file"] = benchmark::Counter(
      static_cast<double>(paths.size()),
      benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
  fs::remove_all(dir);
}
BENCHMARK(BM_ProcessSmallFiles)->Arg(1000)->Arg(16000)->Unit(benchmark::kMillisecond);

// scanPath on one file of 64 MB, with LF line ends (argument 0) or CR LF
// (argument 1): the chunked read, and with CR LF the text-mode pass too.
void BM_ProcessLargeFile(benchmark::State& state) {
  const fs::path path = fs::temp_directory_path() / "quillstat_bench_large.cpp";
  std::string text;
  for (char c : cppGenerated().front()) {
    if (c == '\n' && state.range(0) == 1) text += '\r';
    text += c;
  }
  {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    for (int64_t written = 0; written < (64 << 20); written += static_cast<int64_t>(text.size())) {
      out << text;
    }
  }
  const int64_t size = static_cast<int64_t>(fs::file_size(path));
  for (auto _ : state) benchmark::DoNotOptimize(scanCppFile(path.string()));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * size);
  fs::remove(path);
}
BENCHMARK(BM_ProcessLargeFile)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Takes the --corpus_* options out of argv before the benchmark library sees it.
void takeCorpusOptions(int* argc, char** argv) {
  int kept = 1;
  for (int i = 1; i < *argc; ++i) {
    const std::string arg = argv[i];
    std::string* target = nullptr;
    std::string value;
    for (auto [prefix, dir] : {std::pair{"--corpus_cpp=", &corpusCppDir},
                               std::pair{"--corpus_delphi=", &corpusDelphiDir},
                               std::pair{"--corpus_php=", &corpusPhpDir},
                               std::pair{"--corpus_java=", &corpusJavaDir}}) {
      if (arg.rfind(prefix, 0) == 0) {
        target = dir;
        value = arg.substr(std::strlen(prefix));
      }
    }
    if (target != nullptr) {
      *target = value;
    } else {
      argv[kept++] = argv[i];
    }
  }
  *argc = kept;
}

}  // namespace

int main(int argc, char** argv) {
  takeCorpusOptions(&argc, argv);
  registerScans();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
