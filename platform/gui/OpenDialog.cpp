#include "OpenDialog.h"

#include <QFileDialog>
#include <QFileInfo>

#include "QtText.h"

std::string QtFileFilter(const std::string& filter) {
  // Pairs of description and mask: Qt takes the masks from the descriptions.
  std::string result;
  std::size_t pos = 0;
  bool description = true;
  while (pos <= filter.size()) {
    std::size_t bar = filter.find('|', pos);
    if (bar == std::string::npos) bar = filter.size();
    if (description) {
      if (!result.empty()) result += ";;";
      result += filter.substr(pos, bar - pos);
    }
    description = !description;
    pos = bar + 1;
  }
  return result;
}

bool TOpenDialog::Execute(QWidget* parent) {
  QFileDialog dialog(parent);
  dialog.setObjectName(QString::fromStdString(name_));
  dialog.setOption(QFileDialog::DontUseNativeDialog);  // the same dialog everywhere, tests included
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setNameFilter(Qs(QtFileFilter(Filter)));
  if (!FileName.empty()) {
    const QFileInfo current(Qs(FileName));
    dialog.setDirectory(current.absolutePath());
    dialog.selectFile(current.fileName());
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
  FileName = As(dialog.selectedFiles().first());
  return true;
}
