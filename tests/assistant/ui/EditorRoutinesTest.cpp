// The scanner window's routine buttons through every row of their table,
// refusals, the memo's font size and the debug menu; its popups and texts.
#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QMenu>
#include <QTextCursor>

#include "AppObjects.h"
#include "Colors.h"
#include "CommonGlobals.h"
#include "EditorFixture.h"
#include "Fonts.h"
#include "ImageList.h"
#include "RichEdit.h"
#include "Settings.h"
#include "SpeedButton.h"
#include "SysUtils.h"
#include "Translator.h"

namespace {

class EditorRoutinesTest : public EditorTest {
 protected:
  void SetUp() override {
    OpenProject({{"Unit1.pas", units::Unit1}, {"Refused.pas", units::Refused}});
    OpenEditor();
  }
  TSourceScanner& Scanner() const { return *editor->ShownUnit()->Scanner; }
  const TRoutineInfo& Routine(int Row) const { return *editor->GetRI(Row); }
  // Selects the routine (from another row, so that the selection moves).
  void Pick(int Row) {
    ClickRow(editor->sgProcs, Row == 0 ? 1 : 0);
    ClickRow(editor->sgProcs, Row);
  }
  std::vector<TSpeedButton*> Buttons() const {
    return {editor->btAddCode, editor->btUpdateCode, editor->btRemoveCode, editor->btIgnoreCode};
  }
  std::string Available() const {
    std::string marks;
    for (TSpeedButton* b : Buttons()) marks += FontColor(b) == clBlack ? 'x' : FontColor(b) == clGray ? '-' : '?';
    return marks;
  }
};

TEST_F(EditorRoutinesTest, EachCodeStateMakesItsButtonsAvailableAndTheGreyOnesDoNothing) {
  const std::vector<std::pair<int, std::string>> rows{{0, "x--x"}, {1, "--xx"}, {2, "-xxx"}, {3, "x-x-"}};
  for (const auto& [row, marks] : rows) {
    Pick(row);
    EXPECT_EQ(Available(), marks) << Routine(row).Header;
    for (TSpeedButton* b : Buttons())
      if (FontColor(b) == clGray) b->click();
    EXPECT_EQ(Scanner().FileState, 0) << Routine(row).Header;
    for (TSpeedButton* b : Buttons()) EXPECT_TRUE(b->isEnabled());
  }
}

TEST_F(EditorRoutinesTest, TheButtonsChangeTheCodeAndTheStates) {
  struct Case {
    int row;
    TSpeedButton* TfmEditor::*button;
    int state;
    int codeState;
  };
  for (const Case& c : {Case{0, &TfmEditor::btAddCode, 1, 2}, Case{2, &TfmEditor::btUpdateCode, 2, 2},
                        Case{1, &TfmEditor::btRemoveCode, 3, 1}, Case{3, &TfmEditor::btRemoveCode, 3, 1},
                        Case{4, &TfmEditor::btIgnoreCode, 4, 4}}) {
    Pick(c.row);
    (editor->*c.button)->click();
    EXPECT_EQ(Routine(c.row).State, c.state) << Routine(c.row).Header;
    EXPECT_EQ(Routine(c.row).CodeState, c.codeState) << Routine(c.row).Header;
  }
  EXPECT_EQ(Scanner().FileState, 1);
  EXPECT_EQ(Scanner().Text.find("{Corvane.IgnoreRoutine}\r\n  WriteLn('delta')"), std::string::npos);
  // The routine shown again, with the buttons of its new state.
  EXPECT_EQ(Available(), "x-x-");
}

TEST_F(EditorRoutinesTest, AddCodeOnAnIgnoredRoutineTakesTheMarkerOutAndRecordsAnUpdate) {
  Pick(3);
  editor->btAddCode->click();
  EXPECT_EQ(Routine(3).State, 2);
  EXPECT_EQ(Routine(3).CodeState, 2);
  EXPECT_EQ(Scanner().GetRoutineIgnoreCodePos(&Routine(3)), -1);
  EXPECT_EQ(editor->mCode->ColorAt(static_cast<int>(editor->mCode->Text().find("Try"))), clBlue);
}

TEST_F(EditorRoutinesTest, IgnoreCodeOnACorrectRoutineRemovesTheBlockAndShowsTheMarkerInPurple) {
  Pick(1);
  editor->btIgnoreCode->click();
  EXPECT_EQ(Routine(1).CodeState, 4);
  EXPECT_EQ(Routine(1).State, 4);
  const std::string memo = editor->mCode->Text();
  EXPECT_EQ(memo.find("Except"), std::string::npos);
  const int marker = static_cast<int>(memo.find("{Corvane.IgnoreRoutine}"));
  ASSERT_GE(marker, 0);
  EXPECT_EQ(editor->mCode->ColorAt(marker), clPurple);
  EXPECT_EQ(editor->mCode->ColorAt(marker + 22), clPurple);
  EXPECT_EQ(Available(), "x-x-");
}

TEST_F(EditorRoutinesTest, ARefusedEditSaysWhyInAnErrorBox) {
  ClickRow(editor->sgSources, 1);
  Pick(0);  // OneLiner
  editor->btAddCode->click();
  ASSERT_EQ(dialogs.Shown().size(), 1u);
  EXPECT_EQ(dialogs.Last().type, TMsgDlgType::mtError);
  EXPECT_EQ(dialogs.Last().text, "Begin and end stand on one line");
  EXPECT_EQ(Scanner().FileState, 0);
  Pick(1);  // Fast, an asm body
  editor->btIgnoreCode->click();
  EXPECT_EQ(dialogs.Last().text, "Routines written in assembler are never changed");
  EXPECT_EQ(Scanner().FileState, 0);
}

TEST_F(EditorRoutinesTest, OnlyAPositiveFontSizeIsTakenAndStored) {
  for (const char* answer : {"0", "-3", "ab"}) {
    dialogs.Answer(mrOk, answer);
    editor->btMemoFont->click();
    EXPECT_EQ(dialogs.Last().text, "Invalid Font Size") << answer;
    EXPECT_EQ(editor->mCode->font().pixelSize(), PointsToPixels(10)) << answer;
  }
  EXPECT_EQ(IniFile->ReadString("GUI", "CodeFontSize", ""), "");
  dialogs.Clear();
  dialogs.Answer(mrOk, "12");
  editor->btMemoFont->click();
  EXPECT_EQ(dialogs.Shown().at(0).title, "Code Font Size");
  EXPECT_EQ(dialogs.Shown().at(0).text, "Enter New Font Size");
  EXPECT_EQ(dialogs.Shown().at(0).value, "10");
  EXPECT_EQ(dialogs.Shown().size(), 1u);
  EXPECT_EQ(editor->mCode->font().pixelSize(), PointsToPixels(12));
  EXPECT_EQ(IniFile->ReadString("GUI", "CodeFontSize", ""), "12");
  // The next window starts with it.
  ASSERT_TRUE(editor->close());
  OpenEditor();
  EXPECT_EQ(editor->mCode->font().pixelSize(), PointsToPixels(12));
}

TEST_F(EditorRoutinesTest, FontSizesOutsideSixToSeventyTwoAreRefusedAndNeverApplied) {
  for (const char* answer : {"5", "73", "30000000"}) {
    dialogs.Answer(mrOk, answer);
    editor->btMemoFont->click();
    EXPECT_EQ(dialogs.Last().text, "The Font Size Must Lie Between 6 and 72.") << answer;
    EXPECT_EQ(editor->mCode->font().pixelSize(), PointsToPixels(10)) << answer;
  }
  EXPECT_EQ(IniFile->ReadString("GUI", "CodeFontSize", ""), "");
  // A size stored before sizes were bounded is not applied.
  IniFile->WriteInteger("GUI", "CodeFontSize", 30000000);
  ASSERT_TRUE(editor->close());
  OpenEditor();
  EXPECT_EQ(editor->mCode->font().pixelSize(), PointsToPixels(10));
}

TEST_F(EditorRoutinesTest, TheBoundsSixAndSeventyTwoAreTakenStoredAndReadBack) {
  for (const int size : {72, 6}) {
    dialogs.Clear();
    dialogs.Answer(mrOk, IntToStr(size));
    editor->btMemoFont->click();
    EXPECT_EQ(dialogs.Shown().size(), 1u) << size;  // the question alone, no error
    EXPECT_EQ(editor->mCode->font().pixelSize(), PointsToPixels(size)) << size;
    EXPECT_EQ(IniFile->ReadString("GUI", "CodeFontSize", ""), IntToStr(size));
    ASSERT_TRUE(editor->close());
    OpenEditor();
    EXPECT_EQ(editor->mCode->font().pixelSize(), PointsToPixels(size)) << size;
  }
}

TEST_F(EditorRoutinesTest, TheDebugMenuShowsTheCaretPositionAndTheStatusInColour) {
  EXPECT_FALSE(editor->btDebug->isVisible());
  ASSERT_TRUE(editor->close());
  DebugMode = true;
  OpenEditor();
  EXPECT_TRUE(editor->btDebug->isVisible());
  Pick(1);
  editor->miDebugShowPosition->trigger();
  EXPECT_TRUE(editor->miDebugShowPosition->isChecked());
  QTextCursor caret = editor->mCode->textCursor();
  caret.setPosition(5);
  editor->mCode->setTextCursor(caret);
  caret.setPosition(0);
  editor->mCode->setTextCursor(caret);
  EXPECT_EQ(editor->Caption(), "1");
  editor->miDebugShowPosition->trigger();
  caret.setPosition(3);
  editor->mCode->setTextCursor(caret);
  EXPECT_EQ(editor->Caption(), "1");

  editor->miDebugCodeMemo->trigger();
  EXPECT_EQ(editor->mCode->Text(), Scanner().Text);
  const int literal = static_cast<int>(Scanner().Text.find("'alpha failed'"));
  EXPECT_EQ(editor->mCode->ColorAt(literal), clRed);
  EXPECT_EQ(editor->mCode->ColorAt(literal - 1), clBlack);
}

}  // namespace

