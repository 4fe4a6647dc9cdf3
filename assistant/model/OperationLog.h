// The operation log as the model sees it: the scanner's progress interface
// plus the rest of the log protocol. An operation runs between StartLog and
// TerminateLog (called also after a failure); the caller sets Success when
// the work ran to its end. A line may begin with "(clRed)" or "(clBlue)" and
// hold TAB-separated columns. The log window implements this and installs
// itself with SetOperationLog; tests install a recording one.
#pragma once

#include <string>

#include "ScanProgress.h"

class TOperationLog : public TScanProgress {
 public:
  virtual void StartLog(const std::string& Title) = 0;
  virtual void TerminateLog() = 0;
  // Appends a line, which becomes the one ChangeMsg replaces.
  virtual void AddMsg(const std::string& Text) = 0;
  // The same for a line whose text is UTF-8, not Windows-1252: one that
  // shows a name the file system spells with characters Windows-1252 cannot
  // hold, as it is spelt.
  virtual void AddMsgUtf8(const std::string& Utf8Text) = 0;
  // Replaces the line last added; nothing when there is none.
  virtual void ChangeMsg(const std::string& Text) = 0;
  void AddBlank() { AddMsg(""); }
  // The first progress line; raises the silent abort as DisplayInfoPlus does.
  virtual void DisplayInfo(const std::string& Text) = 0;
  void ClearInfo() { DisplayInfo(""); }
  virtual void SetSuccess(bool Value) = 0;
  // Shows the Cancel button of an operation that can be cancelled.
  virtual void ShowCancel() = 0;
};

// Installs the log, also as the scanner's progress (nullptr: none). Returns
// the previous one.
TOperationLog* SetOperationLog(TOperationLog* Log);
TOperationLog* OperationLog();

// What the model calls; they do nothing while no log is installed.
void AddMsg(const std::string& Text);
void AddMsgUtf8(const std::string& Utf8Text);
void ChangeMsg(const std::string& Text);
void AddBlank();
void DisplayInfo(const std::string& Text);
void ClearInfo();
