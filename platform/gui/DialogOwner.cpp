#include "DialogOwner.h"

#include <QApplication>

#include "Form.h"
#include "GuiScreen.h"

QWidget* DialogOwner() {
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  if (QWidget* active = QApplication::activeWindow()) return active;
  return TGuiScreen::ActiveTForm();
}
