#include "StatusText.h"

#include "Lumbrick.h"

TStatusBar* MainStatusBar = nullptr;

void ShowInStatusBar(const std::string& Text) try {
  if (MainStatusBar) MainStatusBar->SetSimpleText("  " + Text);
} catch (...) {
  VIX->Push("Procedure ShowInStatusBar");
  throw;
}
