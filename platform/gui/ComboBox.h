// The platform's combo boxes: a drop-down list (the text is one of the items)
// or an editable box (free text with a list to pick from). OnClick runs when
// the user picks an item, by mouse or keyboard, never when code sets the
// index or the text. OnExit runs when the keyboard focus leaves the box for
// another control (not when the window itself loses the activation).
#pragma once

#include <QComboBox>
#include <functional>
#include <string>
#include <vector>

class TComboBox final : public QComboBox {
 public:
  enum class TStyle { DropDownList, DropDown };
  explicit TComboBox(TStyle style, QWidget* parent = nullptr);

  // -1 when no item is selected; in an editable box, the item whose text
  // the box holds, -1 when none.
  int ItemIndex() const;
  void SetItemIndex(int index);
  std::string Text() const;
  void SetText(const std::string& text);
  // Sets the items' texts. Items already there are renamed in place, so the
  // selection stays where it was.
  void SetItems(const std::vector<std::string>& items);

  std::function<void(QObject* Sender)> OnClick;
  std::function<void(QObject* Sender)> OnExit;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Run(const std::function<void(QObject*)>& handler);
};
