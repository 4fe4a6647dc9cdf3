// The base of every window of the programs: a top-level widget with a name,
// a Windows-1252 caption, a help file, and a modal show that returns a modal
// result. Every form is on the screen's form list from construction to
// destruction, shown or not.
#pragma once

#include <QWidget>
#include <string>

#include "Component.h"
#include "Dialogs.h"
#include "Exceptions.h"
#include "InvalidOperation.h"

class QEventLoop;

class TForm : public QWidget, public TObject {
  Q_OBJECT

 public:
  explicit TForm(QWidget* parent = nullptr);
  ~TForm() override;

  std::string Name() const { return objectName().toStdString(); }
  void SetName(const std::string& name) { setObjectName(QString::fromStdString(name)); }
  std::string Caption() const;
  void SetCaption(const std::string& caption);

  std::string HelpFile;

  // Shows the form application-modal, above every other window meanwhile
  // (DialogOwner.h), and waits until it closes; returns its modal result
  // (mrCancel when closed without one). Raises EInvalidOperation
  // when the form is already visible or disabled.
  int ShowModal(HOST_RAISE_SITE);
  int ModalResult() const { return modal_result_; }
  // On a modal form a non-zero result closes it, once the close query agrees.
  void SetModalResult(int result);
  bool IsModal() const { return loop_ != nullptr; }

  void Close() { close(); }

 protected:
  // Asked before the form closes; set canClose to false to keep it open.
  // Runs guarded: an exception keeps the form open and goes to the
  // application's exception event. Not asked while a running operation
  // holds the form (TOperation, BusyGuards.h): the close is refused.
  virtual void FormCloseQuery(bool& canClose);

  bool event(QEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  void hideEvent(QHideEvent* e) override;

 private:
  int modal_result_ = mrNone;
  QEventLoop* loop_ = nullptr;
};
