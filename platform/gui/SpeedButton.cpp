#include "SpeedButton.h"

#include "QtText.h"

TSpeedButton::TSpeedButton(QWidget* parent) : QToolButton(parent) {
  setAutoRaise(true);
  setFocusPolicy(Qt::NoFocus);
  setIconSize(QSize(16, 16));
  setToolButtonStyle(Qt::ToolButtonIconOnly);
}

void TSpeedButton::SetGlyph(const QPixmap& glyph) {
  glyph_ = glyph;
  setIcon(QIcon(glyph_));
}

void TSpeedButton::SetCaption(const std::string& caption) {
  setText(Qs(caption));
  setToolButtonStyle(caption.empty() ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextBesideIcon);
}

std::string TSpeedButton::Caption() const { return As(text()); }
