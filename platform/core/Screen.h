// The screen object: the program's forms as the technical report lists them.
// The GUI layer installs the real one; the fallback has no forms.
#pragma once

#include <string>
#include <vector>

struct ScreenEntry {
  std::string name;
  std::string caption;
};

class TScreen {
 public:
  virtual ~TScreen() = default;
  virtual ScreenEntry ActiveForm() const { return {}; }
  virtual std::string ActiveControlName() const { return {}; }
  virtual std::vector<ScreenEntry> Forms() const { return {}; }
  virtual std::vector<ScreenEntry> CustomForms() const { return Forms(); }
  virtual std::vector<std::string> DataModules() const { return {}; }
};

extern TScreen* Screen;
