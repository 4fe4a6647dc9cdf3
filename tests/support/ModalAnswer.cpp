#include "ModalAnswer.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QWidget>
#include <stdexcept>

namespace {
constexpr int kPollMs = 10;

QString WithoutMnemonic(QString text) { return text.remove(QLatin1Char('&')); }

void CloseModal(QWidget* modal) {
  if (auto* dialog = qobject_cast<QDialog*>(modal))
    dialog->done(QDialog::Rejected);
  else if (!modal->close())
    modal->hide();
}
}  // namespace

ModalAnswer::ModalAnswer(Step step, int timeoutMs)
    : answered_(QApplication::activeModalWidget()), timeout_ms_(timeoutMs) {
  steps_.push_back(std::move(step));
  timer_.setInterval(kPollMs);
  QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] { Poll(); });
  timer_.start();
}

ModalAnswer::~ModalAnswer() = default;

ModalAnswer& ModalAnswer::Then(Step step) {
  steps_.push_back(std::move(step));
  if (!timer_.isActive()) {
    waited_ms_ = 0;
    timer_.start();
  }
  return *this;
}

void ModalAnswer::Poll() {
  if (answered_ && !answered_->isVisible()) answered_ = nullptr;
  QWidget* modal = QApplication::activeModalWidget();
  if (!modal || modal == answered_) {
    waited_ms_ += kPollMs;
    if (waited_ms_ >= timeout_ms_) {
      timer_.stop();
      ADD_FAILURE() << "no modal window appeared within " << timeout_ms_ << " ms";
    }
    return;
  }
  waited_ms_ = 0;
  answered_ = modal;
  titles_.push_back(modal->windowTitle());
  Step step = std::move(steps_.front());
  steps_.pop_front();
  if (steps_.empty()) timer_.stop();
  // Not from inside this timer's callback: a step that opens a nested modal
  // would block it, and Qt never fires a timer inside its own callback.
  QMetaObject::invokeMethod(&timer_, [this, step = std::move(step), target = QPointer(modal)] {
    Run(step, target);
  }, Qt::QueuedConnection);
}

void ModalAnswer::Run(const Step& step, QPointer<QWidget> modal) {
  if (!modal) {
    ADD_FAILURE() << "the modal window went away before it was answered";
    return;
  }
  const std::string name = modal->objectName().toStdString();
  // Runs inside the modal's event loop: nothing may be thrown into it.
  try {
    step(modal);
  } catch (const std::exception& e) {
    ADD_FAILURE() << "answering modal \"" << name << "\": " << e.what();
    if (modal) CloseModal(modal);
  } catch (...) {
    ADD_FAILURE() << "answering modal \"" << name << "\" failed";
    if (modal) CloseModal(modal);
  }
  if (answered_ && !answered_->isVisible()) answered_ = nullptr;
}

ModalAnswer::Step ModalAnswer::Click(const QString& nameOrText) {
  return [nameOrText](QWidget* modal) {
    for (QAbstractButton* button : modal->findChildren<QAbstractButton*>()) {
      if (button->objectName() != nameOrText && WithoutMnemonic(button->text()) != nameOrText)
        continue;
      if (!button->isEnabled()) throw std::runtime_error("button is disabled");
      button->click();
      return;
    }
    throw std::runtime_error("no button " + nameOrText.toStdString());
  };
}

ModalAnswer::Step ModalAnswer::Type(const QString& text, const QString& button,
                                    const QString& edit) {
  Step click = Click(button);
  return [text, edit, click](QWidget* modal) {
    QLineEdit* line = edit.isEmpty() ? modal->findChild<QLineEdit*>()
                                     : modal->findChild<QLineEdit*>(edit);
    if (!line) throw std::runtime_error("no line edit " + edit.toStdString());
    line->selectAll();
    line->insert(text);
    click(modal);
  };
}
