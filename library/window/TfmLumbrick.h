// The report window: the exception message in red over two pages, the
// user's description and the technical text, with the buttons that write a
// bug report and close the window.
#pragma once

#include "Form.h"
#include "ReportWindow.h"

class QLabel;
class QMenu;
class QAction;
class QTabWidget;
class QTextEdit;
class QToolButton;
class QWidget;

class TfmLumbrick final : public TForm, public TReportWindow {
 public:
  explicit TfmLumbrick(TLumbrick& owner);

  // TReportWindow
  void PrepareForm(int ALanguage) override;
  void SetExceptionText(const std::string& text) override;
  void SetTechnicalText(const std::string& text) override;
  void ShowModal() override;
  std::string UserDescCaption() const override;
  std::vector<std::string> UserDescLines() const override;

  void SetLanguage(int ALanguage);

  void FormCreate(TObject* Sender);
  void btCloseClick(TObject* Sender);
  void btCreateClick(TObject* Sender);
  void pmParamsPopup(TObject* Sender);
  void miIdClick(TObject* Sender);

 private:
  void ApplyTexts(bool english);

  int FLanguage = 1;
  TLumbrick* FOwnerLumbrick;

  QWidget* pHeader;
  QLabel* lbException;
  QToolButton* btCreate;
  QToolButton* btClose;
  QTabWidget* PageControl1;
  QWidget* tsUserDesc;
  QLabel* pUserDesc;
  QTextEdit* mUserDesc;
  QWidget* tsTechnical;
  QLabel* pTechData;
  QTextEdit* mInfos;
  QMenu* pmParams;
  QAction* miId;
};
