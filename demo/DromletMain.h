// Dromlet, the demonstration program of Lumbrick: a tour of seven pages,
// each explaining one use of the library and provoking the failures it is
// about. Unit DromletMain: the main window TfmMain and the unit's routines.
#pragma once

#include <QIcon>
#include <QPointer>
#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "Form.h"
#include "IniFile.h"
#include "FileDialogs.h"

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QToolButton;
class TExampleThread;
class TListBox;
class TRadioGroup;
class TTimer;

class TfmMain final : public TForm {
 public:
  // Builds the window and runs its creation handler, FormCreate.
  TfmMain();
  // Detaches and waits for the worker threads still running, so that none
  // of them touches the window or the library once they are gone.
  ~TfmMain() override;

  // Start-up and library binding.
  void FormCreate(QObject* Sender);
  void CustomInfo(std::string& Info);

  // Pages and navigation.
  bool DisabledByUser();
  void rgOnOffClick(QObject* Sender);
  void rgLanguageClick(QObject* Sender);
  void SetPageControlIndex(int Index);
  int GetPageControlIndex();
  void btNextClick(QObject* Sender);
  void lbPagesClick(QObject* Sender);
  void TranslateText(int PageIndex);
  void OnActivePageChanged();
  void btNavClick(QObject* Sender);

  // Failure demonstrations.
  std::string Calc2(double X);
  double UglyCalc(double X);
  bool CloseProcesses(bool Stop);
  void ShowGoodCounter();
  void ShowBuggyCounter();
  void btSimpleWithoutClick(QObject* Sender);
  void btSimpleWithClick(QObject* Sender);
  void bt2CalcClick(QObject* Sender);
  void bt2CalcPartiallyProtectedClick(QObject* Sender);
  void bt2CalcProtectedClick(QObject* Sender);
  void btEnjoyClick(QObject* Sender);
  void btTimerClick(QObject* Sender);
  void Timer1Timer(QObject* Sender);
  void btCounterClick(QObject* Sender);
  void bt4CalcClick(QObject* Sender);
  void bt4CalcDisabledClick(QObject* Sender);
  void btUseDebugMsgClick(QObject* Sender);
  void btCloseProcessClick(QObject* Sender);

  // Worker thread.
  void btThreadClick(QObject* Sender);
  void ExampleThreadOnTerminate(QObject* Sender);

  // Timing comparison.
  void btPerfClick(QObject* Sender);

  // Side panel.
  QWidget* Panel2;
  QFrame* pMarroway;
  QLabel* imMarroway;
  QLabel* lbMarroway1;
  QLabel* lbMarroway2;
  QLabel* lbMenu1;
  QToolButton* btPrevious;
  QToolButton* btNext;
  QLabel* lbMenu2;
  TListBox* lbPages;
  TRadioGroup* rgOnOff;
  TRadioGroup* rgLanguage;

  QTabWidget* PageControl1;
  // Page 0: introduction.
  QWidget* tsIntro;
  QLabel* lb01T;
  QLabel* lb01;
  QLabel* lb02T;
  QLabel* lb02;
  QFrame* Bevel1;
  QLabel* lb03;
  QLabel* lbBrowser;
  QLineEdit* edWebBrowser;
  QToolButton* btNav;
  TOpenDialog OpenDialog1;
  // Page 1: simple exceptions.
  QWidget* tsSimple;
  QLabel* lb11T;
  QLabel* lb11;
  QPushButton* btSimpleWithout;
  QLabel* lb12T;
  QLabel* lb12;
  QPushButton* btSimpleWith;
  QLabel* lb13;
  // Page 2: handled exceptions.
  QWidget* tsHandled;
  QLabel* lb21T;
  QLabel* lb21;
  QLineEdit* ed2Num;
  QPushButton* bt2Calc;
  QPushButton* bt2CalcPartiallyProtected;
  QPushButton* bt2CalcProtected;
  // Page 3: parallel processes.
  QWidget* tsProcessMessages;
  QLabel* lb31T;
  QLabel* lb31;
  QLabel* lb32T;
  QLabel* lb32;
  QPushButton* btThread;
  QPushButton* btTimer;
  QCheckBox* cbBuggyTimer;
  QLabel* lb3Timer;
  QPushButton* btEnjoy;
  QPushButton* btCounter;
  QCheckBox* cbBuggyCounter;
  QLabel* lb3Counter;
  // Page 4: enable / disable.
  QWidget* tsDisable;
  QLabel* lb41T;
  QLabel* lb41;
  QLabel* lb42T;
  QLabel* lb42;
  QLineEdit* ed4Num;
  QPushButton* bt4Calc;
  QPushButton* bt4CalcDisabled;
  // Page 5: DebugMsg.
  QWidget* tsDebugMsg;
  QLabel* lb51T;
  QLabel* lb51;
  QLabel* lb52T;
  QLabel* lb52;
  QPushButton* btUseDebugMsg;
  // Page 6: performances.
  QWidget* tsPerformances;
  QLabel* lb61T;
  QLabel* lb61;
  QLabel* lb62T;
  QLabel* lb62;
  QLabel* lbWarning;
  QPushButton* btCloseProcess;
  QPushButton* btPerfNormal;
  QPushButton* btPerf;
  QLabel* lb63;

  TTimer* Timer1;
  std::vector<QIcon> ilFormIcon;

  // Length of each phase of the timing comparison, in milliseconds; tests
  // shorten it.
  int PhaseLengthMs = 10000;

 protected:
  void FormCloseQuery(bool& CanClose) override;

 private:
  void BuildSidePanel();
  void BuildPages();
  void ConnectEvents();
  // Opens "Dromlet.ini". A file that cannot be read, or a write that fails
  // (a read-only program folder, say), stops nothing: the tour keeps its
  // settings in memory for the run; a failed write is told once, with the
  // system's reason.
  void OpenSettingsFile();

  std::unique_ptr<TIniFile> FIniFile;
  bool FCounterStopped = true;
  QPointer<TExampleThread> FThread;
  // Every worker started and not yet released, for the window's end.
  std::vector<QPointer<TExampleThread>> FThreads;
  // Wide enough for the sum of every pass of a timing phase.
  std::int64_t FTotal = 0;
};

extern TfmMain* fmMain;
// The language of the tour: true English, false French. The worker thread
// reads it when it stops, so it is read and written atomically.
extern std::atomic<bool> IsEnglish;
// A form reference that is never assigned: using it provokes the access
// violation of the demonstrations.
extern TForm* fmNeverCreated;

// Starts a program; its process id (the handle on the original platform),
// 0 on failure.
std::uint32_t WinExecute(const std::string& CommandLine);
// The library's open-browser hook: starts the browser of edWebBrowser on the
// file, without waiting; a browser that fails later is told to the library.
bool OpenInBrowser(const std::string& FileName);
// N line breaks, each a line feed followed by a carriage return.
std::string CRLF(int N);
void ShowError(const std::string& Msg);

// Failure generators.
void CreateAccessViolation();
int CreateConvertError();
std::string CreateStringListError();

// The two measuring routines of the timing comparison.
int CalcWithoutQuellum();
int CalcWithQuellum();
