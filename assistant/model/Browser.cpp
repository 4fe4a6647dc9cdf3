#include "Browser.h"

#include "Lumbrick.h"
#include "Process.h"

std::string BrowserPath = DefaultBrowserPath;

std::uint32_t WinExecute(const std::string& CommandLine) try {
  return StartProcess(CommandLine);
} catch (...) {
  VIX->Push("Function WinExecute");
  throw;
}

bool OpenInBrowser(const std::string& FileName) try {
  // The desktop's opener returns once it handed the page on, or failed.
  return RunOpener(BrowserCommandLine(BrowserPath, FileName));
} catch (...) {
  VIX->Push("Function OpenInBrowser");
  throw;
}
