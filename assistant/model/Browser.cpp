#include "Browser.h"

#include <utility>

#include "Lumbrick.h"
#include "Process.h"

std::string BrowserPath = DefaultBrowserPath;

std::uint32_t WinExecute(const std::string& CommandLine) try {
  return StartProcess(CommandLine);
} catch (...) {
  VIX->Push("Function WinExecute");
  throw;
}

bool StartBrowser(const std::string& FileName, std::function<void()> OnFailure) try {
  // Not waited for: the desktop's opener may take seconds to fail.
  return StartOpener(BrowserCommandLine(BrowserPath, FileName), std::move(OnFailure));
} catch (...) {
  VIX->Push("Function StartBrowser");
  throw;
}

bool OpenInBrowser(const std::string& FileName) try {
  return StartBrowser(FileName, [FileName] {
    if (VIX != nullptr) VIX->OpenBrowserFailed(FileName);
  });
} catch (...) {
  VIX->Push("Function OpenInBrowser");
  throw;
}
