#include "QtFileDialogHost.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QSortFilterProxyModel>
#include <vector>

#include "DialogOwner.h"
#include "FileNames.h"
#include "QtText.h"
#include "SysUtils.h"

namespace {

// The descriptions (even pieces) or the masks (odd pieces) of a filter.
std::vector<std::string> FilterPieces(const std::string& filter, bool masks) {
  std::vector<std::string> pieces;
  std::size_t pos = 0;
  bool description = true;
  while (pos <= filter.size()) {
    std::size_t bar = filter.find('|', pos);
    if (bar == std::string::npos) bar = filter.size();
    if (description != masks) pieces.push_back(filter.substr(pos, bar - pos));
    description = !description;
    pos = bar + 1;
  }
  return pieces;
}

// What the masks of one filter list on this host (FileDialogs.h).
struct HostMasks {
  QStringList names;
  bool programsOnly = false;  // executable files, and the folders
};

HostMasks MasksOf(const std::string& masks) {
  HostMasks m;
  std::size_t pos = 0;
  while (pos <= masks.size()) {
    std::size_t end = masks.find(';', pos);
    if (end == std::string::npos) end = masks.size();
    const std::string mask = Trim(masks.substr(pos, end - pos));
    if (mask == AllFilesMask) {
      m.names << QStringLiteral("*");
    } else if (SameText(mask, ProgramMask)) {
      m.names << QStringLiteral("*");
      m.programsOnly = true;
    } else if (!mask.empty()) {
      m.names << Qs(mask);
    }
    pos = end + 1;
  }
  if (m.names.isEmpty()) m.names << QStringLiteral("*");
  return m;
}

// Hides the files that are no programs while a program filter is chosen.
class ProgramFilter final : public QSortFilterProxyModel {
 public:
  using QSortFilterProxyModel::QSortFilterProxyModel;
  void SetProgramsOnly(bool only) {
    if (only == programsOnly_) return;
    programsOnly_ = only;
    invalidateRowsFilter();
  }

 protected:
  bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
    if (!programsOnly_) return true;
    const auto* files = static_cast<const QFileSystemModel*>(sourceModel());
    const QFileInfo info = files->fileInfo(files->index(row, 0, parent));
    return info.isDir() || info.isExecutable();
  }

 private:
  bool programsOnly_ = false;
};

}  // namespace

std::string QtFileFilter(const std::string& filter) {
  std::string result;
  for (const std::string& description : FilterPieces(filter, false)) {
    if (!result.empty()) result += ";;";
    result += description;
  }
  return result;
}

bool QtFileDialogHost::Show(const FileDialogRequest& r, std::string& fileName) {
  TOwnedDialog<QFileDialog> owned;
  QFileDialog& dialog = *owned;
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
    if (!r.filter.empty()) {
      // The filters show their descriptions as written; what each lists is
      // this host's reading of its masks, applied whenever one is chosen
      // (Qt would read the masks from the descriptions).
      auto* files = dialog.findChild<QFileSystemModel*>();
      auto* programs = new ProgramFilter(&dialog);
      dialog.setProxyModel(programs);
      const std::vector<std::string> masks = FilterPieces(r.filter, true);
      const auto use = [&dialog, files, programs, masks](const QString& chosen) {
        const qsizetype index = dialog.nameFilters().indexOf(chosen);
        if (index < 0 || static_cast<std::size_t>(index) >= masks.size()) return;
        const HostMasks host = MasksOf(masks[static_cast<std::size_t>(index)]);
        if (files != nullptr) files->setNameFilters(host.names);
        programs->SetProgramsOnly(host.programsOnly);
      };
      dialog.setNameFilter(Qs(QtFileFilter(r.filter)));
      QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, use);
      use(dialog.selectedNameFilter());
    }
    if (!r.defaultExt.empty() && !SameText(r.defaultExt, ProgramExt)) dialog.setDefaultSuffix(Qs(r.defaultExt));
  }
  // A proposed file with a folder opens there; otherwise the initial folder.
  const QFileInfo proposed(Qs(r.fileName));
  if (!r.initialDir.empty()) dialog.setDirectory(Qs(r.initialDir));
  if (!r.fileName.empty() && r.kind != FileDialogRequest::Kind::Folder) {
    if (r.fileName.find('/') != std::string::npos) dialog.setDirectory(proposed.absolutePath());
    dialog.selectFile(proposed.fileName());
  }
  if (owned.Exec() != QDialog::Accepted || !owned.Alive() || dialog.selectedFiles().isEmpty()) return false;
  // A picked name the programs cannot hold is refused, never replaced by
  // another name.
  fileName = ProgramName(dialog.selectedFiles().first().toUtf8().toStdString());
  return true;
}
