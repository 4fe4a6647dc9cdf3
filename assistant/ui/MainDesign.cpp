// The design of the main window: what the platform's form file holds (the
// controls, their places, sizes and fonts) and the binding of their events.
// Texts are set by TranslateFirst and TranslateAppliFirst.
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QStatusTipEvent>
#include <QVBoxLayout>

#include "AppObjects.h"
#include "Colors.h"
#include "ComboBox.h"
#include "Design.h"
#include "Fonts.h"
#include "Guard.h"
#include "GuiStatusBar.h"
#include "HeaderControl.h"
#include "Main.h"
#include "PageControl.h"
#include "Pictures.h"
#include "QtText.h"
#include "SpeedButton.h"
#include "Timer.h"
#include "Translator.h"

TfmMain* fmMain = nullptr;

namespace {

// The size the window takes when it is no longer maximized.
constexpr int kNormalWidth = 1000;
constexpr int kNormalHeight = 640;

TSpeedButton* Button(QWidget* parent, const char* name, TGlyph glyph, bool flat = true) {
  auto* button = new TSpeedButton(parent);
  button->setObjectName(name);
  button->SetGlyph(Glyph(glyph));
  button->setAutoRaise(flat);
  return button;
}

QLineEdit* Edit(QWidget* parent, const char* name, bool readOnly) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  edit->setReadOnly(readOnly);
  return edit;
}

QLabel* Label(QWidget* parent, const char* name) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  return label;
}

QAction* Item(QMenu* menu, const char* name, const QKeySequence& shortcut = {}) {
  auto* item = menu->addAction(QString());
  item->setObjectName(name);
  if (!shortcut.isEmpty()) {
    item->setShortcut(shortcut);
    // As the main menu's shortcuts do, they work from every window of the
    // program, not only from the main window.
    item->setShortcutContext(Qt::ApplicationShortcut);
  }
  return item;
}

QMenu* SubMenu(QWidget* parent, const char* name) {
  auto* menu = new QMenu(parent);
  menu->setObjectName(name);
  return menu;
}

QFrame* LoweredPanel(QWidget* parent, const char* name, int height) {
  auto* panel = new QFrame(parent);
  panel->setObjectName(name);
  panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  panel->setFixedHeight(height);
  return panel;
}

// Controls stacked from the top, edge to edge.
QVBoxLayout* Column(QWidget* parent) {
  auto* column = new QVBoxLayout(parent);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  return column;
}

QWidget* Page(TPageControl* pages, const char* name) {
  auto* page = new QWidget;
  page->setObjectName(name);
  pages->addTab(page, QString());
  return page;
}

}  // namespace

TfmMain::TfmMain(QWidget* Owner) : TForm(Owner) {
  // As the application's form creation does, the global reference holds the
  // window before its creation handler runs.
  fmMain = this;
  SetName("fmMain");
  setFont(DesignFont());
  HelpFile = "applis.htm";
  resize(kNormalWidth, kNormalHeight);
  setWindowState(Qt::WindowMaximized);

  // Everything the window shows stands on one client widget, which a long
  // operation disables: disabling the window itself would disable the log
  // and guide windows it owns, and their buttons with them.
  FClient = new QWidget(this);
  FClient->setObjectName("Client");
  Column(this)->addWidget(FClient);
  QVBoxLayout* layout = Column(FClient);
  BuildMenus();
  layout->setMenuBar(MainMenu1);
  PageControl1 = new TPageControl(FClient);
  PageControl1->setObjectName("PageControl1");
  PageControl1->setDocumentMode(true);
  layout->addWidget(PageControl1, 1);
  BuildApplicationPage();
  BuildSourceFilePage();
  StatusBar = new TGuiStatusBar(FClient);
  StatusBar->setObjectName("StatusBar");
  StatusBar->setSizeGripEnabled(false);
  layout->addWidget(StatusBar);

  tStart = new TTimer(this);
  tStart->setObjectName("tStart");
  tStart->SetInterval(100);
  tStart->SetEnabled(false);
  imBugs = &BugPictures();
  ilAppli = &AppliPictures();
  odExe.DefaultExt = "exe";
  odExe.FileMustExist = true;
  odSource.DefaultExt = "pas";
  odSource.FileMustExist = true;
  OpenDialog1.DefaultExt = "dpr";
  OpenDialog1.FileMustExist = true;

  ConnectEvents();
  qApp->installEventFilter(this);
  bool created = false;
  RunGuarded(this, [this, &created] {
    FormCreate(this);
    created = true;
  });
  if (!created) KeepWhatWasBuilt();
}

