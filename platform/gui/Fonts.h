// The design fonts of the windows. Sizes are points at 96 dots per inch, as
// the original forms store them (8 pt is a height of 11 pixels); a family the
// host lacks gives way to its sans-serif at the same pixel height.
#pragma once

#include <QFont>

// Pixels of a font size in points at 96 dots per inch, rounded (8 -> 11).
int PointsToPixels(int points);
// Verdana 8 pt unless told otherwise.
QFont DesignFont(int points = 8, const QString& family = QStringLiteral("Verdana"));
