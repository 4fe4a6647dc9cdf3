#include "ComboBox.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>

#include "Application.h"
#include "Component.h"
#include "QtText.h"

TComboBox::TComboBox(TStyle style, QWidget* parent) : QComboBox(parent) {
  setEditable(style == TStyle::DropDown);
  setInsertPolicy(QComboBox::NoInsert);  // typed text never becomes an item
  connect(this, &QComboBox::activated, this, [this] { Run(OnClick); });
  // The focus sits in the line edit of an editable box, in the box itself
  // otherwise: watch both.
  installEventFilter(this);
  if (lineEdit()) lineEdit()->installEventFilter(this);
}

int TComboBox::ItemIndex() const {
  if (isEditable()) return findText(currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive);
  return currentIndex();
}

void TComboBox::SetItemIndex(int index) { setCurrentIndex(index >= 0 && index < count() ? index : -1); }

std::string TComboBox::Text() const { return As(currentText()); }

void TComboBox::SetText(const std::string& text) {
  if (isEditable()) {
    setEditText(Qs(text));
    return;
  }
  SetItemIndex(findText(Qs(text), Qt::MatchFixedString));
}

void TComboBox::SetItems(const std::vector<std::string>& items) {
  const QString edited = currentText();
  const int index = currentIndex();
  const int kept = std::min(count(), static_cast<int>(items.size()));
  for (int i = 0; i < kept; ++i) setItemText(i, Qs(items[static_cast<std::size_t>(i)]));
  while (count() > static_cast<int>(items.size())) removeItem(count() - 1);
  for (std::size_t i = static_cast<std::size_t>(kept); i < items.size(); ++i) addItem(Qs(items[i]));
  setCurrentIndex(index < count() ? index : -1);
  if (isEditable()) setEditText(edited);
}

bool TComboBox::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut) {
    const auto reason = static_cast<QFocusEvent*>(event)->reason();
    const QWidget* next = QApplication::focusWidget();
    const bool leftBox = next != this && (next == nullptr || !isAncestorOf(next));
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && leftBox) Run(OnExit);
  }
  return QComboBox::eventFilter(watched, event);
}

void TComboBox::Run(const std::function<void(QObject*)>& handler) {
  if (!handler) return;
  RunGuarded(dynamic_cast<TObject*>(window()), [&] { handler(this); });
}
