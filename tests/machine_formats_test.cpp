// The same tree in every format: the machine formats and the UTF-8 reports,
// parsed as their readers parse them, carry the same figures and names.
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "program_runner.h"
#include "test_files.h"

namespace quillstat {
namespace {

namespace fs = std::filesystem;

// Prints one line per record, "<name as hex> size chars comments lines todo
// fixme percent" (percent "-" in XML, which has none; the total's name is
// TOTAL), after checking that a UTF-8 report is valid UTF-8.
const char kDump[] = R"(
import csv, io, json, sys, xml.etree.ElementTree as ET
fmt, path = sys.argv[1], sys.argv[2]
raw = open(path, 'rb').read()
keys = ['size', 'commentChars', 'comments', 'statementMarks', 'todo', 'fixme']
def name(f, total):
    if total: return b'TOTAL'
    return bytes.fromhex(f['pathBytes']) if f.get('pathBytes') else f['path'].encode()
rows = []
if fmt == 'json':
    d = json.loads(raw.decode('utf-8'))
    print(d['program'], d['formatVersion'], d['language'], d['mode'], d['options'])
    for f in d['files'] + [d['total']]:
        rows.append((name(f, f is d['total']), [f[k] for k in keys], '%.6f' % f['commentPercent']))
elif fmt == 'csv':
    table = list(csv.DictReader(io.StringIO(raw.decode('utf-8'), newline='')))
    for f in table:
        rows.append((name(f, f['kind'] == 'total'), [int(f[k]) for k in keys], f['commentPercent']))
else:
    attributes = ['sizeFile', 'countCommentChars', 'countOfComment', 'countCodeLine',
                  'todoWordsCount', 'fixmeWordsCount']
    for e in ET.fromstring(raw):
        total = e.get('filename') == 'AllFiles'
        rows.append((name({'path': e.get('filename')}, total), [int(e.get(k)) for k in attributes], '-'))
for n, figures, percent in rows:
    print(n.hex(), *figures, percent)
)";

std::string hex(const std::string& bytes) {
  std::string text;
  char digits[3];
  for (unsigned char b : bytes) {
    std::snprintf(digits, sizeof digits, "%02x", b);
    text += digits;
  }
  return text;
}

// Runs `command` in `directory` and returns what it printed.
std::string output(const fs::path& directory, const std::string& command) {
  const fs::path out = directory / "dump.out";
  const std::string line = "cd '" + directory.string() + "' && " + command + " > dump.out";
  EXPECT_EQ(std::system(line.c_str()), 0) << command;
  return readFile(out);
}

TEST(MachineFormats, EveryFormatCarriesTheSameFiguresAndNames) {
  const fs::path root = freshTestDirectory();
  writeFile(root / "kDump.py", kDump);
  // 17 bytes: "// todo x" is 9 comment characters, one comment, one mark.
  writeFile(root / "t/a.cpp", "int a; // todo x\n");
  // 12 bytes each: 11 comment characters, one comment, no mark, one fixme.
  const std::string names[] = {"amp&<>.c", "bad\xFF.c", "com,ma.c", "new\nline.c",
                               "q\"uote.c", "Привет.c"};
  for (const std::string& name : names) writeFile(root / "t" / name, "/* fixme */\n");

  struct {
    std::string arguments;  // after "-d t -e *.*"
    std::string report;
  } runs[] = {{"-t json", "r.json"}, {"-t csv", "r.csv"}, {"-t xml", "r.xml"},
              {"-t xml --encoding utf-8", "u.xml"}, {"-t html --encoding utf-8", "u.html"},
              {"--encoding utf-8", "u.txt"}};
  for (const auto& run : runs) {
    std::vector<std::string> arguments = {"-d", "t", "-e", "*.*", "-o", run.report};
    for (size_t start = 0; start < run.arguments.size();) {
      size_t end = std::min(run.arguments.find(' ', start), run.arguments.size());
      arguments.push_back(run.arguments.substr(start, end - start));
      start = end + 1;
    }
    programEnd end = runProgram(root, arguments);
    ASSERT_EQ(end.exitStatus, 0) << run.arguments << end.err;
  }

  // Hand-counted: the total is 17 + 6 * 12 = 89 bytes with 9 + 6 * 11 = 75
  // comment characters, 84.269663 %.
  const std::string fixmeFile = " 12 11 1 0 0 1 ";
  std::string exact = hex("t/a.cpp") + " 17 9 1 1 1 0 52.941176\n";
  std::string xmlNames = hex("t/a.cpp") + " 17 9 1 1 1 0 -\n";
  for (const std::string& name : names) {
    exact += hex("t/" + name) + fixmeFile + "91.666667\n";
    // XML has no way to keep the byte that is not UTF-8: it becomes U+FFFD.
    const std::string shown = name == "bad\xFF.c" ? "bad\uFFFD.c" : name;
    xmlNames += hex("t/" + shown) + fixmeFile + "-\n";
  }
  exact += hex("TOTAL") + " 89 75 7 1 1 6 84.269663\n";
  xmlNames += hex("TOTAL") + " 89 75 7 1 1 6 -\n";

  const std::string run = "quillstat 2 C++ classic {'input': 'directory', 'path': 't', "
                          "'recursive': False, 'masks': '*.*', 'countFirstComment': True}\n";
  EXPECT_EQ(output(root, "python3 kDump.py json r.json"), run + exact);
  EXPECT_EQ(output(root, "python3 kDump.py csv r.csv"), exact);
  EXPECT_EQ(output(root, "python3 kDump.py xml r.xml"), xmlNames);
  EXPECT_EQ(output(root, "python3 kDump.py xml u.xml"), xmlNames);
  EXPECT_EQ(output(root, "jq -r '.files[2].pathBytes, .total.commentChars' r.json"),
            hex("t/bad\xFF.c") + "\n75\n");
  // A file run has no total, and its "files" array still closes.
  EXPECT_EQ(output(root, "'" QUILLSTAT_EXECUTABLE
                         "' -f t/a.cpp -t json -o - | jq -c '[.files[].size, .total]'"),
            "[17,null]\n");
  // A report with the line figures is of format 3, a classic one (above) of 2.
  EXPECT_EQ(output(root, "'" QUILLSTAT_EXECUTABLE "' -x -f t/a.cpp -t json -o - | jq .formatVersion"),
            "3\n");
  EXPECT_EQ(output(root, "xmllint --noout r.xml u.xml && head -c 39 u.xml"),
            "<?xml version='1.0' encoding='UTF-8'?>\r");

  // The UTF-8 text and HTML reports keep the labels and spell the names.
  const std::string html = readFile(root / "u.html");
  EXPECT_EQ(html.substr(0, 50), "<html>\n<head><meta charset=\"utf-8\"></head>\n<body>\n");
  EXPECT_NE(html.find("<td>t/Привет.c</td> <td>11</td> <td>12</td>"), std::string::npos);
  EXPECT_NE(readFile(root / "u.txt").find("Имя файла: t/bad\uFFFD.c\r\n"), std::string::npos);
}

// Prints each row of a report made with -l auto and --by-dir as "kind path
// language lines blank comment code density" ("-" for none; a file's
// embedded code after it, without density), then the skipped files where
// the format has them. (XML is checked byte for byte
// in report_writer_test.cpp.)
const char kAutoDump[] = R"(
import csv, io, json, sys
fmt, path = sys.argv[1], sys.argv[2]
raw = open(path, 'rb').read().decode('utf-8')
lines = ['lines', 'blankLines', 'commentLines', 'codeLines', 'docComments', 'docCommentLines']
def show(kind, f, name, language, density):
    print(kind, name or '-', language or '-', *[f[k] for k in lines], density)
if fmt == 'json':
    d = json.loads(raw)
    for kind, rows in (('file', d['files']), ('total', [d['total']]), ('language', d['languages']),
                       ('directory', d['directories'])):
        for f in rows:
            shown = 'embeddedLanguage' if f.get('embedded') is True else kind
            show(shown, f, f.get('path'), f.get('language'), '%.6f' % f['commentLineDensity'])
            for e in f.get('embedded', []) if kind == 'file' else []:
                show('embedded', e, f['path'], e['language'], '-')
    print('skipped', d['skipped'])
else:
    for f in csv.DictReader(io.StringIO(raw, newline='')):
        density = '-' if f['kind'] == 'embedded' else f['commentLineDensity']
        show(f['kind'], f, f['path'], f['language'], density)
)";

