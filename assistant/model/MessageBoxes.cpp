#include "MessageBoxes.h"

#include "Dialogs.h"
#include "Lumbrick.h"

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

bool YesNo(const std::string& Msg) try {
  return MessageDlg(Msg, TMsgDlgType::mtConfirmation, mbYes | mbNo, 0) == mrYes;
} catch (...) {
  VIX->Push("Function YesNo");
  throw;
}
