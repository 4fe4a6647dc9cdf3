#include "MainFixture.h"

#include <QAbstractItemModel>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QTest>
#include <fstream>
#include <limits>

#include "AppObjects.h"
#include "Application.h"
#include "Browser.h"
#include "CommonGlobals.h"
#include "Editor.h"
#include "Files.h"
#include "FormIcon.h"
#include "Log.h"
#include "Lumbrick.h"
#include "ModalAnswer.h"
#include "PageControl.h"
#include "Settings.h"
#include "SpeedButton.h"
#include "Timer.h"
#include "Translator.h"

namespace fs = std::filesystem;

namespace {
std::string Shipped(const char* name) {
  std::ifstream in(std::string(CORVANE_DATA_DIR "/") + name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}
}  // namespace

void Settle() {
  for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

MainTest::MainTest()
    : saved_exe_(Application->ExeName()), saved_dir_(fs::current_path()), real_report_window_(ReportWindowFactory()) {
  // Closing a test's window must not quit the application the tests run in.
  QGuiApplication::setQuitOnLastWindowClosed(false);
  for (const char* name : {"Dialogs.ini", "DialogsFr.ini", "vixModel.htm"})
    dir.Write(std::string("my prog/") + name, Shipped(name));
  Application->SetExeName(ProgramDir() + "corvane");
  SetReportWindowFactory(MakeRecordingReportWindow);
}

MainTest::~MainTest() {
  Close();
  SetReportWindowFactory(real_report_window_);
  Application->SetExeName(saved_exe_);
  fs::current_path(saved_dir_);
}

TfmMain& MainTest::Open() {
  window = new TfmMain;
  // Tests fire the start timer themselves (Tick): under load the wall clock
  // could fire it in the middle of a test.
  window->tStart->SetInterval(std::numeric_limits<int>::max());
  window->show();
  Settle();
  return *window;
}

void MainTest::Close() {
  if (window == nullptr) return;
  if (const auto* report = dynamic_cast<const RecordingReportWindow*>(fmLumbrick)) {
    EXPECT_EQ(report->shown, reportsExpected) << report->exceptionText;
  }
  delete window;
  window = nullptr;
  delete VIX;
  VIX = nullptr;
  Application->OnException = nullptr;
  ExeDir.clear();
  Language = 1;
  GUIOptions = TGUIOptions{};
  BrowserPath = DefaultBrowserPath;
  DebugMode = false;
  IconList = nullptr;
  reportsExpected = 0;
}

void MainTest::InstallShippedData() const {
  fs::copy(CORVANE_DATA_DIR, ProgramDir(), fs::copy_options::recursive | fs::copy_options::overwrite_existing);
  fs::remove(ProgramDir() + "CMakeLists.txt");
}

std::string MainTest::WriteProject(const std::string& Name, const std::vector<std::string>& Units) const {
  std::string uses;
  for (const std::string& unit : Units) {
    uses += (uses.empty() ? "uses\r\n  " : ",\r\n  ") + unit;
    dir.Write("apps/" + Name + "/" + unit + ".pas",
              "unit " + unit + ";\r\n\r\ninterface\r\n\r\nimplementation\r\n\r\nend.\r\n");
  }
  if (!uses.empty()) uses += ";\r\n\r\n";
  return dir.Write("apps/" + Name + "/" + Name + ".dpr", "program " + Name + ";\r\n\r\n" + uses + "begin\r\nend.\r\n");
}

std::string MainTest::Sample() const {
  fs::create_directories(dir.File("Greenhouse"));
  fs::copy(CORVANE_SAMPLE_DIR, dir.File("Greenhouse"), fs::copy_options::recursive);
  return dir.File("Greenhouse/Greenhouse.dpr");
}

void MainTest::Register(const std::string& ProjectFile) {
  files.Answer(ProjectFile);
  window->btAdd->click();
}

void MainTest::OpenProject(const std::string& ProjectFile) {
  Register(ProjectFile);
  window->btSelectApplication->click();
  ASSERT_NE(CurrentAppli, nullptr);
  ASSERT_EQ(window->PageControl1->ActivePage(), window->tsUnits);
}

void MainTest::ClickRow(TOwnerDrawListBox* List, int Row, int X, Qt::KeyboardModifiers Keys) {
  const QRect rect = List->visualRect(List->model()->index(Row, 0));
  QTest::mouseClick(List->viewport(), Qt::LeftButton, Keys, QPoint(X, rect.center().y()));
}

void MainTest::ClickRow(TObjectGridBase* Grid, int Row) {
  const QModelIndex index = Grid->model()->index(Row, 0);
  Grid->scrollTo(index);
  QTest::mouseClick(Grid->viewport(), Qt::LeftButton, {}, Grid->visualRect(index).center());
}

void MainTest::ShowUnit(const std::string& Name) {
  for (int row = 0; row < fmEditor->sgSources->RowCount(); ++row) {
    ClickRow(fmEditor->sgSources, row);
    if (ExtractFileName(fmEditor->ShownUnit()->FileName) == Name) return;
  }
  ADD_FAILURE() << Name << " is not shown";
}

void MainTest::SecureCode(bool ScanAll, const std::function<void(QWidget*)>& Options) {
  dialogs.Answer(ScanAll ? mrYes : mrNo);
  ModalAnswer answer([&Options](QWidget* dialog) {
    if (Options) Options(dialog);
    ModalAnswer::Click("btValidate")(dialog);
  });
  window->btUpdateCode->click();
  ASSERT_TRUE(answer.Done());
  ASSERT_NE(fmEditor, nullptr);
}

std::vector<std::string> MainTest::LogLines() {
  std::vector<std::string> lines;
  for (int i = 0; i < fmLog->LineCount(); ++i) lines.push_back(fmLog->Lines(i));
  return lines;
}

std::string MainTest::RecordingBrowser() const {
  const std::string browser = dir.Write("web/browser.sh",
                                        "#!/bin/sh\n"
                                        "out=\"$(dirname \"$0\")/browser.out\"\n"
                                        "for a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"$out.tmp\"\n"
                                        "mv \"$out.tmp\" \"$out\"\n");
  fs::permissions(browser, fs::perms::owner_all);
  return browser;
}

std::string MainTest::BrowserArguments() const {
  const std::string out = dir.File("web/browser.out");
  QDeadlineTimer deadline(10000);
  while (!FileExists(out) && !deadline.hasExpired()) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  return FileExists(out) ? dir.Read("web/browser.out") : std::string();
}

void MainTest::ChoosePage(QWidget* Page) { window->PageControl1->setCurrentWidget(Page); }

std::vector<std::string> MainTest::DialogTexts() const {
  std::vector<std::string> texts;
  for (const DialogRequest& r : dialogs.Shown()) texts.push_back(r.text);
  return texts;
}

RecordingReportWindow& MainTest::Report() const { return *static_cast<RecordingReportWindow*>(fmLumbrick); }
