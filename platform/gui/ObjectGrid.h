// The platform's string grid as the scanner window uses it: one column, no
// fixed rows, fixed row heights, every cell carrying an object and no text,
// drawn by the owner. Only the rows in view are drawn, and setting the row
// count costs the same for 3,000 rows as for 30.
//
// The grid has a current row (-1 only while it has no rows; 0 as soon as it
// gains rows). Moving it, by the mouse, the keyboard or SetRow, first asks
// OnSelectCell; the row moves when CanSelect stays True, also when the
// handler ended by an exception, so that the highlighted row is always the
// one the user picked. A click on the current row asks OnSelectCell again,
// so that the row a list starts on can be picked too. Key events reach
// OnKeyDown and OnKeyUp first; a handler that sets Key to 0 swallows the key.
#pragma once

#include <QTableView>
#include <functional>
#include <vector>

class QPainter;

struct TGridDrawState {
  bool Selected = false;  // the current row
  bool Focused = false;   // the current row of the grid that has the focus
};

class TObjectGridBase : public QTableView {
 public:
  TObjectGridBase(int RowHeight, int ColWidth, QWidget* parent = nullptr);
  ~TObjectGridBase() override;

  int RowCount() const { return static_cast<int>(objects_.size()); }
  // New rows are empty; the current row stays unless it lies past the end,
  // when it becomes the last row without OnSelectCell.
  void SetRowCount(int Count);
  int Row() const { return row_; }
  // Moves the current row (nothing when Row is outside or already current);
  // an exception of OnSelectCell reaches the caller.
  void SetRow(int Row);
  // Redraws every row in view.
  void Invalidate();
  // Empties every row: no row holds an object any more.
  void ClearObjects();

  std::function<void(QObject* Sender, int Col, int Row, bool& CanSelect)> OnSelectCell;
  // Runs for each row in view; the handler fills Rect itself.
  std::function<void(QPainter& Canvas, int Row, const QRect& Rect, TGridDrawState State)> OnDrawCell;
  std::function<void(QObject* Sender, int& Key, Qt::KeyboardModifiers Shift)> OnKeyDown;
  std::function<void(QObject* Sender, int& Key, Qt::KeyboardModifiers Shift)> OnKeyUp;

 protected:
  void* ObjectAt(int Row) const;
  void SetObjectAt(int Row, void* Object);

  void keyPressEvent(QKeyEvent* e) override;
  void keyReleaseEvent(QKeyEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;

 private:
  class Rows;
  class Painter;
  // SetRow from a user action: what it throws goes to the exception event.
  void UserSelects(int Row);
  void UpdateRow(int Row);
  int RowsInView() const;

  Rows* rows_;
  std::vector<void*> objects_;
  int row_ = -1;
};

// The grid of T objects: Objects(Row) is the row's object, nullptr for an
// empty row and outside the grid.
template <class T>
class TObjectGrid final : public TObjectGridBase {
 public:
  using TObjectGridBase::TObjectGridBase;
  T* Objects(int Row) const { return static_cast<T*>(ObjectAt(Row)); }
  void SetObjects(int Row, T* Object) { SetObjectAt(Row, Object); }
};
