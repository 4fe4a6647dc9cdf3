#include "Dialogs.h"

#include <cstdio>

#include "Application.h"

namespace {
// Without an installed host (a windowless program) a dialog is written to
// standard error and answered with its first button.
class FallbackHost final : public DialogHost {
 public:
  DialogAnswer Show(const DialogRequest& r) override {
    std::fprintf(stderr, "[%s] %s\n", r.title.c_str(), r.text.c_str());
    DialogAnswer a;
    switch (r.kind) {
      case DialogRequest::Kind::MessageDlg:
        a.result = (r.buttons & mbYes) ? mrYes : (r.buttons & mbOK) ? mrOk : mrCancel;
        break;
      case DialogRequest::Kind::MessageBox:
        a.result = (r.flags & 0xF) == MB_YESNO ? mrYes : mrOk;
        break;
      case DialogRequest::Kind::ShowMessage: a.result = mrOk; break;
      case DialogRequest::Kind::InputQuery: a.result = mrCancel; a.value = r.value; break;
    }
    return a;
  }
};

FallbackHost fallback;
DialogHost* current = &fallback;

std::string AppTitle() { return Application ? Application->Title : std::string(); }
}  // namespace

DialogHost* SetDialogHost(DialogHost* host) {
  DialogHost* previous = current;
  current = host ? host : &fallback;
  return previous;
}

std::string MessageDlgTitle(TMsgDlgType type) {
  switch (type) {
    case TMsgDlgType::mtWarning: return "Warning";
    case TMsgDlgType::mtError: return "Error";
    case TMsgDlgType::mtInformation: return "Information";
    case TMsgDlgType::mtConfirmation: return "Confirm";
    case TMsgDlgType::mtCustom: break;
  }
  return AppTitle();
}

namespace {
DialogRequest MessageDlgRequest(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons) {
  DialogRequest r;
  r.kind = DialogRequest::Kind::MessageDlg;
  r.type = type;
  r.buttons = buttons;
  r.title = MessageDlgTitle(type);
  r.text = text;
  return r;
}
}  // namespace

int MessageDlg(const std::string& msg, TMsgDlgType type, TMsgDlgButtons buttons, int) {
  return current->Show(MessageDlgRequest(msg, type, buttons)).result;
}

int MessageDlgUtf8(const std::string& utf8Msg, TMsgDlgType type, TMsgDlgButtons buttons) {
  DialogRequest r = MessageDlgRequest(utf8Msg, type, buttons);
  r.textIsUtf8 = true;
  return current->Show(r).result;
}

void ShowMessage(const std::string& msg) {
  DialogRequest r;
  r.kind = DialogRequest::Kind::ShowMessage;
  r.title = AppTitle();
  r.text = msg;
  current->Show(r);
}

int MessageBox(const std::string& text, const std::string& caption, unsigned flags) {
  DialogRequest r;
  r.kind = DialogRequest::Kind::MessageBox;
  r.flags = flags;
  r.title = caption;
  r.text = text;
  return current->Show(r).result;
}

bool InputQuery(const std::string& caption, const std::string& prompt, std::string& value) {
  DialogRequest r;
  r.kind = DialogRequest::Kind::InputQuery;
  r.title = caption;
  r.text = prompt;
  r.value = value;
  DialogAnswer a = current->Show(r);
  if (a.result != mrOk) return false;
  value = a.value;
  return true;
}

std::string InputBox(const std::string& caption, const std::string& prompt, const std::string& defaultValue) {
  std::string value = defaultValue;
  InputQuery(caption, prompt, value);
  return value;
}
