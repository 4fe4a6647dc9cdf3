// The platform's owner-drawn list box with a fixed row height. It holds only
// the number of its rows: the owner keeps their data and draws each row in
// OnDrawItem. Only the rows in view are drawn, and adding a row inserts that
// row alone, so a list of 100,000 rows adds and scrolls as fast as a short
// one.
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
  explicit TOwnerDrawListBox(int rowHeight, QWidget* parent = nullptr);
  ~TOwnerDrawListBox() override;

  int Count() const;
  // Appends one row at the end.
  void AddRow();
  void Clear();
  // Redraws one row whose data changed.
  void UpdateRow(int index);
  // The current row, -1 when none.
  int ItemIndex() const;
  // Makes index the current and only selected row and scrolls it into view;
  // -1 clears the selection. Runs no OnClick.
  void SetItemIndex(int index);

  // Runs for each row in view. The canvas comes prepared: its brush is the
  // list's colour, or the selection colour on a selected row, and its pen the
  // matching text colour; the handler fills Rect itself.
  std::function<void(QPainter& Canvas, int Index, const QRect& Rect, TOwnerDrawState State)> OnDrawItem;
  // The user clicked a row or moved the current row with the keyboard.
  std::function<void(QObject* Sender)> OnClick;

 protected:
  void keyPressEvent(QKeyEvent* e) override;

 private:
  class Rows;
  class Painter;
  void Click();

  Rows* rows_;
};
