// The application page: the registered applications by their project files,
// the details of the line under the cursor, adding and removing applications,
// extending a search path, and making an application current.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <filesystem>
#include <system_error>

#include "AppObjects.h"
#include "BusyGuards.h"
#include "Colors.h"
#include "CommonGlobals.h"
#include "FileDialogs.h"
#include "Files.h"
#include "Guide.h"
#include "LoggedOperation.h"
#include "Lumbrick.h"
#include "Main.h"
#include "MessageBoxes.h"
#include "PageControl.h"
#include "QtText.h"
#include "SpeedButton.h"
#include "SysUtils.h"
#include "Translator.h"

namespace {
// The buttons of the source-file page are wider in French.
constexpr int kEnglishButtonWidth = 100;
constexpr int kFrenchButtonWidth = 125;

// Empties a box as the host's Clear does: QLineEdit::clear() marks the box
// modified, and a search path box so marked would be stored, empty, over
// the application it shows.
void Blank(QLineEdit* Edit) { Edit->setText(QString()); }
}  // namespace

void TfmMain::FillListBox() try {
  FAppLines.clear();
  for (int i = 0; i < Applis->Count(); ++i) FAppLines.push_back(Applis->GetAppli(i)->FileName);
  lbApps->SetCount(static_cast<int>(FAppLines.size()));
  ShowAppliCount();
  UpdateGuideInfos();
} catch (...) {
  VIX->Push("Procedure TfmMain.FillListBox");
  throw;
}

void TfmMain::ShowAppliCount() try {
  const int count = lbApps->Count();
  lbAppliCount->setText(Qs(IntToStr(count) + Trt(count == 1 ? " File in List" : " Files in List")));
} catch (...) {
  VIX->Push("Procedure TfmMain.ShowAppliCount");
  throw;
}

void TfmMain::lbAppsDrawItem(QPainter& Canvas, int Index, const QRect& Rect, TOwnerDrawState State) try {
  Canvas.fillRect(Rect, Canvas.brush());
  if (const TAppli* appli = Applis->GetAppli(Index)) Canvas.setPen(FileExists(appli->FileName) ? clNavy : clRed);
  if (State.Selected) Canvas.setPen(clWhite);
  Canvas.drawText(QRect(Rect.left(), Rect.top(), 0x7FFF, Rect.height()), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                  Qs(FAppLines.at(static_cast<std::size_t>(Index))));
} catch (...) {
  VIX->Push("Procedure TfmMain.lbAppsDrawItem");
  throw;
}

void TfmMain::lbAppsClick(QObject*) try {
  const int index = lbApps->ItemIndex();
  if (index == ShownAppliIndex) return;
  SaveChangesIfNeeded(ShownAppliIndex);
  for (QLineEdit* edit : {edDPR, edSearchPath, edUpdate, edCreation}) Blank(edit);
  if (const TAppli* appli = Applis->GetAppli(index)) {
    ShownAppliIndex = index;
    if (FileExists(appli->FileName)) {
      SetFontColor(edDPR, palette().color(QPalette::WindowText));
      edDPR->setText(Qs(appli->FileName));
    } else {
      SetFontColor(edDPR, clRed);
      edDPR->setText(Qs("Application File Not Found"));
    }
    edSearchPath->setText(Qs(appli->SearchPath));
    ShowLastUpdate(*appli);
    edCreation->setText(Qs(DateTimeToStr(appli->Creation)));
    PageControl1->setTabText(PageControl1->indexOf(tsUnits), Qs(appli->FileName));
  }
  fmGuide->GuideState = -1;
  UpdateGuideInfos();
} catch (...) {
  VIX->Push("Procedure TfmMain.lbAppsClick");
  throw;
}

void TfmMain::ShowLastUpdate(const TAppli& Appli) try {
  edUpdate->setText(Appli.LastUpdate != NullDate ? Qs(DateTimeToStr(Appli.LastUpdate)) : QString());
} catch (...) {
  VIX->Push("Procedure TfmMain.ShowLastUpdate");
  throw;
}

