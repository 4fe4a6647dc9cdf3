// The scanner window: its controls, creation, first show, texts and guide.
#include "Editor.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMenu>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>

#include "Colors.h"
#include "CommonGlobals.h"
#include "Design.h"
#include "Fonts.h"
#include "FormIcon.h"
#include "Guard.h"
#include "Guide.h"
#include "GuiScreen.h"
#include "Lumbrick.h"
#include "Pictures.h"
#include "QtText.h"
#include "RichEdit.h"
#include "Settings.h"
#include "SpeedButton.h"
#include "Translator.h"
#include "UiColors.h"

TfmEditor* fmEditor = nullptr;
bool EditorAbsent = true;

namespace {

// Outer height 555 on the original platform; this host sizes the client.
constexpr int kClientHeight = 521;
constexpr int kFrameWidth = 8;

TSpeedButton* Button(QWidget* parent, const char* name, int x, int y, int w, int h, const QPixmap& glyph) {
  auto* button = Place(new TSpeedButton(parent), name, x, y, w, h);
  button->SetGlyph(glyph);
  return button;
}

void Bold(QWidget* control) {
  QFont font = control->font();
  font.setBold(true);
  control->setFont(font);
}

QFrame* LoweredPanel(QWidget* parent, const char* name) {
  auto* panel = new QFrame(parent);
  panel->setObjectName(QString::fromLatin1(name));
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  return panel;
}

QAction* Item(QObject* parent, const char* name, const char* caption = "") {
  auto* item = new QAction(QString::fromLatin1(caption), parent);
  item->setObjectName(QString::fromLatin1(name));
  return item;
}

QMenu* Popup(QWidget* parent, const char* name) {
  auto* menu = new QMenu(parent);
  menu->setObjectName(QString::fromLatin1(name));
  menu->setToolTipsVisible(true);
  return menu;
}

// An action's hint is the hint of the button that runs it.
void Hint(QAction* action, TSpeedButton* button, const std::string& hint) {
  action->setToolTip(Qs(hint));
  button->setToolTip(Qs(hint));
}

void CaptionAndHint(QAction* item, const std::string& caption, const std::string& hint) {
  item->setText(Qs(caption));
  item->setToolTip(Qs(hint));
}

}  // namespace

