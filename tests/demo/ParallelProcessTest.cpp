// The parallel-process page: the timer and its bug, driven tick by tick; the
// message-pumping counter and its bug; the bug button; stopping everything.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "Colors.h"
#include "DateTime.h"
#include "DemoFixture.h"
#include "EventWait.h"
#include "Lumbrick.h"
#include "QtText.h"
#include "Random.h"
#include "Timer.h"

namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::MatchesRegex;

class ParallelProcessTest : public DemoTest {
 protected:
  ParallelProcessTest() {
    WriteIniWithBrowser();
    Open();
  }
  TfmMain& fm() { return *window; }
};

// The seed whose next draw leaves the generator at `state`.
std::uint32_t SeedBefore(std::uint32_t state) {
  std::uint32_t inverse = 0x08088405u;  // Newton's iteration for the inverse modulo 2^32
  for (int i = 0; i < 5; ++i) inverse *= 2u - 0x08088405u * inverse;
  return (state - 1u) * inverse;
}

// A seed whose draws of Random(range) give `value` at the n-th draw.
std::uint32_t SeedDrawing(int value, int range, int n) {
  std::uint32_t state = static_cast<std::uint32_t>(((static_cast<std::uint64_t>(value) << 32) + range - 1) / range);
  for (int i = 0; i < n; ++i) state = SeedBefore(state);
  return state;
}

TEST(RandomSeedTest, TheComputedSeedGivesTheWantedDraw) {
  TRandom random(SeedDrawing(314, 10000, 3));
  const int first = random.Random(10000);
  const int second = random.Random(10000);
  EXPECT_NE(first, 314);
  EXPECT_NE(second, 314);
  EXPECT_EQ(random.Random(10000), 314);
}

TEST_F(ParallelProcessTest, ThePlainTimerShowsTheTimeAtEveryTick) {
  fm().btTimer->click();
  EXPECT_TRUE(fm().Timer1->Enabled());
  EXPECT_EQ(fm().Timer1->Interval(), 1000);
  EXPECT_EQ(fm().btTimer->text(), "Stop Timer");
  EXPECT_EQ(FontColor(fm().lb3Timer), clNavy);
  host.SetNow(EncodeDate(2006, 6, 15) + EncodeTime(14, 31, 2, 0));
  for (int tick = 0; tick < 8; ++tick) fm().Timer1->Tick();
  EXPECT_EQ(fm().lb3Timer->text(), "2:31:02 PM");
  EXPECT_TRUE(dialogs.Shown().empty());
  EXPECT_TRUE(fm().CloseProcesses(false));
  fm().btTimer->click();
  EXPECT_FALSE(fm().Timer1->Enabled());
  EXPECT_EQ(fm().btTimer->text(), "Start Timer");
  EXPECT_EQ(FontColor(fm().lb3Timer), clTeal);
  EXPECT_FALSE(fm().CloseProcesses(false));
}

TEST_F(ParallelProcessTest, TheTimerWithBugFailsOnItsFifthTickAfterStopping) {
  fm().cbBuggyTimer->setChecked(true);
  fm().btTimer->click();
  EXPECT_EQ(fm().Timer1->Tag, 1);
  for (int tick = 1; tick <= 4; ++tick) fm().Timer1->Tick();
  EXPECT_TRUE(dialogs.Shown().empty());
  fm().Timer1->Tick();
  ASSERT_EQ(dialogs.Shown().size(), 1u);
  EXPECT_EQ(dialogs.Last().text, "List index out of bounds (2)\n\r\n\rView more informations ?");
  EXPECT_THAT(StackSection(), ElementsAre("- Procedure TfmMain.Timer1Timer", " - Function CreateStringListError",
                                          "  *** EStringListError : List index out of bounds (2)"));
  // Stopped before the failure: the report's own block says so.
  EXPECT_THAT(Report().technicalText, HasSubstr("\rTimer1=Off\rCounter=Off\r"));
  EXPECT_FALSE(fm().Timer1->Enabled());
  EXPECT_EQ(fm().btTimer->text(), "Start Timer");
  EXPECT_EQ(fm().Timer1->Tag, 6);
  fm().Timer1->Tick();  // no tick follows
  EXPECT_EQ(dialogs.Shown().size(), 1u);
  // A new start counts again from 1.
  fm().btTimer->click();
  EXPECT_EQ(fm().Timer1->Tag, 1);
}

