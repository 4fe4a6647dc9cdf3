// One run of the program from start to finish, as a user walks it: a fresh
// copy of the sample project named by LastApp is registered at start-up, its
// units are found, secured all at once and saved; the secured program
// compiles and prints what it printed before, and every routine a failure
// leaves says so; removing the blocks gives the sources back but for their
// uses clauses. Then the about box, French in every window, and the debug
// item's failure through the real report window to a bug report written
// from the shipped model.
#include <gmock/gmock.h>

#include <QToolButton>
#include <filesystem>
#include <sstream>

#include "AppObjects.h"
#include "Application.h"
#include "ComboBox.h"
#include "Editor.h"
#include "EditorOptions.h"
#include "Files.h"
#include "Guide.h"
#include "InfosColors.h"
#include "Log.h"
#include "MainFixture.h"
#include "ModalAnswer.h"
#include "PageControl.h"
#include "Shell.h"
#include "SourceScanner.h"
#include "SpeedButton.h"
#include "StringList.h"

namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;

const std::vector<std::string> UnitNames{"Beds.pas", "Journal.pas", "Plants.pas", "Seasons.pas"};

class EndToEndTest : public MainTest {
 protected:
  EndToEndTest() { InstallShippedData(); }

  // Compiles the project's sources in a folder of their own with the
  // test-only Lumbrick unit, which prints every name pushed, and runs the
  // program: its output.
  std::string CompileAndRun(const std::string& Project) const {
    const std::string build = dir.File("fpc/");
    fs::remove_all(build);
    fs::create_directories(build);
    for (const auto& f : fs::directory_iterator(ExtractFilePath(Project)))
      if (f.path().extension() == ".pas" || f.path().extension() == ".dpr")
        fs::copy_file(f.path(), build + f.path().filename().string());
    fs::copy_file(PASCAL_SOURCE_DIR "/Lumbrick.pas", build + "Lumbrick.pas");
    std::string log;
    EXPECT_TRUE(RunShell("cd '" + build + "' && fpc -B -Mdelphi -dPRINTPUSH -FE. Greenhouse.dpr", log)) << log;
    std::string output;
    EXPECT_TRUE(RunShell("cd '" + build + "' && ./Greenhouse", output)) << output;
    return output;
  }

  // The lines of a program's output that are not pushed names, and those
  // that are.
  static std::pair<std::string, std::vector<std::string>> SplitPushes(const std::string& Output) {
    std::istringstream in(Output);
    std::string printed;
    std::vector<std::string> pushed;
    for (std::string line; std::getline(in, line);) {
      if (line.starts_with("VIX.Push("))
        pushed.push_back(line);
      else
        printed += line + "\n";
    }
    return {printed, pushed};
  }

  std::string Unit(const std::string& Name) const { return dir.Read("Greenhouse/" + Name); }
};