void TfmMain::BuildMenus() {
  MainMenu1 = new QMenuBar(FClient);
  MainMenu1->setObjectName("MainMenu1");
  miView = SubMenu(MainMenu1, "miView");
  miViewScanner = Item(miView, "miViewScanner");
  miViewLogFile = Item(miView, "miViewLogFile", Qt::Key_F12);
  miViewLogFile->setCheckable(true);
  miViewLastBugReport = Item(miView, "miViewLastBugReport");
  miOptions = SubMenu(MainMenu1, "miOptions");
  miSelectBrowser = Item(miOptions, "miSelectBrowser");
  miLanguage = SubMenu(miOptions, "miLanguage");
  miEnglish = Item(miLanguage, "miEnglish");
  miFrench = Item(miLanguage, "miFrench");
  LanguageGroup = new QActionGroup(this);
  LanguageGroup->setObjectName("LanguageGroup");
  for (QAction* item : {miEnglish, miFrench}) {
    item->setCheckable(true);
    LanguageGroup->addAction(item);
  }
  miOptions->addMenu(miLanguage);
  miHelp = SubMenu(MainMenu1, "miHelp");
  miHelpHelp = Item(miHelp, "miHelpHelp", Qt::Key_F1);
  miGuide = Item(miHelp, "miGuide", Qt::Key_F11);
  miGuide->setCheckable(true);
  miHome = Item(miHelp, "miHome");
  miHome->setText(Qs("Home (local)"));
  miTQuellumReferences = Item(miHelp, "miTQuellumReferences");
  miStepByStep = SubMenu(miHelp, "miStepByStep");
  miQuellum = Item(miStepByStep, "miQuellum");
  miLumbrick = Item(miStepByStep, "miLumbrick");
  miHelp->addMenu(miStepByStep);
  N1 = miHelp->addSeparator();
  N1->setObjectName("N1");
  miHelpAbout = Item(miHelp, "miHelpAbout");
  miDebug = Item(miHelp, "miDebug");
  miDebug->setText(Qs("Debug"));
  miDebug->setVisible(false);
  for (QMenu* menu : {miView, miOptions, miHelp}) MainMenu1->addMenu(menu);
}

void TfmMain::BuildApplicationPage() {
  tsApplis = Page(PageControl1, "tsApplis");
  QVBoxLayout* page = Column(tsApplis);
  Panel2 = LoweredPanel(tsApplis, "Panel2", 113);
  page->addWidget(Panel2);

  lbAppliCount = Label(Panel2, "lbAppliCount");
  SetFontColor(lbAppliCount, clNavy);
  btAdd = Button(Panel2, "btAdd", TGlyph::Add);
  btRemove = Button(Panel2, "btRemove", TGlyph::Remove);
  cbConfirm = new QCheckBox(Panel2);
  cbConfirm->setObjectName("cbConfirm");
  cbConfirm->setChecked(true);
  lbDPR = Label(Panel2, "lbDPR");
  edDPR = Edit(Panel2, "edDPR", true);
  lbSearchPath = Label(Panel2, "lbSearchPath");
  edSearchPath = Edit(Panel2, "edSearchPath", false);
  btAddPath = Button(Panel2, "btAddPath", TGlyph::AddFolder);
  lbCreation = Label(Panel2, "lbCreation");
  edCreation = Edit(Panel2, "edCreation", true);
  lbUpdate = Label(Panel2, "lbUpdate");
  edUpdate = Edit(Panel2, "edUpdate", true);
  btSelectApplication = Button(Panel2, "btSelectApplication", TGlyph::Open, false);
  for (TSpeedButton* button : {btAdd, btRemove, btAddPath, btSelectApplication}) button->setFixedHeight(22);
  for (QLineEdit* edit : {edCreation, edUpdate}) edit->setFixedWidth(160);

  // The list's controls on the left, the details of the line under the
  // cursor on the right; the two long paths take the width there is.
  auto* grid = new QGridLayout(Panel2);
  grid->setContentsMargins(6, 4, 6, 4);
  grid->setHorizontalSpacing(8);
  grid->setVerticalSpacing(3);
  grid->addWidget(lbAppliCount, 0, 0);
  grid->addWidget(btAdd, 1, 0, Qt::AlignLeft);
  grid->addWidget(btRemove, 2, 0, Qt::AlignLeft);
  grid->addWidget(cbConfirm, 3, 0);
  grid->setColumnMinimumWidth(0, 150);
  grid->setColumnMinimumWidth(1, 16);
  grid->addWidget(lbDPR, 0, 2);
  grid->addWidget(edDPR, 0, 3, 1, 2);
  grid->addWidget(lbSearchPath, 1, 2);
  grid->addWidget(edSearchPath, 1, 3, 1, 2);
  grid->addWidget(btAddPath, 1, 5, Qt::AlignLeft);
  grid->addWidget(lbCreation, 2, 2);
  grid->addWidget(edCreation, 2, 3);
  grid->addWidget(lbUpdate, 3, 2);
  grid->addWidget(edUpdate, 3, 3);
  grid->addWidget(btSelectApplication, 2, 4, 2, 2, Qt::AlignRight | Qt::AlignVCenter);
  grid->setColumnStretch(4, 1);

  lbApps = new TOwnerDrawListBox(13, tsApplis);
  lbApps->setObjectName("lbApps");
  lbApps->SetMultiSelect(true);
  page->addWidget(lbApps, 1);
}

