#include "Form.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QPointer>

#include "Application.h"
#include "BusyGuards.h"
#include "DialogOwner.h"
#include "GuiScreen.h"
#include "QtText.h"

TForm::TForm(QWidget* parent) : QWidget(parent, Qt::Window) { TGuiScreen::Register(this); }

TForm::~TForm() {
  TGuiScreen::Unregister(this);
  if (loop_) loop_->quit();
}

std::string TForm::Caption() const { return As(windowTitle()); }

void TForm::SetCaption(const std::string& caption) { setWindowTitle(Qs(caption)); }

int TForm::ShowModal(std::source_location where) {
  if (isVisible() || !isEnabled() || loop_)
    throw EInvalidOperation("Cannot make a visible window modal", where);
  modal_result_ = mrNone;
  const Qt::WindowModality modality = windowModality();
  setWindowModality(Qt::ApplicationModal);
  const TOnTopWhileModal onTop(this);
  QEventLoop loop;
  loop_ = &loop;
  QPointer<TForm> alive(this);
  show();
  activateWindow();
  loop.exec(QEventLoop::DialogExec);
  // A handler may have deleted the form while it was shown.
  if (!alive) return mrCancel;
  loop_ = nullptr;
  if (isVisible()) hide();
  setWindowModality(modality);
  return modal_result_;
}

void TForm::SetModalResult(int result) {
  modal_result_ = result;
  if (loop_ && result != mrNone && !close()) modal_result_ = mrNone;
}

void TForm::FormCloseQuery(bool&) {}

bool TForm::event(QEvent* e) {
  if (e->type() == QEvent::WindowActivate) TGuiScreen::Activated(this);
  return QWidget::event(e);
}

void TForm::closeEvent(QCloseEvent* e) {
  bool canClose = false;
  // Mid-operation the window stays, as a busy window does: the operation
  // may have one of its handlers on the stack.
  if (!TOperation::Holds(this))
    RunGuarded(this, [&] {
      bool query = true;
      FormCloseQuery(query);
      canClose = query;
    });
  if (!canClose) {
    e->ignore();
    if (loop_) modal_result_ = mrNone;
    return;
  }
  e->accept();
  if (loop_ && modal_result_ == mrNone) modal_result_ = mrCancel;
}

void TForm::hideEvent(QHideEvent* e) {
  QWidget::hideEvent(e);
  // However the form was hidden, the modal show ends.
  if (loop_ && !e->spontaneous()) {
    if (modal_result_ == mrNone) modal_result_ = mrCancel;
    loop_->quit();
  }
}
