#include "Colors.h"

#include <QPalette>
#include <QWidget>

void SetFontColor(QWidget* control, const QColor& color) {
  QPalette palette = control->palette();
  palette.setColor(QPalette::WindowText, color);
  palette.setColor(QPalette::Text, color);
  control->setPalette(palette);
}

QColor FontColor(const QWidget* control) { return control->palette().color(QPalette::WindowText); }

void SetBackgroundColor(QWidget* control, const QColor& color) {
  QPalette palette = control->palette();
  palette.setColor(QPalette::Window, color);
  control->setPalette(palette);
}
