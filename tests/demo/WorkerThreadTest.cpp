// The worker thread: its statistics on fixed tosses, its start, stop and
// result box, its release, and the window's end while it runs. These tests
// also run under ThreadSanitizer.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QThread>
#include <QTimer>
#include <deque>
#include <regex>

#include "DemoFixture.h"
#include "EventWait.h"
#include "ExampleThread.h"
#include "Lumbrick.h"
#include "RadioGroup.h"

namespace {

using ::testing::MatchesRegex;

class WorkerThreadTest : public DemoTest {
 protected:
  WorkerThreadTest() {
    WriteIniWithBrowser();
    Open();
  }
  TfmMain& fm() { return *window; }

  std::vector<std::string> Results() const {
    std::vector<std::string> texts;
    for (const DialogRequest& r : Shown(DialogRequest::Kind::ShowMessage)) texts.push_back(r.text);
    return texts;
  }

  // Runs a thread on fixed tosses, asked to stop right after the last one;
  // returns the summary its end-of-run notification saw.
  std::string Summary(std::deque<int> tosses) {
    std::string result;
    bool notified = false;
    auto* thread = new TExampleThread([tosses](TExampleThread& self) mutable {
      const int toss = tosses.front();
      tosses.pop_front();
      if (tosses.empty()) self.Terminate();
      return toss;
    });
    QPointer<TExampleThread> alive(thread);
    thread->OnTerminate = [&](QObject* Sender) {
      result = static_cast<TExampleThread*>(Sender)->FResult;
      notified = true;
    };
    EXPECT_TRUE(WaitUntil([&] { return notified; }));
    // Released by itself once its end-of-run sequence is over.
    EXPECT_TRUE(WaitUntil([&] { return alive.isNull(); }));
    return result;
  }
};

TEST_F(WorkerThreadTest, CountsTheLongestRunsThatHaveEnded) {
  // The last run of three heads is still in progress when the thread stops.
  EXPECT_EQ(Summary({1, 1, 0, 1, 1, 1}), "6 Draws\n\r\n\rLongest Heads Serie=2\n\rLongest Tails Serie=1");
  EXPECT_EQ(Summary({1}), "1 Draws\n\r\n\rLongest Heads Serie=0\n\rLongest Tails Serie=0");
  // A tie keeps the earlier maximum; only a longer run replaces it.
  EXPECT_EQ(Summary({0, 0, 0, 1, 0, 0, 0, 1, 1, 0}), "10 Draws\n\r\n\rLongest Heads Serie=2\n\rLongest Tails Serie=3");
}

TEST_F(WorkerThreadTest, TheSummaryFollowsTheLanguageWhenTheThreadStops) {
  IsEnglish = false;
  EXPECT_EQ(Summary({1, 1, 0, 1, 1, 1}),
            "6 tirages\n\r\n\rPlus longue s\xE9rie de piles=2\n\rPlus longue s\xE9rie de faces=1");
}

const char* const kEnglishSummary = "[0-9]+ Draws\n\r\n\rLongest Heads Serie=[0-9]+\n\rLongest Tails Serie=[0-9]+";

TEST_F(WorkerThreadTest, StartStopAndResultBox) {
  fm().btThread->click();
  EXPECT_EQ(fm().btThread->text(), "Stop Thread");
  EXPECT_TRUE(fm().CloseProcesses(false));
  QThread::msleep(20);
  fm().btThread->click();
  EXPECT_EQ(fm().btThread->text(), "Start Thread");
  EXPECT_FALSE(fm().CloseProcesses(false));
  ASSERT_TRUE(WaitUntil([&] { return !Results().empty(); }));
  ASSERT_EQ(Results().size(), 1u);
  EXPECT_THAT(Results()[0], MatchesRegex(kEnglishSummary));
  EXPECT_GT(std::stoll(Results()[0]), 0);
  EXPECT_EQ(dialogs.Last().kind, DialogRequest::Kind::ShowMessage);
}

TEST_F(WorkerThreadTest, SwitchingTheLanguageWhileItRunsChangesItsSummary) {
  fm().btThread->click();
  fm().rgLanguage->Item(1)->click();
  fm().btThread->click();
  ASSERT_TRUE(WaitUntil([&] { return !Results().empty(); }));
  // Byte-wise: the summary is Windows-1252.
  EXPECT_TRUE(std::regex_match(Results()[0], std::regex("[0-9]+ tirages\n\r\n\rPlus longue s\xE9rie de piles=[0-9]+"
                                                        "\n\rPlus longue s\xE9rie de faces=[0-9]+")))
      << Results()[0];
}

TEST_F(WorkerThreadTest, EachEndedThreadReportsItsOwnResult) {
  fm().btThread->click();
  fm().btThread->click();
  fm().btThread->click();  // a second thread, before the first has reported
  EXPECT_EQ(fm().btThread->text(), "Stop Thread");
  fm().btThread->click();
  ASSERT_TRUE(WaitUntil([&] { return Results().size() == 2; }));
  for (const std::string& result : Results()) EXPECT_THAT(result, MatchesRegex(kEnglishSummary));
}

TEST_F(WorkerThreadTest, StopProcessesStopsTheThread) {
  fm().btThread->click();
  EXPECT_TRUE(fm().CloseProcesses(true));
  EXPECT_EQ(fm().btThread->text(), "Start Thread");
  ASSERT_TRUE(WaitUntil([&] { return Results().size() == 1; }));
}

TEST_F(WorkerThreadTest, ClosingTheWindowWhileTheThreadRunsNeitherHangsNorCrashes) {
  fm().btThread->click();
  QThread::msleep(5);
  EXPECT_TRUE(fm().close());
  EXPECT_EQ(fm().btThread->text(), "Start Thread");
  // The window goes at once, then the library: the thread touches neither.
  Close();
  EXPECT_TRUE(Results().empty());
  QCoreApplication::processEvents();
}

// As the program ends: the window closes, the event loop ends with the last
// window, then the window is freed, then the library.
TEST_F(WorkerThreadTest, ClosingTheProgramWhileTheThreadRunsEndsCleanly) {
  QGuiApplication::setQuitOnLastWindowClosed(true);
  fm().btThread->click();
  QTimer::singleShot(20, [&] { fm().close(); });
  QTimer::singleShot(10000, [] { QCoreApplication::quit(); });  // a hang fails below, not forever
  QElapsedTimer elapsed;
  elapsed.start();
  QCoreApplication::exec();
  QGuiApplication::setQuitOnLastWindowClosed(false);
  EXPECT_LT(elapsed.elapsed(), 5000);
  Close();
  EXPECT_LE(Results().size(), 1u);
}

TEST_F(WorkerThreadTest, FreeingTheWindowWhileTheThreadRunsStopsIt) {
  fm().btThread->click();
  fm().btThread->click();
  fm().btThread->click();
  Close();
  QCoreApplication::processEvents();
  EXPECT_TRUE(Results().empty());
}

}  // namespace
