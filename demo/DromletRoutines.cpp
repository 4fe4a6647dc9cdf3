// Small routines of the unit: starting the web browser for the library, line
// breaks for the pages' texts, the error box.
#include <QLineEdit>

#include "Dialogs.h"
#include "DromletMain.h"
#include "Lumbrick.h"
#include "Process.h"
#include "QtText.h"

// The process start of this host takes the command line as it is (no
// buffer of its own is written) and gives the process id in place of the
// process handle; the child is reaped when it ends, so nothing is left to
// close.
std::uint32_t WinExecute(const std::string& CommandLine) try {
  return StartProcess(CommandLine);
} catch (...) {
  VIX->Push("Function WinExecute");
  throw;
}

bool OpenInBrowser(const std::string& FileName) try {
  // Not waited for: the desktop's opener may take seconds to fail, and the
  // library then tells where the report is.
  return StartOpener(BrowserCommandLine(As(fmMain->edWebBrowser->text()), FileName), [FileName] {
    if (VIX != nullptr) VIX->OpenBrowserFailed(FileName);
  });
} catch (...) {
  VIX->Push("Function OpenInBrowser");
  throw;
}

std::string CRLF(int N) try {
  std::string result;
  for (int i = 0; i < N; ++i) result += "\n\r";
  return result;
} catch (...) {
  VIX->Push("Function CRLF");
  throw;
}

void ShowError(const std::string& Msg) try {
  MessageDlg(Msg, TMsgDlgType::mtError, mbOK);
} catch (...) {
  VIX->Push("Procedure ShowError");
  throw;
}