TfmEditor::TfmEditor(QWidget* Owner) : TForm(Owner), imUnits(UnitPictures()), imProcs(ProcPictures()) {
  SetName("fmEditor");
  setAttribute(Qt::WA_DeleteOnClose);
  setFont(DesignFont());
  resize(785, kClientHeight);
  HelpFile = "scanner.htm";

  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);

  // Left: the unit area, the routine grid and the foot with the next buttons.
  pProcs = LoweredPanel(this, "pProcs");
  pProcs->setFixedWidth(193);
  layout->addWidget(pProcs);
  auto* left = new QVBoxLayout(pProcs);
  left->setContentsMargins(1, 1, 1, 1);
  left->setSpacing(0);
  pUnits = new QWidget(pProcs);
  pUnits->setObjectName("pUnits");
  pUnits->setFixedHeight(154);
  left->addWidget(pUnits);
  btCheckUnit = Button(pUnits, "btCheckUnit", 2, 3, 58, 22, Glyph(TGlyph::Scan));
  btCheckUnit->SetCaption("Scan");  // the design caption, in both languages
  btSaveUnit = Button(pUnits, "btSaveUnit", 162, 3, 23, 22, Glyph(TGlyph::Save));
  cbConfirmSaves = Place(new QCheckBox(pUnits), "cbConfirmSaves", 95, 6, 65, 17);
  cbConfirmSaves->setLayoutDirection(Qt::RightToLeft);  // the text left of the box
  cbConfirmSaves->setChecked(true);
  sgSources = Place(new TObjectGrid<TUnit>(16, 400, pUnits), "sgSources", 0, 27, 188, 99);
  sgSources->setFrameStyle(QFrame::Box | QFrame::Plain);
  sgSources->SetRowCount(1);  // the design's row, current until the grid is filled
  SetBackgroundColor(sgSources, pUnits->palette().color(QPalette::Window));
  btUpProc = Button(pUnits, "btUpProc", 1, 131, 20, 22, ArrowGlyph(true));
  btUpCode = Button(pUnits, "btUpCode", 21, 131, 20, 22, ArrowGlyph(true));
  Bold(btUpCode);
  btHelp = Button(pUnits, "btHelp", 160, 130, 23, 22, Glyph(TGlyph::Help));
  SetFontColor(btHelp, clGray);
  sgProcs = new TObjectGrid<TRoutineInfo>(16, 400, pProcs);
  sgProcs->setObjectName("sgProcs");
  sgProcs->SetRowCount(1);
  SetBackgroundColor(sgProcs, palette().color(QPalette::Button));
  left->addWidget(sgProcs, 1);
  pLeftFoot = new QWidget(pProcs);
  pLeftFoot->setObjectName("pLeftFoot");
  pLeftFoot->setFixedHeight(26);
  left->addWidget(pLeftFoot);
  btDownProc = Button(pLeftFoot, "btDownProc", 1, 2, 20, 22, ArrowGlyph(false));
  btDownCode = Button(pLeftFoot, "btDownCode", 21, 2, 20, 22, ArrowGlyph(false));
  Bold(btDownCode);
  btDebug = Place(new TSpeedButton(pLeftFoot), "btDebug", 131, 3, 55, 20);
  btDebug->setAutoRaise(false);
  btDebug->SetCaption("Debug");

  // Right: the memo and the routine buttons.
  pEdit = LoweredPanel(this, "pEdit");
  layout->addWidget(pEdit, 1);
  auto* right = new QVBoxLayout(pEdit);
  right->setContentsMargins(1, 1, 1, 1);
  right->setSpacing(0);
  mCode = new TRichEdit(pEdit);
  mCode->setObjectName("mCode");
  SetCodeFontSize(DefaultCodeFontSize);
  SetBackgroundColor(mCode, clPanelGrey);
  right->addWidget(mCode, 1);
  pRightFoot = new QWidget(pEdit);
  pRightFoot->setObjectName("pRightFoot");
  pRightFoot->setFixedHeight(26);
  right->addWidget(pRightFoot);
  btAddCode = Button(pRightFoot, "btAddCode", 6, 2, 129, 22, Glyph(TGlyph::Add));
  btUpdateCode = Button(pRightFoot, "btUpdateCode", 135, 2, 129, 22, Glyph(TGlyph::Update));
  btRemoveCode = Button(pRightFoot, "btRemoveCode", 303, 2, 129, 22, Glyph(TGlyph::Remove));
  btIgnoreCode = Button(pRightFoot, "btIgnoreCode", 432, 2, 129, 22, Glyph(TGlyph::Ignore));
  btMemoFont = Button(pRightFoot, "btMemoFont", 570, 2, 23, 22, Glyph(TGlyph::Font));

  // ActionList1: routine navigation.
  axUpProc = Item(this, "axUpProc");
  axUpProc->setShortcut(Qt::Key_Insert);
  axUpProc->setShortcutContext(Qt::WindowShortcut);
  addAction(axUpProc);
  axUpCode = Item(this, "axUpCode");
  axDnProc = Item(this, "axDnProc");
  axDnCode = Item(this, "axDnCode");

  pmScan = Popup(this, "pmScan");
  miScanFile = Item(pmScan, "miScanFile", "Scan File");
  miScanAll = Item(pmScan, "miScanAll", "Scan All");
  pmScan->addActions({miScanFile, miScanAll});
  pmSave = Popup(this, "pmSave");
  miSaveFile = Item(pmSave, "miSaveFile", "Save File");
  miSaveFile->setIcon(imUnits.Icon(1));
  miSaveAll = Item(pmSave, "miSaveAll", "Save All");
  pmSave->addActions({miSaveFile, miSaveAll});
  pmHelp = Popup(this, "pmHelp");
  miHelpColors = Item(pmHelp, "miHelpColors", "Colors and Pictograms");
  miHelpScanner = Item(pmHelp, "miHelpScanner", "Scanner");
  miHelpErrorMessages = Item(pmHelp, "miHelpErrorMessages", "Error Messages");
  pmHelp->addActions({miHelpColors, miHelpScanner, miHelpErrorMessages});
  pmDebug = Popup(this, "pmDebug");
  miDebugCodeMemo = Item(pmDebug, "miDebugCodeMemo", "Code to Memo");
  miDebugKeywordMemo = Item(pmDebug, "miDebugKeywordMemo", "Keywords to Memo");
  miDebugLineEmpty = Item(pmDebug, "miDebugLineEmpty", "Line is Empty ?");
  miDebugLine = Item(pmDebug, "miDebugLine", "Line");
  miDebugShowPosition = Item(pmDebug, "miDebugShowPosition", "Show Position in Caption");
  miDebugShowPosition->setCheckable(true);
  miDebugTmp = Item(pmDebug, "miDebugTmp", "Tmp");
  pmDebug->addActions(
      {miDebugCodeMemo, miDebugKeywordMemo, miDebugLineEmpty, miDebugLine, miDebugShowPosition, miDebugTmp});

  const auto on = [this](QAction* action, void (TfmEditor::*handler)(QObject*)) {
    connect(action, &QAction::triggered, this, Guarded(this, [this, handler] { (this->*handler)(this); }));
  };
  const auto onClick = [this](TSpeedButton* button, void (TfmEditor::*handler)(QObject*)) {
    connect(button, &QToolButton::clicked, this, Guarded(this, [this, handler] { (this->*handler)(this); }));
  };
  // The buttons run the actions.
  const auto runs = [this](TSpeedButton* button, QAction* action) {
    connect(button, &QToolButton::clicked, action, &QAction::trigger);
  };
  sgSources->OnSelectCell = [this](QObject* Sender, int Col, int Row, bool& CanSelect) {
    sgSourcesSelectCell(Sender, Col, Row, CanSelect);
  };
  sgSources->OnDrawCell = [this](QPainter& Canvas, int Row, const QRect& Rect, TGridDrawState State) {
    sgSourcesDrawCell(Canvas, Row, Rect, State);
  };
  sgProcs->OnSelectCell = [this](QObject* Sender, int Col, int Row, bool& CanSelect) {
    sgProcsSelectCell(Sender, Col, Row, CanSelect);
  };
  sgProcs->OnDrawCell = [this](QPainter& Canvas, int Row, const QRect& Rect, TGridDrawState State) {
    sgProcsDrawCell(Canvas, Row, Rect, State);
  };
  sgProcs->OnKeyDown = [this](QObject* Sender, int& Key, Qt::KeyboardModifiers Shift) {
    sgProcsKeyDown(Sender, Key, Shift);
  };
  sgProcs->OnKeyUp = [this](QObject* Sender, int& Key, Qt::KeyboardModifiers Shift) {
    sgProcsKeyUp(Sender, Key, Shift);
  };
  on(axUpProc, &TfmEditor::axUpProcExecute);
  on(axUpCode, &TfmEditor::axUpCodeExecute);
  on(axDnProc, &TfmEditor::axDnProcExecute);
  on(axDnCode, &TfmEditor::axDnCodeExecute);
  runs(btUpProc, axUpProc);
  runs(btUpCode, axUpCode);
  runs(btDownProc, axDnProc);
  runs(btDownCode, axDnCode);
  onClick(btCheckUnit, &TfmEditor::btCheckUnitClick);
  onClick(btSaveUnit, &TfmEditor::btSaveUnitClick);
  onClick(btHelp, &TfmEditor::btHelpClick);
  onClick(btDebug, &TfmEditor::btDebugClick);
  onClick(btAddCode, &TfmEditor::btAddCodeClick);
  onClick(btUpdateCode, &TfmEditor::btUpdateCodeClick);
  onClick(btRemoveCode, &TfmEditor::btRemoveCodeClick);
  onClick(btIgnoreCode, &TfmEditor::btIgnoreCodeClick);
  onClick(btMemoFont, &TfmEditor::btMemoFontClick);
  connect(cbConfirmSaves, &QCheckBox::clicked, this, Guarded(this, [this] { cbConfirmSavesClick(this); }));
  connect(pmScan, &QMenu::aboutToShow, this, Guarded(this, [this] { pmScanPopup(this); }));
  connect(pmSave, &QMenu::aboutToShow, this, Guarded(this, [this] { pmSavePopup(this); }));
  on(miScanFile, &TfmEditor::miScanFileClick);
  on(miScanAll, &TfmEditor::miScanAllClick);
  on(miSaveFile, &TfmEditor::miSaveFileClick);
  on(miSaveAll, &TfmEditor::miSaveAllClick);
  on(miHelpColors, &TfmEditor::miHelpColorsClick);
  on(miHelpScanner, &TfmEditor::miHelpScannerClick);
  on(miHelpErrorMessages, &TfmEditor::miHelpErrorMessagesClick);
  on(miDebugCodeMemo, &TfmEditor::miDebugCodeMemoClick);
  on(miDebugKeywordMemo, &TfmEditor::miDebugKeywordMemoClick);
  on(miDebugLineEmpty, &TfmEditor::miDebugLineEmptyClick);
  on(miDebugLine, &TfmEditor::miDebugLineClick);
  on(miDebugShowPosition, &TfmEditor::miDebugShowPositionClick);
  on(miDebugTmp, &TfmEditor::miDebugTmpClick);
  connect(mCode, &QTextEdit::cursorPositionChanged, this, Guarded(this, [this] { mCodeSelectionChange(this); }));

  fmEditor = this;
  RunGuarded(this, [this] { FormCreate(this); });
}

