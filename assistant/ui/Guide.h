// Unit Guide: the guide, a floating panel always on top that tells the user
// what to do next in the window that has the focus. One instance lives for
// the whole run: the main window creates it hidden, with itself as owner,
// and keeps it in fmGuide; F11 shows and hides it.
//
// Its refreshers (the main and scanner windows) follow one contract: nothing
// while the guide is hidden; otherwise copy their window's HelpFile into the
// guide's, work out the code of the text their state calls for, and only
// when it differs from GuideState compose the texts, call SetMsg and store
// the code. Whoever makes the text stale sets GuideState := -1.
#pragma once

#include <string>

#include "Form.h"

class QLabel;

class TfmGuide final : public TForm {
 public:
  // Builds the window hidden and runs FormCreate.
  explicit TfmGuide(QWidget* Owner = nullptr);
  ~TfmGuide() override;

  void FormCreate(QObject* Sender);
  void TranslateFirst();
  // The header line and the text (CR LF breaks lines); the window's height
  // follows the wrapped labels.
  void SetMsg(const std::string& Header, const std::string& Text);

  // The code of the text shown; -1: none, the next refresh rebuilds it.
  // Codes 1, 2, 3, 10 and 11 are the main window's, 1001 the scanner's.
  int GuideState = -1;

  QWidget* Panel1;
  QLabel* lbHeader;
  QLabel* lbText;

 private:
  void FitHeight();
};

extern TfmGuide* fmGuide;