void TfmMain::NameUnitsTab() try {
  if (PageControl1->ActivePage() != tsApplis) return;
  if (const TAppli* appli = Applis->GetAppli(ShownAppliIndex))
    PageControl1->setTabText(PageControl1->indexOf(tsUnits), Qs(appli->FileName));
} catch (...) {
  VIX->Push("Procedure TfmMain.NameUnitsTab");
  throw;
}

void TfmMain::SaveChangesIfNeeded(int Index) try {
  TAppli* appli = Applis->GetAppli(Index);
  if (!edSearchPath->isModified() || appli == nullptr) return;
  // The section as it is now: a scanner window may have stored a later save
  // date there since this entry was read, which its own date must not undo.
  appli->ReadFromFile();
  appli->SearchPath = As(edSearchPath->text());
  appli->WriteToFile();
  // The current application is an object of its own: it follows, so that a
  // later write of its section keeps the new search path.
  if (CurrentAppli && CurrentAppli->FileName == appli->FileName) CurrentAppli->SearchPath = appli->SearchPath;
  edSearchPath->setModified(false);
} catch (...) {
  VIX->Push("Procedure TfmMain.SaveChangesIfNeeded");
  throw;
}

void TfmMain::btAddClick(QObject*) try {
  if (CurrentAppli) OpenDialog1.InitialDir = ExtractFilePath(CurrentAppli->FileName);
  if (!ExecuteFileDialog(OpenDialog1)) return;
  THourGlass hourglass;
  TDisabledWindow disabled(FClient);
  const std::string chosen = OpenDialog1.FileName;
  const std::string sought = UpperCase(chosen);
  for (int i = 0; i < Applis->Count(); ++i)
    if (UpperCase(Applis->GetAppli(i)->FileName) == sought) {
      ShowError(chosen + "\r\n" + "is already in list");
      return;
    }
  RunLogged(Trt("Adding ") + chosen, [this, &chosen] {
    TAppli* appli = Applis->Add(TAppli::CreateNew(chosen));
    appli->WriteToFile();
    FillListBox();
    lbApps->SetItemIndex(Applis->Count() - 1);
    lbAppsClick(this);
  });
} catch (...) {
  VIX->Push("Procedure TfmMain.btAddClick");
  throw;
}

void TfmMain::btRemoveClick(QObject*) try {
  if (lbApps->SelCount() == 0) {
    ShowError("No Application Selected");
    return;
  }
  // The scanner window works on the current application's units: while it
  // is shown, the current application stays.
  if (CurrentAppli)
    for (int i = 0; i < lbApps->Count(); ++i)
      if (lbApps->Selected(i) && FAppLines[static_cast<std::size_t>(i)] == CurrentAppli->FileName) CheckIfEnabled();
  // An edited search path goes to its own application before the lines move.
  SaveChangesIfNeeded(ShownAppliIndex);
  bool removed = false;
  for (int i = lbApps->Count() - 1; i >= 0; --i) {
    if (!lbApps->Selected(i)) continue;
    const std::string line = FAppLines[static_cast<std::size_t>(i)];
    if (cbConfirm->isChecked() && !YesNo("Remove " + line + " ?")) continue;
    if (CurrentAppli && CurrentAppli->FileName == line) CurrentAppli.reset();
    Applis->RemoveAppli(i);
    removed = true;
  }
  if (removed) {
    // The details shown belonged to a line that moved or went.
    ShownAppliIndex = -1;
    for (QLineEdit* edit : {edDPR, edSearchPath, edUpdate, edCreation}) Blank(edit);
  }
  FillListBox();
} catch (...) {
  VIX->Push("Procedure TfmMain.btRemoveClick");
  throw;
}

