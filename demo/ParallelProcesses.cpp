// The parallel-process page: the clock timer, the message-pumping counter,
// the bug button, and the routine that tells whether they run and stops them.
#include <QPushButton>

#include "DromletMain.h"
#include "Lumbrick.h"
#include "Timer.h"

bool TfmMain::CloseProcesses(bool) try {
  return !FCounterStopped || Timer1->Enabled() || btThread->text() == QStringLiteral("Stop Thread");
} catch (...) {
  VIX->Push("Function TfmMain.CloseProcesses");
  throw;
}
