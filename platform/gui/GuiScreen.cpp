#include "GuiScreen.h"

#include <QApplication>
#include <algorithm>

#include "Form.h"

namespace {
std::vector<TForm*> forms;
TForm* lastActive = nullptr;

ScreenEntry EntryOf(const TForm& form) { return {form.Name(), form.Caption()}; }
}  // namespace

const std::vector<TForm*>& TGuiScreen::FormList() { return forms; }

void TGuiScreen::Register(TForm* form) { forms.push_back(form); }

void TGuiScreen::Unregister(TForm* form) noexcept {
  forms.erase(std::remove(forms.begin(), forms.end(), form), forms.end());
  if (lastActive == form) lastActive = nullptr;
}

void TGuiScreen::Activated(TForm* form) noexcept {
  lastActive = form;
  auto it = std::find(forms.begin(), forms.end(), form);
  if (it != forms.end()) std::rotate(forms.begin(), it, it + 1);
}

TForm* TGuiScreen::ActiveTForm() {
  if (auto* form = dynamic_cast<TForm*>(QApplication::activeWindow())) return form;
  if (lastActive && lastActive->isVisible()) return lastActive;
  return nullptr;
}

ScreenEntry TGuiScreen::ActiveForm() const {
  const TForm* form = ActiveTForm();
  return form ? EntryOf(*form) : ScreenEntry{};
}

std::string TGuiScreen::ActiveControlName() const {
  const TForm* form = ActiveTForm();
  if (!form) return {};
  // When one of Qt's inner widgets holds the focus (the line edit of a spin
  // box, say), the control the program named is one of its parents.
  for (const QWidget* w = form->focusWidget(); w && w != form; w = w->parentWidget()) {
    const QString name = w->objectName();
    if (!name.isEmpty() && !name.startsWith(QLatin1String("qt_"))) return name.toStdString();
  }
  return {};
}

std::vector<ScreenEntry> TGuiScreen::Forms() const {
  std::vector<ScreenEntry> entries;
  entries.reserve(forms.size());
  for (const TForm* form : forms) entries.push_back(EntryOf(*form));
  return entries;
}
