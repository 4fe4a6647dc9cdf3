#include "HelpFiles.h"

#include "Browser.h"
#include "Dialogs.h"
#include "ExeSelection.h"
#include "Files.h"
#include "HostPaths.h"
#include "Lumbrick.h"
#include "Translator.h"

void OpenHelpFile(std::string Page, bool InHelpFolder) try {
  if (Page.empty()) Page = "index.htm";
  if (!ProgramExists(BrowserPath))
    SelectExeFile(BrowserPath, Trt("Web Browser"), "", false, DefaultBrowserPath);
  const std::string path = InHelpFolder ? TextTranslator->GetHelpDir() + Page : Page;
  if (!FileExists(path))
    ShowMessage(Trt("Impossible to Find Help File") + " : " + path);
  else
    ShowHelpPage(path);
} catch (...) {
  VIX->Push("Procedure OpenHelpFile");
  throw;
}

namespace {

// Said when the browser did not take a page: at once, or when it ended.
void HelpPageNotOpened(const std::string& Path) try {
  ShowMessage(Trt("Impossible to Open Help File") + " : " + Path);
} catch (...) {
  VIX->Push("Procedure HelpPageNotOpened");
  throw;
}

}  // namespace

void ShowHelpPage(const std::string& Path) try {
  if (!StartBrowser(Path, [Path] { HelpPageNotOpened(Path); })) HelpPageNotOpened(Path);
} catch (...) {
  VIX->Push("Procedure ShowHelpPage");
  throw;
}
