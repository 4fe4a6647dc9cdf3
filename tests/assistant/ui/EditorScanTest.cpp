// The scanner window's scans under the operation log: the exact log lines,
// cancel, the options dialog asking to scan all, refused routines, and the
// close refused while a scan runs.
#include <QTimer>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <thread>

#include "AppObjects.h"
#include "EditorFixture.h"
#include "EditorOptions.h"
#include "ProgressLabel.h"
#include "ScanActions.h"
#include "ScanProgress.h"
#include "Settings.h"
#include "SpeedButton.h"

namespace {

// Stands between the scanner and the log window: runs Act at the Nth
// progress text that begins with Text (by default, at the first routine of
// the Nth unit scanned), then passes the progress on.
class AtUnit final : public TScanProgress {
 public:
  AtUnit(TfmLog& Log, int N, std::function<void()> Act, std::string Text = "Routine 1 /")
      : log_(Log), n_(N), act_(std::move(Act)), text_(std::move(Text)), previous_(SetScanProgress(this)) {}
  ~AtUnit() override { SetScanProgress(previous_); }
  AtUnit(const AtUnit&) = delete;
  AtUnit& operator=(const AtUnit&) = delete;
  void DisplayInfoPlus(const std::string& Text) override {
    if (Text.starts_with(text_) && ++seen_ == n_) act_();
    log_.DisplayInfoPlus(Text);
  }
  bool Cancelled() const override { return log_.Cancelled(); }

