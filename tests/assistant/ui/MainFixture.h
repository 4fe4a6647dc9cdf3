// The assistant's main window under test, created and freed as the program
// does: the program folder is a temporary one with the shipped tables and
// bug-report model (its name holds a blank), the clock and regional settings
// are fixed, message and file dialogs are scripted, and the library's report
// window records what reaches it (unless a test asks for the real one). A
// failure nobody expected shows up there, and Close checks that none did.
// Every global the window sets is restored.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "FixedHost.h"
#include "Main.h"
#include "RecordingReportWindow.h"
#include "ReportWindow.h"
#include "ScriptedDialogs.h"
#include "ScriptedFileDialogs.h"
#include "TempDir.h"

class TObjectGridBase;

class MainTest : public ::testing::Test {
 protected:
  MainTest();
  ~MainTest() override;

  // Creates the window as the program block does and shows it.
  TfmMain& Open();
  // Frees the window (its FormDestroy runs) and the library.
  void Close();
  TfmMain& Reopen() {
    Close();
    return Open();
  }

  // The program folder, with its trailing "/".
  std::string ProgramDir() const { return dir.File("my prog/"); }
  void WriteSettings(const std::string& Bytes) const { dir.Write("my prog/Corvane.ini", Bytes); }
  std::string Settings() const { return dir.Read("my prog/Corvane.ini"); }
  // A project in a folder of its own, Name.dpr using one unit source per
  // name; its path.
  std::string WriteProject(const std::string& Name, const std::vector<std::string>& Units) const;
  // The sample project, copied; its path.
  std::string Sample() const;
  // Registers a project with Add File, as the user does.
  void Register(const std::string& ProjectFile);
  // Registers the project and makes it current on the source-file page.
  void OpenProject(const std::string& ProjectFile);
  // A mouse click on a row of a list (with Ctrl: one more row selected).
  static void ClickRow(TOwnerDrawListBox* List, int Row, int X = 40, Qt::KeyboardModifiers Keys = {});
  // A click on a row of a grid of the scanner window, scrolled into view.
  static void ClickRow(TObjectGridBase* Grid, int Row);
  // Shows the unit of that file name in the scanner window.
  static void ShowUnit(const std::string& Name);
  // "Secure Code" with the options dialog validated as Options leaves it
  // (nothing: as it opens), then the scan of all files asked for or not.
  void SecureCode(bool ScanAll, const std::function<void(QWidget* Dialog)>& Options = {});
  // The lines of the operation log.
  static std::vector<std::string> LogLines();
  // A web browser that records the arguments of its last start; its path.
  std::string RecordingBrowser() const;
  // The arguments of the recording browser's last start, one a line, once
  // it has started (waiting ten seconds at most).
  std::string BrowserArguments() const;
  // The user picks another page.
  void ChoosePage(QWidget* Page);
  // The texts of the dialogs shown so far, in order.
  std::vector<std::string> DialogTexts() const;
  // The recording report window (not the real one).
  RecordingReportWindow& Report() const;
  // The next window opened gets the program's own report window.
  void UseRealReportWindow() const { SetReportWindowFactory(real_report_window_); }
  // Every data file the program ships beside itself, help pages included.
  void InstallShippedData() const;

  FixedHost host;
  ScriptedDialogs dialogs;
  ScriptedFileDialogs files;
  TempDir dir;
  TfmMain* window = nullptr;
  // How many failures the test leads to the library's report.
  int reportsExpected = 0;

 private:
  std::string saved_exe_;
  std::filesystem::path saved_dir_;
  TReportWindowFactory real_report_window_;
};

// Lets pending events run.
void Settle();
