#include "UiFixture.h"

#include <QGuiApplication>
#include <fstream>

#include "Application.h"
#include "Browser.h"
#include "CodeOptions.h"
#include "CommonGlobals.h"
#include "FormIcon.h"
#include "Lumbrick.h"
#include "Pictures.h"
#include "ScanActions.h"
#include "Settings.h"
#include "StatusText.h"

namespace {
std::string Shipped(const char* name) {
  std::ifstream in(std::string(CORVANE_DATA_DIR "/") + name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}
}  // namespace

UiTest::UiTest() : statusBar(new TGuiStatusBar), saved_exe_(Application->ExeName()) {
  // Closing a test's window must not quit the application the tests run in.
  QGuiApplication::setQuitOnLastWindowClosed(false);
  dir.Write("prog/Dialogs.ini", Shipped("Dialogs.ini"));
  dir.Write("prog/DialogsFr.ini", Shipped("DialogsFr.ini"));
  Application->SetExeName(dir.File("prog/corvane"));
  VIX = new TLumbrick(Application);
  errors = std::make_unique<ExceptionRecorder>();
  InitCommonGlobals();
  ExeDir = ExeDirOf(Application->ExeName());
  IconList = &AppliPictures();
  IniFile = std::make_unique<TIniFile>(ExeDir + SettingsFileName);
  translator_ = std::make_unique<TTextTranslator>(ExeDir);
  TextTranslator = translator_.get();
  mainWindow.setStatusBar(statusBar);
  mainWindow.resize(800, 200);
  mainWindow.show();
  MainStatusBar = statusBar;
}

UiTest::~UiTest() {
  MainStatusBar = nullptr;
  TextTranslator = nullptr;
  translator_.reset();
  IniFile.reset();
  IconList = nullptr;
  ExeDir.clear();
  Language = 1;
  CodeOptions = TCodeOptions{};
  ScanActions = TScanActions{};
  BrowserPath = DefaultBrowserPath;
  errors.reset();
  delete VIX;
  VIX = nullptr;
  Application->SetExeName(saved_exe_);
}

void UiTest::TearDown() {
  for (const RecordedException& e : errors->seen)
    if (e.className != "EAbort") ADD_FAILURE() << "unexpected " << e.className << ": " << e.message;
}

void UiTest::SetLanguage(int language) { Language = language; }
