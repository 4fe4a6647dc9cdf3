// One operation at a time under a live event loop: while a unit is read or a
// logged operation runs, its progress calls process pending events, and what
// the user does then (close a window, click another unit, start another
// operation, press Cancel) is driven here from inside the operation.
#include <QTest>
#include <QTimer>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "AppObjects.h"
#include "EditorFixture.h"
#include "FileSizeLimit.h"
#include "LoggedOperation.h"
#include "MainFixture.h"
#include "ProgressLabel.h"
#include "ScanActions.h"
#include "ScanProgress.h"
#include "Settings.h"
#include "SpeedButton.h"

namespace {

// Passes the scanner's progress on to the log window. After the Nth text that
// starts with Prefix the user acts: the action waits in the event queue while
// a few screen frames go by, as in a long computation, and runs at the
// operation's next event pass.
class UserActsAt final : public TScanProgress {
 public:
  UserActsAt(std::string Prefix, std::function<void()> Act, int Nth = 1)
      : prefix_(std::move(Prefix)), act_(std::move(Act)), nth_(Nth), previous_(SetScanProgress(this)) {}
  ~UserActsAt() override { SetScanProgress(previous_); }
  UserActsAt(const UserActsAt&) = delete;
  UserActsAt& operator=(const UserActsAt&) = delete;

  void DisplayInfoPlus(const std::string& Text) override {
    fmLog->DisplayInfoPlus(Text);
    if (acted_ || !Text.starts_with(prefix_) || ++seen_ < nth_) return;
    acted_ = true;
    QTimer::singleShot(0, fmLog, act_);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  bool Cancelled() const override { return fmLog->Cancelled(); }
  bool ProgressDue() const override { return !acted_ || fmLog->ProgressDue(); }
  void Pulse() override { fmLog->Pulse(); }
  bool Acted() const { return acted_; }

 private:
  std::string prefix_;
  std::function<void()> act_;
  int nth_;
  int seen_ = 0;
  TScanProgress* previous_;
  bool acted_ = false;
};

class OperationTest : public EditorTest {
 protected:
  OperationTest() { log.show(); }
};

// At the Nth routine of the routine scan the Nth action is queued; it runs at
// the next routine's event pass, a few screen frames later.
class AtEachRoutine final : public TScanProgress {
 public:
  explicit AtEachRoutine(std::vector<std::function<void()>> Acts)
      : acts_(std::move(Acts)), previous_(SetScanProgress(this)) {}
  ~AtEachRoutine() override { SetScanProgress(previous_); }
  AtEachRoutine(const AtEachRoutine&) = delete;
  AtEachRoutine& operator=(const AtEachRoutine&) = delete;

  void DisplayInfoPlus(const std::string& Text) override {
    fmLog->DisplayInfoPlus(Text);
    if (!Text.starts_with("Routine ") || next_ >= acts_.size()) return;
    QTimer::singleShot(0, fmLog, acts_[next_++]);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  bool Cancelled() const override { return fmLog->Cancelled(); }
  bool ProgressDue() const override { return true; }
  std::size_t Done() const { return next_; }

 private:
  std::vector<std::function<void()>> acts_;
  std::size_t next_ = 0;
  TScanProgress* previous_;
};

// The log's Close button, the window manager's close and a hiding are all
// refused while the scan runs: the log stays, its progress goes on and its
// Cancel still stops the scan.
TEST_F(OperationTest, TheLogStaysShownDuringAnOperationAndItsCancelStillStopsIt) {
  OpenProject({{"Unit1.pas", units::Unit1}});
  ScanActions = {0, 2, 3};
  OpenEditor();
  bool closed = true;
  bool shown = false;
  std::string progress;
  {
    const AtEachRoutine user({[&] {
                                QTest::mouseClick(log.btOk, Qt::LeftButton);
                                closed = log.close();
                                log.hide();
                              },
                              [&] {
                                shown = log.isVisible();
                                progress = log.lbInfoPlus->Text();
                                QTest::mouseClick(log.btCancel, Qt::LeftButton);
                              }});
    editor->miScanFile->trigger();
    ASSERT_EQ(user.Done(), 2u);
  }
  EXPECT_FALSE(closed);
  EXPECT_TRUE(shown);
  EXPECT_EQ(progress, "Routine 3 / 6");  // shown after the closes
  EXPECT_EQ(log.lbInfo->Text(), "Aborted by User (0 s)");
  EXPECT_EQ(UnitAt(0).Scanner->Routines[4]->State, -1);  // Epsilon was not reached
  EXPECT_TRUE(log.close());  // once the operation is over
  EXPECT_FALSE(log.isVisible());
}

// Clicks Cancel once the routine scan has counted its routines (the empty
// text that ends "Computing Statistics..."), as the red lines of the refused
// routines are written: no event pass happens while they are written, so the
// click waits for the one that shows the unit again.
class CancelAfterTheCounts final : public TScanProgress {
 public:
  CancelAfterTheCounts() : previous_(SetScanProgress(this)) {}
  ~CancelAfterTheCounts() override { SetScanProgress(previous_); }
  CancelAfterTheCounts(const CancelAfterTheCounts&) = delete;
  CancelAfterTheCounts& operator=(const CancelAfterTheCounts&) = delete;

