// The report window with real widgets: a click whose handler fails three
// routines deep, the real question box, the real report window, a real
// report written and handed to the browser hook.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTextEdit>
#include <QToolButton>

#include "Files.h"
#include "FixedHost.h"
#include "Form.h"
#include "Guard.h"
#include "Lumbrick.h"
#include "ModalAnswer.h"
#include "QtText.h"
#include "ReportWindow.h"
#include "ScriptedDialogs.h"
#include "TempDir.h"
#include "TfmLumbrick.h"

namespace {

void Innermost() try {
  throw EConvertError("'12a' is not a valid integer value");
} catch (...) {
  VIX->Push("Function Innermost");
  throw;
}

void Middle() try {
  Innermost();
} catch (...) {
  VIX->Push("Procedure Middle");
  throw;
}

void ButtonClick() try {
  Middle();
} catch (...) {
  VIX->Push("Procedure TfmMain.btGoClick");
  throw;
}

std::string openedReport;
bool RecordBrowser(const std::string& path) {
  openedReport = path;
  return true;
}

class ReportWindowTest : public ::testing::Test {
 protected:
  ReportWindowTest() {
    lib = new TLumbrick(Application);
    VIX = lib;
    Application->OnException = [this](TObject* s, Exception& e) { lib->HandleException(s, e); };
    lib->AppPath = dir.Path();
    lib->ModelFile = dir.Write("Model.htm", "<textarea name=\"taLumbrick\">end</textarea>");
    lib->OnOpenBrowser = RecordBrowser;
    form.SetName("fmMain");
    form.SetCaption("Main");
    button = new QPushButton("Go", &form);
    button->setObjectName("btGo");
    QObject::connect(button, &QPushButton::clicked, &form, Guarded(&form, [] { ButtonClick(); }));
    form.show();
    openedReport.clear();
  }
  ~ReportWindowTest() override {
    Application->OnException = nullptr;
    VIX = nullptr;
    delete lib;
  }
  static QString Text(QWidget* w, const char* name) {
    if (auto* l = w->findChild<QLabel*>(name)) return l->text();
    if (auto* b = w->findChild<QToolButton*>(name)) return b->text();
    return {};
  }

