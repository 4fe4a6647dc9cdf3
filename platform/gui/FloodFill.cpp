#include "FloodFill.h"

#include <vector>

void BorderFill(QImage& image, QPoint start, QRgb border, QRgb fill) {
  if (!image.rect().contains(start)) return;
  if (image.format() != QImage::Format_ARGB32 && image.format() != QImage::Format_RGB32)
    image = image.convertToFormat(QImage::Format_ARGB32);
  const int width = image.width();
  const auto pixel = [&](QPoint p) -> QRgb& { return reinterpret_cast<QRgb*>(image.scanLine(p.y()))[p.x()]; };
  std::vector<bool> seen(static_cast<std::size_t>(width) * static_cast<std::size_t>(image.height()));
  std::vector<QPoint> pending{start};
  while (!pending.empty()) {
    const QPoint p = pending.back();
    pending.pop_back();
    if (!image.rect().contains(p)) continue;
    const std::size_t index = static_cast<std::size_t>(p.y()) * static_cast<std::size_t>(width) + static_cast<std::size_t>(p.x());
    if (seen[index] || pixel(p) == border) continue;
    seen[index] = true;
    pixel(p) = fill;
    pending.insert(pending.end(), {{p.x() + 1, p.y()}, {p.x() - 1, p.y()}, {p.x(), p.y() + 1}, {p.x(), p.y() - 1}});
  }
}
