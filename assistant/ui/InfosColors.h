// Unit InfosColors: the colour legend, which explains the pictograms and
// colours of the scanner window's two lists. The scanner window creates it
// with itself as owner at each opening, shows it modally and frees it.
#pragma once

#include "Form.h"

class QKeyEvent;
class QLabel;

class TfmInfosColors final : public TForm {
 public:
  // Builds the window and runs FormCreate.
  explicit TfmInfosColors(QWidget* Owner = nullptr);
  ~TfmInfosColors() override;

  void FormCreate(QObject* Sender);
  void TranslateFirst();

  QLabel* lbSourceFiles;
  QLabel* Image6;
  QLabel* lbSourceScanned;
  QLabel* Image4;
  QLabel* lbError;
  QLabel* Image8;
  QLabel* lbModified;
  QLabel* Image1;
  QLabel* lbSaved;
  QLabel* Image9;
  QLabel* lbSaveError;
  QLabel* lbRoutines;
  QLabel* Image5;
  QLabel* lbCodeAdded;
  QLabel* Image2;
  QLabel* lbCodeUpdated;
  QLabel* Image3;
  QLabel* lbCodeRemoved;
  QLabel* Image7;
  QLabel* lbCodeIgnored;
  QLabel* lbCodeCorrect;
  QLabel* lbCodeIncorrect;
  QLabel* lbCodeMissing;
  QLabel* lbCodeIgnored2;

 protected:
  // Escape closes the legend, which has no button to close it by.
  void keyPressEvent(QKeyEvent* Event) override;
};

extern TfmInfosColors* fmInfosColors;
