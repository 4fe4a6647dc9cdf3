// Every text the program shows in French has its French: the program is
// started in French from the shipped tables (which load with an empty
// "Translator.log") and every window and operation is driven as a user
// would; each test ends by checking that the translator was asked for no
// text that its tables do not list.
#include <gmock/gmock.h>

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <filesystem>

#include "AppObjects.h"
#include "Browser.h"
#include "CheckListBox.h"
#include "ComboBox.h"
#include "Editor.h"
#include "EditorFixture.h"
#include "EditorOptions.h"
#include "Guide.h"
#include "HeaderControl.h"
#include "InfosColors.h"
#include "Log.h"
#include "MainFixture.h"
#include "ModalAnswer.h"
#include "PageControl.h"
#include "QtText.h"
#include "ScanProgress.h"
#include "SpeedButton.h"
#include "Timer.h"
#include "Translator.h"

namespace {

namespace fs = std::filesystem;
using ::testing::IsEmpty;

// A unit: the standard head, the implementation's lines, the final end.
std::string UnitOf(const std::string& Name, std::initializer_list<const char*> Implementation) {
  std::string text = "unit " + Name + ";\r\n\r\ninterface\r\n\r\nimplementation\r\n\r\n";
  for (const char* line : Implementation) text += std::string(line) + "\r\n";
  return text + "end.\r\n";
}

// Passes every progress text of the scanner on to the log window, however
// fast they come (the log asks for one a screen frame).
class EveryProgressText final : public TScanProgress {
 public:
  EveryProgressText() : log_(SetScanProgress(this)) {}
  ~EveryProgressText() override { SetScanProgress(log_); }
  EveryProgressText(const EveryProgressText&) = delete;
  EveryProgressText& operator=(const EveryProgressText&) = delete;
  void DisplayInfoPlus(const std::string& Text) override { log_->DisplayInfoPlus(Text); }
  bool Cancelled() const override { return log_->Cancelled(); }

 private:
  TScanProgress* log_;
};

class FrenchTextsTest : public MainTest {
 protected:
  FrenchTextsTest() { InstallShippedData(); }

  // Starts the program in French, in debug mode, with a browser that does
  // nothing; Settings are added to that.
  TfmMain& OpenInFrench(const std::string& Settings = "") {
    WriteSettings("[System]\r\nDebug=Kindle\r\nNavigator=/bin/true\r\n[GUI]\r\nLanguage=2\r\n" + Settings);
    TfmMain& fm = Open();
    EXPECT_EQ(dir.Read("my prog/Translator.log"), "");
    EXPECT_EQ(fm.Caption(), " Mise en place et entretien du code Lumbrick");
    return fm;
  }

  void TearDown() override {
    ASSERT_NE(TextTranslator, nullptr);
    EXPECT_THAT(TextTranslator->Unlisted(), IsEmpty()) << "texts without French";
  }

  // Пример.pas, as the file system spells it.
  static inline const std::string Primer = "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xBC\xD0\xB5\xD1\x80.pas";