TEST(MachineFormats, AutoRunsCarryLanguagesLinesAndDirectories) {
  const fs::path root = freshTestDirectory();
  writeFile(root / "kAutoDump.py", kAutoDump);
  writeFile(root / "t/a.cpp", "/// d\nint a; // todo x\n");  // a doc comment and a code line
  writeFile(root / "t/d/b.go", "// c\n\nx := 1\n");  // a comment, a blank and a code line
  writeFile(root / "t/NOTES", "read me\n");             // no language
  writeFile(root / "t/d/notes.xyz", "todo\n");         // no language by its name
  writeFile(root / "t/d/page.html", "<p>\n<script>\n// c\n</script>\n");  // JavaScript's comment line
  writeFile(root / "t/d/tool", std::string("\x7f" "ELF\0", 5));  // binary
  // Passed over: a dangling link and FIFOs that the run would have opened,
  // by the name of a language or for a "#!" line; not one of no language.
  fs::create_symlink("missing.cpp", root / "t/gone.cpp");
  for (const char* fifo : {"t/d/pipe.go", "t/d/run", "t/fifo.xyz"}) {
    ASSERT_EQ(mkfifo((root / fifo).c_str(), 0644), 0);
  }
  for (const char* format : {"json", "csv"}) {
    const programEnd end = runProgram(root, {"-d", "t", "-s", "-l", "auto", "--by-dir", "1",
                                             "-t", format, "-o", std::string("r.") + format});
    ASSERT_EQ(end.exitStatus, 0) << format << end.err;
  }
  const std::string rows =
      "file t/a.cpp C++ 2 0 1 1 1 1 50.000000\n"
      "file t/d/b.go Go 3 1 1 1 0 0 50.000000\n"
      "file t/d/page.html HTML 4 0 1 3 0 0 25.000000\n"
      "embedded t/d/page.html JavaScript 1 0 1 0 0 0 -\n"
      "total - - 9 1 3 5 1 1 37.500000\n"
      "language - C++ 2 0 1 1 1 1 50.000000\n"
      "language - Go 3 1 1 1 0 0 50.000000\n"
      "language - HTML 4 0 1 3 0 0 25.000000\n"
      "embeddedLanguage - JavaScript 1 0 1 0 0 0 100.000000\n"
      "directory t/d/ - 7 1 2 4 0 0 33.333333\n";
  EXPECT_EQ(output(root, "python3 kAutoDump.py json r.json"),
            rows + "skipped {'unknownLanguage': 2, 'binary': 1, 'danglingLink': 1, "
                   "'notRegularFile': 2}\n");
  EXPECT_EQ(output(root, "python3 kAutoDump.py csv r.csv"),
            rows + "danglingLink t/gone.cpp - 0 0 0 0 0 0 0.000000\n"
                   "notRegularFile t/d/pipe.go - 0 0 0 0 0 0 0.000000\n"
                   "notRegularFile t/d/run - 0 0 0 0 0 0 0.000000\n");
  // The doc comment columns come last: no earlier column moves.
  const std::string csv = readFile(root / "r.csv");
  EXPECT_EQ(csv.substr(0, csv.find("\r\n")),
            "kind,path,size,commentChars,comments,statementMarks,todo,fixme,commentPercent,"
            "pathBytes,lines,blankLines,commentLines,codeLines,commentLineDensity,language,"
            "docComments,docCommentLines");
}

}  // namespace
}  // namespace quillstat
