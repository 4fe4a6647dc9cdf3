#include "OwnerDrawListBox.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionViewItem>
#include <QStyledItemDelegate>
#include <QTimer>
#include <algorithm>
#include <vector>

#include "Application.h"
#include "Component.h"

// One column, and rows that hold nothing but a check mark: the owner keeps
// the data.
class TOwnerDrawListBox::Rows final : public QAbstractTableModel {
 public:
  using QAbstractTableModel::QAbstractTableModel;
  int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : count; }
  int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : 1; }
  QVariant data(const QModelIndex&, int) const override { return {}; }
  void Append() {
    beginInsertRows({}, count, count);
    ++count;
    checks.push_back(false);
    endInsertRows();
  }
  void Reset(int rows) {
    beginResetModel();
    count = rows;
    checks.assign(static_cast<std::size_t>(rows), false);
    endResetModel();
  }
  void Changed(int row) { emit dataChanged(index(row, 0), index(row, 0)); }
  int count = 0;
  std::vector<bool> checks;
};

class TOwnerDrawListBox::Painter final : public QStyledItemDelegate {
 public:
  explicit Painter(TOwnerDrawListBox* list) : QStyledItemDelegate(list), list_(list) {}
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    if (!list_->OnDrawItem) return;
    const TOwnerDrawState state{(option.state & QStyle::State_Selected) != 0,
                                (option.state & QStyle::State_HasFocus) != 0};
    const QPalette& palette = list_->palette();
    painter->save();
    painter->setBrush(state.Selected ? palette.highlight() : palette.base());
    painter->setPen(state.Selected ? palette.highlightedText().color() : palette.text().color());
    painter->setFont(list_->font());
    QRect rect = option.rect;
    if (list_->checkBoxes_) {
      // The box stands on the list's colour, selected row or not.
      const QRect box(rect.left(), rect.top(), CheckWidth, rect.height());
      painter->fillRect(box, palette.base());
      QStyleOptionViewItem check(option);
      check.rect = QRect(box.left() + 1, box.top() + (box.height() - 13) / 2, 13, 13);
      check.state = QStyle::State_Enabled | (list_->Checked(index.row()) ? QStyle::State_On : QStyle::State_Off);
      list_->style()->drawPrimitive(QStyle::PE_IndicatorItemViewItemCheck, &check, painter, list_);
      rect.setLeft(box.right() + 1);
    }
    RunGuarded(dynamic_cast<TObject*>(list_->window()), [&] { list_->OnDrawItem(*painter, index.row(), rect, state); });
    painter->restore();
  }

 private:
  TOwnerDrawListBox* list_;
};

TOwnerDrawListBox::TOwnerDrawListBox(int rowHeight, QWidget* parent) : QTableView(parent), rows_(new Rows(this)) {
  setModel(rows_);
  setItemDelegate(new Painter(this));
  setShowGrid(false);
  setWordWrap(false);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  horizontalHeader()->hide();
  horizontalHeader()->setStretchLastSection(true);
  verticalHeader()->hide();
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setMinimumSectionSize(rowHeight);
  verticalHeader()->setDefaultSectionSize(rowHeight);
  connect(this, &QAbstractItemView::clicked, this, [this] {
    clickedSincePress_ = true;
    Click();
  });
}

TOwnerDrawListBox::~TOwnerDrawListBox() = default;

int TOwnerDrawListBox::Count() const { return rows_->count; }

void TOwnerDrawListBox::AddRow() { rows_->Append(); }

void TOwnerDrawListBox::SetCount(int count) { rows_->Reset(std::max(count, 0)); }

void TOwnerDrawListBox::Clear() { rows_->Reset(0); }

void TOwnerDrawListBox::UpdateRow(int index) {
  if (index >= 0 && index < Count()) rows_->Changed(index);
}

int TOwnerDrawListBox::ItemIndex() const {
  if (selectPending_) return pendingIndex_ >= 0 && pendingIndex_ < Count() ? pendingIndex_ : -1;
  return currentIndex().isValid() ? currentIndex().row() : -1;
}

