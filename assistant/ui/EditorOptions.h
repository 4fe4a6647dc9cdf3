// Unit EditorOptions: the scanner options dialog. Before the scanner window
// opens on the ticked units it asks for the scan actions (what a scan does to
// routines whose protective block is correct, incorrect or missing; kept for
// the run only) and the code options (the block's form; stored under
// [Options] of "Corvane.ini"), with a live example of a routine as the
// options would secure it.
//
// Use: the scanner window creates it with itself as owner, runs ShowModal
// and frees it. The result is 1 (open the scanner on the ticked units),
// 8 (open it and scan them all at once) or 2 (cancelled, also by the close
// button). On 1 and 8 ScanActions, CodeOptions and [Options] hold the
// choices; on 2 nothing changed.
#pragma once

#include "CodeOptions.h"
#include "Form.h"

class QAction;
class QFrame;
class QLabel;
class TCheckListBox;
class TComboBox;
class TRichEdit;
class TSpeedButton;

class TfmScanOptions final : public TForm {
 public:
  // Builds the dialog hidden and runs FormCreate.
  explicit TfmScanOptions(QWidget* Owner = nullptr);
  ~TfmScanOptions() override;

  void FormCreate(QObject* Sender);
  void FormShow(QObject* Sender);
  void TranslateFirst();
  void UpdateExample();
  void cbExceptClick(QObject* Sender);
  void cbCorrectCodeClick(QObject* Sender);
  void btValidateClick(QObject* Sender);
  void btCancelClick(QObject* Sender);
  void btHelpClick(QObject* Sender);
  void axHelpExecute(QObject* Sender);

  QLabel* lbHeader;
  QFrame* pAction;
  QLabel* lbCorrectCode;
  TComboBox* cbCorrectCode;
  QLabel* lbIncorrectCode;
  TComboBox* cbIncorrectCode;
  QLabel* lbMissingCode;
  TComboBox* cbMissingCode;
  QFrame* pIndent;
  QLabel* lbReindentAdded;
  TComboBox* cbReindentAdded;
  QLabel* lbReindentRemoved;
  TComboBox* cbReindentRemoved;
  QFrame* pExcept;
  QLabel* lbQuellumVar;
  TComboBox* cbQuellumVar;
  QLabel* lbExcept;
  TComboBox* cbExcept;
  QLabel* lbPush;
  TCheckListBox* clbPush;
  QFrame* pExample;
  QLabel* lbExample;
  TRichEdit* rExample;
  TSpeedButton* btValidate;
  TSpeedButton* btCancel;
  TSpeedButton* btHelp;
  QAction* axHelp;

  // True from creation until the end of the first show.
  bool FirstShow = true;
  // The dialog's working copy of the code options.
  TCodeOptions EditedOptions;
  int ActionIfCorrect = 0;
  int ActionIfIncorrect = 0;
  int ActionIfMissing = 0;

 protected:
  void showEvent(QShowEvent* Event) override;
};

extern TfmScanOptions* fmScanOptions;
