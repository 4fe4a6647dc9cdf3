// An operation log that records what the model writes into it, and can
// press Cancel after a given number of progress texts.
#pragma once

#include <string>
#include <vector>

#include "Exceptions.h"
#include "OperationLog.h"

class RecordingLog final : public TOperationLog {
 public:
  void StartLog(const std::string& Title) override {
    lines.clear();
    utf8.clear();
    lastIndex = -1;
    success = false;
    cancelled = false;
    AddMsg(Title);
    AddBlank();
  }
  void TerminateLog() override {
    terminated = cancelled ? "Aborted by User" : success ? "Terminated" : "Abnormal Termination";
    cancelled = false;
  }
  void AddMsg(const std::string& Text) override { Add(Text, false); }
  void AddMsgUtf8(const std::string& Utf8Text) override { Add(Utf8Text, true); }
  void ChangeMsg(const std::string& Text) override {
    if (lastIndex >= 0 && lastIndex < static_cast<int>(lines.size())) {
      lines[lastIndex] = Text;
      utf8[lastIndex] = false;
    }
  }
  void DisplayInfo(const std::string& Text) override { Progress(Text); }
  void DisplayInfoPlus(const std::string& Text) override { Progress(Text); }
  bool Cancelled() const override { return cancelled; }
  void SetSuccess(bool Value) override { success = Value; }
  void ShowCancel() override {}

  std::vector<std::string> lines;
  std::vector<bool> utf8;  // per line: written as UTF-8
  std::vector<std::string> infos;
  int lastIndex = -1;
  bool success = false;
  bool cancelled = false;
  std::string terminated;
  int cancelAfter = -1;  // progress texts until the user presses Cancel

 private:
  void Add(const std::string& Text, bool Utf8) {
    lines.push_back(Text);
    utf8.push_back(Utf8);
    lastIndex = static_cast<int>(lines.size()) - 1;
  }
  void Progress(const std::string& Text) {
    infos.push_back(Text);
    if (cancelAfter >= 0 && static_cast<int>(infos.size()) >= cancelAfter) cancelled = true;
    if (cancelled) Abort();
  }
};
