// Helpers of the keyword-list, code-state, code-change and routine-scan
// tests: sources written line by line, and a log that records the progress
// texts and can ask for a cancel.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "Exceptions.h"
#include "ScanProgress.h"

// The lines, each ended by CR LF.
inline std::string Crlf(std::initializer_list<std::string_view> Lines) {
  std::string s;
  for (std::string_view l : Lines) {
    s += l;
    s += "\r\n";
  }
  return s;
}

// Installed for its lifetime. Like the shown log window, a set cancel
// request turns the next progress text into the silent abort; CancelAt asks
// for the cancel when that text is shown.
class RecordingLog final : public TScanProgress {
 public:
  RecordingLog() : previous_(SetScanProgress(this)) {}
  ~RecordingLog() override { SetScanProgress(previous_); }
  RecordingLog(const RecordingLog&) = delete;
  RecordingLog& operator=(const RecordingLog&) = delete;

  void DisplayInfoPlus(const std::string& Text) override {
    if (cancelled) Abort();
    lines.push_back(Text);
    if (!CancelAt.empty() && Text == CancelAt) cancelled = true;
  }
  bool Cancelled() const override { return cancelled; }

  std::vector<std::string> lines;
  std::string CancelAt;
  bool cancelled = false;

 private:
  TScanProgress* previous_;
};
