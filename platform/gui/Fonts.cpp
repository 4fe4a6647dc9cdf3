#include "Fonts.h"

int PointsToPixels(int points) { return (points * 96 + 36) / 72; }

QFont DesignFont(int points, const QString& family) {
  QFont font(family);
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(PointsToPixels(points));
  return font;
}
