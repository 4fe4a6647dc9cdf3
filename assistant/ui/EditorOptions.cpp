#include "EditorOptions.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QShowEvent>
#include <array>

#include "CheckListBox.h"
#include "Colors.h"
#include "ComboBox.h"
#include "Design.h"
#include "Fonts.h"
#include "FormIcon.h"
#include "Guard.h"
#include "HelpFiles.h"
#include "Lumbrick.h"
#include "MessageBoxes.h"
#include "Pictures.h"
#include "QtText.h"
#include "RichEdit.h"
#include "ScanActions.h"
#include "Settings.h"
#include "SpeedButton.h"
#include "StringHelpers.h"
#include "SysUtils.h"
#include "Translator.h"
#include "UiColors.h"

TfmScanOptions* fmScanOptions = nullptr;

namespace {

// Each list's items (English keys) and the value each item stands for.
constexpr std::array kCorrectItems{"Nothing", "Remove Code"};
constexpr std::array kCorrectValues{0, 1};
constexpr std::array kIncorrectItems{"Update Code", "Remove Code", "Nothing"};
constexpr std::array kIncorrectValues{2, 1, 0};
constexpr std::array kMissingItems{"Add Missing Code", "Nothing"};
constexpr std::array kMissingValues{3, 0};
constexpr std::array kReindentAddedItems{"Add One Indentation Level", "Do not Modify"};
constexpr std::array kReindentRemovedItems{"Remove One Indentation Level", "Do not Modify"};
constexpr std::array kExceptItems{"On a Single Line", "On 3 Lines", "On 4 Lines"};
constexpr std::array kExceptValues{1, 3, 4};
constexpr std::array kPushItems{"UnitName", "Type", "Prefix", "Name", "Params"};  // not translated

template <std::size_t N>
std::vector<std::string> Translated(const std::array<const char*, N>& items) {
  std::vector<std::string> texts;
  for (const char* item : items) texts.push_back(Trt(item));
  return texts;
}

// The value of the list's selected item; Current when none is selected.
template <std::size_t N>
int ValueOf(const TComboBox* list, const std::array<int, N>& values, int Current) {
  const int index = list->ItemIndex();
  return index >= 0 && index < static_cast<int>(N) ? values[static_cast<std::size_t>(index)] : Current;
}

QFrame* Panel(QWidget* parent, const char* name, int y, int h) {
  auto* panel = Place(new QFrame(parent), name, 8, y, 577, h);
  panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  // The panel's own background only: the boxes on it keep their colour, so
  // an editable box stays white and unlike a read-only one.
  QPalette palette = panel->palette();
  palette.setColor(QPalette::Window, clPanelGrey);
  panel->setPalette(palette);
  panel->setAutoFillBackground(true);
  return panel;
}

QLabel* Label(QWidget* parent, const char* name, int x, int y) {
  auto* label = Place(new QLabel(parent), name, x, y, 365, 15);
  label->setTextFormat(Qt::PlainText);
  return label;
}

TComboBox* List(QWidget* parent, const char* name, int y, TComboBox::TStyle style = TComboBox::TStyle::DropDownList) {
  return Place(new TComboBox(style, parent), name, 372, y, 201, 21);
}

TSpeedButton* Button(QWidget* parent, const char* name, int x, int w, TGlyph glyph) {
  auto* button = Place(new TSpeedButton(parent), name, x, 465, w, 22);
  button->SetGlyph(Glyph(glyph));
  return button;
}

}  // namespace

