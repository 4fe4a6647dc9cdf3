// The library's report window for end-to-end tests of a program: records
// what the library shows in it instead of showing it. Install it with
// SetReportWindowFactory(MakeRecordingReportWindow) before the program
// creates the library.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ReportWindow.h"
#include "StringList.h"

class RecordingReportWindow final : public TReportWindow {
 public:
  void PrepareForm(int ALanguage) override { language = ALanguage; }
  void SetExceptionText(const std::string& text) override { exceptionText = text; }
  void SetTechnicalText(const std::string& text) override { technicalText = text; }
  void ShowModal() override { ++shown; }
  std::string UserDescCaption() const override { return "User Description"; }
  std::vector<std::string> UserDescLines() const override { return {}; }

  // The lines of the stack list section of the last technical text.
  std::vector<std::string> StackSection() const {
    TStringList lines;
    lines.SetText(technicalText);
    std::vector<std::string> section;
    int i = 0;
    while (i < lines.Count() && lines.Strings(i) != "=== Stack List ===") ++i;
    for (++i; i < lines.Count() && !lines.Strings(i).empty(); ++i) section.push_back(lines.Strings(i));
    return section;
  }

  int language = 0;
  int shown = 0;
  std::string exceptionText;
  std::string technicalText;
};

inline std::unique_ptr<TReportWindow> MakeRecordingReportWindow(TLumbrick&) {
  return std::make_unique<RecordingReportWindow>();
}
