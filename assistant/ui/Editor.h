// Unit Editor: the source files scanner window, where the protective blocks
// of the ticked units of the current application are inspected and
// maintained. It exists at most once: the main window's "Secure Code" creates
// it (with itself as owner) while EditorAbsent is True, asks SetScanOptions,
// then fills it with ShowUnits and shows it with ExecuteShow. Closing it
// resets every unit of the current application and frees the window.
//
// The main window and this window work on the same unit objects of
// CurrentAppli: while this window exists, nothing may free or replace them.
//
// Left, the source grid (one row per shown unit) and the routine grid of the
// unit shown; right, the memo with the unit's summary or the selected
// routine's code, and the routine buttons. The code is split by purpose:
// Editor.cpp (layout and creation), EditorGrids.cpp (grids, selection,
// navigation), EditorScan.cpp (scanning, saving, closing),
// EditorRoutines.cpp (routine buttons, code view, help) and EditorDebug.cpp
// (the debug menu).
#pragma once

#include <QColor>
#include <functional>
#include <string>
#include <unordered_set>

#include "Form.h"
#include "ObjectGrid.h"

class QAction;
class QCheckBox;
class QFrame;
class QMenu;
class QPainter;
class TImageList;
class TRichEdit;
class TRoutineInfo;
class TSourceScanner;
class TSpeedButton;
class TUnit;

class TfmEditor final : public TForm {
 public:
  // Builds the window hidden and runs FormCreate (EditorAbsent := False).
  explicit TfmEditor(QWidget* Owner = nullptr);
  // EditorAbsent := True; fmEditor := nullptr.
  ~TfmEditor() override;

  // --- What the main window calls ------------------------------------------
  // Captions and hints in the current language; again after a switch.
  void TranslateFirst();
  // One source row per Selected unit of the current application, in list
  // order.
  void ShowUnits();
  // Runs the scanner options dialog: 1 validated, 8 validated with a request
  // to scan all, 2 cancelled.
  int SetScanOptions();
  // Shows the window and the unit of row 0; with ScanAll, Scan All at once.
  void ExecuteShow(bool ScanAll);
  // The guide's text for this window (state 1001), while the guide is shown.
  void UpdateGuideInfos();
  // Writes the save dates that this window's saves set in memory (the units'
  // and the application's LastUpdate) into the unit-list file and the
  // application's section; nothing when no unit was saved since the last
  // call. Run when the window closes, and by the main window when the
  // program ends while the window still exists.
  void StoreSaveDates();

  // --- Layout and creation (Editor.cpp) -------------------------------------
  void FormCreate(QObject* Sender);
  void FormShow(QObject* Sender);
  // The window became the active one: the guide tells of it.
  void FormActivate(QObject* Sender);

  // --- Grids and selection (EditorGrids.cpp) --------------------------------
  // Disables the window while the unit of Row is shown.
  void sgSourcesSelectCell(QObject* Sender, int Col, int Row, bool& CanSelect);
  // Loads and checks the unit of Row the first time, then shows its summary
  // and fills the routine grid. Also run by ExecuteShow and Scan File.
  void DoSourcesSelectCell(int Row);
  void sgSourcesDrawCell(QPainter& Canvas, int Row, const QRect& Rect, TGridDrawState State);
  void sgProcsDrawCell(QPainter& Canvas, int Row, const QRect& Rect, TGridDrawState State);
  // Empties the object of every routine row.
  void Clear_sgProcs();
  // The routine of a routine row; nullptr outside the grid and for an empty row.
  TRoutineInfo* GetRI(int Row) const;
  // The code colour of the row's routine (red without one).
  QColor GetCodeColor(int Row) const;
  void sgProcsSelectCell(QObject* Sender, int Col, int Row, bool& CanSelect);
  // Sets the routine buttons and the colour arrows, then shows the routine.
  void DoProcsSelectCell(int Row);
  // The previous or next routine with the same modification state (Proc) or
  // code state (Code); nothing moves when there is none.
  void axUpProcExecute(QObject* Sender);
  void axUpCodeExecute(QObject* Sender);
  void axDnProcExecute(QObject* Sender);
  void axDnCodeExecute(QObject* Sender);
  // Shift and Ctrl with Up and Down run the four searches on key up.
  void sgProcsKeyDown(QObject* Sender, int& Key, Qt::KeyboardModifiers Shift);
  void sgProcsKeyUp(QObject* Sender, int& Key, Qt::KeyboardModifiers Shift);

