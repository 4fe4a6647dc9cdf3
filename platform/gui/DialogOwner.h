// Where the programs' own dialogs stand: message boxes, the input box and
// the file dialogs belong to the window the user works in (centred on it).
// They, and every form shown modally (a report window, an options dialog),
// stay above every window of the programs while they are shown, the
// always-on-top ones (a guide, a log) included, so that the window being
// answered is never hidden.
#pragma once

#include <QPointer>
#include <QWidget>

// The window a dialog belongs to: the modal dialog shown, else the active
// window, else the form last active while it is shown; nullptr when none.
QWidget* DialogOwner();

// Keeps a window above all the others while it is shown modally: made before
// the window is shown, once its modality is set (a change of modality resets
// a message box's window flags); at the end the window, when it is still
// there, has its own stacking again.
class TOnTopWhileModal {
 public:
  explicit TOnTopWhileModal(QWidget* window);
  ~TOnTopWhileModal();
  TOnTopWhileModal(const TOnTopWhileModal&) = delete;
  TOnTopWhileModal& operator=(const TOnTopWhileModal&) = delete;

 private:
  QPointer<QWidget> window_;
  bool ownOnTop_;  // the window stays on top of its own
};

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

  // Shows the dialog on top, once it is set up, and waits for its result.
  int Exec() {
    const TOnTopWhileModal onTop(dialog_.data());
    return dialog_->exec();
  }

  TDialog* operator->() const { return dialog_.data(); }
  TDialog& operator*() const { return *dialog_; }
  bool Alive() const { return !dialog_.isNull(); }

 private:
  QPointer<TDialog> dialog_;
};