TEST_F(ParallelProcessTest, TheCustomBlockTellsTheTimerIsRunning) {
  fm().btTimer->click();
  RunGuarded(nullptr, [] { throw EConvertError("Boom"); });
  EXPECT_THAT(Report().technicalText,
              HasSubstr("\rTimer1=On\rCounter=Off\r=== End Of Dromlet Custom Informations ===\r"));
}

TEST_F(ParallelProcessTest, ASecondClickEndsTheCounter) {
  int seenWhileRunning = -1;
  QTimer::singleShot(30, [&] {
    seenWhileRunning = fm().lb3Counter->text().toInt();
    EXPECT_EQ(fm().btCounter->text(), "Stop Counter");
    EXPECT_EQ(FontColor(fm().lb3Counter), clNavy);
    EXPECT_TRUE(fm().CloseProcesses(false));
    fm().btCounter->click();
  });
  fm().btCounter->click();  // returns when the loop ends
  EXPECT_GT(seenWhileRunning, 0);
  EXPECT_GE(fm().lb3Counter->text().toInt(), seenWhileRunning);
  EXPECT_EQ(fm().btCounter->text(), "Start Counter");
  EXPECT_EQ(FontColor(fm().lb3Counter), clTeal);
  EXPECT_FALSE(fm().CloseProcesses(false));
  EXPECT_TRUE(dialogs.Shown().empty());
}

TEST_F(ParallelProcessTest, AFailureOfTheBuggyCounterLeavesItRunning) {
  fm().cbBuggyCounter->setChecked(true);
  RandomGenerator.Seed = SeedDrawing(314, 10000, 3);
  fm().btCounter->click();
  EXPECT_EQ(fm().lb3Counter->text(), "2");  // failed on its third pass
  ASSERT_EQ(dialogs.Shown().size(), 1u);
  EXPECT_EQ(dialogs.Last().text, "'ZERO' is not a valid integer value.\n\r\n\rView more informations ?");
  EXPECT_THAT(StackSection(), ElementsAre("- Procedure TfmMain.btCounterClick",
                                          " - Procedure TfmMain.ShowBuggyCounter",
                                          "  - Function CreateConvertError",
                                          "   *** EConvertError : 'ZERO' is not a valid integer value"));
  EXPECT_THAT(Report().technicalText, HasSubstr("\rTimer1=Off\rCounter=On\r"));
  // Counted as running until the next click, which only stops it.
  EXPECT_EQ(fm().btCounter->text(), "Stop Counter");
  EXPECT_EQ(FontColor(fm().lb3Counter), clNavy);
  EXPECT_TRUE(fm().CloseProcesses(false));
  fm().btCounter->click();
  EXPECT_EQ(fm().btCounter->text(), "Start Counter");
  EXPECT_FALSE(fm().CloseProcesses(false));
  EXPECT_EQ(dialogs.Shown().size(), 1u);
  // A further click starts it again.
  fm().cbBuggyCounter->setChecked(false);
  QTimer::singleShot(10, [&] { fm().btCounter->click(); });
  fm().btCounter->click();
  EXPECT_EQ(fm().btCounter->text(), "Start Counter");
}