  // --- Scanning, saving and closing (EditorScan.cpp) ------------------------
  // Scans one unit inside an operation the caller started in the log.
  void ScanUnit(TUnit* U);
  // Saves one modified unit, after the confirmation when it is asked for.
  void SaveUnit(TUnit* U);
  void miScanFileClick(QObject* Sender);
  void miScanAllClick(QObject* Sender);
  void miSaveFileClick(QObject* Sender);
  void miSaveAllClick(QObject* Sender);
  void btCheckUnitClick(QObject* Sender);
  void btSaveUnitClick(QObject* Sender);
  // Caption the first item of the menu before it appears.
  void pmScanPopup(QObject* Sender);
  void pmSavePopup(QObject* Sender);
  void cbConfirmSavesClick(QObject* Sender);
  // Refused while Busy; asks while shown units are modified and not saved.
  void FormCloseQuery(bool& CanClose) override;
  // Resets every unit of the current application; the window frees itself.
  void FormClose(QObject* Sender);

  // --- Routine buttons, code view and help (EditorRoutines.cpp) -------------
  void btAddCodeClick(QObject* Sender);
  void btUpdateCodeClick(QObject* Sender);
  void btRemoveCodeClick(QObject* Sender);
  void btIgnoreCodeClick(QObject* Sender);
  // The routine of Row with its block's Try and except clause, or its
  // ignore marker, in the row's code colour.
  void RoutineToMemo(int Row);
  void btMemoFontClick(QObject* Sender);
  void btHelpClick(QObject* Sender);
  void miHelpColorsClick(QObject* Sender);
  void miHelpScannerClick(QObject* Sender);
  void miHelpErrorMessagesClick(QObject* Sender);

  // --- Debug menu, shown in debug mode only (EditorDebug.cpp) ---------------
  void btDebugClick(QObject* Sender);
  void miDebugCodeMemoClick(QObject* Sender);
  void miDebugKeywordMemoClick(QObject* Sender);
  void miDebugLineEmptyClick(QObject* Sender);
  void miDebugLineClick(QObject* Sender);
  void miDebugShowPositionClick(QObject* Sender);
  void miDebugTmpClick(QObject* Sender);
  void mCodeSelectionChange(QObject* Sender);

  // --- State, for the main window and the tests ------------------------------
  // The unit shown, that Scan File and Save File act on; nullptr while none.
  TUnit* ShownUnit() const { return CurrentUnit; }
  // Scan File or Scan All is running.
  bool IsBusy() const { return Busy; }
  // The last save of the unit failed: it is drawn with the Save Error
  // pictogram until a save succeeds.
  bool SaveFailed(const TUnit* U) const { return FSaveFailed.contains(U); }

  // --- Controls ---------------------------------------------------------------
  QFrame* pProcs;
  QWidget* pUnits;
  TSpeedButton* btCheckUnit;
  QCheckBox* cbConfirmSaves;
  TSpeedButton* btSaveUnit;
  TObjectGrid<TUnit>* sgSources;
  TSpeedButton* btUpProc;
  TSpeedButton* btUpCode;
  TSpeedButton* btHelp;
  TObjectGrid<TRoutineInfo>* sgProcs;
  QWidget* pLeftFoot;
  TSpeedButton* btDownProc;
  TSpeedButton* btDownCode;
  TSpeedButton* btDebug;
  QFrame* pEdit;
  TRichEdit* mCode;
  QWidget* pRightFoot;
  TSpeedButton* btAddCode;
  TSpeedButton* btUpdateCode;
  TSpeedButton* btRemoveCode;
  TSpeedButton* btIgnoreCode;
  TSpeedButton* btMemoFont;
  QAction* axUpProc;
  QAction* axUpCode;
  QAction* axDnProc;
  QAction* axDnCode;
  QMenu* pmScan;
  QAction* miScanFile;
  QAction* miScanAll;
  QMenu* pmSave;
  QAction* miSaveFile;
  QAction* miSaveAll;
  QMenu* pmHelp;
  QAction* miHelpColors;
  QAction* miHelpScanner;
  QAction* miHelpErrorMessages;
  QMenu* pmDebug;
  QAction* miDebugCodeMemo;
  QAction* miDebugKeywordMemo;
  QAction* miDebugLineEmpty;
  QAction* miDebugLine;
  QAction* miDebugShowPosition;
  QAction* miDebugTmp;
  // The pictures of the source rows and of the routine rows (Pictures.h).
  const TImageList& imUnits;
  const TImageList& imProcs;

