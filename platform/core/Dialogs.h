// Message dialogs, the plain message box and the input box. Every one goes
// through the installed DialogHost: the GUI layer installs real dialogs, tests
// install a responder that records each dialog and answers it.
#pragma once

#include <string>

enum class TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };

// Buttons are a bit set: MessageDlg(..., mbYes | mbNo).
enum TMsgDlgBtn : unsigned {
  mbYes = 1u << 0,
  mbNo = 1u << 1,
  mbOK = 1u << 2,
  mbCancel = 1u << 3,
  mbAbort = 1u << 4,
  mbRetry = 1u << 5,
  mbIgnore = 1u << 6,
  mbAll = 1u << 7,
  mbNoToAll = 1u << 8,
  mbYesToAll = 1u << 9,
  mbHelp = 1u << 10,
};
using TMsgDlgButtons = unsigned;

// Modal results.
enum : int { mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4,
             mrIgnore = 5, mrYes = 6, mrNo = 7, mrAll = 8, mrNoToAll = 9,
             mrYesToAll = 10 };

// Flags of the plain message box (the Win32 values).
enum : unsigned { MB_OK = 0x0, MB_OKCANCEL = 0x1, MB_YESNO = 0x4,
                  MB_ICONSTOP = 0x10, MB_ICONQUESTION = 0x20,
                  MB_ICONWARNING = 0x30, MB_ICONINFORMATION = 0x40 };

struct DialogRequest {
  enum class Kind { MessageDlg, MessageBox, ShowMessage, InputQuery };
  Kind kind = Kind::MessageDlg;
  TMsgDlgType type = TMsgDlgType::mtCustom;  // MessageDlg
  TMsgDlgButtons buttons = 0;                // MessageDlg
  unsigned flags = 0;                        // MessageBox
  std::string title;                         // as the user sees it
  std::string text;                          // message, or input prompt
  bool textIsUtf8 = false;                   // text in UTF-8 (MessageDlgUtf8)
  std::string value;                         // InputQuery: initial value
};

struct DialogAnswer {
  int result = mrCancel;  // a modal result; for InputQuery mrOk confirms
  std::string value;      // InputQuery: the edited value
};

class DialogHost {
 public:
  virtual ~DialogHost() = default;
  virtual DialogAnswer Show(const DialogRequest& request) = 0;
};

// Installs a host (nullptr restores the fallback, which writes the dialog to
// standard error and answers with its first button). Returns the previous one.
DialogHost* SetDialogHost(DialogHost* host);

// The title a MessageDlg of this type carries.
std::string MessageDlgTitle(TMsgDlgType type);

int MessageDlg(const std::string& msg, TMsgDlgType type, TMsgDlgButtons buttons, int helpCtx = 0);
// A message dialog whose text is UTF-8, not Windows-1252: for a name the
// file system gave that Windows-1252 cannot hold, shown as it is spelt.
int MessageDlgUtf8(const std::string& utf8Msg, TMsgDlgType type, TMsgDlgButtons buttons);
void ShowMessage(const std::string& msg);
int MessageBox(const std::string& text, const std::string& caption, unsigned flags);
bool InputQuery(const std::string& caption, const std::string& prompt, std::string& value);
std::string InputBox(const std::string& caption, const std::string& prompt, const std::string& defaultValue);
