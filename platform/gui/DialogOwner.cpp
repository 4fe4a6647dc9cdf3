#include "DialogOwner.h"

#include <QApplication>

#include "Form.h"
#include "GuiScreen.h"

QWidget* DialogOwner() {
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  if (QWidget* active = QApplication::activeWindow()) return active;
  return TGuiScreen::ActiveTForm();
}

TOnTopWhileModal::TOnTopWhileModal(QWidget* window)
    : window_(window), ownOnTop_(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) {
  window->setWindowFlag(Qt::WindowStaysOnTopHint, true);
}

TOnTopWhileModal::~TOnTopWhileModal() {
  // A change of flags hides a window: only one the modal show has hidden.
  if (window_ && !ownOnTop_ && !window_->isVisible()) window_->setWindowFlag(Qt::WindowStaysOnTopHint, false);
}
