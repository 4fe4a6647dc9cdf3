// A window's status bar showing one simple text, over QStatusBar. It is what
// windowless code writes through TStatusBar (the assistant's MainStatusBar).
#pragma once

#include <QStatusBar>
#include <string>

#include "StatusBar.h"

class QLabel;

class TGuiStatusBar final : public QStatusBar, public TStatusBar {
 public:
  explicit TGuiStatusBar(QWidget* parent = nullptr);

  void SetSimpleText(const std::string& Text) override;
  std::string SimpleText() const;

 private:
  // A permanent label rather than a temporary message: hovering a control
  // with a status tip must not wipe the text.
  QLabel* text_;
};
