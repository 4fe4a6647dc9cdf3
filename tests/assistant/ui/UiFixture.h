// The assistant's windows under test: the program folder is a temporary one
// holding the shipped translation tables, the clock and regional settings
// are fixed, message and file dialogs are scripted, the library is bound,
// the settings file is open, and a shown main window with its status bar
// stands in for the assistant's. What reaches the application's exception
// event is recorded; a test that expects a failure takes it from `errors`,
// any other fails the test. Every global the windows use is restored.
#pragma once

#include <gtest/gtest.h>

#include <QMainWindow>
#include <memory>
#include <string>

#include "ExceptionRecorder.h"
#include "FixedHost.h"
#include "GuiStatusBar.h"
#include "ScriptedDialogs.h"
#include "ScriptedFileDialogs.h"
#include "TempDir.h"
#include "Translator.h"

class UiTest : public ::testing::Test {
 protected:
  UiTest();
  ~UiTest() override;
  void TearDown() override;

  // 1 English, 2 French (the shipped tables).
  void SetLanguage(int language);
  // The program folder, with its trailing "/".
  std::string ProgramDir() const { return dir.File("prog/"); }
  // The settings file's bytes.
  std::string Settings() const { return dir.Read("prog/Corvane.ini"); }
  std::string Status() const { return statusBar->SimpleText(); }

  FixedHost host;
  ScriptedDialogs dialogs;
  ScriptedFileDialogs files;
  TempDir dir;
  QMainWindow mainWindow;
  TGuiStatusBar* statusBar;
  std::unique_ptr<ExceptionRecorder> errors;

 private:
  std::unique_ptr<TTextTranslator> translator_;
  std::string saved_exe_;
};