namespace {

class EditorWindowTest : public EditorTest {};

TEST_F(EditorWindowTest, ThePopupsNameTheUnitOfTheCurrentRowWithTheSavePicture) {
  OpenProject({{"Unit1.pas", units::Unit1}});
  editor = new TfmEditor(&mainWindow);
  editor->sgSources->SetRowCount(0);  // no row
  editor->pmScan->aboutToShow();
  editor->pmSave->aboutToShow();
  EXPECT_EQ(editor->miScanFile->text().toStdString(), "Scan File");
  EXPECT_EQ(editor->miSaveFile->text().toStdString(), "Save File");
  editor->ShowUnits();
  editor->ExecuteShow(false);
  const auto picture = [this] { return editor->miSaveFile->icon().pixmap(16, 16).toImage(); };
  editor->pmScan->aboutToShow();
  editor->pmSave->aboutToShow();
  EXPECT_EQ(editor->miScanFile->text().toStdString(), "Scan Unit1.pas");
  EXPECT_EQ(editor->miSaveFile->text().toStdString(), "Save Unit1.pas");
  EXPECT_EQ(picture(), editor->imUnits.Picture(4).toImage());  // nothing to save
  UnitAt(0).Scanner->FileState = 1;
  editor->pmSave->aboutToShow();
  EXPECT_EQ(picture(), editor->imUnits.Picture(3).toImage());
}

TEST_F(EditorWindowTest, TheConfirmBoxFitsItsCaptionInEachLanguageLeftOfTheSaveButton) {
  editor = new TfmEditor(&mainWindow);
  EXPECT_EQ(editor->cbConfirmSaves->geometry(), QRect(95, 6, 65, 17));
  EXPECT_EQ(editor->Caption(), " Source Files Scanner");
  SetLanguage(2);
  editor->TranslateFirst();
  EXPECT_EQ(editor->cbConfirmSaves->geometry(), QRect(80, 6, 80, 17));
  EXPECT_EQ(editor->Caption(), Trt(" Source Files Scanner"));
  EXPECT_EQ(editor->cbConfirmSaves->text().toStdString(), Trt("Confirm"));
}

// The marker comes out, then the block is refused: the marker goes back.
TEST_F(EditorWindowTest, AddCodeRefusedOnAnIgnoredRoutineLeavesItIgnoredAndSaysWhy) {
  const std::string source =
      "unit Shared;\r\n\r\ninterface\r\n\r\nimplementation\r\n\r\n"
      "procedure Shared;\r\nbegin\r\n  {Corvane.IgnoreRoutine}\r\n  if Ready then begin Go; end; end;\r\n\r\n"
      "procedure Fine;\r\nbegin\r\n  Go;\r\nend;\r\n\r\nend.\r\n";
  OpenProject({{"Shared.pas", source}});
  OpenEditor();
  ClickRow(editor->sgProcs, 1);
  ClickRow(editor->sgProcs, 0);
  const std::string status = UnitAt(0).Scanner->TextStatus;
  editor->btAddCode->click();
  ASSERT_EQ(dialogs.Shown().size(), 1u);
  EXPECT_EQ(dialogs.Last().type, TMsgDlgType::mtError);
  EXPECT_EQ(dialogs.Last().text, "Other keywords share the begin or the end line");
  const TSourceScanner& s = *UnitAt(0).Scanner;
  EXPECT_EQ(s.Text, source);
  EXPECT_EQ(s.TextStatus, status);  // the marker is a comment again
  EXPECT_EQ(s.FileState, 0);
  EXPECT_EQ(editor->GetRI(0)->CodeState, 4);
  EXPECT_EQ(editor->GetRI(0)->State, 4);
  // The routine still reads as a new scan gives it: its marker can go.
  editor->btRemoveCode->click();
  EXPECT_EQ(s.Text.find("{Corvane.IgnoreRoutine}"), std::string::npos);
  EXPECT_EQ(editor->GetRI(0)->CodeState, 1);
}

}  // namespace
