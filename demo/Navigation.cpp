// The page list and its navigation, the page-change routine, the language
// switch, the library's permanent on/off switch and the choice of browser.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

#include "Colors.h"
#include "Dialogs.h"
#include "DromletMain.h"
#include "FileNames.h"
#include "Files.h"
#include "ListBox.h"
#include "Lumbrick.h"
#include "QtText.h"
#include "RadioGroup.h"

bool TfmMain::DisabledByUser() try {
  return rgOnOff->ItemIndex() == 1;
} catch (...) {
  VIX->Push("Function TfmMain.DisabledByUser");
  throw;
}

void TfmMain::rgOnOffClick(QObject*) try {
  if (rgOnOff->ItemIndex() != 0)
    VIX->Disable(1);
  else
    VIX->Enable(1);
} catch (...) {
  VIX->Push("Procedure TfmMain.rgOnOffClick");
  throw;
}

void TfmMain::rgLanguageClick(QObject*) try {
  IsEnglish = rgLanguage->ItemIndex() == 0;
  VIX->Language = rgLanguage->ItemIndex() + 1;
  FIniFile->WriteBool("Options", "English", IsEnglish);
  OnActivePageChanged();
} catch (...) {
  VIX->Push("Procedure TfmMain.rgLanguageClick");
  throw;
}

void TfmMain::SetPageControlIndex(int Index) try {
  if (Index < 0 || Index >= PageControl1->count()) return;
  PageControl1->setCurrentIndex(Index);
} catch (...) {
  VIX->Push("Procedure TfmMain.SetPageControlIndex");
  throw;
}

int TfmMain::GetPageControlIndex() try {
  for (int i = 0; i < PageControl1->count(); ++i)
    if (PageControl1->widget(i) == PageControl1->currentWidget()) return i;
  return -1;
} catch (...) {
  VIX->Push("Function TfmMain.GetPageControlIndex");
  throw;
}

void TfmMain::btNextClick(QObject* Sender) try {
  const int Index = GetPageControlIndex();
  SetPageControlIndex(Sender == btNext ? Index + 1 : Index - 1);
  OnActivePageChanged();
} catch (...) {
  VIX->Push("Procedure TfmMain.btNextClick");
  throw;
}

void TfmMain::lbPagesClick(QObject*) try {
  SetPageControlIndex(lbPages->ItemIndex());
  OnActivePageChanged();
} catch (...) {
  VIX->Push("Procedure TfmMain.lbPagesClick");
  throw;
}

void TfmMain::OnActivePageChanged() try {
  SetCaption(" Lumbrick Example - June 2006");
  const int Index = GetPageControlIndex();
  btNext->setEnabled(Index < PageControl1->count() - 1);
  btPrevious->setEnabled(Index > 0);
  lbPages->SetItemIndex(Index);
  if (Index != 0 && !FileExists(As(edWebBrowser->text()))) {
    if (IsEnglish)
      ShowError("No Web Browser available !" + CRLF(2) + "BugReports will NOT be displayed." + CRLF(2) +
                "Go to Introduction Page to select a Web Browser.");
    else
      ShowError("Pas de navigateur web disponible !" + CRLF(2) + "Les bugreports ne seront PAS affich\xE9s." +
                CRLF(2) + "Allez \xE0 la page d'introduction pour choisir un navigateur.");
  }
  TranslateText(Index);
  switch (Index) {
    case 0:
      edWebBrowser->setFocus();
      if (FileExists(As(edWebBrowser->text()))) {
        SetFontColor(lb03, clBlack);
        SetFontColor(lbBrowser, clBlack);
      } else {
        edWebBrowser->clear();
        SetFontColor(lb03, clRed);
        SetFontColor(lbBrowser, clRed);
      }
      break;
    case 1:
      btSimpleWithout->setFocus();
      break;
    case 2:
      ed2Num->setFocus();
      break;
    case 3:
      btThread->setFocus();
      break;
    case 4:
      ed4Num->setFocus();
      rgOnOff->show();
      break;
    case 5:
      btUseDebugMsg->setFocus();
      break;
    case 6:
      btPerfNormal->setFocus();
      lbWarning->setVisible(CloseProcesses(false));
      btCloseProcess->setVisible(!lbWarning->isHidden());
      break;
  }
} catch (...) {
  VIX->Push("Procedure TfmMain.OnActivePageChanged");
  throw;
}

void TfmMain::btNavClick(QObject*) try {
  OpenDialog1.FileName = As(edWebBrowser->text());
  bool chosen = false;
  try {
    chosen = OpenDialog1.Execute();
  } catch (const EUnusableFileName& E) {
    // A program the tour could not name: refused plainly, shown as the file
    // system spells it; the browser stays as it was.
    MessageDlgUtf8(E.FsName() + CRLF(1) +
                       FsName(IsEnglish ? "Cannot be used: its name holds characters outside Windows-1252."
                                        : "Inutilisable : son nom contient des caract\xE8res hors de Windows-1252."),
                   TMsgDlgType::mtError, mbOK);
    return;
  }
  if (chosen) {
    edWebBrowser->setText(Qs(OpenDialog1.FileName));
    SetFontColor(lb03, clBlack);
    SetFontColor(lbBrowser, clBlack);
    FIniFile->WriteString("Options", "Navigator", OpenDialog1.FileName);
  }
} catch (...) {
  VIX->Push("Procedure TfmMain.btNavClick");
  throw;
}
