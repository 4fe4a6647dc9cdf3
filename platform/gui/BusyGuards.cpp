#include "BusyGuards.h"

#include <QApplication>
#include <QGuiApplication>
#include <algorithm>
#include <memory>
#include <vector>

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

namespace {

// The running operation: how deep operations are nested, the windows it
// holds and those it disabled (a window already disabled by its caller
// stays so until that caller enables it).
struct TRunning {
  int depth = 0;
  std::vector<QPointer<QWidget>> held;
  std::vector<std::unique_ptr<TDisabledWindow>> disabled;

  void Release() {
    while (!disabled.empty()) disabled.pop_back();
    held.clear();
  }
};

TRunning& Running() {
  static TRunning running;
  return running;
}

// A window of the program on the screen: not a popup, a tooltip or the like.
bool IsShownWindow(const QWidget* w) {
  if (!w->isWindow() || !w->isVisible()) return false;
  switch (w->windowType()) {
    case Qt::Popup:
    case Qt::ToolTip:
    case Qt::Desktop:
      return false;
    default:
      return true;
  }
}

}  // namespace

TOperation::TOperation(QWidget* live) {
  TRunning& running = ::Running();
  if (running.depth++ > 0) return;
  try {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (w == live || !IsShownWindow(w)) continue;
      running.held.emplace_back(w);
      if (w->isEnabled()) running.disabled.push_back(std::make_unique<TDisabledWindow>(w));
    }
  } catch (...) {
    running.Release();
    --running.depth;
    throw;
  }
}

TOperation::~TOperation() {
  TRunning& running = ::Running();
  if (--running.depth == 0) running.Release();
}

bool TOperation::Running() { return ::Running().depth > 0; }

bool TOperation::Holds(const QWidget* window) {
  const TRunning& running = ::Running();
  return running.depth > 0 && std::any_of(running.held.begin(), running.held.end(),
                                          [window](const QPointer<QWidget>& w) { return w.data() == window; });
}