 protected:
  bool event(QEvent* Event) override;
  void showEvent(QShowEvent* Event) override;
  void closeEvent(QCloseEvent* Event) override;

 private:
  // U's path relative to the folder of the current application's project.
  std::string RelativePath(const TUnit& U) const;
  // Scan File and Scan All: the work between the log's start (Title after
  // the project file) and its end, the window busy and disabled meanwhile.
  void RunScanOperation(const std::string& Title, const std::function<void()>& Work);
  // After a scan, the unit of Row (none when below 0) shown again with what
  // the scan did: a Cancel stops the work that is left, never the showing
  // of what was done, so one pressed meanwhile waits for the operation's end.
  void ShowScanned(int Row);
  // The unit's summary in the memo, with its structure error under it.
  void ShowSummary(const TUnit& U);
  // Empties the memo, which then shows no summary.
  void ClearMemo();
  // Reads the unit's file; when it cannot be read, the scanner is emptied:
  // the text it still holds (read, and perhaps changed, by a former window)
  // is no longer the file's.
  bool LoadSource(TSourceScanner& S);
  // Reads the unit: Steps load its file, scan its keywords and take its
  // first counts. Stopped before its end (a cancel, a failure), the read
  // leaves the unit unread and without the keywords of a text read before,
  // so the next read starts again from the file; stopped by a structure
  // error the scan recorded, the unit stays read with that error. A read
  // that ends without an error ends an Error status the unit had.
  void ReadUnit(TUnit& U, const std::function<void()>& Steps);
  // Sets the four routine buttons for a code state (any other value leaves
  // them as they are).
  void SetRoutineButtons(int CodeState);
  void DisableRoutineButtons();
  // Shows a source text in the memo in the default colour; Origin is the
  // source position shown first.
  void ShowSourceInMemo(const std::string& Source, int Origin);
  // Colours Length characters of the memo from source position P.
  void ColorSourceRange(int P, int Length, const QColor& Color);
  // A routine button: nothing while the button is grey or no routine is
  // selected; else Edit on the shown unit's scanner, the routine's index and
  // the routine, then the routine shown again unless Edit returned False.
  using TButtonEdit = std::function<bool(TSourceScanner& S, int I, const TRoutineInfo& R)>;
  void RoutineButton(const TSpeedButton* Button, const TButtonEdit& Edit);
  // Whether a routine button's edit changed the text; when it did not, why
  // (the scanner's refusal, or an asm body) is kept for ShowChangedRoutine.
  bool Edited(int Delta, const TRoutineInfo& R);
  // After a routine button: the routine again, its row and the source rows,
  // then the reason of a refusal in an error box.
  void ShowChangedRoutine(int Row);
  // The memo's font size in points.
  void SetCodeFontSize(int Size);

  TUnit* CurrentUnit = nullptr;
  bool Busy = false;
  bool FirstShow = true;
  // Units whose last save failed.
  std::unordered_set<const TUnit*> FSaveFailed;
  // A unit was saved since StoreSaveDates last wrote the dates.
  bool FDatesToStore = false;
  // The memo shows the summary of the unit shown.
  bool FSummaryShown = false;
  // The source position of the memo's first character.
  int FMemoOrigin = 1;
  // The memo's font size in points.
  int FCodeFontSize = 0;
  // Why the routine button's edit changed nothing; empty when it did.
  std::string FRefusal;
};

// The one scanner window, or nullptr.
extern TfmEditor* fmEditor;
// True while no scanner window exists.
extern bool EditorAbsent;
