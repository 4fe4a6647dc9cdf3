// Unit Main: the assistant's main window, the only form the program block
// creates. Its creation binds the runtime library to the assistant and sets
// up every shared service (settings, translator, operation log, guide,
// application list); its destruction stores the last application and the
// options. Two pages: the registered applications (tsApplis) and the source
// files of the current one (tsUnits); menus for the other windows, the help
// pages, the web browser and the language.
//
// The window's code is split by purpose: MainDesign.cpp builds the controls
// (what a form file holds), MainStartUp.cpp is creation, first show and
// shut-down, MainTexts.cpp the captions of both languages, MainApplis.cpp
// the application page, MainUnits.cpp the source-file page, MainMenus.cpp the
// menus, help, language and guide.
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "FileDialogs.h"
#include "Form.h"
#include "OwnerDrawListBox.h"

class QAction;
class QActionGroup;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPainter;
class TAppli;
class TAppliList;
class TComboBox;
class TGuiStatusBar;
class THeaderControl;
class TImageList;
class TPageControl;
class TSpeedButton;
class TTextTranslator;
class TTimer;

class TfmMain final : public TForm {
 public:
  // Builds the window (maximized, not shown) and runs FormCreate. When the
  // creation fails, the failure goes to the library's report and the window
  // keeps what it could build: its pages and menus stay disabled, and it
  // can still be closed.
  explicit TfmMain(QWidget* Owner = nullptr);
  // Runs FormDestroy.
  ~TfmMain() override;

  // Start-up and shut-down (MainStartUp.cpp).
  void FormCreate(QObject* Sender);
  void FormShow(QObject* Sender);
  void FormActivate(QObject* Sender);
  void FormDestroy(QObject* Sender);
  void tStartTimer(QObject* Sender);
  // The library's custom-information hook: the assistant's block of every
  // technical text, lines separated by a bare CR.
  void CustomInfo(std::string& Info);
  // The status bar shows the hint of what the mouse is over.
  void AppHint(QObject* Sender);
  std::unique_ptr<TAppli> ReadLastApp();
  void WriteLastApp();

  // Captions, hints, dialog titles and filters (MainTexts.cpp).
  void TranslateFirst();
  void TranslateAppliFirst();

  // Application page (MainApplis.cpp).
  void FillListBox();
  void lbAppsDrawItem(QPainter& Canvas, int Index, const QRect& Rect, TOwnerDrawState State);
  void lbAppsClick(QObject* Sender);
  void SaveChangesIfNeeded(int Index);
  void btAddClick(QObject* Sender);
  void btRemoveClick(QObject* Sender);
  void btAddPathClick(QObject* Sender);
  void btSelectApplicationClick(QObject* Sender);
  void SelectAppli();
  void ShowAppli();
  void PageControl1Changing(QObject* Sender, bool& AllowChange);
  void PageControl1Change(QObject* Sender);

  // Source-file page (MainUnits.cpp).
  void UnitList_To_clbFiles();
  void clbFilesDrawItem(QPainter& Canvas, int Index, const QRect& Rect, TOwnerDrawState State);
  void hcFilesSectionResize(THeaderControl* HeaderControl, int Section);
  void hcFilesSectionClick(THeaderControl* HeaderControl, int Section);
  void btSelectAllClick(QObject* Sender);
  void btUnselectAllClick(QObject* Sender);
  void clbFilesClickCheck(QObject* Sender);
  void btRefreshListClick(QObject* Sender);
  void btIgnoreClick(QObject* Sender);
  void btAddUnitClick(QObject* Sender);
  void btRemoveUnitClick(QObject* Sender);
  void cbPathClick(QObject* Sender);
  void btUpdateCodeClick(QObject* Sender);
  // Refuses with "Close Source Files Scanner First" while the scanner window
  // is visible: it works on the current application's units.
  void CheckIfEnabled();
  // After the scanner window closed: the source-file rows from the units,
  // and the current application's Last Update from its section, which the
  // window's saves have just changed.
  void ScannerClosed();

  // Menus, help, language and guide (MainMenus.cpp).
  void miViewClick(QObject* Sender);
  void miViewScannerClick(QObject* Sender);
  void miViewLogFileClick(QObject* Sender);
  void miViewLastBugReportClick(QObject* Sender);
  void miSelectBrowserClick(QObject* Sender);
  void miLanguageClick(QObject* Sender);
  void miEnglishClick(QObject* Sender);
  void miHelpHelpClick(QObject* Sender);
  void miGuideClick(QObject* Sender);
  void miHomeClick(QObject* Sender);
  void miTQuellumReferencesClick(QObject* Sender);
  void miQuellumClick(QObject* Sender);
  void miLumbrickClick(QObject* Sender);
  void miHelpAboutClick(QObject* Sender);
  void miDebugClick(QObject* Sender);
  // The guide's text for the page and situation at hand, while it is shown.
  void UpdateGuideInfos();

