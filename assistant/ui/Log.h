// Unit Log: the operation log window, the assistant's one progress and
// result window. One instance lives for the whole run: the main window
// creates it hidden, after the translator, with itself as owner, and keeps it
// in fmLog. From its creation to its destruction it is the model's operation
// log (OperationLog.h): the discovery walk, the scanner and the windows write
// into it through that interface or through fmLog.
//
// An operation, as every caller runs it:
//   fmLog->StartLog(Title);          // clears the list, shows the window;
//                                    // refused while an operation runs
//   fmLog->ShowCancel();             // when the work can be cancelled
//   try { ...AddMsg / ChangeMsg / AddBlank, DisplayInfo / DisplayInfoPlus /
//         ClearInfo, and Cancelled() tested by long loops...;
//         fmLog->Success = true; }
//   cleanup: fmLog->TerminateLog();  // also after an exception
// A line may begin with "(clRed)" or "(clBlue)" and hold TAB-separated
// columns (LogLine.h); the list keeps and saves lines raw. A line that shows
// a name only UTF-8 can spell is written with AddMsgUtf8. While the window
// is visible the progress calls process pending events and raise the silent
// abort once Cancel was pressed; while it is hidden they write to the main
// status bar (StatusText.h) and never abort. While an operation runs the
// window stays shown: closing or hiding it is refused, so that its progress
// still shows, the program still answers and Cancel stays within reach.
#pragma once

#include <QRect>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "DateTime.h"
#include "FileDialogs.h"
#include "Form.h"
#include "OperationLog.h"
#include "OwnerDrawListBox.h"
#include "ScreenFrame.h"

class QPainter;
class TOperation;
class TProgressLabel;
class TSpeedButton;

class TfmLog final : public TForm, public TOperationLog {
 public:
  // Builds the window hidden and runs FormCreate; installs it as the
  // operation log.
  explicit TfmLog(QWidget* Owner = nullptr);
  // Uninstalls it, when it still is the operation log.
  ~TfmLog() override;

  // The operation log. StartLog opens the program's one operation
  // (BusyGuards.h): until TerminateLog every other window shown takes no
  // input and stays; while an operation runs, StartLog refuses with the
  // silent abort, and the caller then must not call TerminateLog.
  void StartLog(const std::string& Title) override;
  void TerminateLog() override;
  void AddMsg(const std::string& Text) override;
  void AddMsgUtf8(const std::string& Utf8Text) override;
  void ChangeMsg(const std::string& Text) override;
  void AddBlank();
  void ClearLog();
  void DisplayInfo(const std::string& Text) override;
  void DisplayInfoPlus(const std::string& Text) override;
  void ClearInfo();
  void Lock(bool Locked);
  void TranslateFirst();
  // The cancel request of the running operation, the window's public Boolean
  // Cancelled: set by btCancel, read by the progress calls and the callers'
  // loops, cleared by StartLog and TerminateLog. It reads False while the
  // request is held (TCancelHeld).
  bool Cancelled() const override { return FCancelled && FCancelHeld == 0; }
  void SetCancelled(bool Value) { FCancelled = Value; }
  // While one lives, a cancel request waits: the progress calls go on
  // processing events but raise no abort, and Cancelled() reads False; the
  // operation still ends "Aborted by User". A cancel stops the work that is
  // left, never the showing of what was done, which runs under one.
  class TCancelHeld {
   public:
    explicit TCancelHeld(TfmLog& Log);
    ~TCancelHeld();
    TCancelHeld(const TCancelHeld&) = delete;
    TCancelHeld& operator=(const TCancelHeld&) = delete;

   private:
    TfmLog& FLog;
  };
  // Set by the caller when its work ran to its end; cleared by StartLog.
  bool Success = false;
  void SetSuccess(bool Value) override { Success = Value; }
  // Makes btCancel visible.
  void ShowCancel() override;
  // While the window is visible, progress is shown, and pending events
  // processed, once a screen frame by the clock, however long since the
  // last event pass; hidden, every text goes to the status bar.
  bool ProgressDue() const override;
  void Pulse() override;

  // The raw lines, markers and TABs included.
  int LineCount() const { return static_cast<int>(FLines.size()); }
  const std::string& Lines(int Index) const { return FLines.at(static_cast<std::size_t>(Index)); }
  // Whether a line's text is UTF-8 (AddMsgUtf8) rather than Windows-1252.
  bool LineIsUtf8(int Index) const { return FUtf8.at(static_cast<std::size_t>(Index)); }

  void FormCreate(QObject* Sender);
  void btOkClick(QObject* Sender);
  void btCancelClick(QObject* Sender);
  void btSaveClick(QObject* Sender);
  void lbLogDrawItem(QPainter& Canvas, int Index, const QRect& Rect, TOwnerDrawState State);
  // Refused while an operation runs, without a message, as the busy scanner
  // window refuses: the window manager's close, Close, and any hiding.
  void FormCloseQuery(bool& CanClose) override;
  void setVisible(bool Visible) override;

  TOwnerDrawListBox* lbLog;
  QWidget* Panel1;
  TProgressLabel* lbInfo;
  TProgressLabel* lbInfoPlus;
  TSpeedButton* btCancel;
  TSpeedButton* btOk;
  TSpeedButton* btSave;
  TSaveDialog SaveDialog1;

 private:
  // Shows a progress line as DisplayInfo and DisplayInfoPlus do; only they
  // honour the cancel request.
  void ShowProgress(TProgressLabel* Line, const std::string& Text, bool MayAbort);
  // Appends a line in either encoding.
  void AddLine(const std::string& Text, bool Utf8);
  // Widens the list's scrollable width to a new line that is drawn wider.
  void Measure(const std::string& Line, bool Utf8);
  // How wide a column's text is drawn in the list.
  int TextWidth(const std::string& Text, bool Utf8);
  // A screen frame went by since the progress calls last processed events.
  bool PassDue() const;

  int LastIndex = -1;  // line last added by AddMsg; -1 after ClearLog
  TTimeStamp StartTime;
  TTimeStamp EndTime;
  bool FCancelled = false;
  int FCancelHeld = 0;  // TCancelHeld alive
  std::vector<std::string> FLines;
  std::vector<bool> FUtf8;  // per line: its text is UTF-8
  // How wide the widest line since ClearLog is drawn, in pixels: the list
  // scrolls sideways to its end.
  int FWidest = 0;
  // The widths of the column texts since ClearLog: measuring a text costs
  // more than drawing it, and a row is drawn again at every repaint.
  std::unordered_map<std::string, int> FTextWidths;
  std::unordered_map<std::string, int> FUtf8TextWidths;
  // Looking for pending events costs a system call on this host (several
  // times a whole hidden progress call) and a repaint of the window, so a
  // run of progress calls looks once a screen frame: what the user sees is
  // the same, and Cancel is still honoured within a frame of its click.
  TFrameClock FLastPass;
  // The operation open from StartLog to TerminateLog.
  std::unique_ptr<TOperation> FOperation;
};

extern TfmLog* fmLog;
