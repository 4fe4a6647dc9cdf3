// A dialog host for tests: records every dialog the code shows and answers
// it from a script, as a user would.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "Dialogs.h"

class ScriptedDialogs final : public DialogHost {
 public:
  ScriptedDialogs();   // installs itself
  ~ScriptedDialogs() override;  // restores the previous host

  // Queues the answer to the next dialog. With no answer queued a dialog gets
  // its first button (Yes, else OK) and an input box is cancelled.
  ScriptedDialogs& Answer(int modalResult, std::string value = {});

  DialogAnswer Show(const DialogRequest& request) override;

  const std::vector<DialogRequest>& Shown() const { return shown_; }
  const DialogRequest& Last() const { return shown_.back(); }
  void Clear() { shown_.clear(); }

 private:
  DialogHost* previous_;
  std::deque<DialogAnswer> script_;
  std::vector<DialogRequest> shown_;
};
