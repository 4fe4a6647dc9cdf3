// The assistant's colours beyond the platform's named ones, and the one
// colour of each routine code state that every window shows it in.
#pragma once

#include <QColor>

#include "Colors.h"

// Grouping panels and read-only boxes.
inline const QColor clPanelGrey{QColor::fromRgb(FromTColor(0xDFDFDF))};
// The guide window's background ($804000).
inline const QColor clGuideBlue{QColor::fromRgb(FromTColor(0x804000))};

// Code states: 1 Missing teal, 2 Correct blue, 4 Ignored purple; 3
// Incorrect, any other value and no routine at all red.
QColor CodeStateColor(int CodeState);