// A closed window is freed a moment after its close: by then a new one may
// be the scanner window, which keeps its place.
TfmEditor::~TfmEditor() {
  if (fmEditor != this) return;
  fmEditor = nullptr;
  EditorAbsent = true;
}

bool TfmEditor::event(QEvent* Event) {
  const bool handled = TForm::event(Event);
  if (Event->type() == QEvent::WindowActivate) RunGuarded(this, [this] { FormActivate(this); });
  return handled;
}

void TfmEditor::showEvent(QShowEvent* Event) {
  TForm::showEvent(Event);
  if (!Event->spontaneous()) RunGuarded(this, [this] { FormShow(this); });
}

void TfmEditor::closeEvent(QCloseEvent* Event) {
  TForm::closeEvent(Event);
  if (Event->isAccepted()) RunGuarded(this, [this] { FormClose(this); });
}

void TfmEditor::FormCreate(QObject*) try {
  FirstShow = true;
  EditorAbsent = false;
  SetFormIcon(this);
  // The whole desktop's width, the design height, at the top left.
  move(0, 0);
  const QScreen* screen = QGuiApplication::primaryScreen();
  const int desktop = screen != nullptr ? screen->virtualGeometry().width() : width() + kFrameWidth;
  resize(std::max(desktop - kFrameWidth, minimumSizeHint().width()), kClientHeight);
  btDebug->setVisible(DebugMode);
  CurrentUnit = nullptr;
  cbConfirmSaves->setChecked(GUIOptions.ConfirmOverwrite);
  Busy = false;
  TranslateFirst();
} catch (...) {
  VIX->Push("Procedure TfmEditor.FormCreate");
  throw;
}