  void DisplayInfoPlus(const std::string& Text) override {
    fmLog->DisplayInfoPlus(Text);
    if (Text == "Computing Statistics...") counting_ = true;
    if (!Text.empty() || !counting_ || queued_) return;
    queued_ = true;
    QMetaObject::invokeMethod(
        fmLog->btCancel, [] { QTest::mouseClick(fmLog->btCancel, Qt::LeftButton); }, Qt::QueuedConnection);
  }
  bool Cancelled() const override { return fmLog->Cancelled(); }
  bool Queued() const { return queued_; }

 private:
  TScanProgress* previous_;
  bool counting_ = false;
  bool queued_ = false;
};

// Scan File (false) and Scan All (true).
class LateCancelTest : public OperationTest, public ::testing::WithParamInterface<bool> {};

TEST_P(LateCancelTest, ACancelTakenWhileTheUnitIsShownAgainLeavesItShown) {
  OpenProject({{"Refused.pas", units::Refused}});
  ScanActions = {0, 0, 3};
  GUIOptions.ConfirmOverwrite = false;
  OpenEditor();
  {
    const CancelAfterTheCounts cancel;
    (GetParam() ? editor->miScanAll : editor->miScanFile)->trigger();
    ASSERT_TRUE(cancel.Queued());
  }
  EXPECT_EQ(log.lbInfo->Text(), "Aborted by User (0 s)");
  EXPECT_EQ(editor->ShownUnit(), &UnitAt(0));
  EXPECT_EQ(MemoLines().at(0), UnitPath("Refused.pas"));
  EXPECT_EQ(editor->GetRI(2), UnitAt(0).Scanner->Routines[2]);
  EXPECT_EQ(editor->GetRI(2)->State, 1);  // Fine got its block
  // The unit shown is the one Save All, Scan File and Save File work on.
  editor->miSaveAll->trigger();
  EXPECT_EQ(dir.Read("proj/Refused.pas"), UnitAt(0).Scanner->Text);
  EXPECT_EQ(UnitAt(0).Scanner->FileState, 2);
  editor->miScanFile->trigger();
  EXPECT_EQ(LogLines().at(2), "Refused.pas\tCode Added : 1\t Updated : 0\t Removed : 0");
  editor->miSaveFile->trigger();
  EXPECT_TRUE(dialogs.Shown().empty());  // not "No Source File Selected"
}

INSTANTIATE_TEST_SUITE_P(Scans, LateCancelTest, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& i) { return i.param ? "ScanAll" : "ScanFile"; });

TEST_F(OperationTest, TheScannerWindowStaysWhileAUnitIsReadAndClosesAfter) {
  OpenProject({{"Unit1.pas", units::Unit1}, {"Unit2.pas", units::Unit2}});
  bool closed = true;
  {
    // "Secure Code" shows the window and reads the first unit.
    const UserActsAt close("Searching Keywords", [&] { closed = editor->close(); });
    OpenEditor();
    ASSERT_TRUE(close.Acted());
  }
  EXPECT_FALSE(closed);
  ASSERT_TRUE(editor);
  EXPECT_EQ(editor->GetRI(5), UnitAt(0).Scanner->Routines[5]);
  {
    // A click on a unit not yet read.
    const UserActsAt close("Searching Keywords", [&] { closed = editor->close(); });
    ClickRow(editor->sgSources, 1);
    ASSERT_TRUE(close.Acted());
  }
  EXPECT_FALSE(closed);
  ASSERT_TRUE(editor);
  EXPECT_EQ(editor->ShownUnit(), &UnitAt(1));
  EXPECT_TRUE(editor->close());
  EXPECT_TRUE(EditorAbsent);
}

TEST_F(OperationTest, AClickOnAnotherUnitWhileOneIsReadIsRefused) {
  OpenProject({{"Unit1.pas", units::Unit1}, {"Unit2.pas", units::Unit2}});
  {
    const UserActsAt click("Searching Keywords", [this] { ClickRow(editor->sgSources, 1); });
    OpenEditor();
    ASSERT_TRUE(click.Acted());
  }
  EXPECT_EQ(editor->sgSources->Row(), 0);
  EXPECT_EQ(editor->ShownUnit(), &UnitAt(0));
  EXPECT_EQ(editor->GetRI(0), UnitAt(0).Scanner->Routines[0]);
  EXPECT_FALSE(UnitAt(1).Scanner->Loaded);
  // Add Code goes to the routine shown, in the unit shown.
  ClickRow(editor->sgProcs, 4);
  editor->btAddCode->click();
  EXPECT_EQ(UnitAt(0).Scanner->Routines[4]->State, 1);
  EXPECT_EQ(UnitAt(1).Scanner->FileState, 0);
}

TEST_F(OperationTest, ACancelClickedDuringTheRoutinePassIsSeenAtTheNextFrame) {
  OpenProject({{"Unit1.pas", units::Unit1}});
  ScanActions = {0, 2, 3};
  OpenEditor();
  {
    const UserActsAt cancel("Routine ", [this] { QTest::mouseClick(log.btCancel, Qt::LeftButton); });
    editor->miScanFile->trigger();
    ASSERT_TRUE(cancel.Acted());
  }
  EXPECT_EQ(log.lbInfo->Text(), "Aborted by User (0 s)");
  EXPECT_EQ(UnitAt(0).Scanner->Routines[4]->State, -1);  // Epsilon was not reached
  // The edits made before the Cancel stay, and the window shows them: the
  // unit's summary counts them and its routines show their states.
  const TSourceScanner& s = *UnitAt(0).Scanner;
  ASSERT_EQ(s.FileState, 1);
  EXPECT_EQ(editor->ShownUnit(), &UnitAt(0));
  EXPECT_EQ(MemoLines().at(0), UnitPath("Unit1.pas"));
  EXPECT_GT(s.Modifications[0] + s.Modifications[1], 0);
  EXPECT_EQ(MemoLines().back(), "Code Modifications\tAdded : " + std::to_string(s.Modifications[0]) +
                                    "\tUpdated : " + std::to_string(s.Modifications[1]) + "\tRemoved : 0");
  for (int i = 0; i < static_cast<int>(s.Routines.size()); ++i) EXPECT_EQ(editor->GetRI(i), s.Routines[i]);
}

TEST_F(OperationTest, ClosingResetsTheUnitsAlsoWhenTheirDatesCannotBeStored) {
  OpenProject({{"Unit1.pas", units::Unit1}, {"Unit2.pas", units::Unit2}});
  GUIOptions.ConfirmOverwrite = false;
  OpenEditor();
  ClickRow(editor->sgProcs, 4);
  editor->btAddCode->click();
  editor->miSaveFile->trigger();  // a save date to store at the close
  ClickRow(editor->sgSources, 1);
  ClickRow(editor->sgProcs, 0);
  editor->btAddCode->click();  // an edit the user then discards
  dialogs.Answer(mrYes);       // "One File is Modified and not Saved. Quit Anyway ?"
  {
    const FileSizeLimit limit(10);
    EXPECT_TRUE(editor->close());
  }
  EXPECT_TRUE(errors->seen.empty());
  EXPECT_EQ(dialogs.Last().text, "Cannot create file \"" + CurrentAppli->DataFileName + "\". File too large");
  EXPECT_TRUE(EditorAbsent);
  for (int i = 0; i < 2; ++i) {
    EXPECT_FALSE(UnitAt(i).Scanned);
    EXPECT_FALSE(UnitAt(i).Scanner->Loaded);
    EXPECT_EQ(UnitAt(i).Scanner->FileState, 0);
  }
}

class OperationMainTest : public MainTest {};

TEST_F(OperationMainTest, InsideScanAllOnlyTheLogTakesInputAndNoOtherOperationRuns) {
  const std::string other = WriteProject("Other", {});
  const std::string project = Sample();
  Open();
  OpenProject(project);
  window->btSelectAll->click();
  bool refused = false;
  const auto userActs = [&] {
    // Add File on the main window; an operation the program starts itself,
    // as the start-up's registration of the last application; then Cancel.
    files.Answer(other);
    QTest::mouseClick(window->btAdd, Qt::LeftButton);
    try {
      RunLogged("Lumbrick Initialization...", [] {});
    } catch (const EAbort&) {
      refused = true;
    }
    QTest::mouseClick(fmLog->btCancel, Qt::LeftButton);
  };
  // The first unit is read when the window shows; Scan All reads the others.
  const UserActsAt inside("Searching Keywords", userActs, 2);
  SecureCode(true);
  ASSERT_TRUE(inside.Acted());
  EXPECT_TRUE(refused);
  EXPECT_EQ(window->Applications()->Count(), 1);
  ASSERT_FALSE(LogLines().empty());
  EXPECT_EQ(LogLines().front(), project + " : Scan All Source Files");
  EXPECT_EQ(fmLog->lbInfo->Text(), "Aborted by User (0 s)");
}

}  // namespace
