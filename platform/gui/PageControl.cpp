#include "PageControl.h"

#include "Application.h"
#include "Component.h"

TPageControl::TPageControl(QWidget* parent) : QTabWidget(parent) {
  connect(this, &QTabWidget::currentChanged, this, [this](int index) { Changed(index); });
}

void TPageControl::SetActivePage(QWidget* Page) {
  setting_ = true;
  setCurrentWidget(Page);
  setting_ = false;
  shown_ = currentIndex();
}

void TPageControl::Changed(int index) {
  if (setting_ || shown_ < 0 || index < 0) {
    shown_ = index;  // the first page added, or a change from code
    return;
  }
  const int target = index;
  // Back to the page left while the change is being decided, so that a
  // message the handler shows stands over the page the user still is on.
  setting_ = true;
  setCurrentIndex(shown_);
  setting_ = false;
  TObject* sender = dynamic_cast<TObject*>(window());
  bool allow = false;
  RunGuarded(sender, [&] {
    bool change = true;
    if (OnChanging) OnChanging(this, change);
    allow = change;
  });
  if (!allow) return;
  setting_ = true;
  setCurrentIndex(target);
  setting_ = false;
  shown_ = target;
  if (OnChange) RunGuarded(sender, [this] { OnChange(this); });
}
