#include "ScanProgress.h"

#include "Lumbrick.h"

namespace {
TScanProgress* Installed = nullptr;
}

TScanProgress* SetScanProgress(TScanProgress* Progress) try {
  TScanProgress* previous = Installed;
  Installed = Progress;
  return previous;
} catch (...) {
  VIX->Push("Function SetScanProgress");
  throw;
}

void DisplayInfoPlus(const std::string& Text) try {
  if (Installed) Installed->DisplayInfoPlus(Text);
} catch (...) {
  VIX->Push("Procedure DisplayInfoPlus");
  throw;
}

bool ScanCancelled() try {
  return Installed && Installed->Cancelled();
} catch (...) {
  VIX->Push("Function ScanCancelled");
  throw;
}

bool ScanProgressDue() try {
  return Installed && Installed->ProgressDue();
} catch (...) {
  VIX->Push("Function ScanProgressDue");
  throw;
}

void ScanPulse() try {
  if (Installed) Installed->Pulse();
} catch (...) {
  VIX->Push("Procedure ScanPulse");
  throw;
}
