// A window's status bar as windowless code sees it: one simple text. The GUI
// layer implements it over its status bar widget; tests record the text.
#pragma once

#include <string>

class TStatusBar {
 public:
  virtual ~TStatusBar() = default;
  virtual void SetSimpleText(const std::string& Text) = 0;
};
