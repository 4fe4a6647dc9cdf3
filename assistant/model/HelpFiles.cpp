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
  else if (!OpenInBrowser(path))
    ShowMessage(Trt("Impossible to Open Help File") + " : " + path);
} catch (...) {
  VIX->Push("Procedure OpenHelpFile");
  throw;
}
