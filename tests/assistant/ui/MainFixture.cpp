#include "MainFixture.h"

#include <QAbstractItemModel>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QTest>
#include <fstream>

#include "AppObjects.h"
#include "Application.h"
#include "Browser.h"
#include "CommonGlobals.h"
#include "FormIcon.h"
#include "Lumbrick.h"
#include "PageControl.h"
#include "Settings.h"
#include "SpeedButton.h"
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

MainTest::MainTest() : saved_exe_(Application->ExeName()), saved_dir_(fs::current_path()) {
  // Closing a test's window must not quit the application the tests run in.
  QGuiApplication::setQuitOnLastWindowClosed(false);
  for (const char* name : {"Dialogs.ini", "DialogsFr.ini", "vixModel.htm"})
    dir.Write(std::string("my prog/") + name, Shipped(name));
  Application->SetExeName(ProgramDir() + "corvane");
  SetReportWindowFactory(MakeRecordingReportWindow);
}

MainTest::~MainTest() {
  Close();
  SetReportWindowFactory(nullptr);
  Application->SetExeName(saved_exe_);
  fs::current_path(saved_dir_);
}

TfmMain& MainTest::Open() {
  window = new TfmMain;
  window->show();
  Settle();
  return *window;
}

void MainTest::Close() {
  if (window == nullptr) return;
  if (fmLumbrick != nullptr) {
    EXPECT_EQ(Report().shown, reportsExpected) << Report().exceptionText;
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

void MainTest::ChoosePage(QWidget* Page) { window->PageControl1->setCurrentWidget(Page); }

std::vector<std::string> MainTest::DialogTexts() const {
  std::vector<std::string> texts;
  for (const DialogRequest& r : dialogs.Shown()) texts.push_back(r.text);
  return texts;
}

RecordingReportWindow& MainTest::Report() const { return *static_cast<RecordingReportWindow*>(fmLumbrick); }
