// The platform's page control over QTabWidget. A page change by the user is
// first put to OnChanging, which may refuse it (or fail): the page shown then
// stays, and meanwhile it is the one on the screen. An accepted change is
// reported by OnChange. Setting the active page from code runs neither.
#pragma once

#include <QTabWidget>
#include <functional>

class TPageControl final : public QTabWidget {
 public:
  explicit TPageControl(QWidget* parent = nullptr);

  QWidget* ActivePage() const { return currentWidget(); }
  void SetActivePage(QWidget* Page);

  std::function<void(QObject* Sender, bool& AllowChange)> OnChanging;
  std::function<void(QObject* Sender)> OnChange;

 private:
  void Changed(int index);

  int shown_ = -1;  // the page the user last saw
  bool setting_ = false;
};