void TfmMain::BuildSourceFilePage() {
  tsUnits = Page(PageControl1, "tsUnits");
  QVBoxLayout* page = Column(tsUnits);
  Panel1 = LoweredPanel(tsUnits, "Panel1", 36);
  page->addWidget(Panel1);
  btSelectAll = Place(Button(Panel1, "btSelectAll", TGlyph::CheckAll), "btSelectAll", 2, 1, 16, 16);
  btUnselectAll = Place(Button(Panel1, "btUnselectAll", TGlyph::UncheckAll), "btUnselectAll", 2, 18, 16, 16);
  btIgnore = Place(Button(Panel1, "btIgnore", TGlyph::IgnoreUnit), "btIgnore", 22, 7, 20, 22);
  cbPath = Place(new TComboBox(TComboBox::TStyle::DropDownList, Panel1), "cbPath", 48, 7, 170, 21);
  btUpdateCode = Place(Button(Panel1, "btUpdateCode", TGlyph::Secure, false), "btUpdateCode", 230, 5, 120, 26);
  // ShowAppli sets the widths and places of the last three by language.
  btRefreshList = Place(Button(Panel1, "btRefreshList", TGlyph::Refresh), "btRefreshList", 370, 6, 100, 24);
  btAddUnit = Place(Button(Panel1, "btAddUnit", TGlyph::Add), "btAddUnit", 470, 6, 100, 24);
  btRemoveUnit = Place(Button(Panel1, "btRemoveUnit", TGlyph::Remove), "btRemoveUnit", 570, 6, 100, 24);

  hcFiles = new THeaderControl(6, tsUnits);
  hcFiles->setObjectName("hcFiles");
  hcFiles->setFixedHeight(17);
  hcFiles->SetSectionText(0, "");
  hcFiles->SetSectionFixed(0, 20);
  hcFiles->SetSectionAllowClick(0, false);
  hcFiles->SetSectionFixed(1, 20);
  for (int section = 3; section <= 5; ++section) hcFiles->SetSectionAlignment(section, Qt::AlignHCenter);
  page->addWidget(hcFiles);

  clbFiles = new TOwnerDrawListBox(16, tsUnits);
  clbFiles->setObjectName("clbFiles");
  clbFiles->SetCheckBoxes(true);
  clbFiles->setFrameShape(QFrame::NoFrame);
  page->addWidget(clbFiles, 1);
}

