// The progress line shows only on a terminal that someone watches.
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "test_files.h"

namespace quillstat {
namespace {

namespace fs = std::filesystem;

// A shell loop that waits until the terminal has shown " 1 of 1 files"
// twice: a line drawn a second after its run started, and drawn again.
const char kUntilDrawnTwice[] =
    "for i in $(seq 600); do\n"
    "  [ $(grep -o ' 1 of 1 files' typescript | wc -l) -ge 2 ] && break; sleep 0.05\n"
    "done\n";

// Three runs in one terminal, each reading its list from a FIFO that is
// held open until the one run with stderr on the terminal has drawn its
// line twice, so that all three last over a second: one with stderr in a
// file, one with -q, each of which must draw nothing. Their lists differ so
// that a stray line would show whose it is.
TEST(ProgressLine, ShowsOnlyOnATerminalAndUnlessQuiet) {
  const fs::path root = freshTestDirectory();
  writeFile(root / "a.cpp", "int a; // x\n");
  writeFile(root / "run.sh",
            "set -e\nQ='" QUILLSTAT_EXECUTABLE "'\n"
            "mkfifo l1 l2 l3\n"
            "exec 3<>l1 4<>l2 5<>l3\n"
            "$Q --files-from - -o r1.txt < l1 2> err1 3>&- 4>&- 5>&- & p1=$!\n"
            "$Q -q --files-from - -o r2.txt < l2 3>&- 4>&- 5>&- & p2=$!\n"
            "$Q --files-from - -o r3.txt < l3 3>&- 4>&- 5>&- & p3=$!\n"
            "printf 'a.cpp\\na.cpp\\n' >&3; printf 'a.cpp\\na.cpp\\na.cpp\\n' >&4; echo a.cpp >&5\n"
            + std::string(kUntilDrawnTwice) +
            "exec 3>&- 4>&- 5>&-\n"
            "wait $p1; wait $p2; wait $p3\n");
  const std::string command =
      "cd '" + root.string() + "' && script -qfec 'bash run.sh' typescript < /dev/null > /dev/null";
  const int status = std::system(command.c_str());
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;

  const std::string screen = readFile(root / "typescript");
  const size_t last = screen.rfind("\rquillstat: 1 of 1 files, 0.0 MB, ");
  ASSERT_NE(last, std::string::npos) << screen;
  EXPECT_EQ(screen.find(" of 2 files"), std::string::npos) << screen;
  EXPECT_EQ(screen.find(" of 3 files"), std::string::npos) << screen;
  EXPECT_EQ(readFile(root / "err1"), "");
  // At the end the line is blanked out and the cursor is back at its start.
  const size_t lineEnd = screen.find('\r', last + 1);
  std::string blank(lineEnd - last + 1, ' ');
  blank.front() = blank.back() = '\r';
  EXPECT_EQ(screen.substr(lineEnd, blank.size()), blank) << screen;
}

// In a terminal 35 columns wide the line keeps to 34, so that it never
// wraps, and an interrupt blanks it. A run whose list is typed at the
// terminal draws nothing over what the user types. The terminal's input is
// a FIFO that this test holds open, so that it never ends.
TEST(ProgressLine, FitsTheTerminalAndIsErasedOnInterrupt) {
  const fs::path root = freshTestDirectory();
  writeFile(root / "a.cpp", "int a; // x\n");
  writeFile(root / "run.sh",
            "set -e\nQ='" QUILLSTAT_EXECUTABLE "'\n"
            "stty cols 35\n"
            "mkfifo list\n"
            "exec 3<>list\n"
            "$Q --files-from /dev/tty -o typed.txt 3>&- & typed=$!\n"
            "$Q --files-from - -o r.txt < list 3>&- & p=$!\n"
            "echo a.cpp >&3\n"
            + std::string(kUntilDrawnTwice) +
            "kill -TERM $p $typed; wait $p || echo \"ended $?\"\n");
  ASSERT_EQ(mkfifo((root / "keys").c_str(), 0600), 0);
  const int keys = open((root / "keys").c_str(), O_RDWR | O_CLOEXEC);
  const std::string command = "cd '" + root.string() +
                              "' && script -qfec 'bash run.sh' typescript < keys > /dev/null";
  const int status = std::system(command.c_str());
  close(keys);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;

  const std::string screen = readFile(root / "typescript");
  const std::string cut = "\rquillstat: 1 of 1 files, 0.0 MB, 1\r";  // 34 columns
  const std::string blank = "\r" + std::string(34, ' ') + "\r";
  EXPECT_NE(screen.find(cut), std::string::npos) << screen;
  EXPECT_NE(screen.find(blank + "ended 143"), std::string::npos) << screen;
  EXPECT_EQ(screen.find(" of 0 files"), std::string::npos) << screen;
}

}  // namespace
}  // namespace quillstat