 private:
  TfmLog& log_;
  int n_;
  int seen_ = 0;
  std::function<void()> act_;
  std::string text_;
  TScanProgress* previous_;
};

class EditorScanTest : public EditorTest {
 protected:
  std::string Title(const char* Operation) const { return ProjectFile() + " : " + Operation; }
  std::string Status() const { return log.lbInfo->Text(); }
};

const std::string Counts = [] {
  std::string s = "unit Counts;\r\n\r\ninterface\r\n\r\nimplementation\r\n\r\nuses Lumbrick;\r\n\r\n";
  for (const char* name : {"A", "B", "C", "D"})
    s += std::string("procedure ") + name + ";\r\nbegin\r\n  WriteLn('" + name + "');\r\nend;\r\n\r\n";
  s += "procedure E;\r\nbegin\r\n  Try\r\n    WriteLn('E');\r\n"
       "  Except VIX.Push('Counts.pas : Procedure E'); Raise; End;\r\nend;\r\n\r\nend.\r\n";
  return s;
}();

TEST_F(EditorScanTest, ScanAllLogsEachUnitTheUnreadableOneInRedThenTheCount) {
  OpenProject({{"Unit1.pas", units::Unit1}, {"Unit2.pas", units::Unit2}, {"Nested.pas", units::Nested}});
  std::filesystem::remove(UnitPath("Unit2.pas"));
  ScanActions = {0, 2, 3};
  OpenEditor();
  editor->miScanAll->trigger();
  EXPECT_EQ(LogLines(), (std::vector<std::string>{
                            Title("Scan All Source Files"),
                            "",
                            "Unit1.pas\tCode Added : 2\t Updated : 1\t Removed : 0",
                            "(clRed)Unit2.pas\tImpossible to Read File",
                            "Nested.pas\tCode Added : 3\t Updated : 0\t Removed : 0",
                            "",
                            "3 Source Files Scanned",
                        }));
  EXPECT_EQ(Status(), "Terminated (0 s)");
  EXPECT_TRUE(UnitAt(0).Scanned);
  EXPECT_FALSE(UnitAt(1).Scanned);
  EXPECT_TRUE(UnitAt(2).Scanned);
  EXPECT_TRUE(editor->isEnabled());
  EXPECT_FALSE(editor->IsBusy());
}

TEST_F(EditorScanTest, ACancelKeepsTheUnitsScannedBeforeAndWritesNoCount) {
  OpenProject({{"Unit1.pas", units::Unit1}, {"Unit2.pas", units::Unit2}, {"Nested.pas", units::Nested}});
  ScanActions = {0, 2, 3};
  OpenEditor();
  const AtUnit cancel(log, 2, [this] { log.btCancel->click(); });
  editor->miScanAll->trigger();
  EXPECT_EQ(LogLines(), (std::vector<std::string>{
                            Title("Scan All Source Files"),
                            "",
                            "Unit1.pas\tCode Added : 2\t Updated : 1\t Removed : 0",
                            "Unit2.pas...",
                        }));
  EXPECT_EQ(Status(), "Aborted by User (0 s)");
  EXPECT_EQ(UnitAt(0).Scanner->FileState, 1);
  EXPECT_EQ(UnitAt(0).Scanner->Routines[0]->State, 1);
  EXPECT_EQ(UnitAt(1).Scanner->FileState, 0);
  EXPECT_FALSE(UnitAt(2).Scanner->Loaded);
  EXPECT_TRUE(editor->isEnabled());
  EXPECT_FALSE(editor->IsBusy());
}

TEST_F(EditorScanTest, TheOptionsAskingToScanAllShowTheWindowAndScanAtOnce) {
  OpenProject({{"Unit1.pas", units::Unit1}, {"Unit2.pas", units::Unit2}});
  editor = new TfmEditor(&mainWindow);
  QTimer::singleShot(0, editor, [] { fmScanOptions->btValidate->click(); });
  // "Start Scanning All Sources Files ?" gets the first button, Yes.
  const int result = editor->SetScanOptions();
  ASSERT_EQ(result, 8);
  EXPECT_EQ(fmScanOptions, nullptr);
  editor->ShowUnits();
  editor->ExecuteShow(result == 8);
  EXPECT_TRUE(editor->isVisible());
  EXPECT_EQ(editor->ShownUnit(), &UnitAt(0));
  EXPECT_EQ(LogLines().back(), "2 Source Files Scanned");
  EXPECT_EQ(LogLines().at(2), "Unit1.pas\tCode Added : 2\t Updated : 1\t Removed : 0");
}

TEST_F(EditorScanTest, ScanFileWithNoUnitShownScansNothingAndEndsNormally) {
  OpenProject({{"Unit1.pas", units::Unit1}});
  editor = new TfmEditor(&mainWindow);  // never filled, as after a cancelled dialog
  editor->show();
  editor->miScanFile->trigger();
  EXPECT_EQ(LogLines(), (std::vector<std::string>{Title("Scan Source File"), ""}));
  EXPECT_EQ(Status(), "Terminated (0 s)");
  EXPECT_FALSE(UnitAt(0).Scanner->Loaded);
}

TEST_F(EditorScanTest, TheCountsAreThoseOfTheRoutinesStatesAndShowAgainWhenNothingChanges) {
  OpenProject({{"Counts.pas", Counts}});
  ScanActions = {1, 0, 3};
  OpenEditor();
  editor->miScanFile->trigger();
  const std::string line = "Counts.pas\tCode Added : 4\t Updated : 0\t Removed : 1";
  EXPECT_EQ(LogLines(), (std::vector<std::string>{Title("Scan Source File"), "", line}));
  // The unit is shown again with its new routines.
  EXPECT_EQ(MemoLines().at(0), UnitPath("Counts.pas"));
  EXPECT_EQ(editor->GetRI(4)->State, 3);
  ScanActions = {0, 0, 0};
  editor->miScanFile->trigger();
  EXPECT_EQ(LogLines(), (std::vector<std::string>{Title("Scan Source File"), "", line}));
}

TEST_F(EditorScanTest, ARefusedRoutineGetsARedLineWithItsReasonUnderItsUnit) {
  OpenProject({{"Refused.pas", units::Refused}});
  ScanActions = {0, 0, 3};
  OpenEditor();
  editor->miScanFile->trigger();
  EXPECT_EQ(LogLines(), (std::vector<std::string>{
                            Title("Scan Source File"),
                            "",
                            "Refused.pas\tCode Added : 1\t Updated : 0\t Removed : 0",
                            "(clRed)Refused.pas\tprocedure OneLiner;\tBegin and end stand on one line",
                        }));
  EXPECT_EQ(Status(), "Terminated (0 s)");
}

TEST_F(EditorScanTest, TheWindowDoesNotCloseWhileAScanRuns) {
  OpenProject({{"Unit1.pas", units::Unit1}, {"Unit2.pas", units::Unit2}});
  ScanActions = {0, 2, 3};
  OpenEditor();
  bool closed = true;
  const AtUnit attempt(log, 2, [&] { closed = editor->close(); });
  editor->miScanAll->trigger();
  EXPECT_FALSE(closed);
  EXPECT_TRUE(dialogs.Shown().empty());  // refused without a question
  ASSERT_TRUE(editor);
  EXPECT_TRUE(editor->isVisible());
  EXPECT_EQ(LogLines().back(), "2 Source Files Scanned");
}

TEST_F(EditorScanTest, ACancelDuringAUnitsKeywordScanLeavesItUnread) {
  OpenProject({{"Unit1.pas", units::Unit1}, {"Unit2.pas", units::Unit2}});
  ScanActions = {0, 2, 3};
  OpenEditor();
  {
    const AtUnit cancel(log, 1, [this] { log.btCancel->click(); }, "Cleaning Keywords...");  // Unit2's
    editor->miScanAll->trigger();
  }
  EXPECT_EQ(LogLines().back(), "Unit2.pas...");
  ClickRow(editor->sgSources, 1);
  EXPECT_EQ(MemoLines().at(4), "1 Routines");
  editor->miScanFile->trigger();
  EXPECT_EQ(LogLines().back(), "Unit2.pas\tCode Added : 1\t Updated : 0\t Removed : 0");
}

// A unit read, edited and dropped by a former window is read again, and the
// cancel comes right after its file was read: the Cancel click, made while
// the file is read, is seen in the first progress pass after the read.
TEST_F(EditorScanTest, ACancelRightAfterAUnitIsReadAgainLeavesNothingOfTheFormerText) {
  OpenProject({{"Unit2.pas", units::Unit2}, {"Unit1.pas", units::Unit1}});
  ScanActions = {0, 2, 3};
  OpenEditor();
  editor->miScanAll->trigger();
  ASSERT_EQ(UnitAt(1).Scanner->Routines.at(0)->State, 1);
  ASSERT_TRUE(editor->close());  // "Quit Anyway ?" Yes: the changes are dropped
  const std::string unit1 = UnitPath("Unit1.pas");
  std::filesystem::remove(unit1);
  ASSERT_EQ(mkfifo(unit1.c_str(), 0600), 0);
  std::thread writer([&] {
    std::ofstream pipe(unit1, std::ios::binary);  // waits for the reader
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    QMetaObject::invokeMethod(log.btCancel, [this] { log.btCancel->click(); }, Qt::QueuedConnection);
    pipe << units::Unit1;
  });
  OpenEditor();
  editor->miScanAll->trigger();
  writer.join();
  EXPECT_EQ(LogLines().back(), "Unit1.pas...");
  EXPECT_FALSE(UnitAt(1).Scanner->Loaded);
  EXPECT_TRUE(UnitAt(1).Scanner->Routines.empty());
  // Read once more, it gets its blocks, and Save All writes them.
  std::filesystem::remove(unit1);
  dir.Write("proj/Unit1.pas", units::Unit1);
  editor->miScanAll->trigger();
  EXPECT_EQ(LogLines().at(3), "Unit1.pas\tCode Added : 2\t Updated : 1\t Removed : 0");
  GUIOptions.ConfirmOverwrite = false;
  editor->miSaveAll->trigger();
  EXPECT_EQ(dir.Read("proj/Unit1.pas"), units::SecuredUnit1);
}

}  // namespace
