// What a long operation in the GUI thread holds while it runs, released in
// every case, also when the operation ends by an exception or the silent
// abort: the hourglass cursor over every window, and a window disabled so
// that the user cannot start another action in it meanwhile.
#pragma once

#include <QPointer>
#include <QWidget>

class THourGlass {
 public:
  THourGlass();
  ~THourGlass();
  THourGlass(const THourGlass&) = delete;
  THourGlass& operator=(const THourGlass&) = delete;
};

class TDisabledWindow {
 public:
  explicit TDisabledWindow(QWidget* window);
  // Enables the window again, unless it was freed meanwhile, and gives the
  // keyboard focus back to the control that had it (disabling took it away).
  ~TDisabledWindow();
  TDisabledWindow(const TDisabledWindow&) = delete;
  TDisabledWindow& operator=(const TDisabledWindow&) = delete;

 private:
  QPointer<QWidget> window_;
  QPointer<QWidget> focus_;
};
