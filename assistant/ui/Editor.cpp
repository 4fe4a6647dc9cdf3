// A stand-in until the scanner window is built: the window exists, is
// captioned, and keeps EditorAbsent and fmEditor right.
#include "Editor.h"

#include "EditorOptions.h"
#include "Lumbrick.h"
#include "Translator.h"

TfmEditor* fmEditor = nullptr;
bool EditorAbsent = true;

TfmEditor::TfmEditor(QWidget* Owner) : TForm(Owner) {
  SetName("fmEditor");
  setAttribute(Qt::WA_DeleteOnClose);
  HelpFile = "scanner.htm";
  EditorAbsent = false;
  fmEditor = this;
  TranslateFirst();
}

TfmEditor::~TfmEditor() {
  EditorAbsent = true;
  if (fmEditor == this) fmEditor = nullptr;
}

void TfmEditor::TranslateFirst() try {
  SetCaption(Trt(" Source Files Scanner"));
} catch (...) {
  VIX->Push("Procedure TfmEditor.TranslateFirst");
  throw;
}

void TfmEditor::ShowUnits() {}

int TfmEditor::SetScanOptions() try {
  TfmScanOptions dialog(this);
  return dialog.ShowModal();
} catch (...) {
  VIX->Push("Function TfmEditor.SetScanOptions");
  throw;
}

void TfmEditor::ExecuteShow(bool) { show(); }

void TfmEditor::UpdateGuideInfos() {}

void TfmEditor::StoreSaveDates() {}
