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
  return WinExecute(BrowserCommandLine(BrowserPath, FileName)) > 0;
} catch (...) {
  VIX->Push("Function OpenInBrowser");
  throw;
}
