// The platform's named colours and the font and background colour of a
// control, set through its palette (so tests read them back the same way).
#pragma once

#include <QColor>

class QWidget;

inline const QColor clBlack{0x00, 0x00, 0x00};
inline const QColor clNavy{0x00, 0x00, 0x80};
inline const QColor clTeal{0x00, 0x80, 0x80};
inline const QColor clGray{0x80, 0x80, 0x80};
inline const QColor clRed{0xFF, 0x00, 0x00};
inline const QColor clWhite{0xFF, 0xFF, 0xFF};

void SetFontColor(QWidget* control, const QColor& color);
QColor FontColor(const QWidget* control);
void SetBackgroundColor(QWidget* control, const QColor& color);
