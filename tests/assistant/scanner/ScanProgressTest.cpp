// The scanner's side of the operation log: progress texts and the cancel
// request, as the log window will serve them.
#include <gmock/gmock.h>

#include "ScanProgress.h"
#include "ScannerFixture.h"

namespace {

using ::testing::ElementsAre;

// Behaves as the log window while it is shown: a pending cancel request turns
// the next progress call into the silent abort.
class FakeLog final : public TScanProgress {
 public:
  void DisplayInfoPlus(const std::string& Text) override {
    lines.push_back(Text);
    if (cancelled) Abort();
  }
  bool Cancelled() const override { return cancelled; }

  std::vector<std::string> lines;
  bool cancelled = false;
};

class ProgressTest : public ScannerTest {
 protected:
  ProgressTest() { previous = SetScanProgress(&log); }
  ~ProgressTest() override { SetScanProgress(previous); }
  FakeLog log;
  TScanProgress* previous = nullptr;
};

TEST_F(ProgressTest, TextsReachTheInstalledLog) {
  DisplayInfoPlus("Searching Keywords...");
  DisplayInfoPlus("");
  EXPECT_THAT(log.lines, ElementsAre("Searching Keywords...", ""));
  EXPECT_FALSE(ScanCancelled());
}

TEST_F(ProgressTest, ACancelRequestAbortsSilentlyThroughTheProtectiveBlock) {
  log.cancelled = true;
  EXPECT_TRUE(ScanCancelled());
  try {
    DisplayInfoPlus("Keyword 1 / 3 (1)");
    FAIL() << "no abort";
  } catch (const EAbort&) {
    EXPECT_THAT(VIX->StackList(), ElementsAre("Procedure DisplayInfoPlus"));
  }
}

TEST_F(ProgressTest, WithoutALogNothingHappens) {
  EXPECT_EQ(SetScanProgress(nullptr), &log);
  log.cancelled = true;
  EXPECT_NO_THROW(DisplayInfoPlus("lost"));
  EXPECT_FALSE(ScanCancelled());
  EXPECT_TRUE(log.lines.empty());
}

}  // namespace
