// The report window as the component drives it. The windowed implementation
// (TfmLumbrick) registers itself as the factory; without one the component
// cannot show reports, and its road ends in "Exception Handler Error".
#pragma once

#include <memory>
#include <string>
#include <vector>

class TLumbrick;

class TReportWindow {
 public:
  virtual ~TReportWindow() = default;
  // Texts in the language, the technical page active, the message label
  // 465 pixels wide.
  virtual void PrepareForm(int ALanguage) = 0;
  virtual void SetExceptionText(const std::string& text) = 0;
  virtual void SetTechnicalText(const std::string& text) = 0;
  // Shows the window modally until it closes; raises when already shown.
  virtual void ShowModal() = 0;
  virtual std::string UserDescCaption() const = 0;
  virtual std::vector<std::string> UserDescLines() const = 0;
};

using TReportWindowFactory = std::unique_ptr<TReportWindow> (*)(TLumbrick& owner);
void SetReportWindowFactory(TReportWindowFactory factory);
TReportWindowFactory ReportWindowFactory();

// The one report window of the program, owned by the component.
extern TReportWindow* fmLumbrick;
