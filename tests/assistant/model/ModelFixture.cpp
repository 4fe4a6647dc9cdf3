#include "ModelFixture.h"

#include <filesystem>

#include "AppliList.h"
#include "Browser.h"
#include "CommonGlobals.h"
#include "ExeSelection.h"
#include "Settings.h"
#include "StatusText.h"
#include "Translator.h"

ModelTest::ModelTest() : savedDir(std::filesystem::current_path().string()) {
  app.SetExeName(Write("prog/Corvane", "exe"));
  lib = new TLumbrick(&app);
  VIX = lib;
  InitCommonGlobals();
  ExeDir = ExeDirOf(app.ExeName());
  IniFile = std::make_unique<TIniFile>(ExeDir + SettingsFileName);
  SetOperationLog(&log);
  MainStatusBar = &statusBar;
  ExeDialog = &exeDialog;
}

ModelTest::~ModelTest() {
  std::error_code ec;
  std::filesystem::current_path(savedDir, ec);
  CurrentAppli.reset();
  IniFile.reset();
  DropUnitListsInMemory();
  SetOperationLog(nullptr);
  MainStatusBar = nullptr;
  ExeDialog = nullptr;
  ExeDir.clear();
  BrowserPath = DefaultBrowserPath;
  GUIOptions = TGUIOptions{};
  Language = 1;
  DebugMode = false;
  VIX = nullptr;
}

namespace {
std::string UsesClause(const std::vector<std::string>& Units) {
  if (Units.empty()) return {};
  std::string clause = "uses";
  for (std::size_t i = 0; i < Units.size(); ++i) clause += (i ? ",\r\n  " : "\r\n  ") + Units[i];
  return clause + ";\r\n\r\n";
}
}  // namespace

std::string UnitSource(const std::string& Name, const std::vector<std::string>& InterfaceUses,
                       const std::vector<std::string>& ImplementationUses) {
  return "unit " + Name + ";\r\n\r\ninterface\r\n\r\n" + UsesClause(InterfaceUses) +
         "procedure Run;\r\n\r\nimplementation\r\n\r\n" + UsesClause(ImplementationUses) +
         "procedure Run;\r\nbegin\r\nend;\r\n\r\nend.\r\n";
}

std::string ProgramSource(const std::string& Name, const std::vector<std::string>& Uses) {
  return "program " + Name + ";\r\n\r\n" + UsesClause(Uses) + "{$R *.res}\r\n\r\nbegin\r\nend.\r\n";
}
