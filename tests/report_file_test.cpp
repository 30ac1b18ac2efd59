#include "report/report_file.h"

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <set>
#include <thread>

#include <fcntl.h>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "child_process.h"
#include "test_files.h"

namespace quillstat {
namespace {

namespace fs = std::filesystem;

class ReportFile : public testing::Test {
 protected:
  void SetUp() override { dir_ = freshTestDirectory(); }

  std::string path(const std::string& name) const { return (dir_ / name).string(); }
  void put(const std::string& name, const std::string& content) { writeFile(dir_ / name, content); }
  std::string read(const std::string& name) const { return readFile(dir_ / name); }
  std::set<std::string> names() const { return namesIn(dir_); }

  // Opens, writes and commits; returns no error or the first one.
  static ioError writeWhole(const std::string& target, const std::string& content) {
    reportFile file;
    ioError error;
    if (file.open(target, &error) && file.write(content.data(), content.size(), &error)) {
      file.commit(&error);
    }
    return error;
  }

  fs::path dir_;
};

TEST_F(ReportFile, ReplacesAnExistingReportKeepingItsPermissions) {
  EXPECT_EQ(writeWhole(path("new.txt"), "first"), ioError{});
  EXPECT_EQ(read("new.txt"), "first");
  mode_t mask = umask(0);
  umask(mask);
  EXPECT_EQ(fs::status(dir_ / "new.txt").permissions(), fs::perms(0666 & ~mask));

  fs::permissions(writeFile(dir_ / "old.txt", std::string(100000, 'x')), fs::perms(0640));
  // Only root may give a file away; the owner and group then stay too.
  const passwd* nobody = geteuid() == 0 ? getpwnam("nobody") : nullptr;
  if (nobody != nullptr) {
    ASSERT_EQ(chown(path("old.txt").c_str(), nobody->pw_uid, nobody->pw_gid), 0);
  }
  EXPECT_EQ(writeWhole(path("old.txt"), "second"), ioError{});
  EXPECT_EQ(read("old.txt"), "second");
  EXPECT_EQ(fs::status(dir_ / "old.txt").permissions(), fs::perms(0640));
  struct stat info;
  ASSERT_EQ(stat(path("old.txt").c_str(), &info), 0);
  if (nobody != nullptr) {
    EXPECT_EQ(info.st_uid, nobody->pw_uid);
    EXPECT_EQ(info.st_gid, nobody->pw_gid);
  }

  // A report with another name is rewritten where it is, so both names
  // show the new report; it is cut only when the writing starts.
  fs::create_hard_link(dir_ / "old.txt", dir_ / "other-name.txt");
  {
    reportFile opened;
    ioError error;
    ASSERT_TRUE(opened.open(path("old.txt"), &error));
    EXPECT_EQ(read("other-name.txt"), "second");
  }
  EXPECT_EQ(read("other-name.txt"), "second");
  EXPECT_EQ(writeWhole(path("old.txt"), "third"), ioError{});
  EXPECT_EQ(read("other-name.txt"), "third");
  EXPECT_EQ(names(), (std::set<std::string>{"new.txt", "old.txt", "other-name.txt"}));
}

TEST_F(ReportFile, UnfinishedReportLeavesTheOldOneAndNoTemporaryFile) {
  put("r.txt", "old report");
  ioError error;
  {
    reportFile abandoned;
    ASSERT_TRUE(abandoned.open(path("r.txt"), &error));
    ASSERT_TRUE(abandoned.write("new", 3, &error));
    EXPECT_EQ(names().size(), 2u);  // the report and the temporary file
  }
  EXPECT_EQ(read("r.txt"), "old report");
  EXPECT_EQ(names(), std::set<std::string>{"r.txt"});

  // What an interrupt does: the temporary files go, of a report and a
  // todo list open at once, and the old report stays.
  reportFile interrupted;
  reportFile list;
  ASSERT_TRUE(interrupted.open(path("r.txt"), &error));
  ASSERT_TRUE(list.open(path("list.txt"), &error));
  EXPECT_EQ(names().size(), 3u);
  removeUnfinishedReport();
  EXPECT_EQ(names(), std::set<std::string>{"r.txt"});
  EXPECT_FALSE(interrupted.commit(&error));
  EXPECT_EQ(read("r.txt"), "old report");
}

TEST_F(ReportFile, WriteErrorLeavesTheOldReportAndNoTemporaryFile) {
  put("r.txt", "old report");
  // A file size limit makes the writes fail after 100 KB; it is set in a
  // child process so that no other test runs under it.
  int status = inChildProcess(false, [&] {
    std::signal(SIGXFSZ, SIG_IGN);  // the write then fails with EFBIG instead
    rlimit limit;
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = 100000;
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0) return 2;
    return writeWhole(path("r.txt"), std::string(300000, 'n')) == systemError(EFBIG) ? 0 : 1;
  });
  EXPECT_EQ(status, 0) << "expected EFBIG";
  EXPECT_EQ(read("r.txt"), "old report");
  EXPECT_EQ(names(), std::set<std::string>{"r.txt"});
}

TEST_F(ReportFile, DevicesAndFifosAreWrittenInPlace) {
  EXPECT_EQ(writeWhole("/dev/full", "x"), systemError(ENOSPC));
  EXPECT_EQ(writeWhole("/dev/null", "x"), ioError{});
  EXPECT_TRUE(fs::is_character_file("/dev/full") && fs::is_character_file("/dev/null"));

  ASSERT_EQ(mkfifo(path("pipe").c_str(), 0600), 0);
  // Opening the report does not open the FIFO, which would wait for a
  // reader: a reader that comes first sees no writer yet (end of file, not
  // EAGAIN), until the first write.
  {
    const int early = open(path("pipe").c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(early, 0);
    reportFile file;
    ioError error;
    ASSERT_TRUE(file.open(path("pipe"), &error));
    char byte;
    EXPECT_EQ(::read(early, &byte, 1), 0);
    EXPECT_TRUE(file.write("x", 1, &error) && file.commit(&error));
    EXPECT_EQ(::read(early, &byte, 1), 1);
    close(early);
  }
  std::string received;
  std::thread reader([&] { received = read("pipe"); });
  EXPECT_EQ(writeWhole(path("pipe"), "through the pipe"), ioError{});
  reader.join();
  EXPECT_EQ(received, "through the pipe");
  EXPECT_TRUE(fs::is_fifo(dir_ / "pipe"));
  EXPECT_EQ(names(), std::set<std::string>{"pipe"});
}

TEST_F(ReportFile, LinksAreFollowedAndKept) {
  put("real.txt", "old");
  fs::create_directories(dir_ / "sub");
  fs::create_symlink("real.txt", dir_ / "link.txt");
  fs::create_symlink("../link.txt", dir_ / "sub/chain.txt");  // relative to its own directory
  fs::create_symlink("made.txt", dir_ / "dangling.txt");
  fs::create_symlink("loop2.txt", dir_ / "loop1.txt");
  fs::create_symlink("loop1.txt", dir_ / "loop2.txt");

  EXPECT_EQ(writeWhole(path("sub/chain.txt"), "through two links"), ioError{});
  EXPECT_EQ(read("real.txt"), "through two links");
  EXPECT_EQ(writeWhole(path("dangling.txt"), "created"), ioError{});
  EXPECT_EQ(read("made.txt"), "created");
  EXPECT_EQ(writeWhole(path("loop1.txt"), "x"), systemError(ELOOP));

  for (const char* link : {"link.txt", "sub/chain.txt", "dangling.txt", "loop1.txt"}) {
    EXPECT_TRUE(fs::is_symlink(dir_ / link)) << link;
  }
  EXPECT_EQ(names(), (std::set<std::string>{"dangling.txt", "link.txt", "loop1.txt", "loop2.txt",
                                            "made.txt", "real.txt", "sub"}));
}

TEST_F(ReportFile, WhatTheUserMayNotWriteIsRefused) {
  fs::permissions(writeFile(dir_ / "kept.txt", "old"), fs::perms(0666));  // anyone may write it
  fs::permissions(writeFile(dir_ / "protected.txt", "old"), fs::perms(0444));
  fs::permissions(dir_, fs::perms(0777));
  // A write-protected report is refused, though its directory takes files.
  int status = inChildProcess(true, [&] {
    return writeWhole(path("protected.txt"), "x") == systemError(EACCES) ? 0 : 1;
  });
  EXPECT_EQ(status, 0);
  EXPECT_EQ(read("protected.txt"), "old");

  fs::permissions(dir_, fs::perms(0555));
  status = inChildProcess(true, [&] {
    if (writeWhole(path("new.txt"), "x") != systemError(EACCES)) return 1;
    // An existing report its user may write is still rewritten, in place.
    return writeWhole(path("kept.txt"), "rewritten") == ioError{} ? 0 : 2;
  });
  fs::permissions(dir_, fs::perms(0755));
  EXPECT_EQ(status, 0);
  EXPECT_EQ(read("kept.txt"), "rewritten");
  EXPECT_EQ(names(), (std::set<std::string>{"kept.txt", "protected.txt"}));
}

}  // namespace
}  // namespace quillstat