TfmScanOptions::TfmScanOptions(QWidget* Owner) : TForm(Owner) {
  SetName("fmScanOptions");
  // A dialog border with a close button only.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setFont(DesignFont());
  setGeometry(117, 21, 592, 490);
  setFixedSize(592, 490);
  HelpFile = "options.htm";

  lbHeader = Label(this, "lbHeader", 8, 1);
  lbHeader->setFixedWidth(577);
  SetFontColor(lbHeader, clNavy);

  pAction = Panel(this, "pAction", 20, 79);
  lbCorrectCode = Label(pAction, "lbCorrectCode", 5, 9);
  cbCorrectCode = List(pAction, "cbCorrectCode", 5);
  lbIncorrectCode = Label(pAction, "lbIncorrectCode", 5, 33);
  cbIncorrectCode = List(pAction, "cbIncorrectCode", 29);
  lbMissingCode = Label(pAction, "lbMissingCode", 5, 57);
  cbMissingCode = List(pAction, "cbMissingCode", 53);

  pIndent = Panel(this, "pIndent", 106, 56);
  lbReindentAdded = Label(pIndent, "lbReindentAdded", 5, 9);
  cbReindentAdded = List(pIndent, "cbReindentAdded", 5);
  lbReindentRemoved = Label(pIndent, "lbReindentRemoved", 5, 33);
  cbReindentRemoved = List(pIndent, "cbReindentRemoved", 29);

  pExcept = Panel(this, "pExcept", 169, 113);
  lbQuellumVar = Label(pExcept, "lbQuellumVar", 5, 9);
  cbQuellumVar = List(pExcept, "cbQuellumVar", 5, TComboBox::TStyle::DropDown);
  cbQuellumVar->SetItems({"VIX", "Lumbrick"});
  lbExcept = Label(pExcept, "lbExcept", 5, 34);
  cbExcept = List(pExcept, "cbExcept", 30);
  lbPush = Label(pExcept, "lbPush", 5, 59);
  clbPush = Place(new TCheckListBox(pExcept), "clbPush", 8, 78, 561, 36);
  clbPush->setFrameShape(QFrame::NoFrame);
  clbPush->SetColumns(3);
  for (const char* item : kPushItems) clbPush->Add(item);

  pExample = Panel(this, "pExample", 288, 174);
  lbExample = Label(pExample, "lbExample", 5, 5);
  SetFontColor(lbExample, clNavy);
  rExample = Place(new TRichEdit(pExample), "rExample", 5, 22, 567, 147);
  rExample->setFrameShape(QFrame::NoFrame);
  rExample->setFocusPolicy(Qt::ClickFocus);  // not a tab stop
  SetBackgroundColor(rExample, clPanelGrey);

  btValidate = Button(this, "btValidate", 16, 193, TGlyph::Accept);
  btCancel = Button(this, "btCancel", 365, 105, TGlyph::Cancel);
  btHelp = Button(this, "btHelp", 476, 105, TGlyph::Help);

  axHelp = new QAction(this);
  axHelp->setObjectName("axHelp");
  axHelp->setShortcut(Qt::Key_F1);
  axHelp->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  addAction(axHelp);

  for (TComboBox* options : {cbReindentAdded, cbReindentRemoved, cbExcept, cbQuellumVar})
    options->OnClick = [this](QObject* Sender) { cbExceptClick(Sender); };
  cbQuellumVar->OnExit = [this](QObject* Sender) { cbExceptClick(Sender); };
  clbPush->OnClickCheck = [this](QObject* Sender) { cbExceptClick(Sender); };
  for (TComboBox* actions : {cbCorrectCode, cbIncorrectCode, cbMissingCode})
    actions->OnClick = [this](QObject* Sender) { cbCorrectCodeClick(Sender); };
  connect(btValidate, &QToolButton::clicked, this, Guarded(this, [this] { btValidateClick(this); }));
  connect(btCancel, &QToolButton::clicked, this, Guarded(this, [this] { btCancelClick(this); }));
  connect(btHelp, &QToolButton::clicked, this, Guarded(this, [this] { btHelpClick(this); }));
  connect(axHelp, &QAction::triggered, this, Guarded(this, [this] { axHelpExecute(this); }));
  RunGuarded(this, [this] { FormCreate(this); });
}

TfmScanOptions::~TfmScanOptions() {
  if (fmScanOptions == this) fmScanOptions = nullptr;
}

void TfmScanOptions::showEvent(QShowEvent* Event) {
  TForm::showEvent(Event);
  if (Event->spontaneous()) return;
  RunGuarded(this, [this] { FormShow(this); });
  cbCorrectCode->setFocus();  // the design's active control
}

void TfmScanOptions::FormCreate(QObject*) try {
  FirstShow = true;
  TranslateFirst();
  SetFormIcon(this);
  for (TComboBox* actions : {cbCorrectCode, cbIncorrectCode, cbMissingCode}) actions->SetItemIndex(0);
} catch (...) {
  VIX->Push("Procedure TfmScanOptions.FormCreate");
  throw;
}

