#include "QtFileDialogHost.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>

#include "FileNames.h"
#include "QtText.h"

std::string QtFileFilter(const std::string& filter) {
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

bool QtFileDialogHost::Show(const FileDialogRequest& r, std::string& fileName) {
  QFileDialog dialog(QApplication::activeWindow());
  dialog.setObjectName(QStringLiteral("FileDialog"));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setWindowModality(Qt::ApplicationModal);
  if (!r.title.empty()) dialog.setWindowTitle(Qs(r.title));
  switch (r.kind) {
    case FileDialogRequest::Kind::Open:
      dialog.setAcceptMode(QFileDialog::AcceptOpen);
      dialog.setFileMode(r.fileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
      break;
    case FileDialogRequest::Kind::Save:
      dialog.setAcceptMode(QFileDialog::AcceptSave);
      dialog.setFileMode(QFileDialog::AnyFile);
      break;
    case FileDialogRequest::Kind::Folder:
      dialog.setAcceptMode(QFileDialog::AcceptOpen);
      dialog.setFileMode(QFileDialog::Directory);
      dialog.setOption(QFileDialog::ShowDirsOnly);
      break;
  }
  if (r.kind != FileDialogRequest::Kind::Folder) {
    if (!r.filter.empty()) dialog.setNameFilter(Qs(QtFileFilter(r.filter)));
    if (!r.defaultExt.empty()) dialog.setDefaultSuffix(Qs(r.defaultExt));
  }
  // A proposed file with a folder opens there; otherwise the initial folder.
  const QFileInfo proposed(Qs(r.fileName));
  if (!r.initialDir.empty()) dialog.setDirectory(Qs(r.initialDir));
  if (!r.fileName.empty() && r.kind != FileDialogRequest::Kind::Folder) {
    if (r.fileName.find('/') != std::string::npos) dialog.setDirectory(proposed.absolutePath());
    dialog.selectFile(proposed.fileName());
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
  // A picked name the programs cannot hold is refused, never replaced by
  // another name.
  fileName = ProgramName(dialog.selectedFiles().first().toUtf8().toStdString());
  return true;
}
