// The platform's check list box: items with a check box each, optionally in
// several columns filled top to bottom. OnClickCheck runs when the user
// toggles a check box, never when code sets one.
#pragma once

#include <QListWidget>
#include <functional>
#include <string>
#include <vector>

#include "Exceptions.h"

class TCheckListBox final : public QListWidget {
 public:
  explicit TCheckListBox(QWidget* parent = nullptr);

  int Count() const { return count(); }
  int Add(const std::string& text);
  // Renames the items in place (check marks kept); adds or removes the rest.
  void SetItems(const std::vector<std::string>& items);
  std::string Items(int index) const;
  bool Checked(int index) const;
  void SetChecked(int index, bool checked);
  int ItemIndex() const { return currentRow(); }
  void SetItemIndex(int index) { setCurrentRow(index); }
  // Columns of equal width over the box's width; items run down the first
  // column, then the next. 0 or 1: one column.
  void SetColumns(int columns);

  std::function<void(QObject* Sender)> OnClickCheck;

 protected:
  void resizeEvent(QResizeEvent* e) override;

 private:
  void UpdateGrid();
  // The item at index; EStringListError outside the list.
  QListWidgetItem* At(int index, HOST_RAISE_SITE) const;

  int columns_ = 0;
  bool setting_ = false;  // code is changing a check mark
};
