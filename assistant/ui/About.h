// Unit About: the about box, with the product's name, its version and its
// release month. The main window creates it with itself as owner at each
// opening, shows it modally and frees it. The product has no public site:
// the site label names the local help index page of the current language,
// and a click on it or on the logo opens that page in the web browser.
#pragma once

#include "Form.h"

class QLabel;
class QPushButton;

class TfmAboutBox final : public TForm {
 public:
  // Builds the window and runs FormCreate.
  explicit TfmAboutBox(QWidget* Owner = nullptr);
  ~TfmAboutBox() override;

  void FormCreate(QObject* Sender);
  void TranslateFirst();
  void lbSiteClick(QObject* Sender);

  QLabel* ProductName;
  QLabel* Version;
  QPushButton* btOk;
  QLabel* lbSite;  // its text is the page's full path
  QLabel* imLogo;

 protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override;
};
