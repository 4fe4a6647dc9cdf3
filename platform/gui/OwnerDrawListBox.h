// The platform's owner-drawn list box with a fixed row height. It holds only
// the number of its rows (and, when it shows check boxes, their check marks):
// the owner keeps their data and draws each row in OnDrawItem. Only the rows
// in view are drawn, and adding a row inserts that row alone, so a list of
// 100,000 rows adds and scrolls as fast as a short one.
#pragma once

#include <QTableView>
#include <functional>

class QPainter;

struct TOwnerDrawState {
  bool Selected = false;
  bool Focused = false;
};

class TOwnerDrawListBox final : public QTableView {
 public:
  // The width of the check box at the left of each row, when shown.
  static constexpr int CheckWidth = 15;

  explicit TOwnerDrawListBox(int rowHeight, QWidget* parent = nullptr);
  ~TOwnerDrawListBox() override;

  int Count() const;
  // Appends one row at the end.
  void AddRow();
  // Replaces every row by count new ones (check marks off) in one step.
  void SetCount(int count);
  void Clear();
  // Redraws one row whose data changed.
  void UpdateRow(int index);
  // The current row, -1 when none.
  int ItemIndex() const;
  // Makes index the current and only selected row and scrolls it into view;
  // -1 clears the selection. Runs no OnClick.
  void SetItemIndex(int index);
  // A list that grows by many rows a second, as a log does: SetItemIndex
  // selects and scrolls at the next pass of the event loop, once for all the
  // rows set meanwhile, instead of moving the picture at every row.
  void SetScrollOncePerPass(bool once);
  // The rows are drawn Width pixels wide: while the view is narrower, a
  // horizontal scroll bar lets the user reach their end. 0: as wide as the
  // view, no scroll bar (the start).
  void SetContentWidth(int width);

  // Several rows may be selected at once (Ctrl and Shift clicks); the current
  // row is then the one that has the focus.
  void SetMultiSelect(bool multi);
  int SelCount() const;
  bool Selected(int index) const;
  void SetSelected(int index, bool selected);

  // A check box at the left of each row, CheckWidth wide: OnDrawItem then
  // gets the rectangle to the right of it. A click on a box, or the space
  // bar, toggles the current row's mark and runs OnClickCheck; setting a
  // mark from code runs nothing.
  void SetCheckBoxes(bool shown);
  bool Checked(int index) const;
  void SetChecked(int index, bool checked);

  // Runs for each row in view. The canvas comes prepared: its brush is the
  // list's colour, or the selection colour on a selected row, and its pen the
  // matching text colour; the handler fills Rect itself.
  std::function<void(QPainter& Canvas, int Index, const QRect& Rect, TOwnerDrawState State)> OnDrawItem;
  // The user clicked a row, moved the current row with the keyboard, or
  // dragged the mouse to another row.
  std::function<void(QObject* Sender)> OnClick;
  // The user toggled a check box.
  std::function<void(QObject* Sender)> OnClickCheck;

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  class Rows;
  class Painter;
  void Click();
  void ToggleCheck(int index);

  Rows* rows_;
  bool checkBoxes_ = false;
  void Select(int index);
  void ApplyItemIndex();

  // The current row when the mouse button went down, and whether a click
  // was told since.
  int pressRow_ = -1;
  bool clickedSincePress_ = false;
  bool scrollOncePerPass_ = false;
  bool selectPending_ = false;
  int pendingIndex_ = -1;
};