TEST_F(ParallelProcessTest, ATimerFailureDuringTheCounterHoldsOnlyTheTimersNames) {
  fm().cbBuggyTimer->setChecked(true);
  fm().btTimer->click();
  int countAtFailure = -1;
  QTimer::singleShot(10, [&] {
    for (int tick = 0; tick < 5; ++tick) fm().Timer1->Tick();
    countAtFailure = fm().lb3Counter->text().toInt();
    QTimer::singleShot(30, [&] { fm().btCounter->click(); });
  });
  fm().btCounter->click();
  ASSERT_EQ(dialogs.Shown().size(), 1u);
  EXPECT_THAT(StackSection(), ElementsAre("- Procedure TfmMain.Timer1Timer", " - Function CreateStringListError",
                                          "  *** EStringListError : List index out of bounds (2)"));
  EXPECT_THAT(Report().technicalText, HasSubstr("\rTimer1=Off\rCounter=On\r"));
  // The loop went on counting after the report.
  EXPECT_GT(fm().lb3Counter->text().toInt(), countAtFailure);
  EXPECT_EQ(fm().btCounter->text(), "Start Counter");
}

TEST_F(ParallelProcessTest, ACounterFailureWhileTheTimerRunsHoldsTheCountersNames) {
  fm().btTimer->click();
  fm().cbBuggyCounter->setChecked(true);
  RandomGenerator.Seed = SeedDrawing(314, 10000, 1);
  fm().btCounter->click();
  ASSERT_EQ(dialogs.Shown().size(), 1u);
  EXPECT_EQ(StackSection().size(), 4u);
  EXPECT_EQ(StackSection().front(), "- Procedure TfmMain.btCounterClick");
  EXPECT_THAT(Report().technicalText, HasSubstr("\rTimer1=On\rCounter=On\r"));
}

TEST_F(ParallelProcessTest, EnjoyABugGivesTheSameStackListWhateverRuns) {
  const std::vector<std::string> expected = {"- Procedure TfmMain.btEnjoyClick", " - procedure CreateAccessViolation"};
  fm().btEnjoy->click();
  std::vector<std::string> alone = StackSection();
  ASSERT_EQ(alone.size(), 3u);
  EXPECT_EQ(std::vector<std::string>(alone.begin(), alone.begin() + 2), expected);
  EXPECT_THAT(alone[2], MatchesRegex("  \\*\\*\\* EAccessViolation : Access violation at address .*"));

  // With the timer, the counter and the worker running.
  fm().btTimer->click();
  fm().btThread->click();
  QTimer::singleShot(10, [&] {
    fm().btEnjoy->click();
    fm().btCounter->click();
  });
  fm().btCounter->click();
  EXPECT_EQ(StackSection(), alone);
  EXPECT_EQ(dialogs.Shown().size(), 2u);
  fm().btThread->click();
  EXPECT_TRUE(WaitUntil([&] { return dialogs.Shown().size() == 3; }));
}

TEST_F(ParallelProcessTest, CloseProcessStopsTheCounterAndTheTimer) {
  fm().btTimer->click();
  fm().SetPageControlIndex(6);
  QTimer::singleShot(10, [&] {
    fm().OnActivePageChanged();
    EXPECT_FALSE(fm().lbWarning->isHidden());
    EXPECT_FALSE(fm().btCloseProcess->isHidden());
    fm().btCloseProcess->click();
  });
  fm().btCounter->click();  // the loop ends through the close button
  EXPECT_FALSE(fm().Timer1->Enabled());
  EXPECT_EQ(fm().btTimer->text(), "Start Timer");
  EXPECT_EQ(fm().btCounter->text(), "Start Counter");
  EXPECT_TRUE(fm().lbWarning->isHidden());
  EXPECT_TRUE(fm().btCloseProcess->isHidden());
  EXPECT_FALSE(fm().CloseProcesses(false));
}

TEST_F(ParallelProcessTest, ClosingTheWindowStopsTheTimerAndTheCounter) {
  fm().btTimer->click();
  bool closed = false;
  QTimer::singleShot(10, [&] { closed = fm().close(); });
  fm().btCounter->click();
  EXPECT_TRUE(closed);
  EXPECT_FALSE(fm().Timer1->Enabled());
  EXPECT_EQ(fm().btCounter->text(), "Start Counter");
}

}  // namespace
