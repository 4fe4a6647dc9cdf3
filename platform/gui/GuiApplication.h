// The application object of a windowed program: TApplication over a
// QApplication. For its lifetime it provides the real message and file
// dialogs, the screen and the watch over started openers, and turns bad pointer accesses into
// EAccessViolation. A program whose executable lies where the programs' file
// names cannot reach refuses to start with an error box.
#pragma once

#include <memory>
#include <string>

#include "Application.h"
#include "GuiScreen.h"
#include "QtDialogHost.h"
#include "QtFileDialogHost.h"
#include "QtOpenerWatcher.h"

class QApplication;

class TGuiApplication : public TApplication {
 public:
  TGuiApplication(int& argc, char** argv);
  ~TGuiApplication() override;

  bool Active() const override;
  bool IsRightToLeft() const override;
  // The active form's help file when it has one, else HelpFile.
  std::string CurrentHelpFile() const override;
  void ProcessMessages() override;
  // Runs the event loop until the program quits; returns its exit code.
  int Run();

 private:
  class QtApp;
  std::unique_ptr<QtApp> app_;
  QtDialogHost dialogs_;
  QtFileDialogHost file_dialogs_;
  TGuiScreen screen_;
  QtOpenerWatcher openers_;
  DialogHost* previous_dialogs_;
  FileDialogHost* previous_file_dialogs_;
  TScreen* previous_screen_;
  OpenerWatcher* previous_openers_;
};
