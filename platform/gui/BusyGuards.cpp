#include "BusyGuards.h"

#include <QGuiApplication>

// Override cursors stack: nested guards each restore what they set.
THourGlass::THourGlass() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }

THourGlass::~THourGlass() { QGuiApplication::restoreOverrideCursor(); }

TDisabledWindow::TDisabledWindow(QWidget* window) : window_(window) {
  if (!window_) return;
  focus_ = window_->focusWidget();
  window_->setEnabled(false);
}

TDisabledWindow::~TDisabledWindow() {
  if (!window_) return;
  window_->setEnabled(true);
  if (focus_ && focus_->window() == window_->window()) focus_->setFocus();
}
