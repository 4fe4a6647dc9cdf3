// The platform's flat speed button: a glyph and a caption side by side, no
// frame until the mouse is over it. A click does not take the keyboard focus,
// so the control that had it keeps it (and gets no exit event). Its font
// colour is set and read with SetFontColor / FontColor (Colors.h): windows
// that show availability by a black or grey caption read it back.
#pragma once

#include <QPixmap>
#include <QToolButton>
#include <string>

class TSpeedButton final : public QToolButton {
 public:
  explicit TSpeedButton(QWidget* parent = nullptr);

  // The picture beside the caption (16 x 16), kept as given: a window may
  // take it back, recolour it and set it again.
  void SetGlyph(const QPixmap& glyph);
  const QPixmap& Glyph() const { return glyph_; }
  void SetCaption(const std::string& caption);
  std::string Caption() const;

 private:
  QPixmap glyph_;
};
