// The platform's radio group: a captioned box of exclusive items. OnClick
// runs when the user moves the selection to another item (by mouse or
// keyboard); setting ItemIndex from code runs nothing.
#pragma once

#include <QGroupBox>
#include <functional>
#include <string>
#include <vector>

class QButtonGroup;
class QRadioButton;

class TRadioGroup final : public QGroupBox {
 public:
  TRadioGroup(const std::string& caption, const std::vector<std::string>& items, QWidget* parent = nullptr);

  int ItemIndex() const;  // -1 when none is selected
  void SetItemIndex(int index);
  QRadioButton* Item(int index) const;

  std::function<void(QObject* Sender)> OnClick;

 private:
  QButtonGroup* group_;
  int index_ = -1;
};