void TfmScanOptions::TranslateFirst() try {
  SetCaption(Trt("Source Files Scanner Options"));
  lbHeader->setText(Qs(Trt("The scanner will update Lumbrick code in source files using the following options")));
  lbCorrectCode->setText(Qs(Trt("What to do if Lumbrick code is correct in a routine ?")));
  lbIncorrectCode->setText(Qs(Trt("What to do if Lumbrick code is incorrect in a routine ?")));
  lbMissingCode->setText(Qs(Trt("What to do if Lumbrick code is missing in a routine ?")));
  for (TComboBox* actions : {cbCorrectCode, cbIncorrectCode, cbMissingCode})
    actions->setToolTip(Qs(Trt("Select an Action")));
  lbReindentAdded->setText(Qs(Trt("How to re-indent when Lumbrick code is added ?")));
  lbReindentRemoved->setText(Qs(Trt("How to re-indent when Lumbrick code is removed ?")));
  for (TComboBox* reindent : {cbReindentAdded, cbReindentRemoved})
    reindent->setToolTip(Qs(Trt("Indentation rules for existing code")));
  lbQuellumVar->setText(Qs(Trt("What is the name of the TLumbrick global variable ?")));
  cbQuellumVar->setToolTip(Qs(Trt("Enter or Select a Delphi Variable Name")));
  lbExcept->setText(Qs(Trt("How to insert Lumbrick except clause ?")));
  cbExcept->setToolTip(Qs(Trt("Except Clause Format")));
  lbPush->setText(Qs(Trt("What parameters will be passed to Lumbrick.Push function ?")));
  clbPush->setToolTip(Qs(Trt("Parameters for Push function calls")));
  lbExample->setText(Qs(Trt("Code Modifications Example")));
  rExample->setToolTip(Qs(Trt("Example")));
  btValidate->SetCaption(Trt("Validate"));
  btValidate->setToolTip(Qs(Trt("Validate options")));
  btCancel->SetCaption(Trt("Cancel"));
  btCancel->setToolTip(Qs(Trt("Cancel Options")));
  btHelp->SetCaption(Trt("Help"));
  btHelp->setToolTip(Qs(Trt("Open Help File")));
  cbCorrectCode->SetItems(Translated(kCorrectItems));
  cbIncorrectCode->SetItems(Translated(kIncorrectItems));
  cbMissingCode->SetItems(Translated(kMissingItems));
  cbReindentAdded->SetItems(Translated(kReindentAddedItems));
  cbReindentRemoved->SetItems(Translated(kReindentRemovedItems));
  cbExcept->SetItems(Translated(kExceptItems));
} catch (...) {
  VIX->Push("Procedure TfmScanOptions.TranslateFirst");
  throw;
}

void TfmScanOptions::FormShow(QObject*) try {
  if (!FirstShow) return;
  ReadCodeOptions(EditedOptions);
  cbReindentAdded->SetItemIndex(EditedOptions.ReindentAddedCode ? 0 : 1);
  cbReindentRemoved->SetItemIndex(EditedOptions.ReindentRemovedCode ? 0 : 1);
  cbQuellumVar->SetText(EditedOptions.QuellumVar);
  int layout = -1;
  for (std::size_t i = 0; i < kExceptValues.size(); ++i)
    if (kExceptValues[i] == EditedOptions.ExceptLines) layout = static_cast<int>(i);
  cbExcept->SetItemIndex(layout);
  for (int i = 0; i < clbPush->Count(); ++i) clbPush->SetChecked(i, EditedOptions.PushParams[static_cast<std::size_t>(i)]);
  cbExceptClick(this);
  cbCorrectCodeClick(this);
  FirstShow = false;
} catch (...) {
  VIX->Push("Procedure TfmScanOptions.FormShow");
  throw;
}

void TfmScanOptions::cbExceptClick(QObject*) try {
  if (!FirstShow) {
    EditedOptions.ExceptLines = ValueOf(cbExcept, kExceptValues, EditedOptions.ExceptLines);
    EditedOptions.ReindentAddedCode = cbReindentAdded->ItemIndex() == 0;
    EditedOptions.ReindentRemovedCode = cbReindentRemoved->ItemIndex() == 0;
    EditedOptions.QuellumVar = cbQuellumVar->Text();
    for (int i = 0; i < clbPush->Count(); ++i) EditedOptions.PushParams[static_cast<std::size_t>(i)] = clbPush->Checked(i);
  }
  UpdateExample();
} catch (...) {
  VIX->Push("Procedure TfmScanOptions.cbExceptClick");
  throw;
}

