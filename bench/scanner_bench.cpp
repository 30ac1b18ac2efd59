// Throughput of each language's scanners on real source: the exact machine,
// its referee (one dispatch per byte), for the languages the classic rules
// know the classic scanner, and for pages, components and documents the
// scans of their embedded code; and the cost per file of scanPath on a
// few hundred small files and on one large one.
//
// A language's real source is every file under its corpus directory that
// the language's default masks select, in path order, up to 32 MB. The
// directory is DIR/<tree> for --corpora=DIR (default
// ${TMPDIR:-/tmp}/quillstat-corpora, where ../shared/corpora.sh and
// bench/language_trees.sh unpack the real trees), or as given by
// --corpus=LANGUAGE=DIR. A language with no corpus on this machine is
// skipped.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "analysis/embedded_regions.h"
#include "analysis/embedded_scan.h"
#include "analysis/language_table.h"
#include "analysis/masks.h"
#include "engine/c_like_scan.h"
#include "engine/exact_referee.h"
#include "engine/scanner.h"

namespace {

namespace fs = std::filesystem;
using quillstat::fileStats;

const size_t kCorpusLimit = 32 << 20;

std::string corporaDir;
std::map<std::string, std::string> corpusOf;  // language name -> directory

// Where the real trees hold each language, under the corpora directory.
const std::map<std::string, std::string> kTrees = {
    {"C++", "linux/linux-source-6.1"}, {"Delphi", "pascal"}, {"Php", "php"},
    {"Java", "java"}, {"Go", "go"},
    {"HTML", "apache-doc/usr/share/doc/apache2-doc/manual"}, {"Markdown", "ts-eslint"},
    {"Vue", "primevue"},
};

std::string corpusDirectory(const std::string& language) {
  if (auto given = corpusOf.find(language); given != corpusOf.end()) return given->second;
  auto tree = kTrees.find(language);
  return corporaDir + "/" + (tree != kTrees.end() ? tree->second : language);
}

// The files under `dir` that `masks` select, in path order, as far as
// kCorpusLimit bytes reach.
std::vector<std::string> loadCorpus(const std::string& dir, const std::string& masks) {
  const std::vector<std::string> tokens = quillstat::splitMasks(masks);
  std::vector<fs::path> paths;
  std::error_code ec;
  for (fs::recursive_directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    if (it->is_regular_file(ec) && quillstat::nameMatches(it->path().filename().string(), tokens)) {
      paths.push_back(it->path());
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

// Scans every file of `files` once per iteration, each as a buffer of its own.
template <typename Scan>
void scanFiles(benchmark::State& state, Scan scan, const std::vector<std::string>* files) {
  int64_t bytes = 0;
  for (const std::string& text : *files) bytes += static_cast<int64_t>(text.size());
  for (auto _ : state) {
    for (const std::string& text : *files) {
      benchmark::DoNotOptimize(scan(text.data(), text.size(), true));
    }
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * bytes);
  state.counters["files"] = static_cast<double>(files->size());
}

double minimum(const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); }
double maximum(const std::vector<double>& v) { return *std::max_element(v.begin(), v.end()); }

template <typename Scan>
void registerScan(const std::string& name, Scan scan, const std::vector<std::string>* files) {
  benchmark::RegisterBenchmark(name.c_str(), scanFiles<Scan>, scan, files)
      ->Repetitions(3)
      ->ReportAggregatesOnly(true)
      ->ComputeStatistics("min", minimum)
      ->ComputeStatistics("max", maximum)
      ->Unit(benchmark::kMillisecond);
}

void registerScans() {
  for (const quillstat::languageEntry& language : quillstat::languageTable) {
    static std::vector<std::vector<std::string>> corpora(quillstat::languageCount);
    std::vector<std::string>* files = &corpora[&language - quillstat::languageTable.data()];
    *files = loadCorpus(corpusDirectory(language.name), language.defaultMasks);
    if (files->empty()) continue;
    const std::string base = std::string("Scan/") + language.name;
    registerScan(base + "/exact", language.exact.scanBuffer, files);
    const quillstat::exactRules* rules = &language.row->rules;
    registerScan(base + "/exact-referee",
                 [rules](const char* data, size_t length, bool first) {
                   return quillstat::exactRefereeScan(*rules, data, length, first);
                 },
                 files);
    if (language.hasClassicRules) registerScan(base + "/classic", language.classic.scanBuffer, files);
    if (language.row->embeds != quillstat::embedding::none) {
      // As an analysis reads such a file: its regions found, then one scan
      // per language of the file.
      const unsigned row = static_cast<unsigned>(&language - quillstat::languageTable.data());
      registerScan(base + "/embedded",
                   [row](const char* data, size_t length, bool first) {
                     const std::string_view content(data, length);
                     const auto regions = quillstat::embeddedRegionsOf(content, quillstat::languageTable[row].row->embeds);
                     return quillstat::scanEmbedded(content, row, regions, first, nullptr).stats;
                   },
                   files);
    }
  }
}

// Source-like text of some MB: lines picked at random (fixed start value).
const std::string& generatedCpp() {
  static const std::string text = [] {
    const std::vector<std::string> lines = {
        "// Returns the number of entries that the table holds for this key.\n",
        "/* The caller owns the buffer; it must stay valid until Finish() returns.\n"
        " * TODO: release it earlier once the reader is done with it. */\n",
        "int count = table.size(); // fixme: overflow on 32-bit builds\n",
        "  for (size_t i = 0; i < n; ++i) {\n    total += values[i] * weight;\n  }\n",
        "  std::string message = \"cannot open file: \" + path + \" (errno)\";\n",
        "    x = a / b + c / 2;\n",
        "\n",
    };
    std::mt19937 random(12345);
    std::uniform_int_distribution<size_t> pick(0, lines.size() - 1);
    std::string generated = "#include <string>\n\n";
    while (generated.size() < (4 << 20)) generated += lines[pick(random)];
    return generated;
  }();
  return text;
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
  const std::string& text = generatedCpp();
  std::mt19937 random(54321);
  std::uniform_int_distribution<size_t> length(100, static_cast<size_t>(state.range(0)));
  std::vector<std::string> paths;
  size_t offset = 0;
  for (int i = 0; i < 400; ++i) {
    const size_t size = length(random);
    paths.push_back((dir / (std::to_string(i) + ".cpp")).string());
    std::ofstream(paths.back(), std::ios::binary | std::ios::trunc) << text.substr(offset, size);
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
  for (char c : generatedCpp()) {
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

// Takes --corpora=DIR and --corpus=LANGUAGE=DIR out of argv before the
// benchmark library sees it.
void takeCorpusOptions(int* argc, char** argv) {
  const char* tmp = std::getenv("TMPDIR");
  corporaDir = std::string(tmp != nullptr ? tmp : "/tmp") + "/quillstat-corpora";
  int kept = 1;
  for (int i = 1; i < *argc; ++i) {
    const std::string arg = argv[i];
    if (arg.rfind("--corpora=", 0) == 0) {
      corporaDir = arg.substr(10);
    } else if (arg.rfind("--corpus=", 0) == 0 && arg.find('=', 9) != std::string::npos) {
      const size_t equals = arg.find('=', 9);
      corpusOf[arg.substr(9, equals - 9)] = arg.substr(equals + 1);
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
