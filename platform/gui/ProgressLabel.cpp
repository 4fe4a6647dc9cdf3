#include "ProgressLabel.h"

#include <QPainter>

#include "QtText.h"
#include "ScreenFrame.h"

TProgressLabel::TProgressLabel(QWidget* parent) : QWidget(parent) {
  frame_.setSingleShot(true);
  frame_.setInterval(ScreenFrame);
  connect(&frame_, &QTimer::timeout, this, [this] {
    if (!pending_) return;
    pending_ = false;
    update();
    frame_.start();
  });
}

void TProgressLabel::SetText(const std::string& text) {
  if (text == text_) return;
  text_ = text;
  if (frame_.isActive()) {
    pending_ = true;
    return;
  }
  update();
  frame_.start();
}

void TProgressLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(palette().color(QPalette::WindowText));
  painter.drawText(rect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, Qs(text_));
}
