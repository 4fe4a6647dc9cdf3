// The platform's named colours and the font and background colour of a
// control, set through its palette (so tests read them back the same way).
#pragma once

#include <QColor>

class QWidget;

inline const QColor clBlack{0x00, 0x00, 0x00};
inline const QColor clNavy{0x00, 0x00, 0x80};
inline const QColor clTeal{0x00, 0x80, 0x80};
inline const QColor clPurple{0x80, 0x00, 0x80};
inline const QColor clGray{0x80, 0x80, 0x80};
inline const QColor clRed{0xFF, 0x00, 0x00};
inline const QColor clBlue{0x00, 0x00, 0xFF};
inline const QColor clYellow{0xFF, 0xFF, 0x00};
inline const QColor clWhite{0xFF, 0xFF, 0xFF};

// A colour as the original platform writes it, $00BBGGRR.
constexpr QRgb FromTColor(unsigned bgr) {
  return 0xFF000000u | ((bgr & 0xFFu) << 16) | (bgr & 0xFF00u) | ((bgr >> 16) & 0xFFu);
}

// The text of labels, edits and buttons alike.
void SetFontColor(QWidget* control, const QColor& color);
QColor FontColor(const QWidget* control);
void SetBackgroundColor(QWidget* control, const QColor& color);
