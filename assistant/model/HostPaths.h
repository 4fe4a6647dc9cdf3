// Where Windows paths meet this host. Client projects are written on Windows:
// uses-clause paths ("Sub\Unit1.pas") and the search path of the project
// options file ("C:\Lib;..\Common") name folders with "\" and drives. Here,
// and nowhere else, they are mapped onto the host: "\" is a folder separator,
// a drive is ignored ("C:\Lib" names "/Lib"), and a file is found as the
// Pascal compiler finds it on a case-sensitive file system: by its name as
// written, else by a case-insensitive match of its name in the same folder;
// so is each of its folders.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// "\" becomes "/", a leading drive ("C:") is dropped.
std::string ToHostPath(std::string_view WindowsPath);

// The absolute form of a path, "." and ".." resolved against the current
// directory, as the platform's ExpandFileName.
std::string ExpandFileName(const std::string& FileName);
// FileName relative to the folder BaseDir ("../Other/Unit1.pas"), as the
// platform's ExtractRelativePath; both absolute.
std::string ExtractRelativePath(const std::string& BaseDir, const std::string& FileName);

// The names of the regular files and sub-folders of folders, read once per
// folder: a walk over a large project looks up many names in few folders.
class TFolderIndex {
 public:
  // The file's name as stored: Name itself, else the one that matches it
  // ignoring ASCII letter case (the first in byte order); empty when none.
  std::string Match(const std::string& Folder, const std::string& Name);
  // The same for a sub-folder of Folder.
  std::string MatchFolder(const std::string& Folder, const std::string& Name);

 private:
  struct TFolder {
    std::unordered_map<std::string, std::string> exact;    // name -> name
    std::unordered_map<std::string, std::string> lower;    // lower-cased -> first name
    std::unordered_map<std::string, std::string> folders;  // lower-cased -> first sub-folder name
  };
  const TFolder& Read(const std::string& Folder);
  std::unordered_map<std::string, std::unique_ptr<TFolder>> FFolders;
};

// The files of a list of folders by name: finds a name in the first folder
// that holds it, as written or else ignoring letter case, with one lookup
// however many folders there are. The folders are read once, at creation.
class TFolderSearch {
 public:
  explicit TFolderSearch(std::vector<std::string> Folders);  // each ending in "/"
  // Folder + stored name of the match, or empty.
  std::string Find(const std::string& Name) const;

 private:
  struct TCandidate {
    std::size_t Folder;  // index in FFolders
    std::string Name;    // as stored
  };
  std::vector<std::string> FFolders;
  // Lower-cased name -> its files, by folder order, then byte order.
  std::unordered_map<std::string, std::vector<TCandidate>> FByName;
};

// The existing folder that Folder names, each of its folders as written or
// else ignoring letter case, with its trailing "/"; empty when there is none.
// An empty Folder (the current one) is itself. With an index, folders are
// read through it.
std::string FindHostFolder(const std::string& Folder, TFolderIndex* Index = nullptr);
// The existing file that Path names (see above), its folders found as
// FindHostFolder finds them, or empty.
std::string FindHostFile(const std::string& Path, TFolderIndex* Index = nullptr);

// Whether a program named by a path, or by a bare name on PATH, exists.
bool ProgramExists(const std::string& Program);