TEST_F(EndToEndTest, SecureAndCleanTheSampleThenFrenchAndABugReport) {
  std::string version;
  if (!RunShell("fpc -iV", version)) GTEST_SKIP() << "Free Pascal (fpc) is not installed";

  // What the run command prepares: the sample in a working folder, and the
  // settings naming it.
  const std::string project = Sample();
  std::vector<std::string> originals;
  for (const std::string& name : UnitNames) originals.push_back(Unit(name));
  WriteSettings("[GUI]\r\nLastApp=" + project + "\r\n");
  Application->Title = "Lumbrick";
  TfmMain& fm = Open();
  files.Answer(RecordingBrowser());
  fm.miSelectBrowser->trigger();  // Options > Select Web Browser

  // Registered at the first start, under the log, and current.
  ASSERT_NE(CurrentAppli, nullptr);
  EXPECT_EQ(CurrentAppli->FileName, project);
  EXPECT_THAT(fm.AppLines(), ElementsAre(project));
  EXPECT_EQ(LogLines().front(), "Lumbrick Initialization...");
  EXPECT_FALSE(fmLog->isVisible());
  EXPECT_EQ(fm.PageControl1->tabText(1).toStdString(), project);

  fm.btSelectApplication->click();
  ASSERT_EQ(fm.PageControl1->ActivePage(), fm.tsUnits);
  fm.btRefreshList->click();
  EXPECT_THAT(LogLines(), ElementsAre(project + " : Refresh List", "", "Greenhouse.dpr\tUnits : 4",
                                      "Journal.pas\tUnits : 1", "Plants.pas\tUnits : 3", "Beds.pas\tUnits : 5",
                                      "Seasons.pas\tUnits : 0", "", "4 Unit Source Files Found in Application"));
  fmLog->btOk->click();
  fm.btSelectAll->click();

  // Secured all at once, then saved; the log tells each unit's count.
  SecureCode(true);
  const std::string title = project + " : Scan All Source Files";
  EXPECT_THAT(LogLines(), ElementsAre(title, "", "Journal.pas\tCode Added : 3\t Updated : 0\t Removed : 0",
                                      "Plants.pas\tCode Added : 7\t Updated : 0\t Removed : 0",
                                      "Beds.pas\tCode Added : 10\t Updated : 0\t Removed : 0",
                                      "Seasons.pas\tCode Added : 3\t Updated : 0\t Removed : 0", "",
                                      "4 Source Files Scanned"));
  fmEditor->miSaveAll->trigger();  // each save confirmed
  for (const std::string& name : UnitNames) EXPECT_THAT(DialogTexts(), ::testing::Contains("Save " + name + " ?"));
  EXPECT_TRUE(fmEditor->close());
  Settle();
  for (std::size_t u = 0; u < UnitNames.size(); ++u) EXPECT_NE(Unit(UnitNames[u]), originals[u]) << UnitNames[u];

  // The same program, but for the names its failures now push.
  const auto [printed, pushed] = SplitPushes(CompileAndRun(project));
  EXPECT_EQ(printed, dir.Read("Greenhouse/Greenhouse.out"));
  EXPECT_THAT(pushed, ElementsAre("VIX.Push('Beds.pas : Procedure TBed.Water(Litres: Integer)')",
                                  "VIX.Push('Journal.pas : Function ReadCount(const Text: string)')",
                                  "VIX.Push('Journal.pas : Function ReadCount(const Text: string)')",
                                  "VIX.Push('Beds.pas : Function TBed.Tallest')"));

  // The blocks removed the same way: correct code removed, nothing added.
  SecureCode(true, [](QWidget* dialog) {
    auto& options = *static_cast<TfmScanOptions*>(dialog);
    options.cbCorrectCode->setCurrentIndex(1);
    emit options.cbCorrectCode->activated(1);
    options.cbMissingCode->setCurrentIndex(1);
    emit options.cbMissingCode->activated(1);
  });
  EXPECT_THAT(LogLines(), ElementsAre(title, "", "Journal.pas\tCode Added : 0\t Updated : 0\t Removed : 3",
                                      "Plants.pas\tCode Added : 0\t Updated : 0\t Removed : 7",
                                      "Beds.pas\tCode Added : 0\t Updated : 0\t Removed : 10",
                                      "Seasons.pas\tCode Added : 0\t Updated : 0\t Removed : 3", "",
                                      "4 Source Files Scanned"));
  fmEditor->miSaveAll->trigger();
  EXPECT_TRUE(fmEditor->close());
  Settle();
  for (std::size_t u = 0; u < UnitNames.size(); ++u) {
    // The original with the library's unit added to its uses clause.
    TSourceScanner original(dir.File("Greenhouse/" + UnitNames[u]));
    original.Text = originals[u];
    original.TextStatus = original.ConvertIntoTextStatus(original.Text);
    original.AddQuellumUnitInUse();
    EXPECT_EQ(Unit(UnitNames[u]), original.Text) << UnitNames[u];
  }

  // Help > About.
  {
    ModalAnswer about([](QWidget* box) {
      EXPECT_EQ(box->windowTitle(), "Lumbrick");
      ModalAnswer::Click("btOk")(box);
    });
    fm.miHelpAbout->trigger();
    EXPECT_TRUE(about.Done());
  }

  // French, in every window.
  fm.miGuide->trigger();
  fm.miFrench->trigger();
  EXPECT_EQ(fm.Caption(), " Mise en place et entretien du code Lumbrick");
  EXPECT_EQ(fm.PageControl1->tabText(0).toStdString(), "Liste des applications");
  EXPECT_EQ(fmLog->Caption(), " Journal des op\xe9rations");
  EXPECT_EQ(fmGuide->Caption(), "Guide   F11   (F1 pour l'aide)");
  SecureCode(false, [](QWidget* dialog) {
    EXPECT_EQ(static_cast<TfmScanOptions*>(dialog)->Caption(), "Options de l'analyseur de fichiers sources");
  });
  EXPECT_EQ(fmEditor->Caption(), " Analyseur de fichiers sources");
  {
    ModalAnswer legend([](QWidget* shown) {
      EXPECT_EQ(static_cast<TfmInfosColors*>(shown)->Caption(), "Couleurs et pictogrammes");
      shown->close();
    });
    fmEditor->miHelpColors->trigger();
    EXPECT_TRUE(legend.Done());
  }
  {
    ModalAnswer about([](QWidget* box) {
      EXPECT_EQ(box->windowTitle(), "Lumbrick");  // the product's name in both languages
      ModalAnswer::Click("btOk")(box);
    });
    fm.miHelpAbout->trigger();
    EXPECT_TRUE(about.Done());
  }
  EXPECT_TRUE(fmEditor->close());

  // Debug mode, set by hand in the settings file, at the next start; its
  // item's failure through the real report window to a bug report.
  Close();
  std::string settings = Settings();
  ASSERT_NE(settings.find("[System]\r\n"), std::string::npos);
  settings.replace(settings.find("[System]\r\n"), 10, "[System]\r\nDebug=Kindle\r\n");
  WriteSettings(settings);
  UseRealReportWindow();
  TfmMain& again = Open();
  ASSERT_NE(CurrentAppli, nullptr);
  EXPECT_EQ(CurrentAppli->FileName, project);
  ASSERT_TRUE(again.miDebug->isVisible());
  std::string reportCaption;
  ModalAnswer report([&](QWidget* shown) {
    reportCaption = shown->windowTitle().toStdString();
    shown->findChild<QToolButton*>("btCreate")->click();
  });
  dialogs.Answer(mrYes);
  again.miDebug->trigger();  // "View more informations ?", in French
  EXPECT_TRUE(report.Done());
  EXPECT_EQ(dialogs.Last().text,
            "' Mise en place et entretien du code Lumbrick' is not a valid integer value.\n\r\n\r"
            "Voir plus d'informations ?");
  EXPECT_EQ(reportCaption, "Informations sur l'exception");

  const std::string written = dir.Read("my prog/BugReport_0001.htm");
  const std::string model = dir.Read("my prog/vixModel.htm");
  const std::string opening = "<textarea name=\"taLumbrick\" rows=\"36\" cols=\"110\">";
  const std::size_t text = model.find(opening) + opening.size();
  EXPECT_EQ(written.substr(0, text), model.substr(0, text));
  EXPECT_TRUE(written.ends_with(model.substr(text))) << written;
  EXPECT_NE(written.find("- Procedure TfmMain.miDebugClick\r"), std::string::npos);
  // The assistant's block: its settings file, line by line.
  std::string block = "=== Informations personnalis\xe9" "es Lumbrick ===\r" + ProgramDir() + "Corvane.ini";
  TStringList lines;
  lines.SetText(Settings());
  for (int i = 0; i < lines.Count(); ++i) block += "\r " + lines.Strings(i);
  block += "\r------ End Of Corvane.ini ------\r=== Informations personnalis\xe9" "es Lumbrick ===";
  EXPECT_NE(written.find(block), std::string::npos) << written;
  EXPECT_NE(block.find("\r Debug=Kindle\r"), std::string::npos);
  EXPECT_EQ(BrowserArguments(), ProgramDir() + "BugReport_0001.htm\n");
}

}  // namespace
