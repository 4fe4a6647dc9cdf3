#include "CheckListBox.h"

#include "Application.h"
#include "Component.h"
#include "QtText.h"

TCheckListBox::TCheckListBox(QWidget* parent) : QListWidget(parent) {
  setUniformItemSizes(true);
  connect(this, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
    if (setting_ || !OnClickCheck) return;
    setCurrentItem(item);
    RunGuarded(dynamic_cast<TObject*>(window()), [this] { OnClickCheck(this); });
  });
}

int TCheckListBox::Add(const std::string& text) {
  setting_ = true;
  auto* item = new QListWidgetItem(Qs(text), this);
  item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
  item->setCheckState(Qt::Unchecked);
  setting_ = false;
  return count() - 1;
}

void TCheckListBox::SetItems(const std::vector<std::string>& items) {
  setting_ = true;
  for (std::size_t i = 0; i < items.size() && static_cast<int>(i) < count(); ++i)
    item(static_cast<int>(i))->setText(Qs(items[i]));
  setting_ = false;
  while (count() > static_cast<int>(items.size())) delete takeItem(count() - 1);
  for (std::size_t i = static_cast<std::size_t>(count()); i < items.size(); ++i) Add(items[i]);
}

QListWidgetItem* TCheckListBox::At(int index, std::source_location where) const {
  QListWidgetItem* found = index >= 0 ? item(index) : nullptr;
  if (!found) throw EStringListError("List index out of bounds (" + std::to_string(index) + ")", where);
  return found;
}

std::string TCheckListBox::Items(int index) const { return As(At(index)->text()); }

bool TCheckListBox::Checked(int index) const { return At(index)->checkState() == Qt::Checked; }

void TCheckListBox::SetChecked(int index, bool checked) {
  QListWidgetItem* target = At(index);
  setting_ = true;
  target->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
  setting_ = false;
}

void TCheckListBox::SetColumns(int columns) {
  columns_ = columns;
  UpdateGrid();
}

void TCheckListBox::resizeEvent(QResizeEvent* e) {
  QListWidget::resizeEvent(e);
  UpdateGrid();
}

void TCheckListBox::UpdateGrid() {
  setFlow(QListView::TopToBottom);
  if (columns_ <= 1) {
    setWrapping(false);
    setGridSize(QSize());
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    return;
  }
  // The columns share the width: the list never scrolls sideways.
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setWrapping(true);
  setResizeMode(QListView::Adjust);
  setGridSize(QSize(viewport()->width() / columns_, std::max(16, fontMetrics().height() + 2)));
}
