// Where the programs' own dialogs stand: message boxes, the input box and
// the file dialogs belong to the window the user works in (centred on it)
// and stay above every window of the programs while they are shown, the
// always-on-top ones (a guide, a log) included, so that the question being
// answered is never hidden.
#pragma once

#include <QPointer>
#include <QWidget>

// The window a dialog belongs to: the modal dialog shown, else the active
// window, else the form last active while it is shown; nullptr when none.
QWidget* DialogOwner();

// A dialog made for one showing, owned by the window it belongs to and kept
// on top. Its window may go while it runs (an event pass of the dialog's own
// loop may free it), and the dialog with it: Alive tells.
template <class TDialog>
class TOwnedDialog {
 public:
  TOwnedDialog() : dialog_(new TDialog(DialogOwner())) {}
  ~TOwnedDialog() { delete dialog_.data(); }
  TOwnedDialog(const TOwnedDialog&) = delete;
  TOwnedDialog& operator=(const TOwnedDialog&) = delete;

  // Shows the dialog on top, once it is set up (a change of modality resets
  // a message box's window flags), and waits for its result.
  int Exec() {
    dialog_->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    return dialog_->exec();
  }

  TDialog* operator->() const { return dialog_.data(); }
  TDialog& operator*() const { return *dialog_; }
  bool Alive() const { return !dialog_.isNull(); }

 private:
  QPointer<TDialog> dialog_;
};
