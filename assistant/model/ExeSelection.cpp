#include "ExeSelection.h"

#include "Dialogs.h"
#include "Lumbrick.h"
#include "MessageBoxes.h"
#include "Translator.h"

TOpenDialog* ExeDialog = nullptr;

void SelectExeFile(std::string& FileName, const std::string& What, const std::string& InitialDir,
                   bool Found, const std::string& DefaultName) try {
  if (!Found &&
      MessageDlg(Trt("Impossible to find a ") + What + ". " + Trt("Browse files to select it ?"),
                 TMsgDlgType::mtWarning, mbYes | mbNo, 0) != mrYes)
    Abort();
  if (ExeDialog == nullptr) return;
  ExeDialog->Title = Trt("Select a ") + What;
  if (!InitialDir.empty()) ExeDialog->InitialDir = InitialDir;
  ExeDialog->FileName = DefaultName;
  if (ExecuteFileDialog(*ExeDialog)) FileName = ExeDialog->FileName;
} catch (...) {
  VIX->Push("Procedure SelectExeFile");
  throw;
}
