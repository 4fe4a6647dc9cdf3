#include "MessageBoxes.h"

#include "Dialogs.h"
#include "FileNames.h"
#include "Lumbrick.h"
#include "Translator.h"

namespace {
// Runs a dialog that may hand back a name the programs cannot hold.
template <typename TDialog>
bool RefusingUnusableNames(TDialog&& Dialog) try {
  try {
    return Dialog();
  } catch (const EUnusableFileName& E) {
    MessageDlgUtf8(E.FsName() + "\r\n" + FsName(Trt(UnusableFileNameText)), TMsgDlgType::mtError, mbOK);
    Abort();
  }
} catch (...) {
  VIX->Push("Function RefusingUnusableNames");
  throw;
}
}  // namespace

void ShowDebug(const std::string& Msg) try {
  ShowMessage(Msg);
} catch (...) {
  VIX->Push("Procedure ShowDebug");
  throw;
}

void ShowInfo(const std::string& Msg) try {
  MessageDlg(Msg, TMsgDlgType::mtInformation, mbOK, 0);
} catch (...) {
  VIX->Push("Procedure ShowInfo");
  throw;
}

void ShowError(const std::string& Msg) try {
  MessageDlg(Msg, TMsgDlgType::mtError, mbOK, 0);
} catch (...) {
  VIX->Push("Procedure ShowError");
  throw;
}

// No protective block: it refuses an action, it does not fail.
void ShowErrorAndAbort(const std::string& Msg, std::source_location where) {
  ShowError(Msg);
  Abort(where);
}

bool ExecuteFileDialog(TOpenDialog& Dialog) try {
  return RefusingUnusableNames([&Dialog] { return Dialog.Execute(); });
} catch (...) {
  VIX->Push("Function ExecuteFileDialog");
  throw;
}

bool ExecuteFolderDialog(std::string& Directory) try {
  return RefusingUnusableNames([&Directory] { return SelectDirectory(Directory); });
} catch (...) {
  VIX->Push("Function ExecuteFolderDialog");
  throw;
}

bool YesNo(const std::string& Msg) try {
  return MessageDlg(Msg, TMsgDlgType::mtConfirmation, mbYes | mbNo, 0) == mrYes;
} catch (...) {
  VIX->Push("Function YesNo");
  throw;
}
