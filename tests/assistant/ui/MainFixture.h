// The assistant's main window under test, created and freed as the program
// does: the program folder is a temporary one with the shipped tables and
// bug-report model (its name holds a blank), the clock and regional settings
// are fixed, message and file dialogs are scripted, and the library's report
// window records what reaches it. A failure nobody expected shows up there,
// and Close checks that none did. Every global the window sets is restored.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "FixedHost.h"
#include "Main.h"
#include "RecordingReportWindow.h"
#include "ScriptedDialogs.h"
#include "ScriptedFileDialogs.h"
#include "TempDir.h"

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
  // The user picks another page.
  void ChoosePage(QWidget* Page);
  // The texts of the dialogs shown so far, in order.
  std::vector<std::string> DialogTexts() const;
  RecordingReportWindow& Report() const;

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
};

// Lets pending events run.
void Settle();
