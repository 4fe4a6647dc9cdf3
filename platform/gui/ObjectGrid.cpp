#include "ObjectGrid.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <algorithm>

#include "Application.h"
#include "Component.h"

namespace {
TObject* SenderOf(QWidget* grid) { return dynamic_cast<TObject*>(grid->window()); }
}  // namespace

// One column of rows that hold nothing: the grid keeps the objects.
class TObjectGridBase::Rows final : public QAbstractTableModel {
 public:
  using QAbstractTableModel::QAbstractTableModel;
  int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : count; }
  int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : 1; }
  QVariant data(const QModelIndex&, int) const override { return {}; }
  void Resize(int n) {
    if (n > count) {
      beginInsertRows({}, count, n - 1);
      count = n;
      endInsertRows();
    } else if (n < count) {
      beginRemoveRows({}, n, count - 1);
      count = n;
      endRemoveRows();
    }
  }
  int count = 0;
};

class TObjectGridBase::Painter final : public QStyledItemDelegate {
 public:
  explicit Painter(TObjectGridBase* grid) : QStyledItemDelegate(grid), grid_(grid) {}
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    if (!grid_->OnDrawCell) return;
    const bool current = index.row() == grid_->Row();
    const TGridDrawState state{current, current && grid_->hasFocus()};
    painter->save();
    painter->setFont(grid_->font());
    RunGuarded(SenderOf(grid_), [&] { grid_->OnDrawCell(*painter, index.row(), option.rect, state); });
    painter->restore();
  }

 private:
  TObjectGridBase* grid_;
};

TObjectGridBase::TObjectGridBase(int RowHeight, int ColWidth, QWidget* parent)
    : QTableView(parent), rows_(new Rows(this)) {
  setModel(rows_);
  setItemDelegate(new Painter(this));
  setShowGrid(false);
  setWordWrap(false);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::NoSelection);
  setFocusPolicy(Qt::StrongFocus);
  horizontalHeader()->hide();
  horizontalHeader()->setMinimumSectionSize(1);
  horizontalHeader()->setDefaultSectionSize(ColWidth);
  setColumnWidth(0, ColWidth);
  // Scrolling by whole columns would leave the one wide column unscrollable.
  setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  verticalHeader()->hide();
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setMinimumSectionSize(1);
  verticalHeader()->setDefaultSectionSize(RowHeight);
}

TObjectGridBase::~TObjectGridBase() = default;

void TObjectGridBase::SetRowCount(int Count) {
  Count = std::max(Count, 0);
  objects_.resize(static_cast<std::size_t>(Count), nullptr);
  rows_->Resize(Count);
  if (Count == 0)
    row_ = -1;
  else
    row_ = std::clamp(row_, 0, Count - 1);
  Invalidate();
}

void TObjectGridBase::SetRow(int Row) {
  if (Row < 0 || Row >= RowCount() || Row == row_) return;
  const auto move = [this, Row] {
    const int old = row_;
    row_ = Row;
    UpdateRow(old);
    UpdateRow(row_);
    // Into view vertically; the wide column keeps its horizontal scroll.
    const int left = horizontalScrollBar()->value();
    scrollTo(rows_->index(row_, 0));
    horizontalScrollBar()->setValue(left);
  };
  bool canSelect = true;
  if (OnSelectCell) {
    try {
      OnSelectCell(this, 0, Row, canSelect);
    } catch (...) {
      if (canSelect) move();
      throw;
    }
  }
  if (canSelect) move();
}

void TObjectGridBase::Invalidate() { viewport()->update(); }

void TObjectGridBase::ClearObjects() {
  std::fill(objects_.begin(), objects_.end(), nullptr);
  Invalidate();
}

void* TObjectGridBase::ObjectAt(int Row) const {
  return Row >= 0 && Row < RowCount() ? objects_[static_cast<std::size_t>(Row)] : nullptr;
}

void TObjectGridBase::SetObjectAt(int Row, void* Object) {
  if (Row < 0 || Row >= RowCount()) return;
  objects_[static_cast<std::size_t>(Row)] = Object;
  // The whole view: a fill of thousands of rows costs one repaint.
  Invalidate();
}

void TObjectGridBase::UpdateRow(int Row) {
  if (Row >= 0 && Row < RowCount()) viewport()->update(visualRect(rows_->index(Row, 0)));
}

int TObjectGridBase::RowsInView() const {
  return std::max(1, viewport()->height() / std::max(1, verticalHeader()->defaultSectionSize()));
}

void TObjectGridBase::UserSelects(int Row) {
  RunGuarded(SenderOf(this), [this, Row] { SetRow(Row); });
}

void TObjectGridBase::keyPressEvent(QKeyEvent* e) {
  int key = e->key();
  if (OnKeyDown) RunGuarded(SenderOf(this), [&] { OnKeyDown(this, key, e->modifiers()); });
  e->accept();
  if (key == 0 || RowCount() == 0) return;
  const int last = RowCount() - 1;
  switch (key) {
    case Qt::Key_Up: UserSelects(std::max(row_ - 1, 0)); break;
    case Qt::Key_Down: UserSelects(std::min(row_ + 1, last)); break;
    case Qt::Key_PageUp: UserSelects(std::max(row_ - RowsInView(), 0)); break;
    case Qt::Key_PageDown: UserSelects(std::min(row_ + RowsInView(), last)); break;
    case Qt::Key_Home: UserSelects(0); break;
    case Qt::Key_End: UserSelects(last); break;
    default: e->ignore(); break;
  }
}

void TObjectGridBase::keyReleaseEvent(QKeyEvent* e) {
  e->accept();
  // One key up per key held, as the platform sends it: none for repeats.
  if (e->isAutoRepeat() || !OnKeyUp) return;
  int key = e->key();
  RunGuarded(SenderOf(this), [&] { OnKeyUp(this, key, e->modifiers()); });
}

void TObjectGridBase::mousePressEvent(QMouseEvent* e) {
  setFocus(Qt::MouseFocusReason);
  const int row = rowAt(static_cast<int>(e->position().y()));
  e->accept();
  if (row < 0) return;
  if (row != row_) {
    UserSelects(row);
  } else if (OnSelectCell) {
    bool canSelect = true;
    RunGuarded(SenderOf(this), [&] { OnSelectCell(this, 0, row, canSelect); });
  }
}

void TObjectGridBase::mouseDoubleClickEvent(QMouseEvent* e) { e->accept(); }

void TObjectGridBase::focusInEvent(QFocusEvent* e) {
  QTableView::focusInEvent(e);
  UpdateRow(row_);
}

void TObjectGridBase::focusOutEvent(QFocusEvent* e) {
  QTableView::focusOutEvent(e);
  UpdateRow(row_);
}
