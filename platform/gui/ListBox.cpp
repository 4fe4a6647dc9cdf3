#include "ListBox.h"

#include "Application.h"
#include "Component.h"

TListBox::TListBox(QWidget* parent) : QListWidget(parent) {
  connect(this, &QAbstractItemView::clicked, this, [this] { Click(); });
}

void TListBox::keyPressEvent(QKeyEvent* e) {
  const int before = currentRow();
  QListWidget::keyPressEvent(e);
  if (currentRow() != before) Click();
}

void TListBox::Click() {
  if (!OnClick) return;
  RunGuarded(dynamic_cast<TObject*>(window()), [this] { OnClick(this); });
}
