// The timing comparison, on a clock that the test drives (one millisecond a
// reading) and once on the host's clock with short phases.
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "DateTime.h"
#include "DemoFixture.h"
#include "FormatSettings.h"
#include "Lumbrick.h"
#include "QtText.h"
#include "RadioGroup.h"

namespace {

using ::testing::MatchesRegex;

constexpr double kMsPerDay = 86400000.0;

class PerformanceTest : public DemoTest {
 protected:
  PerformanceTest() {
    WriteIniWithBrowser();
    Open();
    fm().SetPageControlIndex(6);
    fm().OnActivePageChanged();
  }
  ~PerformanceTest() override { SetClock({}); }

  TfmMain& fm() { return *window; }

  // A clock read once per pass: it moves one millisecond a reading, from
  // `startMs` after midnight of 2006-06-15; each reading records the library's
  // state and the standard button's caption of that moment.
  void DriveClock(int startMs) {
    ms_ = startMs;
    SetClock([this] {
      if (frozen_ > 0 && VIX->State() == 1)
        --frozen_;
      else
        ++ms_;
      states_.push_back(VIX->State());
      captions_.push_back(As(fm().btPerfNormal->text()));
      return EncodeDate(2006, 6, 15) + ms_ / kMsPerDay;
    });
  }

  // The result label's text in the program's form of line breaks.
  std::string Result() const { return As(window->lb63->text()); }

  long long ms_ = 0;
  int frozen_ = 0;  // readings of the second phase that do not move the clock
  std::vector<int> states_;
  std::vector<std::string> captions_;
};

const std::string kSameCounts =
    "Test without Lumbrick : 10001 calculations in 10 seconds\n"
    "Test with Lumbrick : 10001 calculations in 10 seconds\n\n"
    "Time responses depreciation = 0.0%";

TEST_F(PerformanceTest, MaximumDepreciationRunsBothPhasesOfTenSeconds) {
  DriveClock(50000000);
  fm().btPerf->click();
  EXPECT_EQ(Result(), kSameCounts);
  ASSERT_EQ(states_.size(), 2u * 10002u);
  // Off for the first phase (for the next failure only), on for the second.
  EXPECT_EQ(states_.front(), -2);
  EXPECT_EQ(states_[10001], -2);
  EXPECT_EQ(states_[10002], 1);
  EXPECT_EQ(states_.back(), 1);
  EXPECT_EQ(VIX->State(), 1);
  for (const std::string& caption : captions_) ASSERT_EQ(caption, "Evaluate standard depreciation");
  EXPECT_TRUE(dialogs.Shown().empty());
}

TEST_F(PerformanceTest, StandardDepreciationShowsItsCountWhileRunning) {
  DriveClock(50000000);
  fm().btPerfNormal->click();
  EXPECT_EQ(Result(), kSameCounts);
  // The caption counts each phase from 1 and gets its text back at the end.
  EXPECT_EQ(captions_[1], "1");
  EXPECT_EQ(captions_[10001], "10001");
  EXPECT_EQ(captions_[10003], "1");
  EXPECT_EQ(captions_.back(), "10001");
  EXPECT_EQ(fm().btPerfNormal->text(), "Evaluate standard depreciation");
}

// Records the caption a button shows each time it is painted.
class PaintRecorder : public QObject {
 public:
  explicit PaintRecorder(QPushButton* button) : button_(button) { button->installEventFilter(this); }
  ~PaintRecorder() override { button_->removeEventFilter(this); }
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted.push_back(button_->text().toStdString());
    return false;
  }
  std::vector<std::string> painted;

 private:
  QPushButton* button_;
};

// The loop processes no messages, yet the user sees the count: the caption
// is painted from the loop once a display frame (16 ms), in both phases.
TEST_F(PerformanceTest, TheRunningCountIsPaintedEveryFrame) {
  PaintRecorder recorder(fm().btPerfNormal);
  DriveClock(50000000);
  fm().btPerfNormal->click();
  std::vector<std::string> counts;
  for (const std::string& caption : recorder.painted)
    if (caption != "Evaluate standard depreciation") counts.push_back(caption);
  // One reading a pass and one millisecond a reading: passes 1, 17, 33 ...
  std::vector<std::string> expected;
  for (int phase = 0; phase < 2; ++phase)
    for (int pass = 1; pass <= 10001; pass += 16) expected.push_back(std::to_string(pass));
  EXPECT_EQ(counts, expected);
}

TEST_F(PerformanceTest, TheUsersDisablementIsRestoredAfterTheTest) {
  fm().rgOnOff->Item(1)->click();
  ASSERT_EQ(VIX->State(), -1);
  DriveClock(50000000);
  fm().btPerf->click();
  EXPECT_EQ(states_.back(), 1);  // the second phase still ran with the library on
  EXPECT_EQ(VIX->State(), -1);
}

TEST_F(PerformanceTest, ANegativeDepreciationIsFormattedWithTheHostsSeparator) {
  DriveClock(50000000);
  frozen_ = 20;  // the second phase makes 19 passes more
  fm().btPerf->click();
  EXPECT_EQ(Result(),
            "Test without Lumbrick : 10001 calculations in 10 seconds\n"
            "Test with Lumbrick : 10020 calculations in 10 seconds\n\n"
            "Time responses depreciation = -0.2%");
  FormatSettings.DecimalSeparator = ',';
  fm().rgLanguage->Item(1)->click();
  DriveClock(50000000);
  frozen_ = 20;
  fm().btPerf->click();
  EXPECT_EQ(Result(),
            "Test sans Lumbrick : 10001 calculs en 10 secondes\n"
            "Test avec Lumbrick : 10020 calculs en 10 secondes\n\n"
            "D\xE9pr\xE9" "ciation des temps de r\xE9ponses = -0,2%");
}

TEST_F(PerformanceTest, APhaseCrossingMidnightEndsAtTheWrap) {
  DriveClock(86399995);
  fm().btPerf->click();
  // Readings 86399996 to 86399999, then 0 of the next day: four passes and a
  // negative elapsed time, whose seconds are truncated toward zero.
  EXPECT_EQ(Result(),
            "Test without Lumbrick : 4 calculations in -86399 seconds\n"
            "Test with Lumbrick : 10001 calculations in 10 seconds\n\n"
            "Time responses depreciation = -249925.0%");
}

TEST_F(PerformanceTest, ShortPhasesOnTheHostsClock) {
  SetClock({});
  fm().PhaseLengthMs = 30;
  fm().btPerf->click();
  EXPECT_THAT(Result(), MatchesRegex("Test without Lumbrick : [0-9]+ calculations in 0 seconds\n"
                                     "Test with Lumbrick : [0-9]+ calculations in 0 seconds\n\n"
                                     "Time responses depreciation = -?[0-9]+\\.[0-9]%"));
  EXPECT_EQ(VIX->State(), 1);
}

}  // namespace
