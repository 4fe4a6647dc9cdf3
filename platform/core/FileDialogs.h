// Open and save file dialogs and the folder chooser. Each goes through the
// installed FileDialogHost: the GUI application installs real dialogs, tests
// install one that answers from a script. Without a host every dialog is
// cancelled.
#pragma once

#include <string>

// Filters and default extensions are written as on Windows, where the
// programs were made; the dialogs give them their meaning on this host.
// "*.*" names every file, with or without a dot in its name. A program on
// this host is an executable file whatever its name: the program mask
// "*.exe" lists the executable files, and the program extension "exe" is
// never added to a typed name.
inline constexpr const char* AllFilesMask = "*.*";
inline constexpr const char* ProgramMask = "*.exe";
inline constexpr const char* ProgramExt = "exe";

struct FileDialogRequest {
  enum class Kind { Open, Save, Folder };
  Kind kind = Kind::Open;
  std::string title;
  std::string initialDir;  // empty: the host's choice
  std::string fileName;    // proposed file
  std::string filter;      // "Text (*.txt)|*.txt|All Files (*.*)|*.*"
  std::string defaultExt;  // without its dot
  bool fileMustExist = false;
};

class FileDialogHost {
 public:
  virtual ~FileDialogHost() = default;
  // True when the user confirmed; fileName then holds the chosen file (the
  // chosen folder, without a trailing "/", for Kind::Folder).
  virtual bool Show(const FileDialogRequest& request, std::string& fileName) = 0;
};

namespace file_dialogs_detail {
inline FileDialogHost* current = nullptr;
}

// Installs a host (nullptr: none). Returns the previous one.
inline FileDialogHost* SetFileDialogHost(FileDialogHost* host) {
  FileDialogHost* previous = file_dialogs_detail::current;
  file_dialogs_detail::current = host;
  return previous;
}

class TOpenDialog {
 public:
  virtual ~TOpenDialog() = default;

  std::string Title;
  std::string InitialDir;
  std::string FileName;  // proposed before Execute, chosen after it
  std::string Filter;
  std::string DefaultExt;
  bool FileMustExist = false;

  // Runs the dialog; on OK, FileName is the chosen file.
  bool Execute() {
    FileDialogHost* host = file_dialogs_detail::current;
    if (host == nullptr) return false;
    FileDialogRequest r{Kind(), Title, InitialDir, FileName, Filter, DefaultExt, FileMustExist};
    std::string chosen = FileName;
    if (!host->Show(r, chosen)) return false;
    FileName = std::move(chosen);
    return true;
  }

 protected:
  virtual FileDialogRequest::Kind Kind() const { return FileDialogRequest::Kind::Open; }
};

class TSaveDialog : public TOpenDialog {
 protected:
  FileDialogRequest::Kind Kind() const override { return FileDialogRequest::Kind::Save; }
};

// The folder chooser: opens on Directory (the host's choice when empty); on
// OK, Directory becomes the chosen folder, without a trailing "/".
inline bool SelectDirectory(std::string& Directory, const std::string& Caption = {}) {
  FileDialogHost* host = file_dialogs_detail::current;
  if (host == nullptr) return false;
  FileDialogRequest r;
  r.kind = FileDialogRequest::Kind::Folder;
  r.title = Caption;
  r.initialDir = Directory;
  std::string chosen = Directory;
  if (!host->Show(r, chosen)) return false;
  Directory = std::move(chosen);
  return true;
}
