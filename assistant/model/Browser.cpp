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
  const std::string argument =
      FileName.find(' ') != std::string::npos ? "\"" + FileName + "\"" : FileName;
  return WinExecute("\"" + BrowserPath + "\" " + argument) > 0;
} catch (...) {
  VIX->Push("Function OpenInBrowser");
  throw;
}
