#include "InfosColors.h"

#include <QKeyEvent>
#include <QLabel>

#include "Colors.h"
#include "Design.h"
#include "Fonts.h"
#include "FormIcon.h"
#include "Lumbrick.h"
#include "Pictures.h"
#include "QtText.h"
#include "Translator.h"
#include "UiColors.h"

TfmInfosColors* fmInfosColors = nullptr;

namespace {
QLabel* Line(QWidget* parent, const char* name, int y, bool heading = false) {
  auto* label = Place(new QLabel(parent), name, heading ? 12 : 36, y, heading ? 240 : 222, 15);
  label->setTextFormat(Qt::PlainText);
  if (heading) {
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
  }
  return label;
}

// The legend shows the central 12 x 12 square of the 16 x 16 pictogram,
// which holds the whole drawing.
QLabel* Pictogram(QWidget* parent, const char* name, int y, const TImageList& list, int index) {
  auto* image = Place(new QLabel(parent), name, 12, y + 1, 12, 12);
  image->setPixmap(list.Picture(index).copy(2, 2, 12, 12));
  return image;
}
}  // namespace

TfmInfosColors::TfmInfosColors(QWidget* Owner) : TForm(Owner) {
  SetName("fmInfosColors");
  setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setFont(DesignFont());
  setFixedSize(262, 273);
  HelpFile = "scanner.htm";

  const TImageList& units = UnitPictures();
  const TImageList& procs = ProcPictures();
  lbSourceFiles = Line(this, "lbSourceFiles", 4, true);
  Image6 = Pictogram(this, "Image6", 23, units, 0);
  lbSourceScanned = Line(this, "lbSourceScanned", 23);
  Image4 = Pictogram(this, "Image4", 39, units, 1);
  lbError = Line(this, "lbError", 39);
  Image8 = Pictogram(this, "Image8", 55, units, 2);
  lbModified = Line(this, "lbModified", 55);
  Image1 = Pictogram(this, "Image1", 71, units, 3);
  lbSaved = Line(this, "lbSaved", 71);
  Image9 = Pictogram(this, "Image9", 87, units, 4);
  lbSaveError = Line(this, "lbSaveError", 87);
  lbRoutines = Line(this, "lbRoutines", 116, true);
  Image5 = Pictogram(this, "Image5", 133, procs, 0);
  lbCodeAdded = Line(this, "lbCodeAdded", 133);
  Image2 = Pictogram(this, "Image2", 149, procs, 1);
  lbCodeUpdated = Line(this, "lbCodeUpdated", 149);
  Image3 = Pictogram(this, "Image3", 165, procs, 2);
  lbCodeRemoved = Line(this, "lbCodeRemoved", 165);
  Image7 = Pictogram(this, "Image7", 181, procs, 3);
  lbCodeIgnored = Line(this, "lbCodeIgnored", 181);
  lbCodeCorrect = Line(this, "lbCodeCorrect", 207);
  lbCodeIncorrect = Line(this, "lbCodeIncorrect", 223);
  lbCodeMissing = Line(this, "lbCodeMissing", 239);
  lbCodeIgnored2 = Line(this, "lbCodeIgnored2", 255);
  RunGuarded(this, [this] { FormCreate(this); });
}

TfmInfosColors::~TfmInfosColors() {
  if (fmInfosColors == this) fmInfosColors = nullptr;
}

void TfmInfosColors::keyPressEvent(QKeyEvent* Event) {
  if (Event->key() == Qt::Key_Escape && Event->modifiers() == Qt::NoModifier) {
    close();
    return;
  }
  TForm::keyPressEvent(Event);
}

void TfmInfosColors::FormCreate(QObject*) try {
  TranslateFirst();
  SetFormIcon(this);
  SetFontColor(lbCodeCorrect, CodeStateColor(2));
  SetFontColor(lbCodeIncorrect, CodeStateColor(3));
  SetFontColor(lbCodeMissing, CodeStateColor(1));
  SetFontColor(lbCodeIgnored2, CodeStateColor(4));
} catch (...) {
  VIX->Push("Procedure TfmInfosColors.FormCreate");
  throw;
}

void TfmInfosColors::TranslateFirst() try {
  SetCaption(Trt("Colors And Pictograms"));
  const std::pair<QLabel*, const char*> texts[] = {
      {lbSourceFiles, "Source Files"},
      {lbSourceScanned, "Source has been Scanned"},
      {lbError, "Source has Errors"},
      {lbModified, "Source has been Modified"},
      {lbSaved, "Source has been Saved"},
      {lbSaveError, "Error While Saving Source"},
      {lbRoutines, "Routines"},
      {lbCodeAdded, "Lumbrick Code has been Added"},
      {lbCodeUpdated, "Lumbrick Code has been Updated"},
      {lbCodeRemoved, "Lumbrick Code has been Removed"},
      {lbCodeIgnored, "Lumbrick Code has been Ignored"},
      {lbCodeCorrect, "Lumbrick Code is Correct"},
      {lbCodeIncorrect, "Lumbrick Code is Incorrect"},
      {lbCodeMissing, "Lumbrick Code is Missing"},
      {lbCodeIgnored2, "Lumbrick Code is Ignored"},
  };
  for (const auto& [label, text] : texts) label->setText(Qs(Trt(text)));
} catch (...) {
  VIX->Push("Procedure TfmInfosColors.TranslateFirst");
  throw;
}
