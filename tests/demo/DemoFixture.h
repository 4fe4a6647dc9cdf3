// Dromlet under test: the program's folder is a temporary one, the host's
// clock, regional settings and figures are fixed, dialogs are scripted, and
// the report window records what the library shows.
#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DromletMain.h"
#include "FixedHost.h"
#include "RecordingReportWindow.h"
#include "ScriptedDialogs.h"
#include "TempDir.h"

class DemoTest : public ::testing::Test {
 protected:
  DemoTest();
  ~DemoTest() override;

  // Creates the main window as the program block does, and shows it.
  TfmMain& Open();
  // Closes and frees the window and the library, as the program's end does.
  void Close();

  void WriteIni(const std::string& bytes) { dir.Write("Dromlet.ini", bytes); }
  std::string Ini() const { return dir.Read("Dromlet.ini"); }
  // A browser script that writes the arguments it receives, one a line, to
  // "browser.out" in its folder.
  std::string WriteBrowser(const std::string& relativePath = "browser.sh");
  // "Dromlet.ini" naming an existing browser, so page changes warn of nothing.
  void WriteIniWithBrowser(const std::string& extraLines = "");

  RecordingReportWindow& Report() const;
  // The lines of the stack list section of the last technical text.
  std::vector<std::string> StackSection() const;

  // Dialogs of one kind, in the order shown.
  std::vector<DialogRequest> Shown(DialogRequest::Kind kind) const;

  FixedHost host;
  ScriptedDialogs dialogs;
  TempDir dir;
  TfmMain* window = nullptr;

 private:
  std::string saved_exe_;
  std::string saved_title_;
};

// A line break of the pages: LF CR.
inline const std::string br = "\n\r";
