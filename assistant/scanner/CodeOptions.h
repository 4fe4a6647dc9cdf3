// The code options in force: how the protective block is written, recognised
// and removed. Read from and written to [Options] of "Corvane.ini" by the
// assistant's settings code; set by the scanner options dialog.
#pragma once

#include <array>
#include <string>

struct TCodeOptions {
  int ExceptLines = 1;  // layout of the block's except part, 1 to 4
  bool ReindentAddedCode = true;
  bool ReindentRemovedCode = true;
  std::string QuellumVar = "VIX";  // the library's global variable
  // Parts of the routine text: [0] unit file name, [1] routine kind,
  // [2] class name, [3] routine name, [4] parameter list (keys PushParams(1)
  // to PushParams(5)).
  std::array<bool, 5> PushParams{true, true, true, true, true};

  friend bool operator==(const TCodeOptions&, const TCodeOptions&) = default;
};

// Starts with the defaults of the settings file's keys, so that a block built
// before the options dialog ran is still valid Pascal.
extern TCodeOptions CodeOptions;
