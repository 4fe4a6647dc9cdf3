#include "OwnerDrawListBox.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>

#include "Application.h"
#include "Component.h"

// One column, and rows that hold nothing: the owner keeps the data.
class TOwnerDrawListBox::Rows final : public QAbstractTableModel {
 public:
  using QAbstractTableModel::QAbstractTableModel;
  int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : count; }
  int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : 1; }
  QVariant data(const QModelIndex&, int) const override { return {}; }
  void Append() {
    beginInsertRows({}, count, count);
    ++count;
    endInsertRows();
  }
  void Reset() {
    beginResetModel();
    count = 0;
    endResetModel();
  }
  void Changed(int row) { emit dataChanged(index(row, 0), index(row, 0)); }
  int count = 0;
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
    RunGuarded(dynamic_cast<TObject*>(list_->window()),
               [&] { list_->OnDrawItem(*painter, index.row(), option.rect, state); });
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
  connect(this, &QAbstractItemView::clicked, this, [this] { Click(); });
}

TOwnerDrawListBox::~TOwnerDrawListBox() = default;

int TOwnerDrawListBox::Count() const { return rows_->count; }

void TOwnerDrawListBox::AddRow() { rows_->Append(); }

void TOwnerDrawListBox::Clear() { rows_->Reset(); }

void TOwnerDrawListBox::UpdateRow(int index) {
  if (index >= 0 && index < Count()) rows_->Changed(index);
}

int TOwnerDrawListBox::ItemIndex() const { return currentIndex().isValid() ? currentIndex().row() : -1; }

void TOwnerDrawListBox::SetItemIndex(int index) {
  if (index < 0 || index >= Count()) {
    selectionModel()->clear();
    return;
  }
  const QModelIndex row = rows_->index(index, 0);
  selectionModel()->setCurrentIndex(row, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  scrollTo(row);
}

void TOwnerDrawListBox::keyPressEvent(QKeyEvent* e) {
  const int before = ItemIndex();
  QTableView::keyPressEvent(e);
  if (ItemIndex() != before) Click();
}

void TOwnerDrawListBox::Click() {
  if (!OnClick) return;
  RunGuarded(dynamic_cast<TObject*>(window()), [this] { OnClick(this); });
}