void TfmEditor::FormShow(QObject*) try {
  if (!FirstShow) return;
  int size = IniFile ? IniFile->ReadInteger("GUI", "CodeFontSize", DefaultCodeFontSize) : DefaultCodeFontSize;
  // A size edited by hand, or stored before sizes were bounded, to nothing
  // readable.
  if (size < MinCodeFontSize || size > MaxCodeFontSize) size = DefaultCodeFontSize;
  SetCodeFontSize(size);
  UpdateGuideInfos();
  FirstShow = false;
} catch (...) {
  VIX->Push("Procedure TfmEditor.FormShow");
  throw;
}

void TfmEditor::FormActivate(QObject*) try {
  if (TGuiScreen::ActiveTForm() == this) UpdateGuideInfos();
} catch (...) {
  VIX->Push("Procedure TfmEditor.FormActivate");
  throw;
}

void TfmEditor::TranslateFirst() try {
  SetCaption(Trt(" Source Files Scanner"));
  btAddCode->SetCaption(Trt("Add Code"));
  btAddCode->setToolTip(Qs(Trt("Add Lumbrick Code in Routine")));
  btCheckUnit->setToolTip(Qs(Trt("Check Lumbrick Code in Source File")));
  CaptionAndHint(miScanFile, Trt("Scan File"), Trt("Check Lumbrick Code in Source File"));
  CaptionAndHint(miScanAll, Trt("Scan All"), Trt("Check Lumbrick Code in All Source Files"));
  btIgnoreCode->SetCaption(Trt("Ignore Code"));
  btIgnoreCode->setToolTip(Qs(Trt("Tell Lumbrick to Ignore this Routine")));
  btRemoveCode->SetCaption(Trt("Remove Code"));
  btRemoveCode->setToolTip(Qs(Trt("Remove Lumbrick Code from Routine")));
  btUpdateCode->SetCaption(Trt("Update Code"));
  btUpdateCode->setToolTip(Qs(Trt("Update Lumbrick Code in Routine")));
  btSaveUnit->setToolTip(Qs(Trt("Save Modifications in Source File")));
  CaptionAndHint(miSaveFile, Trt("Save File"), Trt("Save Modifications in Source File"));
  CaptionAndHint(miSaveAll, Trt("Save All"), Trt("Save Modifications in All Source Files"));
  sgProcs->setToolTip(Qs(Trt("Routine List")));
  sgSources->setToolTip(Qs(Trt("Source File List")));
  if (Language == 1)
    cbConfirmSaves->resize(65, cbConfirmSaves->height());
  else if (Language == 2)
    cbConfirmSaves->resize(80, cbConfirmSaves->height());
  cbConfirmSaves->move(btSaveUnit->x() - cbConfirmSaves->width() - 2, cbConfirmSaves->y());
  cbConfirmSaves->setText(Qs(Trt("Confirm")));
  cbConfirmSaves->setToolTip(Qs(Trt("Confirm Before Saving Source Files")));
  Hint(axUpProc, btUpProc, Trt("Previous routine with same state (Shift-Up in Routine List)"));
  Hint(axUpCode, btUpCode, Trt("Previous routine with same color (Ctrl-Up in Routine List)"));
  Hint(axDnProc, btDownProc, Trt("Next routine with same state (Shift-Down in Routine List)"));
  Hint(axDnCode, btDownCode, Trt("Next routine with same color (Ctrl-Down in Routine List)"));
  btHelp->setToolTip(Qs(Trt("Help")));
  CaptionAndHint(miHelpColors, Trt("Colors and Pictograms"), Trt("Informations About Colors and Pictograms"));
  CaptionAndHint(miHelpScanner, Trt("Scanner"), Trt("How to use the scanner..."));
  CaptionAndHint(miHelpErrorMessages, Trt("Error Messages"), Trt("More Informations About Error Messages"));
  btMemoFont->setToolTip(Qs(Trt("Change Memo Font Size")));
} catch (...) {
  VIX->Push("Procedure TfmEditor.TranslateFirst");
  throw;
}

void TfmEditor::UpdateGuideInfos() try {
  if (fmGuide == nullptr || !fmGuide->isVisible()) return;
  fmGuide->HelpFile = HelpFile;
  if (fmGuide->GuideState == 1001) return;
  fmGuide->SetMsg(Trt("Source Files Scanner : Lumbrick code is maintained here."),
                  Trt("For automated maintenance, use upper left <Scan> button.") + "\r\n\r\n" +
                      Trt("For manual maintenance, use <Add Code>...<Ignore Code> buttons."));
  fmGuide->GuideState = 1001;
} catch (...) {
  VIX->Push("Procedure TfmEditor.UpdateGuideInfos");
  throw;
}
