#include "Settings.h"

#include "Browser.h"
#include "CommonGlobals.h"
#include "IniValues.h"
#include "Lumbrick.h"
#include "MessageBoxes.h"
#include "Translator.h"

std::unique_ptr<TIniFile> IniFile;
TGUIOptions GUIOptions;

void OpenSettingsFile() try {
  IniFile = std::make_unique<TIniFile>(ExeDir + SettingsFileName);
  if (const std::string why = IniFile->ReadFailure(); !why.empty()) {
    IniFile->KeepChangesInMemory();
    ShowError(ExeDir + Trt("Corvane.ini cannot be read") + " : " + why + "\r\n\r\n" +
              Trt("Corvane Starts with its Default Settings and Leaves this File as it is."));
  }
  // Told when it happens: at the start, at a change of an option or at the exit.
  IniFile->KeepChangesInMemoryWhenWritesFail([](const std::string& Reason) {
    ShowError(ExeDir + Trt("Corvane.ini cannot be saved") + " : " + Reason + "\r\n\r\n" +
              Trt("Corvane Keeps the Changes of its Settings until it Closes and Leaves this File as it is."));
  });
} catch (...) {
  VIX->Push("Procedure OpenSettingsFile");
  throw;
}

namespace {
std::string PushParamsKey(std::size_t Index) try {
  return "PushParams(" + std::to_string(Index + 1) + ")";
} catch (...) {
  VIX->Push("Function PushParamsKey");
  throw;
}
}  // namespace

void ReadGUIOptions() try {
  Language = IniFile->ReadInteger("GUI", "Language", 1);
  GUIOptions.ShowGuide = ReadYesNo(*IniFile, "GUI", "ShowGuide", true);
  GUIOptions.MustNotifyAction = ReadYesNo(*IniFile, "GUI", "MustNotifyAction", true);
  GUIOptions.ConfirmOverwrite = ReadYesNo(*IniFile, "GUI", "ConfirmOverwrite", true);
  GUIOptions.ShowRelativePath = ReadYesNo(*IniFile, "GUI", "ShowRelativePath", true);
} catch (...) {
  VIX->Push("Procedure ReadGUIOptions");
  throw;
}

void WriteGUIOptions(bool GuideVisible) try {
  IniFile->WriteInteger("GUI", "Language", Language);
  WriteYesNo(*IniFile, "GUI", "ShowGuide", GuideVisible);
  WriteYesNo(*IniFile, "GUI", "MustNotifyAction", GUIOptions.MustNotifyAction);
  WriteYesNo(*IniFile, "GUI", "ConfirmOverwrite", GUIOptions.ConfirmOverwrite);
  WriteYesNo(*IniFile, "GUI", "ShowRelativePath", GUIOptions.ShowRelativePath);
} catch (...) {
  VIX->Push("Procedure WriteGUIOptions");
  throw;
}

void ReadCodeOptions(TCodeOptions& Options) try {
  Options.ExceptLines = IniFile->ReadInteger("Options", "ExceptLines", 1);
  Options.ReindentAddedCode = ReadYesNo(*IniFile, "Options", "ReindentAddedCode", true);
  Options.ReindentRemovedCode = ReadYesNo(*IniFile, "Options", "ReindentRemovedCode", true);
  Options.QuellumVar = IniFile->ReadString("Options", "QuellumVar", "VIX");
  for (std::size_t i = 0; i < Options.PushParams.size(); ++i)
    Options.PushParams[i] = ReadYesNo(*IniFile, "Options", PushParamsKey(i), true);
} catch (...) {
  VIX->Push("Procedure ReadCodeOptions");
  throw;
}

void WriteCodeOptions(const TCodeOptions& Options) try {
  IniFile->WriteInteger("Options", "ExceptLines", Options.ExceptLines);
  WriteYesNo(*IniFile, "Options", "ReindentAddedCode", Options.ReindentAddedCode);
  WriteYesNo(*IniFile, "Options", "ReindentRemovedCode", Options.ReindentRemovedCode);
  IniFile->WriteString("Options", "QuellumVar", Options.QuellumVar);
  for (std::size_t i = 0; i < Options.PushParams.size(); ++i)
    WriteYesNo(*IniFile, "Options", PushParamsKey(i), Options.PushParams[i]);
} catch (...) {
  VIX->Push("Procedure WriteCodeOptions");
  throw;
}

void ReadExternalPrograms() try {
  BrowserPath = IniFile->ReadString("System", "Navigator", DefaultBrowserPath);
} catch (...) {
  VIX->Push("Procedure ReadExternalPrograms");
  throw;
}

void WriteExternalPrograms() try {
  IniFile->WriteString("System", "Navigator", BrowserPath);
} catch (...) {
  VIX->Push("Procedure WriteExternalPrograms");
  throw;
}

bool ReadDebugMode() try {
  return IniFile->ReadString("System", "Debug", "") == "Kindle";
} catch (...) {
  VIX->Push("Function ReadDebugMode");
  throw;
}
