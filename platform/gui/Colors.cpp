#include "Colors.h"

#include <QPalette>
#include <QWidget>

// A disabled control keeps the style's greyed text.
void SetFontColor(QWidget* control, const QColor& color) {
  QPalette palette = control->palette();
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
      palette.setColor(group, role, color);
  control->setPalette(palette);
}

QColor FontColor(const QWidget* control) { return control->palette().color(QPalette::WindowText); }

void SetBackgroundColor(QWidget* control, const QColor& color) {
  QPalette palette = control->palette();
  palette.setColor(QPalette::Window, color);
  palette.setColor(QPalette::Base, color);
  control->setPalette(palette);
  control->setAutoFillBackground(true);
}
