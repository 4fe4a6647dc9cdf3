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

namespace {

// The time base: milliseconds since local midnight.
int TimeBase() { return DateTimeToTimeStamp(Now()).Time; }

constexpr int kFrameMs = 16;  // a display frame at 60 Hz

struct TPhase {
  std::int64_t Passes = 0;
  int Elapsed = 0;  // milliseconds; negative when the phase crossed midnight
};

// One phase: passes of Calc until more than LengthMs have gone by, or the
// clock wrapped at midnight. Both phases run this one routine, kept out of
// line, so that they differ by the library's state and not by where their
// code lies. The loop processes no messages, so the counting caption is
// repainted from here: it takes every count, and is painted once a display
// frame. Painting at every pass would wait on the display server each time
// and time the machine instead of the library.
[[gnu::noinline]] TPhase RunPhase(int (*Calc)(), std::int64_t& Total, QPushButton* Counter, int LengthMs) try {
  TPhase phase;
  const int start = TimeBase();
  int shown = -kFrameMs;
  do {
    ++phase.Passes;
    Total += Calc();
    if (Counter) {
      Counter->setText(QString::number(phase.Passes));
      if (phase.Elapsed - shown >= kFrameMs) {
        Counter->repaint();
        shown = phase.Elapsed;
      }
    }
    phase.Elapsed = TimeBase() - start;
  } while (!(phase.Elapsed > LengthMs || phase.Elapsed < 0));
  return phase;
} catch (...) {
  VIX->Push("Function RunPhase");
  throw;
}

}  // namespace

// A phase that crosses midnight ends at the wrap, with a negative elapsed
// time. Counts are 64-bit and the depreciation is computed in floating point.
void TfmMain::btPerfClick(QObject* Sender) try {
  QPushButton* const counter = Sender == btPerfNormal ? btPerfNormal : nullptr;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const QString normalCaption = btPerfNormal->text();
  Application->ProcessMessages();

  VIX->Disable(2);
  lb63->setText(QsDisplay(IsEnglish ? "Testing without Lumbrick : please wait 10 seconds..."
                                    : "Test sans Lumbrick : patientez 10 secondes..."));
  Application->ProcessMessages();
  const TPhase without = RunPhase(CalcWithoutQuellum, FTotal, counter, PhaseLengthMs);
  const std::string Line1 = Format(IsEnglish ? "Test without Lumbrick : %d calculations in %d seconds"
                                             : "Test sans Lumbrick : %d calculs en %d secondes",
                                   {without.Passes, without.Elapsed / 1000});
  lb63->setText(QsDisplay(Line1));
  lb63->setText(QsDisplay(Line1 + CRLF(1) +
                          (IsEnglish ? "Testing with Lumbrick : please wait 10 seconds..."
                                     : "Test avec Lumbrick : patientez 10 secondes...")));
  Application->ProcessMessages();

  VIX->Enable(1);
  const TPhase with = RunPhase(CalcWithQuellum, FTotal, counter, PhaseLengthMs);
  lb63->setText(QsDisplay(Line1 + CRLF(1) +
                          Format(IsEnglish ? "Test with Lumbrick : %d calculations in %d seconds"
                                           : "Test avec Lumbrick : %d calculs en %d secondes",
                                 {with.Passes, with.Elapsed / 1000})));
  Application->ProcessMessages();

  if (without.Passes != 0) {
    const double depreciation =
        static_cast<double>(without.Passes - with.Passes) * 100.0 / static_cast<double>(without.Passes);
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
