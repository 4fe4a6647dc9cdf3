// A file dialog host for tests: records every open, save and folder dialog
// the code shows and answers it from a script, as a user would.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "FileDialogs.h"

class ScriptedFileDialogs final : public FileDialogHost {
 public:
  ScriptedFileDialogs() : previous_(SetFileDialogHost(this)) {}  // installs itself
  ~ScriptedFileDialogs() override { SetFileDialogHost(previous_); }
  ScriptedFileDialogs(const ScriptedFileDialogs&) = delete;
  ScriptedFileDialogs& operator=(const ScriptedFileDialogs&) = delete;

  // The next dialog chooses File (a folder for the folder chooser); nullopt
  // cancels it. Unscripted dialogs are cancelled.
  void Answer(std::optional<std::string> File) { script_.push_back(std::move(File)); }
  bool Show(const FileDialogRequest& request, std::string& fileName) override {
    shown.push_back(request);
    if (script_.empty()) return false;
    std::optional<std::string> answer = std::move(script_.front());
    script_.pop_front();
    if (!answer) return false;
    fileName = std::move(*answer);
    return true;
  }
  std::vector<FileDialogRequest> shown;

 private:
  FileDialogHost* previous_;
  std::deque<std::optional<std::string>> script_;
};