  FixedHost host;
  TempDir dir;
  TLumbrick* lib;
  TForm form;
  QPushButton* button;
};

TEST_F(ReportWindowTest, YesThenCreateWritesAndOpensTheReport) {
  QString seenException, seenCaption, seenTab, seenInfos;
  ModalAnswer answer(ModalAnswer::Click("btYes"));
  answer.Then([&](QWidget* modal) {
    seenCaption = modal->windowTitle();
    seenException = Text(modal, "lbException");
    auto* pages = modal->findChild<QTabWidget*>("PageControl1");
    seenTab = pages->tabText(pages->currentIndex());
    seenInfos = modal->findChild<QTextEdit*>("mInfos")->toPlainText();
    modal->findChild<QTextEdit*>("mUserDesc")->setPlainText("Pressed Go\nonce");
    modal->findChild<QToolButton*>("btCreate")->click();
  });
  button->click();
  EXPECT_TRUE(answer.Done());
  ASSERT_EQ(answer.Titles().size(), 2u);
  EXPECT_EQ(answer.Titles()[0], "Error");
  EXPECT_EQ(seenCaption, "Exception Informations");
  EXPECT_EQ(seenException, "'12a' is not a valid integer value");
  EXPECT_EQ(seenTab, "Technical Informations");
  EXPECT_TRUE(seenInfos.contains("- Procedure TfmMain.btGoClick\n - Procedure Middle\n  - Function Innermost\n"
                                 "   *** EConvertError : '12a' is not a valid integer value\n"));
  EXPECT_TRUE(seenInfos.contains("ActiveForm=fmMain (Main)")) << seenInfos.toStdString();

  EXPECT_EQ(openedReport, dir.File("BugReport_0001.htm"));
  const std::string report = dir.Read("BugReport_0001.htm");
  EXPECT_EQ(report.rfind("<textarea name=\"taLumbrick\">********** BugReport 0001 **********\r", 0), 0u);
  EXPECT_NE(report.find("***** User Description *****\rPressed Go\r\nonce\r\n\r\r***** Lumbrick Technical"),
            std::string::npos);
  EXPECT_EQ(report.substr(report.size() - 14), "end</textarea>");
  EXPECT_EQ(dir.Read("Lumbrick.ini"), "[Section]\r\nLastReportNum=1\r\n");
  EXPECT_FALSE(fmLumbrick == nullptr);
}

// A log or a guide stays on top of the program's windows: the report window
// stands above them while it is shown, so "Create BugReport" is never
// covered; afterwards it is an ordinary window again.
TEST_F(ReportWindowTest, TheReportStandsAboveTheAlwaysOnTopWindowsWhileShown) {
  TForm log;
  log.setWindowFlag(Qt::WindowStaysOnTopHint);
  log.setGeometry(72, 34, 646, 342);
  log.show();
  bool onTop = false;
  QWidget* modal = nullptr;
  ModalAnswer answer(ModalAnswer::Click("btYes"));
  answer.Then([&](QWidget* report) {
    onTop = report->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    modal = QApplication::activeModalWidget();
    report->findChild<QToolButton*>("btClose")->click();
  });
  button->click();
  EXPECT_TRUE(answer.Done());
  auto* window = dynamic_cast<TfmLumbrick*>(fmLumbrick);
  EXPECT_EQ(modal, window);
  EXPECT_TRUE(onTop);
  EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_FALSE(window->isVisible());
}

TEST_F(ReportWindowTest, FrenchTextsThenEnglishAgainAndClose) {
  lib->Language = 2;
  QString caption, create, close, tabUser;
  ModalAnswer answer(ModalAnswer::Click("btYes"));
  answer.Then([&](QWidget* modal) {
    caption = modal->windowTitle();
    create = Text(modal, "btCreate");
    close = Text(modal, "btClose");
    auto* pages = modal->findChild<QTabWidget*>("PageControl1");
    tabUser = pages->tabText(0);
    modal->findChild<QToolButton*>("btClose")->click();
  });
  button->click();
  EXPECT_TRUE(answer.Done());
  EXPECT_EQ(caption, QString::fromUtf8("Informations sur l'exception"));
  EXPECT_EQ(create, QString::fromUtf8("Créer un bug report"));
  EXPECT_EQ(close, "Fermer");
  EXPECT_EQ(tabUser, "Description de l'utilisateur");
  EXPECT_TRUE(openedReport.empty());
  EXPECT_FALSE(FileExists(dir.File("BugReport_0001.htm")));

  lib->Language = 1;
  ModalAnswer again(ModalAnswer::Click("btYes"));
  again.Then([&](QWidget* modal) {
    caption = modal->windowTitle();
    modal->findChild<QToolButton*>("btClose")->click();
  });
  button->click();
  EXPECT_TRUE(again.Done());
  EXPECT_EQ(caption, "Exception Informations");
}

TEST_F(ReportWindowTest, StationLabelMenuAndInputBox) {
  auto* window = dynamic_cast<TfmLumbrick*>(fmLumbrick);
  ASSERT_NE(window, nullptr);
  lib->LoadStationSettings();
  window->pmParamsPopup(window);
  auto* item = window->findChild<QAction*>("miId");
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(item->text(), "Station Label : None");

  {
    ScriptedDialogs dialogs;
    dialogs.Answer(mrCancel);
    window->miIdClick(window);
    EXPECT_EQ(dialogs.Last().title, "Station Label");
    EXPECT_EQ(dialogs.Last().text, "Enter New Station Label");
    EXPECT_EQ(dialogs.Last().value, "None");
  }
  EXPECT_EQ(lib->StationId, "None");
  EXPECT_FALSE(FileExists(dir.File("Lumbrick.ini")));

  ModalAnswer answer(ModalAnswer::Type("Bench 4"));
  window->miIdClick(window);
  EXPECT_TRUE(answer.Done());
  EXPECT_EQ(lib->StationId, "Bench 4");
  EXPECT_EQ(dir.Read("Lumbrick.ini"), "[Section]\r\nStationId=Bench 4\r\n");
  lib->Language = 2;
  window->pmParamsPopup(window);
  EXPECT_EQ(item->text(), QString::fromUtf8("Libellé du poste : Bench 4"));
}

TEST_F(ReportWindowTest, ALongMessageWrapsAndGrowsTheHeader) {
  auto* window = dynamic_cast<TfmLumbrick*>(fmLumbrick);
  window->PrepareForm(1);
  window->SetExceptionText("short");
  window->show();
  auto* label = window->findChild<QLabel*>("lbException");
  const int oneLine = label->sizeHint().height();
  std::string message;
  for (int i = 0; i < 60; ++i) message += "overflowing ";
  window->SetExceptionText(message);
  EXPECT_EQ(label->width(), 465);
  EXPECT_GT(label->heightForWidth(465), oneLine);
  window->hide();
}

// The exception label shows the message as it is: markup typed by a user
// is text.
TEST_F(ReportWindowTest, TheMessageIsPlainText) {
  auto* window = dynamic_cast<TfmLumbrick*>(fmLumbrick);
  ASSERT_NE(window, nullptr);
  window->PrepareForm(1);
  window->SetExceptionText("'<b>12</b> &amp;' is not a valid integer value");
  auto* label = window->findChild<QLabel*>("lbException");
  EXPECT_EQ(label->textFormat(), Qt::PlainText);
  EXPECT_EQ(label->text(), "'<b>12</b> &amp;' is not a valid integer value");
}

// Every caption shows whole in the host's font, in both languages; the
// window as a user sees it is kept as a PNG beside the test program.
TEST_F(ReportWindowTest, CaptionsShowWholeInBothLanguages) {
  auto* window = dynamic_cast<TfmLumbrick*>(fmLumbrick);
  ASSERT_NE(window, nullptr);
  window->SetExceptionText("'12a' is not a valid integer value");
  window->SetTechnicalText("***** Lumbrick Technical Informations *****\r\r6/15/2006 2:30:45 PM");
  for (const int language : {2, 1}) {
    window->PrepareForm(language);
    window->show();
    QApplication::processEvents();
    for (const char* name : {"btCreate", "btClose"}) {
      auto* header = window->findChild<QToolButton*>(name);
      EXPECT_GE(header->width(), header->sizeHint().width()) << name << " " << language;
      EXPECT_EQ(header->height(), 22);
    }
    EXPECT_GE(window->findChild<QToolButton*>("btCreate")->width(), 125);
    EXPECT_GE(window->findChild<QToolButton*>("btClose")->width(), 78);
    const QImage shot = window->grab().toImage();
    ASSERT_TRUE(shot.save(language == 1 ? QStringLiteral(TEST_ARTIFACT_DIR "/report-window-english.png")
                                        : QStringLiteral(TEST_ARTIFACT_DIR "/report-window-french.png")));
    window->hide();
  }
}

// A "Lumbrick.ini" that nobody may write: the report about the user's
// failure is written and opened all the same, the settings' failure is told
// after it, and the file stays as it was.
TEST_F(ReportWindowTest, AReadOnlySettingsFileIsKeptAndToldAfterTheReport) {
  const std::string ini = "[Section]\r\nStationId=Desk 4\r\nLastReportNum=7\r\n";
  dir.Write("Lumbrick.ini", ini);
  ::chmod(dir.File("Lumbrick.ini").c_str(), 0444);
  QString told;
  ModalAnswer answer(ModalAnswer::Click("btYes"));
  answer.Then([](QWidget* modal) { modal->findChild<QToolButton*>("btCreate")->click(); });
  answer.Then([&](QWidget* modal) {
    told = modal->findChild<QLabel*>("qt_msgbox_label")->text();
    modal->findChild<QPushButton*>("btOK")->click();
  });
  button->click();
  EXPECT_TRUE(answer.Done());
  // The box shows each LF CR as one line break.
  EXPECT_EQ(told, Qs("Impossible to save station settings file " + dir.File("Lumbrick.ini") +
                     " : Permission denied\n\nStation label and report numbers are kept until the program "
                     "closes; the file is left as it is."));
  EXPECT_EQ(dir.Read("Lumbrick.ini"), ini);
  EXPECT_EQ(openedReport, dir.File("BugReport_0008.htm"));
  EXPECT_NE(dir.Read("BugReport_0008.htm").find("'12a' is not a valid integer value"), std::string::npos);
  EXPECT_FALSE(dynamic_cast<TfmLumbrick*>(fmLumbrick)->isVisible());
}

}  // namespace
