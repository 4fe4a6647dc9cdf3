// The application object: title, executable, help files and the
// application-wide exception event. The GUI layer derives the real one over
// QApplication; without it (tests of windowless code) this base serves.
#pragma once

#include <functional>
#include <string>

#include "Component.h"
#include "Exceptions.h"

using TExceptionEvent = std::function<void(TObject* sender, Exception& e)>;

class TApplication : public TComponent {
 public:
  TApplication();
  ~TApplication() override;

  std::string Title;  // the executable's name without extension at start
  std::string HelpFile;
  TExceptionEvent OnException;

  const std::string& ExeName() const { return exe_name_; }
  void SetExeName(std::string path) { exe_name_ = std::move(path); }
  // Why the executable's path cannot name the program's files (its folder
  // holds characters outside Windows-1252), or empty. A windowed program
  // then refuses to start, since every file beside it would be another one.
  const std::string& ExeNameError() const { return exe_name_error_; }
  virtual std::string CurrentHelpFile() const { return HelpFile; }
  virtual bool Active() const { return false; }
  virtual bool IsRightToLeft() const { return false; }
  virtual void ProcessMessages() {}

  // The standard exception box: the message, with a full stop added when its
  // last byte is above '.', in an error box titled with the application title.
  void ShowException(const Exception& e);
  // Hands an exception to OnException, or to ShowException when no handler is
  // set; the silent abort shows nothing.
  void HandleException(TObject* sender, Exception& e);
  int MessageBox(const std::string& text, const std::string& caption, unsigned flags);

 private:
  std::string exe_name_;
  std::string exe_name_error_;
};

extern TApplication* Application;

// Runs an event handler: whatever it throws goes to the application's
// exception event and no further. Every handler that a window connects runs
// through it, since no exception may cross the framework's frames.
void RunGuarded(TObject* sender, const std::function<void()>& handler) noexcept;

// The full-stop rule shared by the standard exception box and the library.
std::string WithFullStop(std::string message);