void TfmMain::btAddPathClick(QObject*) try {
  const TAppli* appli = Applis->GetAppli(lbApps->ItemIndex());
  if (appli == nullptr) return;
  const std::string projectFolder = ExtractFilePath(appli->FileName);
  std::string folder = projectFolder;
  if (!ExecuteFolderDialog(folder)) return;
  const std::string path = As(edSearchPath->text());
  edSearchPath->setText(Qs((path.empty() ? projectFolder : path) + ";" + folder));
  edSearchPath->setModified(true);
} catch (...) {
  VIX->Push("Procedure TfmMain.btAddPathClick");
  throw;
}

void TfmMain::SelectAppli() try {
  if (lbApps->Count() == 0) {
    if (CurrentAppli) CheckIfEnabled();
    CurrentAppli.reset();
    return;
  }
  const int index = lbApps->ItemIndex();
  if (index < 0) {
    ShowError("No Application Selected");
    return;
  }
  // The box holds the path of the application it shows, which a drag in the
  // list may have left another line than the one under the cursor.
  SaveChangesIfNeeded(ShownAppliIndex);
  const std::string& line = FAppLines[static_cast<std::size_t>(index)];
  if (CurrentAppli && CurrentAppli->FileName != line) {
    // The scanner window works on the current application's units.
    CheckIfEnabled();
    CurrentAppli.reset();
  }
  if (!CurrentAppli) CurrentAppli = TAppli::CreateFromFile(line);
} catch (...) {
  VIX->Push("Procedure TfmMain.SelectAppli");
  throw;
}

void TfmMain::ShowAppli() try {
  if (Language == 1)
    btRefreshList->resize(kEnglishButtonWidth, btRefreshList->height());
  else if (Language == 2)
    btRefreshList->resize(kFrenchButtonWidth, btRefreshList->height());
  btAddUnit->resize(btRefreshList->width(), btAddUnit->height());
  btRemoveUnit->resize(btRefreshList->width(), btRemoveUnit->height());
  btAddUnit->move(btRefreshList->x() + btAddUnit->width(), btAddUnit->y());
  btRemoveUnit->move(btAddUnit->x() + btRemoveUnit->width(), btRemoveUnit->y());
  const bool current = CurrentAppli != nullptr;
  for (TSpeedButton* button : {btAddUnit, btRefreshList, btRemoveUnit, btSelectAll, btUnselectAll, btUpdateCode})
    button->setEnabled(current);
  const int unitsTab = PageControl1->indexOf(tsUnits);
  PageControl1->setTabText(unitsTab, Qs("No Application Selected"));
  // The search path box stays with the application page's shown line: its
  // path, stored or typed, is never replaced by the current application's.
  CheckAppli();
  // Relative names in the project resolve from its folder.
  std::error_code ignored;
  std::filesystem::current_path(ExtractFilePath(CurrentAppli->FileName), ignored);
  PageControl1->setTabText(unitsTab, Qs(CurrentAppli->FileName));
  UnitList_To_clbFiles();
  odSource.InitialDir = ExtractFilePath(CurrentAppli->FileName);
} catch (...) {
  VIX->Push("Procedure TfmMain.ShowAppli");
  throw;
}

void TfmMain::btSelectApplicationClick(QObject*) try {
  SelectAppli();
  if (!CurrentAppli) return;
  ShowAppli();
  PageControl1->SetActivePage(tsUnits);
  PageControl1Change(this);
} catch (...) {
  VIX->Push("Procedure TfmMain.btSelectApplicationClick");
  throw;
}

void TfmMain::PageControl1Changing(QObject*, bool& AllowChange) try {
  if (PageControl1->ActivePage() != tsApplis) return;
  SelectAppli();
  AllowChange = CurrentAppli != nullptr;
  if (AllowChange) ShowAppli();
} catch (...) {
  VIX->Push("Procedure TfmMain.PageControl1Changing");
  throw;
}

void TfmMain::PageControl1Change(QObject*) try {
  UpdateGuideInfos();
  HelpFile = PageControl1->ActivePage() == tsApplis ? "applis.htm" : "sources.htm";
} catch (...) {
  VIX->Push("Procedure TfmMain.PageControl1Change");
  throw;
}
