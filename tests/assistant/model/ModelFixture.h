// A windowless host for the model: the library bound to an application whose
// program folder is a temporary one, fixed clock and US English settings,
// scripted message and file dialogs, a recording log and status bar, and the
// settings file open. Every global the model keeps is restored afterwards.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Application.h"
#include "FileDialogs.h"
#include "FixedHost.h"
#include "Lumbrick.h"
#include "RecordingLog.h"
#include "ScriptedDialogs.h"
#include "ScriptedFileDialogs.h"
#include "StatusBar.h"
#include "TempDir.h"

class RecordingStatusBar final : public TStatusBar {
 public:
  void SetSimpleText(const std::string& Text) override { text = Text; }
  std::string text;
};

class ModelTest : public ::testing::Test {
 protected:
  ModelTest();
  ~ModelTest() override;

  // A file under the temporary folder, folders made as needed; its path.
  std::string Write(const std::string& Name, const std::string& Bytes) const { return dir.Write(Name, Bytes); }
  std::string Read(const std::string& Name) const { return dir.Read(Name); }
  std::string Path(const std::string& Name) const { return dir.File(Name); }
  // The settings file's bytes.
  std::string Settings() const { return Read("prog/Corvane.ini"); }

  FixedHost host;
  ScriptedDialogs dialogs;
  ScriptedFileDialogs files;
  TempDir dir;
  TApplication app;
  TLumbrick* lib = nullptr;
  RecordingLog log;
  RecordingStatusBar statusBar;
  TOpenDialog exeDialog;
  std::string savedDir;
};

// Pascal sources with CR LF line breaks: a unit with its interface and
// implementation uses clauses (none when empty), and a program whose uses
// clause lists the given entries as written ("Unit1 in 'Sub\Unit1.pas'").
std::string UnitSource(const std::string& Name, const std::vector<std::string>& InterfaceUses,
                       const std::vector<std::string>& ImplementationUses);
std::string ProgramSource(const std::string& Name, const std::vector<std::string>& Uses);
