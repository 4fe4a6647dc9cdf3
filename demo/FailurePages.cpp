// Pages 1, 2, 4 and 5: simple failures, handled and unhandled ones, the
// library switched around a failure, and DebugMsg.
#include <QLineEdit>

#include "Dialogs.h"
#include "DromletMain.h"
#include "FloatMath.h"
#include "Lumbrick.h"
#include "QtText.h"
#include "Random.h"
#include "StringList.h"
#include "SysUtils.h"

void TfmMain::btSimpleWithoutClick(QObject*) try {
  if (!DisabledByUser()) VIX->Disable(2);
  fmNeverCreated->ShowModal();
} catch (...) {
  VIX->Push("Procedure TfmMain.btSimpleWithoutClick");
  throw;
}

void TfmMain::btSimpleWithClick(QObject*) try {
  if (DisabledByUser()) VIX->Enable(2);
  fmNeverCreated->ShowModal();
  ShowMessage("This message will not be displayed");
} catch (...) {
  VIX->Push("procedure TfmMain.btSimpleWithClick");
  throw;
}

std::string TfmMain::Calc2(double X) try {
  return FloatToStr(Sqrt(X));
} catch (...) {
  VIX->Push("Function TfmMain.Calc2");
  throw;
}

void TfmMain::bt2CalcClick(QObject*) try {
  ShowMessage("Result = " + Calc2(StrToFloat(As(ed2Num->text()))));
} catch (...) {
  VIX->Push("Procedure TfmMain.bt2CalcClick");
  throw;
}

void TfmMain::bt2CalcPartiallyProtectedClick(QObject*) try {
  const std::string text = As(ed2Num->text());
  try {
    ShowMessage("Result = " + Calc2(StrToFloat(text)));
  } catch (const EConvertError&) {
    if (IsEnglish)
      ShowMessage("'" + text + "' cannot be converted into a number");
    else
      ShowMessage("'" + text + "' ne peut \xEAtre converti en nombre");
  }
} catch (...) {
  VIX->Push("Procedure TfmMain.bt2CalcPartiallyProtectedClick");
  throw;
}

void TfmMain::bt2CalcProtectedClick(QObject*) try {
  try {
    ShowMessage("Result = " + Calc2(StrToFloat(As(ed2Num->text()))));
  } catch (const Exception& E) {
    ShowMessage(E.Message());
  }
} catch (...) {
  VIX->Push("Procedure TfmMain.bt2CalcProtectedClick");
  throw;
}

double TfmMain::UglyCalc(double X) try {
  return Sqrt(Cos(X));
} catch (...) {
  VIX->Push("Function TfmMain.UglyCalc");
  throw;
}

void TfmMain::bt4CalcClick(QObject*) try {
  const double X = StrToFloat(As(ed4Num->text()));
  ShowMessage("Result = " + FloatToStr(UglyCalc(X)));
} catch (...) {
  VIX->Push("Procedure TfmMain.bt4CalcClick");
  throw;
}

void TfmMain::bt4CalcDisabledClick(QObject*) try {
  if (!DisabledByUser()) VIX->Disable(2);
  const double X = StrToFloat(As(ed4Num->text()));
  if (DisabledByUser())
    VIX->Enable(2);
  else
    VIX->Enable(1);
  ShowMessage("Result = " + FloatToStr(UglyCalc(X)));
} catch (...) {
  VIX->Push("Procedure TfmMain.bt4CalcDisabledClick");
  throw;
}

void TfmMain::btUseDebugMsgClick(QObject*) try {
  const std::string Prefix = IsEnglish ? "Last Line Executed : " : "Derni\xE8re ligne ex\xE9" "cut\xE9" "e : ";
  TStringList StringList;
  StringList.SetText(CRLF(9));
  for (;;) {
    const int Idx = Random(10);
    VIX->DebugMsg = Format(Prefix + "Caption := Caption + StringList[Idx];   (Idx = %d, StringList.Count = %d)",
                           {Idx, StringList.Count()});
    SetCaption(Caption() + StringList.Strings(Idx));
    VIX->DebugMsg = Format(Prefix + "Caption := Caption + StringList[Idx+1];  (Idx = %d, StringList.Count = %d)",
                           {Idx, StringList.Count()});
    SetCaption(Caption() + StringList.Strings(Idx + 1));
  }
} catch (...) {
  VIX->Push("Procedure TfmMain.btUseDebugMsgClick");
  throw;
}
