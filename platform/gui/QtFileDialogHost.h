// Real Qt dialogs for the open and save file dialogs and the folder chooser
// (FileDialogs.h). They are Qt's own dialogs rather than the desktop's, so
// they look and answer alike everywhere, tests included: the dialog is named
// "FileDialog", its name box "fileNameEdit", its buttons carry Qt's texts
// ("Open", "Save", "Choose", "Cancel"). The save dialog asks before it
// replaces an existing file, as the host's save dialogs do.
#pragma once

#include <string>

#include "FileDialogs.h"

class QtFileDialogHost final : public FileDialogHost {
 public:
  bool Show(const FileDialogRequest& request, std::string& fileName) override;
};

// The platform's filter as Qt's: "Exe Files (*.exe)|*.exe|All Files (*.*)|*.*"
// becomes "Exe Files (*.exe);;All Files (*.*)" (Qt reads the masks from the
// descriptions).
std::string QtFileFilter(const std::string& filter);
