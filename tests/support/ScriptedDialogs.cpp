#include "ScriptedDialogs.h"

ScriptedDialogs::ScriptedDialogs() : previous_(SetDialogHost(this)) {}

ScriptedDialogs::~ScriptedDialogs() { SetDialogHost(previous_); }

ScriptedDialogs& ScriptedDialogs::Answer(int modalResult, std::string value) {
  script_.push_back({modalResult, std::move(value)});
  return *this;
}

DialogAnswer ScriptedDialogs::Show(const DialogRequest& request) {
  shown_.push_back(request);
  if (!script_.empty()) {
    DialogAnswer a = std::move(script_.front());
    script_.pop_front();
    return a;
  }
  DialogAnswer a;
  if (request.kind == DialogRequest::Kind::MessageDlg)
    a.result = (request.buttons & mbYes) ? mrYes : mrOk;
  else if (request.kind == DialogRequest::Kind::MessageBox)
    a.result = (request.flags & 0xF) == MB_YESNO ? mrYes : mrOk;
  else if (request.kind == DialogRequest::Kind::InputQuery)
    a.result = mrCancel;
  else
    a.result = mrOk;
  a.value = request.value;
  return a;
}
