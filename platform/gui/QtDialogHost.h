// Real Qt dialogs for MessageDlg, ShowMessage, MessageBox and InputQuery,
// with the button texts of the original platform. Dialogs and buttons carry
// object names so tests can find and answer them: the box is named after its
// kind ("MessageDlg", "MessageBox", "ShowMessage", "InputQuery"), the buttons
// "btYes", "btNo", "btOK", "btCancel", "btAbort", "btRetry", "btIgnore",
// "btAll", "btNoToAll", "btYesToAll", "btHelp", the input box's edit "edValue".
#pragma once

#include "Dialogs.h"

class QtDialogHost final : public DialogHost {
 public:
  DialogAnswer Show(const DialogRequest& request) override;
};