void TfmScanOptions::cbCorrectCodeClick(QObject*) try {
  ActionIfCorrect = ValueOf(cbCorrectCode, kCorrectValues, ActionIfCorrect);
  ActionIfIncorrect = ValueOf(cbIncorrectCode, kIncorrectValues, ActionIfIncorrect);
  ActionIfMissing = ValueOf(cbMissingCode, kMissingValues, ActionIfMissing);
} catch (...) {
  VIX->Push("Procedure TfmScanOptions.cbCorrectCodeClick");
  throw;
}

void TfmScanOptions::UpdateExample() try {
  const TCodeOptions& o = EditedOptions;
  const std::string M = "    ";
  const std::string I = o.ReindentAddedCode ? "    " : "";
  const std::string& V = o.QuellumVar;
  const char* const parts[] = {"UnitHouse.pas : ", "Procedure ", "THouse.", "Draw", "(HouseColor : TColor)"};
  std::string routine;
  for (std::size_t i = 0; i < o.PushParams.size(); ++i)
    if (o.PushParams[i]) routine += parts[i];
  const std::string P = QuoteFramed(routine);
  rExample->Clear();
  rExample->AddLine("Procedure THouse.Draw(HouseColor : TColor);", clBlack);
  rExample->AddLine("Begin", clBlack);
  rExample->AddLine(M + "Try", clBlue);
  rExample->AddLine(M + I + "Canvas.Brush.Color := HouseColor;", clBlack);
  rExample->AddLine(M + I + "...", clBlack);
  rExample->AddLine(M + I + "Canvas.LineTo(X, Y);", clBlack);
  switch (o.ExceptLines) {
    case 1:
      rExample->AddLine(M + "Except " + V + ".Push(" + P + "); Raise; End;", clBlue);
      break;
    case 3:
      rExample->AddLine(M + "Except", clBlue);
      rExample->AddLine(M + M + V + ".Push(" + P + "); Raise;", clBlue);
      rExample->AddLine(M + "End;", clBlue);
      break;
    case 4:
      rExample->AddLine(M + "Except", clBlue);
      rExample->AddLine(M + M + V + ".Push(" + P + ");", clBlue);
      rExample->AddLine(M + M + "Raise;", clBlue);
      rExample->AddLine(M + "End;", clBlue);
      break;
    default:
      break;
  }
  rExample->AddLine("End;", clBlack);
} catch (...) {
  VIX->Push("Procedure TfmScanOptions.UpdateExample");
  throw;
}

void TfmScanOptions::btValidateClick(QObject*) try {
  // A name typed into cbQuellumVar reaches the options when the box loses
  // the focus, and a click on a speed button does not take it: read it here,
  // so that the name validated and stored is the one the box shows.
  cbExceptClick(this);
  if (!IsValidIdent(EditedOptions.QuellumVar))
    ShowErrorAndAbort(EditedOptions.QuellumVar + Trt(" is not a Valid Delphi Identifier."));
  const auto CheckExceptClause = [this]() -> bool {
    try {
      return EditedOptions.PushParams[3] || YesNo(Trt("No Routine Name in Push Parameters. Confirm ?"));
    } catch (...) {
      VIX->Push("Function CheckExceptClause");
      throw;
    }
  };
  if (!CheckExceptClause()) return;
  ScanActions = {ActionIfCorrect, ActionIfIncorrect, ActionIfMissing};
  CodeOptions = EditedOptions;
  WriteCodeOptions(CodeOptions);
  SetModalResult(YesNo(Trt("Start Scanning All Sources Files ?")) ? mrAll : mrOk);
} catch (...) {
  VIX->Push("Procedure TfmScanOptions.btValidateClick");
  throw;
}

void TfmScanOptions::btCancelClick(QObject*) try {
  SetModalResult(mrCancel);
} catch (...) {
  VIX->Push("Procedure TfmScanOptions.btCancelClick");
  throw;
}

void TfmScanOptions::btHelpClick(QObject*) try {
  OpenHelpFile(HelpFile, true);
} catch (...) {
  VIX->Push("Procedure TfmScanOptions.btHelpClick");
  throw;
}

void TfmScanOptions::axHelpExecute(QObject*) try {
  OpenHelpFile(HelpFile, true);
} catch (...) {
  VIX->Push("Procedure TfmScanOptions.axHelpExecute");
  throw;
}
