// The parallel-process page: the clock timer, the message-pumping counter,
// the bug button, and the routine that tells whether they run and stops them.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include "Application.h"
#include "Colors.h"
#include "DateTime.h"
#include "DromletMain.h"
#include "Lumbrick.h"
#include "QtText.h"
#include "Random.h"
#include "Timer.h"

void TfmMain::btEnjoyClick(QObject*) try {
  CreateAccessViolation();
} catch (...) {
  VIX->Push("Procedure TfmMain.btEnjoyClick");
  throw;
}

void TfmMain::btTimerClick(QObject*) try {
  if (Timer1->Enabled()) {
    SetFontColor(lb3Timer, clTeal);
    btTimer->setText(Qs("Start Timer"));
    Timer1->SetEnabled(false);
  } else {
    SetFontColor(lb3Timer, clNavy);
    lb3Timer->setText(Qs(TimeToStr(Now())));
    btTimer->setText(Qs("Stop Timer"));
    Timer1->Tag = cbBuggyTimer->isChecked() ? 1 : 0;
    Timer1->SetEnabled(true);
  }
} catch (...) {
  VIX->Push("Procedure TfmMain.btTimerClick");
  throw;
}

void TfmMain::Timer1Timer(QObject* Sender) try {
  lb3Timer->setText(Qs(TimeToStr(Now())));
  if (Timer1->Tag > 0) {
    ++Timer1->Tag;
    if (Timer1->Tag == 6) {
      // Stopped first, so that no tick follows the report.
      btTimerClick(Sender);
      CreateStringListError();
    }
  }
} catch (...) {
  VIX->Push("Procedure TfmMain.Timer1Timer");
  throw;
}

void TfmMain::btCounterClick(QObject*) try {
  if (FCounterStopped) {
    FCounterStopped = false;
    btCounter->setText(Qs("Stop Counter"));
    SetFontColor(lb3Counter, clNavy);
    if (cbBuggyCounter->isChecked())
      ShowBuggyCounter();
    else
      ShowGoodCounter();
  } else {
    FCounterStopped = true;
    btCounter->setText(Qs("Start Counter"));
    SetFontColor(lb3Counter, clTeal);
  }
} catch (...) {
  VIX->Push("Procedure TfmMain.btCounterClick");
  throw;
}

// The counts are 64-bit: a counter left running would pass the 32-bit range.
void TfmMain::ShowGoodCounter() try {
  std::int64_t N = 0;
  do {
    lb3Counter->setText(QString::number(N));
    ++N;
    Application->ProcessMessages();
  } while (!FCounterStopped);
} catch (...) {
  VIX->Push("Procedure TfmMain.ShowGoodCounter");
  throw;
}

void TfmMain::ShowBuggyCounter() try {
  std::int64_t N = 0;
  do {
    lb3Counter->setText(QString::number(N));
    ++N;
    Application->ProcessMessages();
    if (Random(10000) == 314) CreateConvertError();
  } while (!FCounterStopped);
} catch (...) {
  VIX->Push("Procedure TfmMain.ShowBuggyCounter");
  throw;
}

bool TfmMain::CloseProcesses(bool Stop) try {
  const bool Result = !FCounterStopped || Timer1->Enabled() || btThread->text() == QStringLiteral("Stop Thread");
  if (Stop && Result) {
    if (!FCounterStopped) btCounterClick(nullptr);
    if (Timer1->Enabled()) btTimerClick(nullptr);
    if (btThread->text() == QStringLiteral("Stop Thread")) btThreadClick(nullptr);
  }
  return Result;
} catch (...) {
  VIX->Push("Function TfmMain.CloseProcesses");
  throw;
}

void TfmMain::btCloseProcessClick(QObject*) try {
  CloseProcesses(true);
  OnActivePageChanged();
} catch (...) {
  VIX->Push("Procedure TfmMain.btCloseProcessClick");
  throw;
}
