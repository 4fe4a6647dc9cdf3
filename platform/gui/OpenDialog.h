// The platform's open-file dialog: a filter in the platform's form
// ("Text|*.txt|All|*.*"), the file name shown first, and the one chosen.
#pragma once

#include <string>

class QWidget;

class TOpenDialog {
 public:
  explicit TOpenDialog(std::string name) : name_(std::move(name)) {}

  std::string Filter;
  std::string FileName;
  // Shows the dialog modally (object name: the component's name); true when
  // the user chose a file, which FileName then holds.
  bool Execute(QWidget* parent = nullptr);

 private:
  std::string name_;
};

// "Exe Files (*.exe)|*.exe|All Files (*.*)|*.*" -> "Exe Files (*.exe);;All Files (*.*)"
std::string QtFileFilter(const std::string& filter);
