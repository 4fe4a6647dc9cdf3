// The canvas's border fill: from a point outwards, every pixel reached
// without crossing a pixel of the border colour takes the fill colour.
#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>

// Nothing when start lies outside the image or on the border colour.
void BorderFill(QImage& image, QPoint start, QRgb border, QRgb fill);