void TfmMain::ConnectEvents() {
  const auto click = [this](QAbstractButton* button, void (TfmMain::*handler)(QObject*)) {
    connect(button, &QAbstractButton::clicked, this, Guarded(this, [this, handler] { (this->*handler)(this); }));
  };
  const auto pick = [this](QAction* item, void (TfmMain::*handler)(QObject*)) {
    connect(item, &QAction::triggered, this, Guarded(this, [this, item, handler] { (this->*handler)(item); }));
  };
  click(btAdd, &TfmMain::btAddClick);
  click(btRemove, &TfmMain::btRemoveClick);
  click(btAddPath, &TfmMain::btAddPathClick);
  click(btSelectApplication, &TfmMain::btSelectApplicationClick);
  click(btSelectAll, &TfmMain::btSelectAllClick);
  click(btUnselectAll, &TfmMain::btUnselectAllClick);
  click(btIgnore, &TfmMain::btIgnoreClick);
  click(btUpdateCode, &TfmMain::btUpdateCodeClick);
  click(btRefreshList, &TfmMain::btRefreshListClick);
  click(btAddUnit, &TfmMain::btAddUnitClick);
  click(btRemoveUnit, &TfmMain::btRemoveUnitClick);
  lbApps->OnDrawItem = [this](QPainter& Canvas, int Index, const QRect& Rect, TOwnerDrawState State) {
    lbAppsDrawItem(Canvas, Index, Rect, State);
  };
  lbApps->OnClick = [this](QObject* Sender) { lbAppsClick(Sender); };
  clbFiles->OnDrawItem = [this](QPainter& Canvas, int Index, const QRect& Rect, TOwnerDrawState State) {
    clbFilesDrawItem(Canvas, Index, Rect, State);
  };
  clbFiles->OnClickCheck = [this](QObject* Sender) { clbFilesClickCheck(Sender); };
  hcFiles->OnSectionResize = [this](THeaderControl* Header, int Section) { hcFilesSectionResize(Header, Section); };
  hcFiles->OnSectionClick = [this](THeaderControl* Header, int Section) { hcFilesSectionClick(Header, Section); };
  cbPath->OnClick = [this](QObject* Sender) { cbPathClick(Sender); };
  PageControl1->OnChanging = [this](QObject* Sender, bool& AllowChange) { PageControl1Changing(Sender, AllowChange); };
  PageControl1->OnChange = [this](QObject* Sender) { PageControl1Change(Sender); };
  tStart->OnTimer = [this](QObject* Sender) { tStartTimer(Sender); };

  connect(miView, &QMenu::aboutToShow, this, Guarded(this, [this] { miViewClick(miView); }));
  connect(miLanguage, &QMenu::aboutToShow, this, Guarded(this, [this] { miLanguageClick(miLanguage); }));
  pick(miViewScanner, &TfmMain::miViewScannerClick);
  pick(miViewLogFile, &TfmMain::miViewLogFileClick);
  pick(miViewLastBugReport, &TfmMain::miViewLastBugReportClick);
  pick(miSelectBrowser, &TfmMain::miSelectBrowserClick);
  pick(miEnglish, &TfmMain::miEnglishClick);
  pick(miFrench, &TfmMain::miEnglishClick);
  pick(miHelpHelp, &TfmMain::miHelpHelpClick);
  pick(miGuide, &TfmMain::miGuideClick);
  pick(miHome, &TfmMain::miHomeClick);
  pick(miTQuellumReferences, &TfmMain::miTQuellumReferencesClick);
  pick(miQuellum, &TfmMain::miQuellumClick);
  pick(miLumbrick, &TfmMain::miLumbrickClick);
  pick(miHelpAbout, &TfmMain::miHelpAboutClick);
  pick(miDebug, &TfmMain::miDebugClick);
}

void TfmMain::KeepWhatWasBuilt() {
  // Captions in English when the translator is missing: Trt needs none.
  RunGuarded(this, [this] { TranslateFirst(); });
  FirstShow = false;
  PageControl1->setEnabled(false);
  // Menus and shortcuts alike: only the about box needs nothing that failed.
  for (QAction* item : findChildren<QAction*>())
    if (item != miHelpAbout && item != miHelp->menuAction()) item->setEnabled(false);
}

bool TfmMain::event(QEvent* Event) {
  const bool handled = TForm::event(Event);
  if (Event->type() == QEvent::WindowActivate) RunGuarded(this, [this] { FormActivate(this); });
  return handled;
}

void TfmMain::showEvent(QShowEvent* Event) {
  TForm::showEvent(Event);
  RunGuarded(this, [this] { FormShow(this); });
}

bool TfmMain::eventFilter(QObject* Watched, QEvent* Event) {
  if (Event->type() == QEvent::StatusTip) {
    const std::string hint = As(static_cast<QStatusTipEvent*>(Event)->tip());
    if (hint != FHint) {
      FHint = hint;
      RunGuarded(this, [this] { AppHint(this); });
    }
  }
  return TForm::eventFilter(Watched, Event);
}
