#include "FileContents.h"

#include <cerrno>

#include "Dialogs.h"
#include "Files.h"
#include "Lumbrick.h"
#include "SysUtils.h"
#include "Translator.h"

bool LoadFileContents(const std::string& FileName, std::string& Text) try {
  std::optional<std::string> bytes = ReadFileBytes(FileName);
  if (!bytes) return false;
  Text = std::move(*bytes);
  return true;
} catch (...) {
  VIX->Push("Function LoadFileContents");
  throw;
}

bool SaveFileContents(const std::string& FileName, const std::string& Text) try {
  if (!ReplaceFileBytes(FileName, Text)) {
    const int reason = errno;
    // The error box, then the silent abort that cancels the operation.
    MessageDlg(CannotCreateFileText(FileName, reason), TMsgDlgType::mtError, mbOK, 0);
    Abort();
  }
  return true;
} catch (...) {
  VIX->Push("Function SaveFileContents");
  throw;
}

std::string CannotCreateFileText(const std::string& FileName, int Reason) try {
  return Trt("Cannot create file") + " \"" + FileName + "\". " + SysErrorMessage(Reason);
} catch (...) {
  VIX->Push("Function CannotCreateFileText");
  throw;
}
