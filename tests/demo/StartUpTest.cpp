// Start-up and library binding: "Dromlet.ini" and its defaults, the
// program's block of the technical text, the browser start, CRLF.
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <fstream>

#include "Application.h"
#include "Colors.h"
#include "DemoFixture.h"
#include "EventWait.h"
#include "Process.h"
#include "Files.h"
#include "ListBox.h"
#include "Lumbrick.h"
#include "QtText.h"
#include "RadioGroup.h"
#include "Timer.h"

namespace {

using StartUpTest = DemoTest;

const char* const kHostOpener = HostBrowser;

TEST_F(StartUpTest, WithoutSettingsFileTheTourStartsInEnglishOnTheIntroduction) {
  TfmMain& fm = Open();
  EXPECT_TRUE(IsEnglish);
  EXPECT_EQ(fm.rgLanguage->ItemIndex(), 0);
  EXPECT_EQ(VIX->Language, 1);
  EXPECT_EQ(fm.rgOnOff->ItemIndex(), 0);
  EXPECT_TRUE(fm.rgOnOff->isHidden());
  EXPECT_EQ(fm.PageControl1->currentWidget(), fm.tsIntro);
  EXPECT_EQ(fm.Caption(), " Lumbrick Example - June 2006");
  EXPECT_EQ(fm.lb01T->text(), "Welcome to Lumbrick Example");
  EXPECT_EQ(fm.lb3Timer->text(), "2:30:45 PM");  // the long time format at creation
  EXPECT_FALSE(fm.Timer1->Enabled());
  EXPECT_FALSE(fm.CloseProcesses(false));
  // The default browser is the host's opener; a missing one empties the box
  // and turns the browser labels red.
  if (FileExists(kHostOpener)) {
    EXPECT_EQ(As(fm.edWebBrowser->text()), kHostOpener);
    EXPECT_EQ(FontColor(fm.lbBrowser), clBlack);
  } else {
    EXPECT_EQ(fm.edWebBrowser->text(), "");
    EXPECT_EQ(FontColor(fm.lbBrowser), clRed);
  }
  // The introduction shows no warning, and reading the settings writes none.
  EXPECT_TRUE(dialogs.Shown().empty());
  EXPECT_FALSE(FileExists(dir.File("Dromlet.ini")));
}

TEST_F(StartUpTest, TheWindowKeepsItsDesign) {
  TfmMain& fm = Open();
  EXPECT_EQ(fm.Name(), "fmMain");
  EXPECT_EQ(fm.size(), QSize(726, 484));
  EXPECT_EQ(fm.minimumSize(), fm.maximumSize());  // single border: no resizing
  EXPECT_EQ(fm.font().pixelSize(), 11);
  EXPECT_FALSE(fm.windowIcon().isNull());
  for (const char* name :
       {"Panel2", "pMarroway", "imMarroway", "lbMenu1", "btPrevious", "btNext", "lbMenu2", "lbPages", "rgOnOff",
        "rgLanguage", "PageControl1", "tsIntro", "lb01T", "lb01", "lb02T", "lb02", "Bevel1", "lb03", "lbBrowser",
        "edWebBrowser", "btNav", "tsSimple", "lb11T", "lb11", "btSimpleWithout", "lb12T", "lb12", "btSimpleWith",
        "lb13", "tsHandled", "lb21T", "lb21", "ed2Num", "bt2Calc", "bt2CalcPartiallyProtected", "bt2CalcProtected",
        "tsProcessMessages", "lb31T", "lb31", "lb32T", "lb32", "btThread", "btTimer", "cbBuggyTimer", "lb3Timer",
        "btEnjoy", "btCounter", "cbBuggyCounter", "lb3Counter", "tsDisable", "lb41T", "lb41", "lb42T", "lb42",
        "ed4Num", "bt4Calc", "bt4CalcDisabled", "tsDebugMsg", "lb51T", "lb51", "lb52T", "lb52", "btUseDebugMsg",
        "tsPerformances", "lb61T", "lb61", "lb62T", "lb62", "lbWarning", "btCloseProcess", "btPerfNormal", "btPerf",
        "lb63"})
    EXPECT_NE(fm.findChild<QWidget*>(name), nullptr) << name;
  EXPECT_NE(fm.findChild<QObject*>("Timer1"), nullptr);
  EXPECT_EQ(fm.Panel2->width(), 139);
  EXPECT_EQ(fm.lbPages->size(), QSize(121, 128));
  EXPECT_EQ(fm.btNext->size(), QSize(57, 22));
  EXPECT_EQ(fm.btPrevious->x() < fm.btNext->x(), true);
  EXPECT_EQ(fm.lb63->size(), QSize(480, 54));
  EXPECT_EQ(fm.PageControl1->count(), 7);
  EXPECT_FALSE(fm.PageControl1->tabBar()->isVisible());
  EXPECT_EQ(fm.btNav->toolTip(), "Browse Files");
  EXPECT_EQ(fm.OpenDialog1.Filter, "Exe Files (*.exe)|*.exe|All Files (*.*)|*.*");
  EXPECT_EQ(As(fm.rgOnOff->title()), " Lumbrick ");
  EXPECT_EQ(FontColor(fm.lb3Timer), clTeal);
  EXPECT_EQ(fm.lb3Timer->font().pixelSize(), 16);
  EXPECT_TRUE(fm.lb3Timer->font().bold());
  EXPECT_EQ(FontColor(fm.lb01T), clNavy);
  EXPECT_TRUE(fm.lb01T->font().bold());
  EXPECT_EQ(FontColor(fm.lbWarning), clRed);
  EXPECT_EQ(FontColor(fm.lb63), clNavy);
  EXPECT_TRUE(fm.lb63->wordWrap());
}

TEST_F(StartUpTest, BindsTheLibraryToTheProgram) {
  Open();
  ASSERT_NE(VIX, nullptr);
  EXPECT_EQ(VIX->AppPath, dir.Path());
  EXPECT_EQ(VIX->ModelFile, dir.File("DromletModel.htm"));
  EXPECT_EQ(VIX->OnOpenBrowser, &OpenInBrowser);
  EXPECT_TRUE(VIX->OnCustomInfo != nullptr);
  EXPECT_EQ(VIX->State(), 1);
  ASSERT_TRUE(Application->OnException != nullptr);
  // The application's exception event leads to the library's question.
  RunGuarded(nullptr, [] { throw EConvertError("Boom"); });
  ASSERT_EQ(dialogs.Shown().size(), 1u);
  EXPECT_EQ(dialogs.Last().text, "Boom.\n\r\n\rView more informations ?");
}

TEST_F(StartUpTest, EnglishSetToZeroStartsInFrench) {
  WriteIniWithBrowser("English=0\r\n");
  TfmMain& fm = Open();
  EXPECT_FALSE(IsEnglish);
  EXPECT_EQ(fm.rgLanguage->ItemIndex(), 1);
  EXPECT_EQ(VIX->Language, 2);
  EXPECT_EQ(As(fm.lb01T->text()), "Bienvenue dans l'exemple d'Lumbrick");
  EXPECT_EQ(As(fm.lbMenu2->text()), "ou cliquez un\ntitre de la liste");
}

TEST_F(StartUpTest, AnyNonZeroEnglishValueIsEnglish) {
  WriteIniWithBrowser("English=7\r\n");
  TfmMain& fm = Open();
  EXPECT_TRUE(IsEnglish);
  EXPECT_EQ(fm.rgLanguage->ItemIndex(), 0);
  EXPECT_EQ(VIX->Language, 1);
}

TEST_F(StartUpTest, ACustomNavigatorFillsTheBrowserBox) {
  const std::string browser = WriteBrowser("my browsers/browser.sh");
  WriteIni("[Options]\r\nNavigator=" + browser + "\r\nEnglish=1\r\n");
  TfmMain& fm = Open();
  EXPECT_EQ(As(fm.edWebBrowser->text()), browser);
  EXPECT_EQ(FontColor(fm.lb03), clBlack);
  EXPECT_EQ(FontColor(fm.lbBrowser), clBlack);
}

TEST_F(StartUpTest, AMissingCustomNavigatorEmptiesTheBoxAndTurnsTheLabelsRed) {
  WriteIni("[Options]\r\nNavigator=" + dir.File("nowhere/browser") + "\r\n");
  TfmMain& fm = Open();
  EXPECT_EQ(fm.edWebBrowser->text(), "");
  EXPECT_EQ(FontColor(fm.lb03), clRed);
  EXPECT_EQ(FontColor(fm.lbBrowser), clRed);
  EXPECT_TRUE(dialogs.Shown().empty());  // no warning on the introduction
}

TEST_F(StartUpTest, TheSidePanelShowsTheShippedPicture) {
  ASSERT_TRUE(FileExists(DEMO_SOURCE_DIR "/Marroway.jpg"));
  std::ifstream in(DEMO_SOURCE_DIR "/Marroway.jpg", std::ios::binary);
  dir.Write("Marroway.jpg", std::string(std::istreambuf_iterator<char>(in), {}));
  TfmMain& fm = Open();
  EXPECT_FALSE(fm.imMarroway->pixmap().isNull());
}

TEST_F(StartUpTest, AMissingOrDamagedPictureLeavesThePanelEmpty) {
  {
    TfmMain& fm = Open();
    EXPECT_TRUE(fm.imMarroway->pixmap().isNull());
  }
  Close();
  std::ifstream in(DEMO_SOURCE_DIR "/Marroway.jpg", std::ios::binary);
  const std::string jpeg(std::istreambuf_iterator<char>(in), {});
  for (const std::string& damaged : {jpeg.substr(0, jpeg.size() / 2), std::string("not a picture"),
                                     jpeg.substr(0, 2) + std::string(200, '\0')}) {
    dir.Write("Marroway.jpg", damaged);
    TfmMain& fm = Open();
    EXPECT_TRUE(fm.imMarroway->pixmap().isNull());
    Close();
  }
}

TEST_F(StartUpTest, CustomInfoWithoutSettingsFileSaysSo) {
  Open();
  std::string info = "left over";
  VIX->OnCustomInfo(info);
  EXPECT_EQ(info,
            "\r=== Dromlet Custom Informations ===\r"
            "Version = Lumbrick Example - June 2006\r"
            ">>> " + dir.Path() + "Dromlet.ini not found\r"
            "=== End Of Dromlet Custom Informations ===");
}

TEST_F(StartUpTest, CustomInfoCopiesTheSettingsFileAndTheProcessStates) {
  const std::string browser = WriteBrowser();
  WriteIni("[Options]\r\nNavigator=" + browser + "\r\n; comment\r\nEnglish=1\r\n");
  TfmMain& fm = Open();
  const std::string head =
      "\r=== Dromlet Custom Informations ===\r"
      "Version = Lumbrick Example - June 2006\r" +
      dir.Path() + "Dromlet.ini\r"
      " [Options]\r"
      " Navigator=" + browser + "\r"
      " ; comment\r"
      " English=1\r"
      "------ End Of Dromlet.ini ------\r";
  std::string info;
  VIX->OnCustomInfo(info);
  EXPECT_EQ(info, head + "Timer1=Off\rCounter=Off\r=== End Of Dromlet Custom Informations ===");

  fm.Timer1->SetEnabled(true);
  VIX->OnCustomInfo(info);
  EXPECT_EQ(info, head + "Timer1=On\rCounter=Off\r=== End Of Dromlet Custom Informations ===");
}

TEST_F(StartUpTest, TheTechnicalTextEndsWithTheProgramsBlock) {
  WriteIniWithBrowser("English=1\r\n");
  Open();
  RunGuarded(nullptr, [] { throw EConvertError("Boom"); });
  const std::string& text = Report().technicalText;
  const std::string tail = "\r\r\r=== Dromlet Custom Informations ===\rVersion = Lumbrick Example - June 2006\r" +
                           dir.Path() + "Dromlet.ini\r [Options]\r Navigator=" + dir.File("browser.sh") +
                           "\r English=1\r------ End Of Dromlet.ini ------\rTimer1=Off\rCounter=Off\r"
                           "=== End Of Dromlet Custom Informations ===\r\r***** End *****";
  ASSERT_GE(text.size(), tail.size());
  EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
}

// The browser receives the report as one argument, quoted when it holds a
// blank; the browser's own path is always quoted.
TEST_F(StartUpTest, OpenInBrowserPassesTheReportAsOneArgument) {
  TfmMain& fm = Open();
  const std::string browser = WriteBrowser("my browsers/browser.sh");
  fm.edWebBrowser->setText(Qs(browser));
  const std::string out = dir.File("my browsers/browser.out");
  for (const std::string& report : {dir.File("BugReport_0001.htm"), dir.File("bug reports/BugReport_0002.htm")}) {
    DeleteFile(out);
    EXPECT_TRUE(OpenInBrowser(report));
    ASSERT_TRUE(WaitForFile(out)) << report;
    EXPECT_EQ(ReadFileBytes(out).value_or(""), report + "\n");
  }
}

TEST_F(StartUpTest, OpenInBrowserFailsWithoutABrowser) {
  TfmMain& fm = Open();
  fm.edWebBrowser->setText(Qs(dir.File("missing browser")));
  EXPECT_FALSE(OpenInBrowser(dir.File("BugReport_0001.htm")));
  fm.edWebBrowser->setText(Qs(dir.Write("not executable", "plain text")));
  EXPECT_FALSE(OpenInBrowser(dir.File("BugReport_0001.htm")));
  EXPECT_EQ(WinExecute(""), 0u);
}

TEST(CrlfTest, GivesLineFeedCarriageReturnPairs) {
  EXPECT_EQ(CRLF(2), "\x0A\x0D\x0A\x0D");
  EXPECT_EQ(CRLF(1), "\n\r");
  EXPECT_EQ(CRLF(0), "");
  EXPECT_EQ(CRLF(-3), "");
}

}  // namespace
