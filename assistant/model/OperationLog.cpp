#include "OperationLog.h"

#include "Lumbrick.h"

namespace {
TOperationLog* Installed = nullptr;
}

TOperationLog* SetOperationLog(TOperationLog* Log) try {
  TOperationLog* previous = Installed;
  Installed = Log;
  SetScanProgress(Log);
  return previous;
} catch (...) {
  VIX->Push("Function SetOperationLog");
  throw;
}

TOperationLog* OperationLog() try {
  return Installed;
} catch (...) {
  VIX->Push("Function OperationLog");
  throw;
}

void AddMsg(const std::string& Text) try {
  if (Installed) Installed->AddMsg(Text);
} catch (...) {
  VIX->Push("Procedure AddMsg");
  throw;
}

void AddMsgUtf8(const std::string& Utf8Text) try {
  if (Installed) Installed->AddMsgUtf8(Utf8Text);
} catch (...) {
  VIX->Push("Procedure AddMsgUtf8");
  throw;
}

void ChangeMsg(const std::string& Text) try {
  if (Installed) Installed->ChangeMsg(Text);
} catch (...) {
  VIX->Push("Procedure ChangeMsg");
  throw;
}

void AddBlank() try {
  if (Installed) Installed->AddBlank();
} catch (...) {
  VIX->Push("Procedure AddBlank");
  throw;
}

void DisplayInfo(const std::string& Text) try {
  if (Installed) Installed->DisplayInfo(Text);
} catch (...) {
  VIX->Push("Procedure DisplayInfo");
  throw;
}

void ClearInfo() try {
  if (Installed) Installed->ClearInfo();
} catch (...) {
  VIX->Push("Procedure ClearInfo");
  throw;
}
