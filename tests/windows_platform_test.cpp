// The Windows build on what only Windows has: drive letters and backslashes,
// paths past 260 characters, read-only and locked files, UTF-16 names.
#include <windows.h>

#include <algorithm>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/windows_api.h"
#include "test_files.h"
#include "ui/batch_run.h"

namespace quillstat {
namespace {

namespace fs = std::filesystem;

// 12 bytes: 4 comment characters, 1 comment, 1 code line.
const char kSource[] = "int a; // x\n";

std::string utf8(const fs::path& path) { return fromWide(path.wstring()); }

// The file at `path` as the wide API takes it: any length, any UTF-16 name.
fs::path wide(const std::string& path) { return fs::path(systemPath(path)); }

// Creates the file at `path` with `content`; false if the system refuses the name.
bool createFile(const std::string& path, const std::string& content) {
  std::ofstream out(wide(path), std::ios::binary);
  return static_cast<bool>(out << content);
}

std::string readWhole(const std::string& path) { return readFile(wide(path)); }

struct batchResult {
  batchStatus status;
  std::string errors;
};

// A recursive run over the file or directory `input` into `output`.
batchResult runOn(const std::string& input, const std::string& output, reportFormat format) {
  commandLineOptions options;
  (fs::is_directory(fs::path(toWide(input))) ? options.inputDirectory : options.inputFile) = input;
  options.outputPath = output;
  options.format = format;
  options.recursive = true;
  std::ostringstream errors;
  batchStatus status = runBatch(options, errors);
  return {status, errors.str()};
}

bool contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

TEST(WindowsPaths, EitherSeparatorIsTakenAndABackslashInserted) {
  const std::string base = utf8(freshTestDirectory());
  fs::create_directories(fs::path(toWide(base + "\\tree\\sub")));
  ASSERT_TRUE(createFile(base + "\\tree\\sub\\b.cpp", kSource));
  std::string forward = base;
  std::replace(forward.begin(), forward.end(), '\\', '/');
  const std::string drive = base.substr(0, 2);  // "C:"
  const struct {
    std::string directory;
    std::string shown;
  } cases[] = {
      {base + "\\tree", base + "\\tree\\sub\\b.cpp"},
      {base + "\\tree\\", base + "\\tree\\sub\\b.cpp"},
      {forward + "/tree/", forward + "/tree/sub\\b.cpp"},
      {"tree", "tree\\sub\\b.cpp"},                  // from the working directory
      {drive + "tree", drive + "tree\\sub\\b.cpp"},  // from the drive's own one
  };
  const fs::path saved = fs::current_path();
  fs::current_path(fs::path(toWide(base)));
  for (const auto& c : cases) {
    batchResult run = runOn(c.directory, base + "\\r.xml", reportFormat::xml);
    EXPECT_EQ(run.status, batchOk) << c.directory << ": " << run.errors;
    EXPECT_TRUE(contains(readWhole(base + "\\r.xml"), "'" + c.shown + "' countCommentChars='4'"))
        << c.directory;
  }
  fs::current_path(saved);
}

TEST(WindowsPaths, PathsLongerThan260CharactersAreReadAndWritten) {
  // The tree is kept from run to run: std::filesystem cannot remove it.
  std::string deep = utf8(testDirectory());
  for (int level = 0; level < 12; ++level) {
    deep += "\\a_directory_name_of_forty_characters_" + std::to_string(level % 10) + "x";
    ASSERT_TRUE(CreateDirectoryW(systemPath(deep).c_str(), nullptr) ||
                GetLastError() == ERROR_ALREADY_EXISTS)
        << deep.size();
  }
  ASSERT_GT(deep.size(), 400u);
  ASSERT_TRUE(createFile(deep + "\\deep.cpp", kSource));
  const std::string report = deep + "\\report.xml";
  batchResult run = runOn(utf8(testDirectory()), report, reportFormat::xml);
  EXPECT_EQ(run.status, batchOk) << run.errors;
  EXPECT_TRUE(contains(readWhole(report), "deep.cpp' countCommentChars='4' sizeFile='12'"));
  run = runOn(deep + "\\deep.cpp", report, reportFormat::xml);
  EXPECT_EQ(run.status, batchOk) << run.errors;
}

// Holds the file at `path` open without sharing it, as an editor or a
// virus scanner may, until destroyed.
struct exclusiveHold {
  explicit exclusiveHold(const std::string& path)
      : handle(CreateFileW(systemPath(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0,
                           nullptr)) {}
  ~exclusiveHold() { CloseHandle(handle); }
  HANDLE handle;
};

TEST(WindowsReports, ReadOnlyOrLockedReportStaysAsItWas) {
  const fs::path dir = freshTestDirectory();
  const std::string source = utf8(dir / "a.cpp");
  const std::string report = utf8(dir / "r.txt");
  ASSERT_TRUE(createFile(source, kSource));
  const struct {
    const char* what;
    DWORD attributes;
    bool hold;
    batchStatus status;
  } cases[] = {
      {"read-only", FILE_ATTRIBUTE_READONLY, false, batchReportFailed},
      {"held open by another program", FILE_ATTRIBUTE_NORMAL, true, batchReportFailed},
      // Replaced, as a rename on POSIX keeps the mode: the attribute stays.
      {"hidden", FILE_ATTRIBUTE_HIDDEN, false, batchOk},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    SetFileAttributesW(systemPath(report).c_str(), FILE_ATTRIBUTE_NORMAL);
    ASSERT_TRUE(createFile(report, "old"));
    ASSERT_TRUE(SetFileAttributesW(systemPath(report).c_str(), c.attributes));
    batchResult run;
    {
      std::optional<exclusiveHold> hold;
      if (c.hold) hold.emplace(report);
      run = runOn(source, report, reportFormat::txt);
    }
    EXPECT_EQ(run.status, c.status) << run.errors;
    if (c.status == batchOk) {
      EXPECT_TRUE(contains(readWhole(report), "a.cpp"));
      EXPECT_EQ(GetFileAttributesW(systemPath(report).c_str()) & c.attributes, c.attributes);
    } else {
      EXPECT_TRUE(contains(run.errors, "cannot write report '" + report + "': ")) << run.errors;
      EXPECT_EQ(readWhole(report), "old");
    }
    EXPECT_EQ(namesIn(dir), (std::set<std::string>{"a.cpp", "r.txt"}));  // no temporary file
  }
  SetFileAttributesW(systemPath(report).c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(WindowsInputs, LockedInputIsNamedAndTheRestAnalysed) {
  const fs::path dir = freshTestDirectory();
  ASSERT_TRUE(createFile(utf8(dir / "a.cpp"), kSource));
  ASSERT_TRUE(createFile(utf8(dir / "b.cpp"), kSource));
  batchResult run;
  {
    exclusiveHold hold(utf8(dir / "b.cpp"));
    run = runOn(utf8(dir), utf8(dir / "r.xml"), reportFormat::xml);
  }
  EXPECT_EQ(run.status, batchInputUnreadable);
  EXPECT_TRUE(contains(run.errors, "cannot read '" + utf8(dir / "b.cpp") + "': ")) << run.errors;
  EXPECT_TRUE(contains(readWhole(utf8(dir / "r.xml")), "a.cpp' countCommentChars='4'"));
}

TEST(WindowsInputs, NamesOutsideWindows1251AreReadAndShownAsTheReportSays) {
  const fs::path dir = freshTestDirectory();
  struct nameCase {
    std::wstring name;
    std::string inText;  // the name in a text report
    std::string inXml;   // and in an XML one
  };
  const nameCase cases[] = {
      {L"\x0444\x0430\x0439\x043B.cpp", "\xF4\xE0\xE9\xEB.cpp", "\xF4\xE0\xE9\xEB.cpp"},  // файл
      {L"M\x00FCller.cpp", "M?ller.cpp", "M&#252;ller.cpp"},
      {L"\x6F22.cpp", "?.cpp", "&#28450;.cpp"},
      {L"\xD83D\xDE00.cpp", "?.cpp", "&#128512;.cpp"},
      // No valid UTF-16, yet a file Windows lets exist: read all the same.
      {L"\xD800.cpp", "???.cpp", "&#65533;&#65533;&#65533;.cpp"},
  };
  std::vector<const nameCase*> created;
  for (const auto& c : cases) {
    if (createFile(utf8(dir) + "\\" + fromWide(c.name), kSource)) created.push_back(&c);
  }
  ASSERT_GE(created.size(), 4u);  // Wine may refuse the lone surrogate
  for (reportFormat format : {reportFormat::txt, reportFormat::xml}) {
    const std::string report = utf8(dir.parent_path() / "names.report");
    batchResult run = runOn(utf8(dir), report, format);
    EXPECT_EQ(run.status, batchOk) << run.errors;
    const std::string bytes = readWhole(report);
    for (const nameCase* c : created) {
      const std::string& shown = format == reportFormat::txt ? c->inText : c->inXml;
      EXPECT_TRUE(contains(bytes, "\\" + shown)) << shown;
    }
  }
}

}  // namespace
}  // namespace quillstat
