// The platform's list box: OnClick runs when the user clicks an item or
// moves the selection with the keyboard; setting ItemIndex from code runs
// nothing.
#pragma once

#include <QListWidget>
#include <functional>

class TListBox final : public QListWidget {
 public:
  explicit TListBox(QWidget* parent = nullptr);

  int ItemIndex() const { return currentRow(); }
  void SetItemIndex(int index) { setCurrentRow(index); }

  std::function<void(QObject* Sender)> OnClick;

 protected:
  void keyPressEvent(QKeyEvent* e) override;

 private:
  void Click();
};
