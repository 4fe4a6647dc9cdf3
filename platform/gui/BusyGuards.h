// What a long operation in the GUI thread holds while it runs, released in
// every case, also when the operation ends by an exception or the silent
// abort: the hourglass cursor over every window, a window disabled so that
// the user cannot start another action in it meanwhile, and the operation
// itself, which keeps the other windows out of its way.
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

// The one operation of the GUI thread, which processes pending events while
// it runs (so that its progress shows and its Cancel answers): nothing the
// user does meanwhile may reach its objects. From its start to its end every
// window shown at its start, except the one it leaves live (the operation
// log), takes no input (clicks, keys, the wheel, its menus' shortcuts) and
// refuses to close (TForm asks Holds), so that no window is freed while one
// of its handlers is on the stack. Windows shown later, the operation's own
// message boxes, take input as usual. The windows keep their look: what the
// caller disables stays its own business. An operation begun inside a
// running one is part of it: the outer one's end releases the windows.
class TOperation {
 public:
  explicit TOperation(QWidget* live);
  ~TOperation();
  TOperation(const TOperation&) = delete;
  TOperation& operator=(const TOperation&) = delete;

  static bool Running();
  // The window was shown when the running operation began: it takes no
  // input and is kept from closing until the operation ends.
  static bool Holds(const QWidget* window);
};
