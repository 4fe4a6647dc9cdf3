// The timing comparison: the same calculation loop with the library off,
// then on, and the share of passes lost.
#include <QApplication>
#include <QLabel>
#include <QPushButton>

#include "Application.h"
#include "DateTime.h"
#include "DromletMain.h"
#include "Lumbrick.h"
#include "QtText.h"
#include "Random.h"
#include "SysUtils.h"

int CalcWithoutQuellum() try {
  return Random(1000);
} catch (...) {
  VIX->Push("Function CalcWithoutQuellum");
  throw;
}

int CalcWithQuellum() try {
  return Random(1000);
} catch (...) {
  VIX->Push("Function CalcWithQuellum");
  throw;
}

// The time base is the milliseconds since local midnight; a phase that
// crosses midnight ends at the wrap, with a negative elapsed time. Counts
// are 64-bit and the depreciation is computed in floating point.
void TfmMain::btPerfClick(QObject* Sender) try {
  const bool normal = Sender == btPerfNormal;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const QString normalCaption = btPerfNormal->text();
  Application->ProcessMessages();

  VIX->Disable(2);
  lb63->setText(QsDisplay(IsEnglish ? "Testing without Lumbrick : please wait 10 seconds..."
                                    : "Test sans Lumbrick : patientez 10 secondes..."));
  Application->ProcessMessages();
  int T0 = DateTimeToTimeStamp(Now()).Time;
  std::int64_t N1 = 0;
  int D1 = 0;
  do {
    ++N1;
    FTotal += CalcWithoutQuellum();
    if (normal) btPerfNormal->setText(QString::number(N1));
    D1 = DateTimeToTimeStamp(Now()).Time - T0;
  } while (!(D1 > PhaseLengthMs || D1 < 0));
  const std::string Line1 = Format(IsEnglish ? "Test without Lumbrick : %d calculations in %d seconds"
                                             : "Test sans Lumbrick : %d calculs en %d secondes",
                                   {N1, D1 / 1000});
  lb63->setText(QsDisplay(Line1));
  lb63->setText(QsDisplay(Line1 + CRLF(1) +
                          (IsEnglish ? "Testing with Lumbrick : please wait 10 seconds..."
                                     : "Test avec Lumbrick : patientez 10 secondes...")));
  Application->ProcessMessages();

  VIX->Enable(1);
  T0 = DateTimeToTimeStamp(Now()).Time;
  std::int64_t N2 = 0;
  int D2 = 0;
  do {
    ++N2;
    FTotal += CalcWithQuellum();
    if (normal) btPerfNormal->setText(QString::number(N2));
    D2 = DateTimeToTimeStamp(Now()).Time - T0;
  } while (!(D2 > PhaseLengthMs || D2 < 0));
  lb63->setText(QsDisplay(Line1 + CRLF(1) +
                          Format(IsEnglish ? "Test with Lumbrick : %d calculations in %d seconds"
                                           : "Test avec Lumbrick : %d calculs en %d secondes",
                                 {N2, D2 / 1000})));
  Application->ProcessMessages();

  if (N1 != 0) {
    const double depreciation = static_cast<double>(N1 - N2) * 100.0 / static_cast<double>(N1);
    lb63->setText(QsDisplay(As(lb63->text()) + CRLF(2) +
                            Format(IsEnglish ? "Time responses depreciation = %.1f%s"
                                             : "D\xE9pr\xE9" "ciation des temps de r\xE9ponses = %.1f%s",
                                   {depreciation, "%"})));
  }
  btPerfNormal->setText(normalCaption);
  QApplication::restoreOverrideCursor();
  if (DisabledByUser()) VIX->Disable(1);
} catch (...) {
  VIX->Push("Procedure TfmMain.btPerfClick");
  throw;
}
