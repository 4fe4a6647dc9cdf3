// Openers watched from the event loop: a failure is told when the opener
// ends, the windows answer meanwhile, every ended opener is reaped, and one
// that runs on is a browser showing the page.
#include "QtOpenerWatcher.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <QTest>
#include <QTimer>
#include <filesystem>
#include <string>

#include "TempDir.h"
#include "WaitUntil.h"

namespace {

namespace fs = std::filesystem;

// An opener of the test's own: it writes its process id and runs until the
// test gives it the exit status to end with.
class TestOpener {
 public:
  explicit TestOpener(const TempDir& dir)
      : dir_(dir),
        script_(dir.Write("opener.sh",
                          "#!/bin/sh\n"
                          "echo $$ > \"$0.tmp\"; mv \"$0.tmp\" \"$0.pid\"\n"
                          "while [ ! -e \"$0.end\" ]; do sleep 0.02; done\n"
                          "exit $(cat \"$0.end\")\n")) {
    ::chmod(script_.c_str(), 0755);
  }
  std::string Command() const { return "\"" + script_ + "\" page.htm"; }
  pid_t Pid() const {
    static_cast<void>(WaitUntil([this] { return fs::exists(script_ + ".pid"); }, 10000));
    return static_cast<pid_t>(std::stol("0" + dir_.Read("opener.sh.pid")));
  }
  void End(int status) const {
    dir_.Write("opener.sh.tmp", std::to_string(status));
    fs::rename(script_ + ".tmp", script_ + ".end");
  }
  // An ended child that nobody reaped stays in the process table.
  bool Reaped() const { return !fs::exists("/proc/" + std::to_string(Pid())); }
  bool WaitReaped() const { return WaitUntil([this] { return Reaped(); }, 10000); }

 private:
  const TempDir& dir_;
  std::string script_;
};

class QtOpenerWatcherTest : public ::testing::Test {
 protected:
  TempDir dir;
  TestOpener opener{dir};
  int told = 0;
};

TEST_F(QtOpenerWatcherTest, AFailureIsToldWhenTheOpenerEndsAndTheWindowsAnswerMeanwhile) {
  bool reapedWhenTold = false;
  ASSERT_TRUE(StartOpener(opener.Command(), [&] {
    ++told;
    reapedWhenTold = opener.Reaped();
  }));
  EXPECT_EQ(told, 0);
  // The opener ends only once a timer of the event loop has fired.
  bool fired = false;
  QTimer::singleShot(50, [&] {
    fired = told == 0;
    opener.End(3);
  });
  EXPECT_TRUE(WaitUntil([&] { return told > 0; }, 10000));
  EXPECT_TRUE(fired);
  EXPECT_EQ(told, 1);
  EXPECT_TRUE(reapedWhenTold);
}

TEST_F(QtOpenerWatcherTest, AnEndBySignalIsAFailure) {
  ASSERT_TRUE(StartOpener("sh -c \"kill -9 $$\"", [&] { ++told; }));
  EXPECT_TRUE(WaitUntil([&] { return told == 1; }, 10000));
}

TEST_F(QtOpenerWatcherTest, AnOpenerThatEndsWellSaysNothingAndIsReaped) {
  ASSERT_TRUE(StartOpener(opener.Command(), [&] { ++told; }));
  opener.End(0);
  EXPECT_TRUE(opener.WaitReaped());
  QTest::qWait(50);
  EXPECT_EQ(told, 0);
}

// A browser that runs on shows the page; whenever it ends, it is reaped.
TEST_F(QtOpenerWatcherTest, ABrowserThatRunsOnSaysNothingAndIsReapedWhenItEnds) {
  ASSERT_TRUE(StartOpener(opener.Command(), [&] { ++told; }));
  const pid_t pid = opener.Pid();
  QTest::qWait(200);
  EXPECT_EQ(::kill(pid, 0), 0);
  EXPECT_FALSE(opener.Reaped());
  EXPECT_EQ(told, 0);
  opener.End(0);
  EXPECT_TRUE(opener.WaitReaped());
  EXPECT_EQ(told, 0);
}

// No opener is stopped when the watch ends (the program quits): it runs on.
TEST_F(QtOpenerWatcherTest, AWatcherThatGoesLeavesItsOpenersRunning) {
  pid_t pid = 0;
  {
    QtOpenerWatcher watcher;
    OpenerWatcher* previous = SetOpenerWatcher(&watcher);
    const bool started = StartOpener(opener.Command(), [&] { ++told; });
    SetOpenerWatcher(previous);
    ASSERT_TRUE(started);
    EXPECT_EQ(watcher.Count(), 1u);
    pid = opener.Pid();
  }
  QTest::qWait(50);
  EXPECT_EQ(::kill(pid, 0), 0);
  opener.End(3);
  int status = 0;
  EXPECT_EQ(::waitpid(pid, &status, 0), pid);  // nobody else reaped it
  EXPECT_EQ(WEXITSTATUS(status), 3);
  QTest::qWait(50);
  EXPECT_EQ(told, 0);
}

}  // namespace
