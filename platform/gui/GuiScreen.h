// The screen of a windowed program: its live forms as the technical report
// lists them. Forms keep the list current themselves (construction,
// activation, destruction), so it holds hidden forms too.
#pragma once

#include <string>
#include <vector>

#include "Screen.h"

class TForm;

class TGuiScreen final : public TScreen {
 public:
  ScreenEntry ActiveForm() const override;
  std::string ActiveControlName() const override;
  std::vector<ScreenEntry> Forms() const override;
  std::vector<ScreenEntry> CustomForms() const override { return Forms(); }
  std::vector<std::string> DataModules() const override { return {}; }

  // Every live form: creation order, except that a form moves to the front
  // when it becomes active.
  static const std::vector<TForm*>& FormList();
  // The active window when it is a form; else the form last activated while
  // it is still shown (a message box may hold the activation for a moment);
  // nullptr when there is none.
  static TForm* ActiveTForm();

  static void Register(TForm* form);
  static void Unregister(TForm* form) noexcept;
  static void Activated(TForm* form) noexcept;
};
