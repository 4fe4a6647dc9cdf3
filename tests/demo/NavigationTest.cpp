// Pages and navigation: the arrows, the page list, the texts of the pages in
// both languages, the language switch, the on/off switch, the browser.
#include <sys/stat.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <filesystem>

#include "Colors.h"
#include "DemoFixture.h"
#include "EventWait.h"
#include "ListBox.h"
#include "Lumbrick.h"
#include "ModalAnswer.h"
#include "QtText.h"
#include "RadioGroup.h"

namespace {

using NavigationTest = DemoTest;

void ClickItem(TListBox* list, int row) {
  const QRect rect = list->visualItemRect(list->item(row));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}

void ClickRadio(TRadioGroup* group, int index) { QTest::mouseClick(group->Item(index), Qt::LeftButton); }

// The displayed form of a text built with LF CR line breaks.
QString Display(const std::string& ansi) { return QsDisplay(ansi); }

TEST_F(NavigationTest, TheArrowsStopAtBothEnds) {
  WriteIniWithBrowser();
  TfmMain& fm = Open();
  EXPECT_FALSE(fm.btPrevious->isEnabled());
  EXPECT_TRUE(fm.btNext->isEnabled());
  for (int page = 1; page <= 6; ++page) {
    fm.btNext->click();
    EXPECT_EQ(fm.GetPageControlIndex(), page);
    EXPECT_EQ(fm.lbPages->ItemIndex(), page);
    EXPECT_TRUE(fm.btPrevious->isEnabled());
  }
  EXPECT_EQ(fm.PageControl1->currentWidget(), fm.tsPerformances);
  EXPECT_FALSE(fm.btNext->isEnabled());
  fm.btNext->click();  // disabled: nothing happens
  EXPECT_EQ(fm.GetPageControlIndex(), 6);
  fm.btPrevious->click();
  EXPECT_EQ(fm.GetPageControlIndex(), 5);
  EXPECT_TRUE(fm.btNext->isEnabled());
  for (int page = 4; page >= 0; --page) fm.btPrevious->click();
  EXPECT_EQ(fm.GetPageControlIndex(), 0);
  EXPECT_FALSE(fm.btPrevious->isEnabled());
  EXPECT_TRUE(dialogs.Shown().empty());
}

TEST_F(NavigationTest, APageIndexOutOfRangeIsIgnored) {
  WriteIniWithBrowser();
  TfmMain& fm = Open();
  fm.SetPageControlIndex(3);
  fm.SetPageControlIndex(-1);
  EXPECT_EQ(fm.GetPageControlIndex(), 3);
  fm.SetPageControlIndex(7);
  EXPECT_EQ(fm.GetPageControlIndex(), 3);
  // The list then still shows the former page until the page-change routine runs.
  fm.OnActivePageChanged();
  EXPECT_EQ(fm.lbPages->ItemIndex(), 3);
}

TEST_F(NavigationTest, ThePageListSelectsAPageDirectly) {
  WriteIniWithBrowser();
  TfmMain& fm = Open();
  ASSERT_EQ(fm.lbPages->count(), 7);
  const char* titles[] = {"Introduction", "Simple Exceptions", "Handled Exceptions", "Parallel Process",
                          "Enable / Disable", "DebugMsg", "Performances"};
  for (int i = 0; i < 7; ++i) EXPECT_EQ(fm.lbPages->item(i)->text(), titles[i]);

  ClickItem(fm.lbPages, 5);
  EXPECT_EQ(fm.PageControl1->currentWidget(), fm.tsDebugMsg);
  EXPECT_EQ(fm.lb51T->text(), "Use of DebugMsg Property");
  ClickItem(fm.lbPages, 2);
  EXPECT_EQ(fm.PageControl1->currentWidget(), fm.tsHandled);
  EXPECT_EQ(fm.lbPages->ItemIndex(), 2);
  EXPECT_TRUE(fm.btNext->isEnabled());
  EXPECT_TRUE(fm.btPrevious->isEnabled());
  QTest::keyClick(fm.lbPages, Qt::Key_Down);
  EXPECT_EQ(fm.GetPageControlIndex(), 3);
  QTest::keyClick(fm.lbPages, Qt::Key_Home);
  EXPECT_EQ(fm.GetPageControlIndex(), 0);
  EXPECT_FALSE(fm.btPrevious->isEnabled());
}

TEST_F(NavigationTest, EachPageGetsTheFocusOnItsFirstControl) {
  WriteIniWithBrowser();
  TfmMain& fm = Open();
  fm.activateWindow();
  const QWidget* first[] = {fm.edWebBrowser, fm.btSimpleWithout, fm.ed2Num, fm.btThread,
                            fm.ed4Num, fm.btUseDebugMsg, fm.btPerfNormal};
  for (int page = 0; page < 7; ++page) {
    fm.SetPageControlIndex(page);
    fm.OnActivePageChanged();
    EXPECT_EQ(fm.focusWidget(), first[page]) << page;
  }
}

struct Heading {
  QLabel* TfmMain::*label;
  const char* english;
  const char* french;
};

// The headings of each page, in page order, as the window shows them.
const std::vector<std::vector<Heading>> kHeadings = {
    {{&TfmMain::lb01T, "Welcome to Lumbrick Example", "Bienvenue dans l'exemple d'Lumbrick"},
     {&TfmMain::lb02T, "SOURCES", "SOURCES"}},
    {{&TfmMain::lb11T, "Bug Without Lumbrick", "Bug sans Lumbrick"},
     {&TfmMain::lb12T, "Bug With Lumbrick", "Bug avec Lumbrick"}},
    {{&TfmMain::lb21T, "Handled / Unhandled Exceptions", "Exceptions g\xE9r\xE9" "es / non g\xE9r\xE9" "es"}},
    {{&TfmMain::lb31T, "Parallel Process", "Process paral\xE8lles"},
     {&TfmMain::lb32T, "Parallel Processes with Bugs", "Process paral\xE8lles bugg\xE9s"}},
    {{&TfmMain::lb41T, "Use of Enable / Disable Methods", "Utilisation des m\xE9thodes Enable et Disable"},
     {&TfmMain::lb42T, "Permanent Disablement", "D\xE9sactivation permanente"}},
    {{&TfmMain::lb51T, "Use of DebugMsg Property", "Utilisation de la propri\xE9t\xE9 DebugMsg"},
     {&TfmMain::lb52T, "DebugMsg Information in the BugReport", "DebugMsg sur le bugreport"}},
    {{&TfmMain::lb61T, "Performances Evaluation", "Evaluation des performances"},
     {&TfmMain::lb62T, "Interpretation of the Results", "Interpr\xE9tation des r\xE9sultats"}},
};

TEST_F(NavigationTest, EveryPageReadsInBothLanguages) {
  WriteIniWithBrowser();
  TfmMain& fm = Open();
  for (bool english : {true, false}) {
    ClickRadio(fm.rgLanguage, english ? 0 : 1);
    for (int page = 0; page < 7; ++page) {
      ClickItem(fm.lbPages, page);
      EXPECT_EQ(fm.Caption(), " Lumbrick Example - June 2006");
      for (const Heading& h : kHeadings[static_cast<std::size_t>(page)])
        EXPECT_EQ(As((fm.*h.label)->text()), english ? h.english : h.french) << page;
      // Every prose label of the page has been written, in some length.
      for (QLabel* prose : fm.PageControl1->widget(page)->findChildren<QLabel*>()) {
        EXPECT_NE(prose->text(), prose->objectName()) << prose->objectName().toStdString();
        EXPECT_FALSE(prose->text().isEmpty()) << prose->objectName().toStdString();
      }
    }
  }
  EXPECT_TRUE(dialogs.Shown().empty());
}

TEST_F(NavigationTest, TheHintsFollowTheLanguage) {
  WriteIniWithBrowser();
  TfmMain& fm = Open();
  EXPECT_EQ(fm.lbMenu1->text(), Display(br + "Use arrow buttons" + br + "to select a page"));
  EXPECT_EQ(fm.lbMenu2->text(), Display("or click a title" + br + "directly in the list"));
  ClickRadio(fm.rgLanguage, 1);
  EXPECT_EQ(fm.lbMenu1->text(), Display("Utilisez les fl\xE8" "ches" + br + "pour atteindre" + br + "une page"));
  EXPECT_EQ(fm.lbMenu2->text(), Display("ou cliquez un" + br + "titre de la liste"));
}

TEST_F(NavigationTest, TheLanguageSwitchRewritesTheSettingsFile) {
  const std::string browser = WriteBrowser();
  WriteIni("[Options]\r\nNavigator=" + browser + "\r\n");
  TfmMain& fm = Open();
  ClickRadio(fm.rgLanguage, 1);
  EXPECT_FALSE(IsEnglish);
  EXPECT_EQ(VIX->Language, 2);
  EXPECT_EQ(Ini(), "[Options]\r\nNavigator=" + browser + "\r\nEnglish=0\r\n");
  ClickRadio(fm.rgLanguage, 1);  // already French: nothing happens
  EXPECT_EQ(Ini(), "[Options]\r\nNavigator=" + browser + "\r\nEnglish=0\r\n");
  ClickRadio(fm.rgLanguage, 0);
  EXPECT_TRUE(IsEnglish);
  EXPECT_EQ(VIX->Language, 1);
  EXPECT_EQ(Ini(), "[Options]\r\nNavigator=" + browser + "\r\nEnglish=1\r\n");
}

TEST_F(NavigationTest, TheSwitchTranslatesTheCurrentPageAtOnceAndOthersWhenShown) {
  WriteIniWithBrowser();
  TfmMain& fm = Open();
  ClickItem(fm.lbPages, 5);
  ClickItem(fm.lbPages, 3);
  ClickRadio(fm.rgLanguage, 1);
  EXPECT_EQ(As(fm.lb31T->text()), "Process paral\xE8lles");
  EXPECT_EQ(fm.lb51T->text(), "Use of DebugMsg Property");
  ClickItem(fm.lbPages, 5);
  EXPECT_EQ(As(fm.lb51T->text()), "Utilisation de la propri\xE9t\xE9 DebugMsg");
  // Captions, list titles and radio items stay English.
  EXPECT_EQ(fm.btThread->text(), "Start Thread");
  EXPECT_EQ(fm.cbBuggyTimer->text(), "with Bug");
  EXPECT_EQ(fm.btUseDebugMsg->text(), "Use of DebugMsg");
  EXPECT_EQ(fm.lbPages->item(3)->text(), "Parallel Process");
  EXPECT_EQ(fm.rgOnOff->Item(1)->text(), "Disabled");
  EXPECT_EQ(fm.rgLanguage->Item(1)->text(), "French");
  EXPECT_EQ(fm.lbBrowser->text(), "Web Browser");
  EXPECT_EQ(fm.Caption(), " Lumbrick Example - June 2006");
}

TEST_F(NavigationTest, TheNoResultTextIsWrittenOnlyOnce) {
  WriteIniWithBrowser();
  TfmMain& fm = Open();
  EXPECT_EQ(fm.lb63->text(), "lb63");
  ClickItem(fm.lbPages, 6);
  EXPECT_EQ(fm.lb63->text(), "No Evaluation Results");
  EXPECT_EQ(fm.lbWarning->text(), "Parallel processes are running, the evalution will not be reliable.");
  EXPECT_TRUE(fm.lbWarning->isHidden());
  EXPECT_TRUE(fm.btCloseProcess->isHidden());
  ClickRadio(fm.rgLanguage, 1);
  EXPECT_EQ(fm.lb63->text(), "No Evaluation Results");
  EXPECT_EQ(As(fm.lbWarning->text()),
            "Des process parall\xE8les sont rest\xE9s actifs, l'\xE9valution ne sera pas fiable.");
}

TEST_F(NavigationTest, TheNoResultTextTakesTheLanguageOfItsFirstShow) {
  WriteIniWithBrowser("English=0\r\n");
  TfmMain& fm = Open();
  ClickItem(fm.lbPages, 6);
  EXPECT_EQ(As(fm.lb63->text()), "Aucun \xE9valuation r\xE9" "alis\xE9" "e");
}

TEST_F(NavigationTest, TheOnOffSwitchAppearsWithPageFourAndStays) {
  WriteIniWithBrowser();
  TfmMain& fm = Open();
  for (int page = 0; page < 4; ++page) {
    ClickItem(fm.lbPages, page);
    EXPECT_TRUE(fm.rgOnOff->isHidden()) << page;
  }
  ClickItem(fm.lbPages, 4);
  EXPECT_FALSE(fm.rgOnOff->isHidden());
  ClickItem(fm.lbPages, 0);
  EXPECT_FALSE(fm.rgOnOff->isHidden());
}

TEST_F(NavigationTest, TheOnOffSwitchEnablesAndDisablesForGoodWithoutSaving) {
  WriteIniWithBrowser();
  TfmMain& fm = Open();
  ClickItem(fm.lbPages, 4);
  const std::string ini = Ini();
  ClickRadio(fm.rgOnOff, 1);
  EXPECT_TRUE(fm.DisabledByUser());
  EXPECT_EQ(VIX->State(), -1);
  ClickRadio(fm.rgOnOff, 0);
  EXPECT_FALSE(fm.DisabledByUser());
  EXPECT_EQ(VIX->State(), 1);
  EXPECT_EQ(Ini(), ini);
}

std::string WarningText(bool english) {
  return english ? "No Web Browser available !" + br + br + "BugReports will NOT be displayed." + br + br +
                       "Go to Introduction Page to select a Web Browser."
                 : "Pas de navigateur web disponible !" + br + br + "Les bugreports ne seront PAS affich\xE9s." +
                       br + br + "Allez \xE0 la page d'introduction pour choisir un navigateur.";
}

TEST_F(NavigationTest, AMissingBrowserIsReportedOnEveryOtherPage) {
  WriteIni("[Options]\r\nNavigator=" + dir.File("missing") + "\r\n");
  TfmMain& fm = Open();
  EXPECT_TRUE(dialogs.Shown().empty());
  fm.btNext->click();
  ASSERT_EQ(dialogs.Shown().size(), 1u);
  EXPECT_EQ(dialogs.Last().kind, DialogRequest::Kind::MessageDlg);
  EXPECT_EQ(dialogs.Last().type, TMsgDlgType::mtError);
  EXPECT_EQ(dialogs.Last().buttons, mbOK);
  EXPECT_EQ(dialogs.Last().text, WarningText(true));
  ClickRadio(fm.rgLanguage, 1);
  ASSERT_EQ(dialogs.Shown().size(), 2u);
  EXPECT_EQ(dialogs.Last().text, WarningText(false));
  fm.btPrevious->click();
  EXPECT_EQ(dialogs.Shown().size(), 2u);  // none on the introduction
  EXPECT_EQ(fm.edWebBrowser->text(), "");
  EXPECT_EQ(FontColor(fm.lb03), clRed);
  EXPECT_EQ(FontColor(fm.lbBrowser), clRed);
}

TEST_F(NavigationTest, ABrowserChosenInTheDialogIsUsedAndSaved) {
  WriteIni("[Options]\r\nNavigator=" + dir.File("missing") + "\r\nEnglish=1\r\n");
  TfmMain& fm = Open();
  ASSERT_EQ(FontColor(fm.lbBrowser), clRed);
  const std::string browser = WriteBrowser("browsers/browser.sh");
  ModalAnswer answer(ModalAnswer::Type(Qs(browser), "Open", "fileNameEdit"));
  fm.btNav->click();
  EXPECT_TRUE(answer.Done());
  EXPECT_EQ(As(fm.edWebBrowser->text()), browser);
  EXPECT_EQ(FontColor(fm.lb03), clBlack);
  EXPECT_EQ(FontColor(fm.lbBrowser), clBlack);
  EXPECT_EQ(Ini(), "[Options]\r\nNavigator=" + browser + "\r\nEnglish=1\r\n");
  fm.btNext->click();
  EXPECT_TRUE(dialogs.Shown().empty());
}

// A program whose name the tour cannot hold is refused in a plain box that
// shows it as the file system spells it, in the tour's language; the
// browser and the settings stay as they were, and the library says nothing.
TEST_F(NavigationTest, ABrowserNamedOutsideWindows1252IsRefusedPlainly) {
  WriteIniWithBrowser("English=0\r\n");
  TfmMain& fm = Open();
  const QString before = fm.edWebBrowser->text();
  const std::string ini = Ini();
  const std::string browser = WriteBrowser("\xE4\xB8\xAD\xE6\x96\x87");
  ModalAnswer answer(ModalAnswer::Type(QString::fromStdString(browser), "Open", "fileNameEdit"));
  fm.btNav->click();
  EXPECT_TRUE(answer.Done());
  ASSERT_EQ(dialogs.Shown().size(), 1u);
  EXPECT_EQ(dialogs.Last().type, TMsgDlgType::mtError);
  EXPECT_TRUE(dialogs.Last().textIsUtf8);
  EXPECT_EQ(dialogs.Last().text,
            browser + "\n\rInutilisable : son nom contient des caract\xC3\xA8res hors de Windows-1252.");
  EXPECT_EQ(fm.edWebBrowser->text(), before);
  EXPECT_EQ(Ini(), ini);
}

TEST_F(NavigationTest, CancellingTheBrowserDialogChangesNothing) {
  WriteIniWithBrowser();
  TfmMain& fm = Open();
  const QString before = fm.edWebBrowser->text();
  const std::string ini = Ini();
  ModalAnswer answer(ModalAnswer::Click("Cancel"));
  fm.btNav->click();
  EXPECT_TRUE(answer.Done());
  EXPECT_EQ(answer.Titles().size(), 1u);
  EXPECT_EQ(fm.edWebBrowser->text(), before);
  EXPECT_EQ(Ini(), ini);
}

// The desktop's opener may take seconds to fail when it finds no browser to
// hand the page to: it is not waited for, the window answers meanwhile, and
// once it failed the library tells where the report is.
TEST_F(NavigationTest, AnOpenerThatFailsLaterMakesTheLibrarySayWhereTheReportIs) {
  const std::string opener = dir.Write("opener.sh", "#!/bin/sh\nsleep 1\nexit 3\n");
  chmod(opener.c_str(), 0755);
  WriteIni("[Options]\r\nNavigator=" + opener + "\r\n");
  std::filesystem::copy_file(DEMO_SOURCE_DIR "/DromletModel.htm", dir.File("DromletModel.htm"));
  Open();
  int ticks = 0;
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, [&ticks] { ++ticks; });
  timer.start(20);
  VIX->CreateAndOpenBugReport();
  EXPECT_TRUE(dialogs.Shown().empty());
  int ticksBefore = 0;
  ASSERT_TRUE(WaitUntil([&] {
    ticksBefore = ticks;
    return !dialogs.Shown().empty();
  }));
  EXPECT_GT(ticksBefore, 0);
  EXPECT_EQ(dialogs.Last().text,
            "No Web Browser Available. Consult " + dir.File("BugReport_0001.htm") + " Directly from Windows");
}

TEST_F(NavigationTest, ATypedBrowserPathIsUsedButNotSaved) {
  WriteIni("[Options]\r\nNavigator=" + dir.File("missing") + "\r\n");
  TfmMain& fm = Open();
  const std::string browser = WriteBrowser();
  fm.edWebBrowser->setText(Qs(browser));
  fm.btNext->click();
  EXPECT_TRUE(dialogs.Shown().empty());
  EXPECT_EQ(Ini(), "[Options]\r\nNavigator=" + dir.File("missing") + "\r\n");
}

}  // namespace
