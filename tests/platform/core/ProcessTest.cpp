#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "Process.h"
#include "SysUtils.h"
#include "TempDir.h"

namespace {

using Words = std::vector<std::string>;

TEST(SplitCommandLineTest, BlanksSeparateAndQuotesGroup) {
  EXPECT_EQ(SplitCommandLine("prog a  b\tc"), (Words{"prog", "a", "b", "c"}));
  EXPECT_EQ(SplitCommandLine("  "), Words{});
  EXPECT_EQ(SplitCommandLine("\"/opt/My Browser/run\" \"a file.htm\""),
            (Words{"/opt/My Browser/run", "a file.htm"}));
  EXPECT_EQ(SplitCommandLine("x \"\" y"), (Words{"x", "", "y"}));
  EXPECT_EQ(SplitCommandLine("say \"he said \"\"hi\"\"\""), (Words{"say", "he said \"hi\""}));
  EXPECT_EQ(SplitCommandLine("ab\"c d\"e f"), (Words{"abc de", "f"}));
  EXPECT_EQ(SplitCommandLine("open \"unterminated arg"), (Words{"open", "unterminated arg"}));
}

class StartProcessTest : public ::testing::Test {
 protected:
  TempDir dir;

  // A script of the test's own that writes its arguments, one a line.
  std::string Script() {
    const std::string path = dir.Write("echo args.sh",
                                       "#!/bin/sh\n"
                                       "out=\"$1\"; shift\n"
                                       "for a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"$out.tmp\"\n"
                                       "mv \"$out.tmp\" \"$out\"\n");
    ::chmod(path.c_str(), 0755);
    return path;
  }

  std::string WaitForFile(const std::string& name) {
    for (int i = 0; i < 500 && dir.Read(name).empty(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return dir.Read(name);
  }
};

TEST_F(StartProcessTest, StartsTheProgramWithItsArguments) {
  const std::uint32_t pid =
      StartProcess("\"" + Script() + "\" \"" + dir.File("out.txt") + "\" one \"two words\" \"say \"\"hi\"\"\"");
  EXPECT_GT(pid, 0u);
  EXPECT_EQ(WaitForFile("out.txt"), "one\ntwo words\nsay \"hi\"\n");
}

TEST_F(StartProcessTest, SearchesThePath) {
  const std::uint32_t pid = StartProcess("sh -c \"echo found > '" + dir.File("path.txt") + "'\"");
  EXPECT_GT(pid, 0u);
  EXPECT_EQ(WaitForFile("path.txt"), "found\n");
}

TEST_F(StartProcessTest, MissingProgramGivesZero) {
  EXPECT_EQ(StartProcess("no-such-program-anywhere-4711 arg"), 0u);
  EXPECT_EQ(StartProcess(dir.File("missing")), 0u);
  EXPECT_EQ(StartProcess(""), 0u);
  EXPECT_EQ(StartProcess(dir.Path()), 0u);  // a folder is not a program
}

// A watcher of the test's own: it takes every started opener, and the test
// reaps it.
class RecordingWatcher final : public OpenerWatcher {
 public:
  RecordingWatcher() : previous_(SetOpenerWatcher(this)) {}
  ~RecordingWatcher() override { SetOpenerWatcher(previous_); }
  void Watch(pid_t pid, std::function<void()> onFailure) override {
    pids.push_back(pid);
    failures.push_back(std::move(onFailure));
  }
  // The wait status of the last opener, once it ended; -1 when none came.
  int Status() const {
    int status = -1;
    if (!pids.empty()) ::waitpid(pids.back(), &status, 0);
    return status;
  }
  std::vector<pid_t> pids;
  std::vector<std::function<void()>> failures;

 private:
  OpenerWatcher* previous_;
};

// An opener is started and handed to the watcher, never waited for; only an
// exit status of 0 is no failure.
TEST_F(StartProcessTest, AnOpenerIsHandedToTheWatcherWithItsFailure) {
  RecordingWatcher watcher;
  int told = 0;
  EXPECT_TRUE(StartOpener("true", [&told] { ++told; }));
  ASSERT_EQ(watcher.pids.size(), 1u);
  EXPECT_FALSE(OpenerFailed(watcher.Status()));
  EXPECT_TRUE(StartOpener("sh -c \"exit 3\"", {}));
  EXPECT_TRUE(OpenerFailed(watcher.Status()));
  EXPECT_TRUE(StartOpener("sh -c \"kill -9 $$\"", {}));
  EXPECT_TRUE(OpenerFailed(watcher.Status()));
  ASSERT_EQ(watcher.failures.size(), 3u);
  watcher.failures[0]();
  EXPECT_EQ(told, 1);
  // One that cannot be started is no opener to watch.
  EXPECT_FALSE(StartOpener("no-such-program-anywhere-4711 page.htm", [&told] { ++told; }));
  EXPECT_EQ(watcher.pids.size(), 3u);
  EXPECT_EQ(told, 1);
}

// Without a watcher (windowless code) an ended opener is still reaped.
TEST_F(StartProcessTest, AnOpenerWithoutWatcherIsReaped) {
  const std::string script = dir.Write("opener.sh", "#!/bin/sh\necho $$ > \"$1\"\nexit 3\n");
  ::chmod(script.c_str(), 0755);
  ASSERT_TRUE(StartOpener("\"" + script + "\" \"" + dir.File("pid") + "\"", [] { FAIL(); }));
  const std::string entry = "/proc/" + Trim(WaitForFile("pid"));
  for (int i = 0; i < 500 && std::filesystem::exists(entry); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  EXPECT_FALSE(std::filesystem::exists(entry));
}

TEST_F(StartProcessTest, EndedChildrenAreReaped) {
  const std::uint32_t pid = StartProcess("true");
  ASSERT_GT(pid, 0u);
  // An ended child that nobody reaps stays in the process table as a zombie.
  const std::string entry = "/proc/" + std::to_string(pid);
  for (int i = 0; i < 500 && std::filesystem::exists(entry); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  EXPECT_FALSE(std::filesystem::exists(entry));
}

}  // namespace

namespace {

// A browser or a report picked with "é" (Windows-1252 E9 in the programs)
// is started and handed over as the system names them (UTF-8).
TEST_F(StartProcessTest, NamesWithAccentsAreHandedOverAsTheSystemNamesThem) {
  const std::string script = Script();
  const std::string folder = dir.Path() + "Pr\xC3\xA9" "f\xC3\xA9r\xC3\xA9s/";
  std::filesystem::create_directory(folder);
  std::filesystem::rename(script, folder + "n\xC3\xA0vigateur.sh");
  const std::uint32_t pid = StartProcess("\"" + dir.Path() + "Pr\xE9" "f\xE9r\xE9s/n\xE0vigateur.sh\" \"" +
                                         dir.File("out.txt") + "\" \"BugReport caf\xE9.htm\"");
  EXPECT_GT(pid, 0u);
  EXPECT_EQ(WaitForFile("out.txt"), "BugReport caf\xC3\xA9.htm\n");
}

}  // namespace
