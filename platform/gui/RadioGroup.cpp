#include "RadioGroup.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

#include "Application.h"
#include "Component.h"
#include "QtText.h"

TRadioGroup::TRadioGroup(const std::string& caption, const std::vector<std::string>& items, QWidget* parent)
    : QGroupBox(Qs(caption), parent), group_(new QButtonGroup(this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 2, 4, 2);
  layout->setSpacing(0);
  for (std::size_t i = 0; i < items.size(); ++i) {
    auto* button = new QRadioButton(Qs(items[i]), this);
    group_->addButton(button, static_cast<int>(i));
    layout->addWidget(button);
  }
  // A click on the item already selected changes nothing and runs nothing.
  connect(group_, &QButtonGroup::idClicked, this, [this](int id) {
    if (id == index_) return;
    index_ = id;
    if (!OnClick) return;
    RunGuarded(dynamic_cast<TObject*>(window()), [this] { OnClick(this); });
  });
}

int TRadioGroup::ItemIndex() const { return index_; }

void TRadioGroup::SetItemIndex(int index) {
  QAbstractButton* button = group_->button(index);
  if (button) {
    button->setChecked(true);
    index_ = index;
  } else if (QAbstractButton* checked = group_->checkedButton()) {
    group_->setExclusive(false);
    checked->setChecked(false);
    group_->setExclusive(true);
    index_ = -1;
  }
}

QRadioButton* TRadioGroup::Item(int index) const { return qobject_cast<QRadioButton*>(group_->button(index)); }
