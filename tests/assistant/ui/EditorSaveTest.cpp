// The scanner window's saves and its closing: confirmation, the dates and
// their storing, failed writes, the saved source byte for byte and as a
// program Free Pascal compiles and runs, and the close question.
#include <QCheckBox>
#include <QMenu>
#include <chrono>
#include <filesystem>

#include "AppObjects.h"
#include "CommonGlobals.h"
#include "EditorFixture.h"
#include "FileSizeLimit.h"
#include "Files.h"
#include "ScanActions.h"
#include "Settings.h"
#include "Shell.h"
#include "SpeedButton.h"
#include "SysUtils.h"

namespace {

class EditorSaveTest : public EditorTest {
 protected:
  // Adds the block to Epsilon, the unit shown being Unit1.
  void ModifyUnit1() {
    ClickRow(editor->sgProcs, 4);
    editor->btAddCode->click();
    ASSERT_EQ(UnitAt(0).Scanner->FileState, 1);
  }
  std::vector<std::string> Questions() const {
    std::vector<std::string> texts;
    for (const DialogRequest& r : dialogs.Shown()) texts.push_back(r.text);
    return texts;
  }
};

TEST_F(EditorSaveTest, WithConfirmNoLeavesTheFileAndTheDatesAndYesWritesIt) {
  OpenProject({{"Unit1.pas", units::Unit1}});
  OpenEditor();
  ModifyUnit1();
  dialogs.Answer(mrNo);
  editor->miSaveFile->trigger();
  EXPECT_EQ(Questions(), std::vector<std::string>{"Save Unit1.pas ?"});
  EXPECT_EQ(dir.Read("proj/Unit1.pas"), units::Unit1);
  EXPECT_EQ(UnitAt(0).LastUpdate, NullDate);
  EXPECT_EQ(CurrentAppli->LastUpdate, NullDate);

  dialogs.Answer(mrYes);
  editor->miSaveFile->trigger();
  EXPECT_EQ(UnitAt(0).Scanner->FileState, 2);
  EXPECT_EQ(dir.Read("proj/Unit1.pas"), UnitAt(0).Scanner->Text);
  EXPECT_EQ(UnitAt(0).LastUpdate, Now());
  EXPECT_EQ(CurrentAppli->LastUpdate, Now());
}

TEST_F(EditorSaveTest, WithoutConfirmItWritesWithoutAsking) {
  OpenProject({{"Unit1.pas", units::Unit1}});
  OpenEditor();
  ModifyUnit1();
  editor->cbConfirmSaves->click();
  EXPECT_FALSE(GUIOptions.ConfirmOverwrite);
  editor->miSaveFile->trigger();
  EXPECT_TRUE(dialogs.Shown().empty());
  EXPECT_EQ(UnitAt(0).Scanner->FileState, 2);
}

TEST_F(EditorSaveTest, UnmodifiedUnitsAndErrorStatusesAsTheyAreSaved) {
  OpenProject({{"Unit1.pas", units::Unit1}, {"Unit2.pas", units::Unit2}, {"Nested.pas", units::Nested}});
  GUIOptions.ConfirmOverwrite = false;
  OpenEditor();
  editor->miSaveFile->trigger();  // not modified: nothing, in silence
  EXPECT_TRUE(dialogs.Shown().empty());
  EXPECT_EQ(UnitAt(0).Scanner->FileState, 0);

  ModifyUnit1();
  UnitAt(0).Status = "error";  // drawn as an error, saved like any other
  ClickRow(editor->sgSources, 1);
  ClickRow(editor->sgProcs, 0);
  UnitAt(1).Status = "Error";
  editor->btAddCode->click();
  ASSERT_EQ(UnitAt(1).Scanner->FileState, 1);
  editor->miSaveAll->trigger();
  EXPECT_EQ(UnitAt(0).Scanner->FileState, 2);
  EXPECT_EQ(UnitAt(1).Scanner->FileState, 1);
  EXPECT_EQ(Questions(), std::vector<std::string>{"Source File has Errors : Unit2.pas"});

  delete editor.data();
  editor = new TfmEditor(&mainWindow);  // never filled: no unit shown
  editor->miSaveFile->trigger();
  EXPECT_EQ(Questions().back(), "No Source File Selected");
}

TEST_F(EditorSaveTest, AUnitReadAgainWithoutAnErrorIsNoLongerRefused) {
  OpenProject({{"Unit2.pas", units::Broken}});
  OpenEditor();
  ASSERT_EQ(UnitAt(0).Status, "Error");
  ASSERT_TRUE(editor->close());
  dir.Write("proj/Unit2.pas", units::Unit2);  // mended in another editor
  GUIOptions.ConfirmOverwrite = false;
  ScanActions = {0, 2, 3};
  OpenEditor();
  editor->miScanFile->trigger();
  editor->miSaveFile->trigger();
  EXPECT_EQ(Questions(), std::vector<std::string>{});
  EXPECT_EQ(UnitAt(0).Status, "Ok");
  EXPECT_EQ(dir.Read("proj/Unit2.pas"), UnitAt(0).Scanner->Text);
}

// Between the read and Save All, another editor changes Unit1 (to a text of
// the same size) and deletes Unit2: each is written only after a Yes.
TEST_F(EditorSaveTest, AFileChangedOrDeletedSinceItWasReadIsWrittenOnlyAfterAYes) {
  OpenProject({{"Unit1.pas", units::Unit1}, {"Unit2.pas", units::Unit2}});
  GUIOptions.ConfirmOverwrite = false;
  ScanActions = {0, 2, 3};
  OpenEditor();
  editor->miScanAll->trigger();
  std::string elsewhere = units::Unit1;
  elsewhere.replace(elsewhere.find("alpha failed"), 12, "ALPHA FAILED");
  const auto read = std::filesystem::last_write_time(UnitPath("Unit1.pas"));
  dir.Write("proj/Unit1.pas", elsewhere);
  std::filesystem::last_write_time(UnitPath("Unit1.pas"), read + std::chrono::seconds(1));
  std::filesystem::remove(UnitPath("Unit2.pas"));
  const std::vector<std::string> questions{
      "Unit1.pas has Changed on Disk since it was Read. Overwrite it ?",
      "Unit2.pas has been Deleted since it was Read. Save it Anyway ?"};

  dialogs.Answer(mrNo).Answer(mrNo);
  editor->miSaveAll->trigger();
  EXPECT_EQ(Questions(), questions);
  EXPECT_EQ(dir.Read("proj/Unit1.pas"), elsewhere);
  EXPECT_FALSE(FileExists(UnitPath("Unit2.pas")));
  EXPECT_EQ(UnitAt(0).Scanner->FileState, 1);

  dialogs.Clear();
  dialogs.Answer(mrYes).Answer(mrYes);
  editor->miSaveAll->trigger();
  EXPECT_EQ(Questions(), questions);
  EXPECT_EQ(dir.Read("proj/Unit1.pas"), units::SecuredUnit1);
  EXPECT_EQ(dir.Read("proj/Unit2.pas"), UnitAt(1).Scanner->Text);

  // What was written is what the next save compares with: no question.
  dialogs.Clear();
  ClickRow(editor->sgProcs, 1);
  editor->btRemoveCode->click();
  ASSERT_EQ(UnitAt(0).Scanner->FileState, 1);
  editor->miSaveFile->trigger();
  EXPECT_EQ(Questions(), std::vector<std::string>{});
  EXPECT_EQ(UnitAt(0).Scanner->FileState, 2);
}

TEST_F(EditorSaveTest, AFailedWriteLeavesTheFileAndTheUnitModifiedAndSaveAllGoesOn) {
  OpenProject({{"Unit1.pas", units::Unit1}, {"Unit2.pas", units::Unit2}});
  GUIOptions.ConfirmOverwrite = false;
  OpenEditor();
  ModifyUnit1();
  ClickRow(editor->sgSources, 1);
  ClickRow(editor->sgProcs, 0);
  editor->btAddCode->click();
  {
    const FileSizeLimit limit(400);  // Unit1 no longer fits, Unit2 does
    editor->miSaveAll->trigger();
  }
  ASSERT_EQ(dialogs.Shown().size(), 1u);
  EXPECT_EQ(dialogs.Last().type, TMsgDlgType::mtError);
  EXPECT_EQ(dir.Read("proj/Unit1.pas"), units::Unit1);
  EXPECT_EQ(UnitAt(0).Scanner->FileState, 1);
  EXPECT_EQ(UnitAt(0).LastUpdate, NullDate);
  EXPECT_TRUE(editor->SaveFailed(&UnitAt(0)));
  EXPECT_EQ(UnitAt(1).Scanner->FileState, 2);
  EXPECT_EQ(dir.Read("proj/Unit2.pas"), UnitAt(1).Scanner->Text);
  // The save menu offers the Save Error picture for it.
  ClickRow(editor->sgSources, 0);
  editor->pmSave->aboutToShow();
  EXPECT_EQ(editor->miSaveFile->text().toStdString(), "Save Unit1.pas");
  editor->miSaveFile->trigger();
  EXPECT_FALSE(editor->SaveFailed(&UnitAt(0)));
  EXPECT_EQ(UnitAt(0).Scanner->FileState, 2);
}

TEST_F(EditorSaveTest, AfterSaveAllTheSummaryShowsTheDateOfTheFileJustWritten) {
  OpenProject({{"Unit1.pas", units::Unit1}});
  GUIOptions.ConfirmOverwrite = false;
  ScanActions = {0, 2, 3};
  const std::string path = UnitPath("Unit1.pas");
  std::filesystem::last_write_time(path, std::filesystem::last_write_time(path) - std::chrono::hours(48));
  OpenEditor();
  editor->miScanFile->trigger();  // the unit modified, its summary shown again
  ASSERT_EQ(MemoLines().at(0), path);
  const std::string read = MemoLines().at(1);
  editor->miSaveAll->trigger();
  ASSERT_EQ(UnitAt(0).Scanner->FileState, 2);
  EXPECT_NE(MemoLines().at(1), read);
  EXPECT_EQ(MemoLines().at(1), DateTimeToStr(UnitAt(0).FileDate));
  EXPECT_EQ(MemoLines().back(), "Code Modifications\tAdded : 2\tUpdated : 1\tRemoved : 0");
}

TEST_F(EditorSaveTest, TheSaveDatesReachTheUnitListAndTheSettingsWhenTheWindowCloses) {
  OpenProject({{"Unit1.pas", units::Unit1}});
  GUIOptions.ConfirmOverwrite = false;
  const std::string list = dir.Read("prog/App.bul");
  OpenEditor();
  editor->StoreSaveDates();  // nothing saved yet: nothing written
  EXPECT_EQ(dir.Read("prog/App.bul"), list);
  ModifyUnit1();
  editor->miSaveFile->trigger();
  ASSERT_TRUE(editor->close());
  EXPECT_EQ(dir.Read("prog/App.bul"), UnitPath("Unit1.pas") + ";True;" + DateTimeToStr(Now()) + ";Ok\r\n");
  EXPECT_EQ(IniFile->ReadString(ProjectFile(), "LastUpdate", ""), DateTimeToStr(Now()));
}

TEST_F(EditorSaveTest, ClosingWithModifiedFilesAsksAndNoKeepsEverything) {
  OpenProject({{"Unit1.pas", units::Unit1}, {"Unit2.pas", units::Unit2}});
  OpenEditor();
  ModifyUnit1();
  dialogs.Answer(mrNo);
  EXPECT_FALSE(editor->close());
  ClickRow(editor->sgSources, 1);
  ClickRow(editor->sgProcs, 0);
  editor->btAddCode->click();
  dialogs.Answer(mrNo);
  EXPECT_FALSE(editor->close());
  EXPECT_EQ(Questions(), (std::vector<std::string>{"One File is Modified and not Saved. Quit Anyway ?",
                                                   "2 Files are Modified and not Saved. Quit Anyway ?"}));
  EXPECT_TRUE(editor->isVisible());
  EXPECT_FALSE(EditorAbsent);
  EXPECT_EQ(UnitAt(0).Scanner->FileState, 1);
  EXPECT_EQ(UnitAt(1).Scanner->FileState, 1);

  dialogs.Answer(mrYes);
  EXPECT_TRUE(editor->close());
  EXPECT_TRUE(EditorAbsent);
  for (int i = 0; i < 2; ++i) {
    EXPECT_FALSE(UnitAt(i).Scanned);
    EXPECT_FALSE(UnitAt(i).Scanner->Loaded);
    EXPECT_EQ(UnitAt(i).Scanner->FileState, 0);
  }
  // The next window reads every unit again: the changes are gone.
  OpenEditor();
  EXPECT_EQ(UnitAt(0).Scanner->Text, units::Unit1);
  EXPECT_EQ(editor->GetRI(4)->CodeState, 1);
  ClickRow(editor->sgSources, 1);
  EXPECT_EQ(UnitAt(1).Scanner->Text, units::Unit2);
}

TEST_F(EditorSaveTest, TheSavedSourceIsTheGoldenOneAndFreePascalCompilesAndRunsIt) {
  OpenProject({{"Unit1.pas", units::Unit1}});
  GUIOptions.ConfirmOverwrite = false;
  ScanActions = {0, 2, 3};
  OpenEditor();
  editor->miScanFile->trigger();
  editor->miSaveFile->trigger();
  ASSERT_EQ(dir.Read("proj/Unit1.pas"), units::SecuredUnit1);

  std::string version;
  if (!RunShell("fpc -iV", version)) GTEST_SKIP() << "Free Pascal (fpc) is not installed";
  dir.Write("proj/Lumbrick.pas", ReadFileBytes(PASCAL_SOURCE_DIR "/Lumbrick.pas").value_or(""));
  dir.Write("proj/App.dpr",
            "program App;\r\n\r\nuses SysUtils, Lumbrick, Unit1;\r\n\r\nbegin\r\n  try\r\n    Epsilon;\r\n"
            "  except\r\n    on E: Exception do WriteLn(E.Message, ' | ', VIX.Chain);\r\n  end;\r\nend.\r\n");
  std::string compiler;
  ASSERT_TRUE(RunShell("cd '" + dir.File("proj") + "' && fpc -B -Mdelphi -FE. App.dpr", compiler)) << compiler;
  std::string output;
  ASSERT_TRUE(RunShell("cd '" + dir.File("proj") + "' && ./App", output)) << output;
  EXPECT_EQ(output, "epsilon\nalpha failed | Unit1.pas : Procedure Alpha < Unit1.pas : Procedure Epsilon\n");
}

}  // namespace
