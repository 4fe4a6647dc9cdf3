#include "BusyGuards.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <algorithm>
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

// The user's events that a held window does not take.
bool IsInput(QEvent::Type type) {
  switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::InputMethod:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
      return true;
    default:
      return false;
  }
}

// The window an event's receiver belongs to: a widget's own window, the
// window of a popup menu's owner, or that of the widget an action or a
// shortcut belongs to.
const QWidget* WindowOf(const QObject* receiver) {
  const QObject* o = receiver;
  while (o != nullptr && !o->isWidgetType()) o = o->parent();
  const auto* w = static_cast<const QWidget*>(o);
  while (w != nullptr && w->windowType() == Qt::Popup && w->parentWidget() != nullptr) w = w->parentWidget();
  return w != nullptr ? w->window() : nullptr;
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

// The running operation: how deep operations are nested, the windows it
// holds, and the filter through which every event of the program passes
// while it runs.
class TRunning final : public QObject {
 public:
  int depth = 0;
  std::vector<QPointer<QWidget>> held;

  bool Holds(const QWidget* window) const {
    return std::any_of(held.begin(), held.end(), [window](const QPointer<QWidget>& w) { return w.data() == window; });
  }

 protected:
  bool eventFilter(QObject* receiver, QEvent* event) override {
    if (!IsInput(event->type()) || !Holds(WindowOf(receiver))) return false;
    // Taken and dropped: an accepted shortcut override keeps the key from
    // triggering a shortcut, and a mouse event goes to no parent.
    event->accept();
    return true;
  }
};

TRunning& Running() {
  static TRunning* running = new TRunning;  // lives to the process's end, with Qt
  return *running;
}

}  // namespace

TOperation::TOperation(QWidget* live) {
  TRunning& running = ::Running();
  if (running.depth > 0) {
    ++running.depth;
    return;
  }
  std::vector<QPointer<QWidget>> held;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w != live && IsShownWindow(w)) held.emplace_back(w);
  running.held = std::move(held);
  QCoreApplication::instance()->installEventFilter(&running);
  running.depth = 1;
}

TOperation::~TOperation() {
  TRunning& running = ::Running();
  if (--running.depth > 0) return;
  if (QCoreApplication* app = QCoreApplication::instance()) app->removeEventFilter(&running);
  running.held.clear();
}

bool TOperation::Running() { return ::Running().depth > 0; }

bool TOperation::Holds(const QWidget* window) { return ::Running().depth > 0 && ::Running().Holds(window); }