  // What the two lists show: the lines of lbApps (project files) and of
  // clbFiles (the units' check-list lines).
  const std::vector<std::string>& AppLines() const { return FAppLines; }
  const std::vector<std::string>& UnitRows() const { return FUnitRows; }
  // The registered applications; nullptr when the creation failed first.
  const TAppliList* Applications() const { return Applis.get(); }
  int ColumnLeft(int Index) const { return ColumnLefts.at(static_cast<std::size_t>(Index)); }

  // Menus.
  QMenuBar* MainMenu1;
  QMenu* miView;
  QAction* miViewScanner;
  QAction* miViewLogFile;
  QAction* miViewLastBugReport;
  QMenu* miOptions;
  QAction* miSelectBrowser;
  QMenu* miLanguage;
  QActionGroup* LanguageGroup;
  QAction* miEnglish;
  QAction* miFrench;
  QMenu* miHelp;
  QAction* miHelpHelp;
  QAction* miGuide;
  QAction* miHome;
  QAction* miTQuellumReferences;
  QMenu* miStepByStep;
  QAction* miQuellum;
  QAction* miLumbrick;
  QAction* N1;
  QAction* miHelpAbout;
  QAction* miDebug;

  TPageControl* PageControl1;
  // Application page.
  QWidget* tsApplis;
  QFrame* Panel2;
  QLabel* lbAppliCount;
  TSpeedButton* btAdd;
  QCheckBox* cbConfirm;
  TSpeedButton* btRemove;
  QLabel* lbDPR;
  QLineEdit* edDPR;
  QLabel* lbSearchPath;
  QLineEdit* edSearchPath;
  TSpeedButton* btAddPath;
  QLabel* lbCreation;
  QLineEdit* edCreation;
  QLabel* lbUpdate;
  QLineEdit* edUpdate;
  TSpeedButton* btSelectApplication;
  TOwnerDrawListBox* lbApps;
  // Source-file page.
  QWidget* tsUnits;
  QFrame* Panel1;
  TSpeedButton* btSelectAll;
  TSpeedButton* btUnselectAll;
  TSpeedButton* btIgnore;
  TComboBox* cbPath;
  TSpeedButton* btUpdateCode;
  TSpeedButton* btRefreshList;
  TSpeedButton* btAddUnit;
  TSpeedButton* btRemoveUnit;
  THeaderControl* hcFiles;
  TOwnerDrawListBox* clbFiles;

  TGuiStatusBar* StatusBar;
  TTimer* tStart;
  const TImageList* imBugs;
  const TImageList* ilAppli;
  TOpenDialog odExe;
  TOpenDialog odSource;
  TOpenDialog OpenDialog1;

 protected:
  bool event(QEvent* Event) override;
  void showEvent(QShowEvent* Event) override;
  // The program ends with the main window: a scanner window still shown is
  // closed first, by its own rules (it may ask about unsaved files, or
  // refuse), and the program stays while it stays.
  void FormCloseQuery(bool& CanClose) override;
  void closeEvent(QCloseEvent* Event) override;
  // Hints reach the application as status tips: AppHint shows them.
  bool eventFilter(QObject* Watched, QEvent* Event) override;

 private:
  void BuildMenus();
  void BuildApplicationPage();
  void BuildSourceFilePage();
  void ConnectEvents();
  // After a failed creation: what needs the missing services is disabled.
  void KeepWhatWasBuilt();
  // lbAppliCount: the number of listed applications, "File" or "Files".
  void ShowAppliCount();
  // edUpdate: the application's last update, blank when it is NullDate.
  void ShowLastUpdate(const TAppli& Appli);
  // On the application page, the source-file page's tab names the
  // application shown there, the one a click on the tab opens.
  void NameUnitsTab();

  QWidget* FClient;  // holds the menus, the pages and the status bar
  bool FirstShow = true;
  std::vector<std::string> ColumnTexts;  // a source-file row split into its fields
  std::array<int, 5> ColumnLefts{};      // x offsets of the source-file list's columns
  std::unique_ptr<TAppliList> Applis;
  int ShownAppliIndex = -1;

  std::unique_ptr<TTextTranslator> FTranslator;  // TextTranslator, for the run
  std::vector<std::string> FAppLines;
  std::vector<std::string> FUnitRows;
  std::string FHint;  // the hint of what the mouse is over
  // Whether the guide was shown when this window's close was accepted.
  std::optional<bool> FGuideShownAtClose;
};

extern TfmMain* fmMain;