  // A project whose units show every structure error, every code state
  // and every refusal; its path.
  std::string FaultsProject() const {
    const std::vector<std::pair<std::string, std::string>> units{
        {"Unit1", units::Unit1},
        {"Refused", units::Refused},
        {"Broken", units::Broken},
        {"NoFinalEnd", "unit NoFinalEnd;\r\n\r\ninterface\r\n\r\nimplementation\r\n\r\nprocedure A;\r\nbegin\r\nend;\r\n"},
        {"NoImpl", "unit NoImpl;\r\n\r\ninterface\r\n\r\nprocedure A;\r\nbegin\r\nend;\r\n\r\nend.\r\n"},
        {"BadUses", UnitOf("BadUses", {"uses Classes,", "  Lumbrick in", "procedure A;", "begin", "end;"})},
        {"Mixed", "unit Mixed;\r\n\r\ninterface\n\r\nimplementation\r\n\r\nend.\r\n"},
        {"NoBegin", UnitOf("NoBegin", {"type", "  TCallback = procedure(Sender: TObject);", "procedure A;", "begin",
                                       "end;"})},
        {"NoEnd", UnitOf("NoEnd", {"procedure A;", "begin", "  x;"})},
        {"InvalidEnd", UnitOf("InvalidEnd", {"procedure A;", "case", "end;", "begin", "begin", "end;", "end;"})},
        {"OpenExcept", UnitOf("OpenExcept", {"begin", "  try", "  except"})},
        {"Forward", UnitOf("Forward", {"constructor TA.Create; forward;", "procedure A;", "begin", "end;"})},
    };
    std::string uses;
    for (const auto& [name, source] : units) {
      dir.Write("apps/Faults/" + name + ".pas", source);
      uses += name + ",\r\n  ";
    }
    // A unit that is not there, one whose path a unit list cannot hold and
    // one whose name Windows-1252 cannot hold.
    dir.Write("apps/Faults/a;b/Odd.pas", UnitOf("Odd", {}));
    dir.Write("apps/Faults/" + Primer, UnitOf("Primer", {}));
    uses += "Gone in 'Gone.pas',\r\n  Odd in 'a;b/Odd.pas',\r\n  Primer in '" + Primer + "';\r\n";
    return dir.Write("apps/Faults/Faults.dpr", "program Faults;\r\n\r\nuses\r\n  " + uses + "\r\nbegin\r\nend.\r\n");
  }
};

TEST_F(FrenchTextsTest, TheMainWindowItsMenusAndItsGuide) {
  const std::string sample = Sample();
  TfmMain& fm = OpenInFrench("ShowGuide=Yes\r\nLastApp=" + sample + "\r\n");
  ASSERT_NE(CurrentAppli, nullptr);  // registered under the log in French
  EXPECT_EQ(LogLines().front(), "Initialisation de Lumbrick...");
  fm.tStart->Tick();
  ASSERT_TRUE(fmGuide->isVisible());
  EXPECT_EQ(fmGuide->Caption(), Trt("Guide   F11   (F1 for Help)"));

  // The guide's texts of both pages.
  fm.lbApps->SetItemIndex(-1);
  fmGuide->GuideState = -1;
  fm.UpdateGuideInfos();
  fm.btSelectApplication->click();  // none under the cursor: refused in English
  fm.lbApps->SetItemIndex(0);
  fm.lbAppsClick(fm.lbApps);
  fm.btSelectApplication->click();
  ASSERT_EQ(fm.PageControl1->ActivePage(), fm.tsUnits);
  Register(WriteProject("Empty", {}));
  fm.lbApps->SetItemIndex(1);
  fm.btSelectApplication->click();
  ChoosePage(fm.tsApplis);

  // Menus.
  emit fm.miView->aboutToShow();
  fm.miViewLogFile->trigger();
  fm.miViewLogFile->trigger();
  fm.miViewScanner->trigger();
  emit fm.miLanguage->aboutToShow();
  fm.miFrench->trigger();
  fm.miGuide->trigger();
  fm.miGuide->trigger();
  for (QAction* page : {fm.miHelpHelp, fm.miHome, fm.miTQuellumReferences, fm.miQuellum, fm.miLumbrick})
    page->trigger();
  {
    ModalAnswer about(ModalAnswer::Click("btOk"));
    fm.miHelpAbout->trigger();
    EXPECT_TRUE(about.Done());
  }
  fm.miViewLastBugReport->trigger();  // none yet
  dir.Write("my prog/BugReport.htm", "<html></html>");
  fm.miViewLastBugReport->trigger();
  files.Answer(std::nullopt);
  fm.miSelectBrowser->trigger();
  EXPECT_EQ(files.shown.back().title, "Choisir un navigateur Web");
  reportsExpected = 2;
  fm.miDebug->trigger();  // the road to the report, with the assistant's block
  fs::remove(ProgramDir() + "Corvane.ini");
  fm.miDebug->trigger();
  EXPECT_NE(Report().technicalText.find(">>> " + ProgramDir() + "Corvane.ini introuvable\r"), std::string::npos);

  // Without a browser: the help asks for one; the last report says where it is.
  BrowserPath = "/nowhere/browser";
  fm.miViewLastBugReport->trigger();
  dialogs.Answer(mrNo);
  fm.miHome->trigger();
  BrowserPath = "/bin/true";
  fs::remove(ProgramDir() + "Help/Fr/index.htm");
  fm.miHome->trigger();
  EXPECT_EQ(DialogTexts().back(), "Fichier d'aide introuvable : " + ProgramDir() + "Help/Fr/index.htm");
  BrowserPath = "/bin/false";  // an opener with no browser to hand the page to
  const std::size_t shown = dialogs.Shown().size();
  fm.miQuellum->trigger();
  ASSERT_TRUE(QTest::qWaitFor([&] { return dialogs.Shown().size() > shown; }, 10000));  // once it ended
  EXPECT_EQ(DialogTexts().back(),
            "Impossible d'ouvrir le fichier d'aide : " + ProgramDir() + "Help/Fr/ql_implementation.htm");
}

TEST_F(FrenchTextsTest, TheApplicationPageAndTheDiscoveryOfUnits) {
  TfmMain& fm = OpenInFrench();
  fm.tStart->Tick();  // the guide, for an empty list
  files.Answer(std::nullopt);
  fm.btAdd->click();
  const std::string faults = FaultsProject();
  Register(faults);  // every problem of the discovery in the log
  // The name only UTF-8 can spell, on a line written in UTF-8.
  const std::string unusable = "\tInutilisable : son nom contient des caract\xC3\xA8res hors de Windows-1252";
  EXPECT_THAT(LogLines(), ::testing::IsSupersetOf({"(clRed)Gone.pas\t" + Trt("Impossible to Read File"),
                                                   "(clRed)BadUses.pas\t" + Trt("Error in Uses Clause"),
                                                   "(clRed)" + Primer + unusable}));
  EXPECT_EQ(As(fm.lbAppliCount->text()), "1 fichier dans la liste");
  Register(faults);  // the duplicate, refused in English
  files.Answer(dir.File("apps"));
  fm.btAddPath->click();
  Register(WriteProject("Orchard", {"Apple"}));
  EXPECT_EQ(As(fm.lbAppliCount->text()), "2 fichiers dans la liste");
  fm.lbApps->SetItemIndex(0);
  fm.lbAppsClick(fm.lbApps);  // stores the search path
  fm.btSelectApplication->click();
  ChoosePage(fm.tsApplis);
  fm.lbApps->SetItemIndex(1);
  fm.lbAppsClick(fm.lbApps);
  dir.Write("my prog/Orchard.bul", "not a unit line\r\nnor this\r\n");
  fm.btSelectApplication->click();  // its unit list is damaged
  EXPECT_THAT(DialogTexts().back(), ::testing::StartsWith("Fichier de liste d'unit\xe9s endommag\xe9 : "));
  dialogs.Answer(mrYes);
  fm.btRemove->click();
  fm.lbApps->SetItemIndex(-1);
  fm.btRemove->click();  // none selected: refused in English

  // The log window: saved, and the words that end an operation.
  files.Answer(dir.File("log.txt"));
  fmLog->btSave->click();
  EXPECT_EQ(DialogTexts().back(), "Journal enregistr\xe9 dans " + dir.File("log.txt"));
  files.Answer(dir.File("log.txt/log.txt"));
  fmLog->btSave->click();  // under a file: which file and why
  EXPECT_EQ(DialogTexts().back(),
            "Impossible de cr\xe9" "er le fichier \"" + dir.File("log.txt/log.txt") + "\". Not a directory");
  fmLog->StartLog(Trt("Refresh List"));
  fmLog->SetCancelled(true);
  fmLog->TerminateLog();
  fmLog->StartLog(Trt("Refresh List"));
  fmLog->TerminateLog();
  fmLog->btOk->click();
}

TEST_F(FrenchTextsTest, ARefusedUnitListName) {
  const std::string project = WriteProject("Orchard", {});
  OpenInFrench("[" + project + "]\r\nDataFileName=Dialogs.ini\r\n");
  EXPECT_EQ(DialogTexts(), std::vector<std::string>{
                               "Fichier de liste d'unit\xe9s refus\xe9 : Dialogs.ini\r\n" + project +
                               "\r\n\r\nUne liste d'unit\xe9s est un fichier .bul qu'aucune autre application "
                               "n'utilise.\r\nL'application re\xe7oit une nouvelle liste d'unit\xe9s, vide "
                               "jusqu'\xe0 Actualiser la liste : Orchard.bul"});
}

TEST_F(FrenchTextsTest, TheSourceFilePageTheOptionsAndTheScannerWindow) {
  TfmMain& fm = OpenInFrench("ConfirmOverwrite=Yes\r\n");
  const EveryProgressText progress;
  OpenProject(FaultsProject());
  fm.tStart->Tick();
  fm.btRefreshList->click();
  fm.btSelectAll->click();
  fm.btUnselectAll->click();
  fm.clbFiles->SetItemIndex(0);
  fm.btIgnore->click();
  fm.btIgnore->click();
  fm.cbPath->SetItemIndex(0);
  emit fm.cbPath->activated(0);
  fm.hcFilesSectionClick(fm.hcFiles, 2);
  files.Answer(std::nullopt);
  fm.btAddUnit->click();
  files.Answer(CurrentAppli->Units.GetUnit(0)->FileName);
  fm.btAddUnit->click();  // already listed
  files.Answer(dir.File("apps/Faults/a;b/Odd.pas"));
  fm.btAddUnit->click();  // a path no unit list can hold
  fm.clbFiles->SetItemIndex(-1);
  fm.btRemoveUnit->click();  // none selected
  files.Answer(dir.Write("apps/Faults/Extra.pas", UnitOf("Extra", {})));
  fm.btAddUnit->click();
  fm.clbFiles->SetItemIndex(fm.clbFiles->Count() - 1);
  dialogs.Answer(mrYes);
  fm.btRemoveUnit->click();
  fm.btUnselectAll->click();
  fm.btUpdateCode->click();  // nothing ticked
  fm.btSelectAll->click();
  fs::remove(dir.File("apps/Faults/NoEnd.pas"));  // listed, no longer there

  // The options dialog: every refusal and question of Validate.
  dialogs.Answer(mrOk).Answer(mrNo).Answer(mrNo);
  ModalAnswer options([](QWidget* modal) {
    auto& dialog = *static_cast<TfmScanOptions*>(modal);
    dialog.cbQuellumVar->lineEdit()->setText("1abc");
    dialog.btValidate->click();  // not an identifier
    dialog.cbQuellumVar->lineEdit()->setText("VIX");
    dialog.clbPush->item(3)->setCheckState(Qt::Unchecked);
    dialog.btValidate->click();  // no routine name: No
    dialog.clbPush->item(3)->setCheckState(Qt::Checked);
    dialog.btHelp->click();
    dialog.btValidate->click();  // not all at once
  });
  fm.btUpdateCode->click();
  ASSERT_TRUE(options.Done());
  TfmEditor& editor = *fmEditor;
  EXPECT_EQ(editor.Caption(), " Analyseur de fichiers sources");
  editor.UpdateGuideInfos();

  // Every unit shown, every routine of the first shown, every button.
  for (int row = 0; row < editor.sgSources->RowCount(); ++row) ClickRow(editor.sgSources, row);
  for (const char* name : {"Unit1.pas", "Refused.pas"}) {
    ShowUnit(name);
    for (int row = 0; row < editor.sgProcs->RowCount(); ++row) {
      ClickRow(editor.sgProcs, row);
      for (TSpeedButton* button : {editor.btAddCode, editor.btUpdateCode, editor.btRemoveCode, editor.btIgnoreCode})
        button->click();
    }
  }
  editor.pmScanPopup(&editor);
  editor.pmSavePopup(&editor);
  editor.miScanFile->trigger();
  editor.miScanAll->trigger();
  editor.pmSavePopup(&editor);
  dialogs.Answer(mrNo);
  editor.miSaveFile->trigger();
  dir.Write("apps/Faults/Unit1.pas", units::Unit1 + "\r\n");  // changed in another editor
  fs::remove(dir.File("apps/Faults/Refused.pas"));            // and deleted
  editor.miSaveAll->trigger();
  ShowUnit("Unit1.pas");
  ClickRow(editor.sgProcs, 0);
  editor.btRemoveCode->click();
  editor.btAddCode->click();

  // Code font size, help, legend.
  dialogs.Answer(mrOk, "big");
  editor.btMemoFont->click();
  dialogs.Answer(mrCancel);
  editor.btMemoFont->click();
  {
    ModalAnswer legend([](QWidget* modal) {
      EXPECT_EQ(static_cast<TfmInfosColors*>(modal)->Caption(), "Couleurs et pictogrammes");
      modal->close();
    });
    editor.miHelpColors->trigger();
    EXPECT_TRUE(legend.Done());
  }
  editor.miHelpScanner->trigger();
  editor.miHelpErrorMessages->trigger();
  editor.btDebug->click();
  editor.pmDebug->close();

  // The source-file page refuses while the scanner is shown; closing asks.
  fm.btRefreshList->click();
  fm.miEnglish->trigger();
  fm.miFrench->trigger();
  dialogs.Answer(mrNo);
  EXPECT_FALSE(editor.close());
  EXPECT_THAT(DialogTexts().back(), ::testing::EndsWith("Quitter quand m\xeame ?"));
  dialogs.Answer(mrYes);
  EXPECT_TRUE(editor.close());
  Settle();

  // Scan All at once (it stops at the forward constructor's unit), then two
  // modified units at closing.
  SecureCode(true);
  for (const char* name : {"Unit1.pas", "Refused.pas"}) {
    ShowUnit(name);
    ClickRow(fmEditor->sgProcs, 2);
    fmEditor->btRemoveCode->click();
  }
  dialogs.Answer(mrYes);
  EXPECT_TRUE(fmEditor->close());
  EXPECT_THAT(DialogTexts().back(), ::testing::StartsWith("2 fichiers sont modifi\xe9s"));
}

}  // namespace
