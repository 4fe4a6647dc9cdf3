#include "ProgressLabel.h"

#include <QPainter>

#include "QtText.h"

TProgressLabel::TProgressLabel(QWidget* parent) : QWidget(parent) {}

void TProgressLabel::SetText(const std::string& text) {
  if (text == text_) return;
  text_ = text;
  update();  // repaints gathered into one at the next event pass
}

void TProgressLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(palette().color(QPalette::WindowText));
  painter.drawText(rect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, Qs(text_));
}