void TOwnerDrawListBox::SetItemIndex(int index) {
  if (scrollOncePerPass_) {
    // The selection and the picture follow at the next pass, once for all
    // the rows set meanwhile; ItemIndex already answers the new row.
    pendingIndex_ = index;
    if (!selectPending_) {
      selectPending_ = true;
      QTimer::singleShot(0, this, [this] { ApplyItemIndex(); });
    }
    return;
  }
  Select(index);
}

void TOwnerDrawListBox::Select(int index) {
  if (index < 0 || index >= Count()) {
    selectionModel()->clear();
    return;
  }
  const QModelIndex row = rows_->index(index, 0);
  selectionModel()->setCurrentIndex(row, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  scrollTo(row);
}

void TOwnerDrawListBox::ApplyItemIndex() {
  if (!selectPending_) return;
  selectPending_ = false;
  Select(pendingIndex_);
}

void TOwnerDrawListBox::SetScrollOncePerPass(bool once) { scrollOncePerPass_ = once; }

void TOwnerDrawListBox::SetContentWidth(int width) {
  // The one column still fills the view; it is never narrower than the rows.
  horizontalHeader()->setMinimumSectionSize(std::max(width, 0));
  setHorizontalScrollBarPolicy(width > 0 ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
  setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
}

void TOwnerDrawListBox::SetMultiSelect(bool multi) {
  setSelectionMode(multi ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
}

int TOwnerDrawListBox::SelCount() const { return static_cast<int>(selectionModel()->selectedRows().size()); }

bool TOwnerDrawListBox::Selected(int index) const {
  return index >= 0 && index < Count() && selectionModel()->isRowSelected(index, {});
}

void TOwnerDrawListBox::SetSelected(int index, bool selected) {
  if (index < 0 || index >= Count()) return;
  selectionModel()->select(rows_->index(index, 0), (selected ? QItemSelectionModel::Select : QItemSelectionModel::Deselect) |
                                                       QItemSelectionModel::Rows);
}

void TOwnerDrawListBox::SetCheckBoxes(bool shown) {
  checkBoxes_ = shown;
  viewport()->update();
}

bool TOwnerDrawListBox::Checked(int index) const {
  return index >= 0 && index < Count() && rows_->checks[static_cast<std::size_t>(index)];
}

void TOwnerDrawListBox::SetChecked(int index, bool checked) {
  if (index < 0 || index >= Count()) return;
  rows_->checks[static_cast<std::size_t>(index)] = checked;
  rows_->Changed(index);
}

void TOwnerDrawListBox::ToggleCheck(int index) {
  SetChecked(index, !Checked(index));
  if (OnClickCheck) RunGuarded(dynamic_cast<TObject*>(window()), [this] { OnClickCheck(this); });
}

void TOwnerDrawListBox::mousePressEvent(QMouseEvent* e) {
  pressRow_ = ItemIndex();
  clickedSincePress_ = false;
  QTableView::mousePressEvent(e);
  const int row = rowAt(e->position().toPoint().y());
  if (checkBoxes_ && e->button() == Qt::LeftButton && row >= 0 && e->position().x() < CheckWidth) ToggleCheck(row);
}

void TOwnerDrawListBox::mouseReleaseEvent(QMouseEvent* e) {
  QTableView::mouseReleaseEvent(e);
  // A press on one row and a release on another is no click, yet the
  // current row moved: the host's list tells of it all the same.
  if (e->button() == Qt::LeftButton && !clickedSincePress_ && ItemIndex() != pressRow_) Click();
  clickedSincePress_ = true;
}

void TOwnerDrawListBox::keyPressEvent(QKeyEvent* e) {
  if (checkBoxes_ && e->key() == Qt::Key_Space && ItemIndex() >= 0) {
    ToggleCheck(ItemIndex());
    return;
  }
  const int before = ItemIndex();
  QTableView::keyPressEvent(e);
  if (ItemIndex() != before) Click();
}

void TOwnerDrawListBox::Click() {
  if (!OnClick) return;
  RunGuarded(dynamic_cast<TObject*>(window()), [this] { OnClick(this); });
}
