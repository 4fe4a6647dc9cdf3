// The main window's status bar, where progress texts go while the operation
// log is hidden.
#pragma once

#include <string>

#include "StatusBar.h"

extern TStatusBar* MainStatusBar;

// The status bar's text := two blanks + Text; nothing without a status bar.
void ShowInStatusBar(const std::string& Text);
