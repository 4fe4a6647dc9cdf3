// Files and paths. Paths use the host's "/" separator; a folder path ends
// with it. Names are the programs' Windows-1252 text, converted at the
// file-system boundary (FileNames.h).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "DateTime.h"

constexpr char PathDelim = '/';

bool FileExists(const std::string& path);  // a regular file
bool DirectoryExists(const std::string& path);
bool DeleteFile(const std::string& path);
// A regular file this process may run.
bool FileIsExecutable(const std::string& path);

struct FileDetails {
  std::uint64_t size = 0;
  TDateTime date = 0;  // last modification, local time
  // The last modification to the nanosecond the file system keeps: with the
  // size, what tells one version of a file's text from the next.
  std::int64_t modified_ns = 0;
  // The last change of the file itself (its permissions, say), and which
  // file it is: a file replaced by another of the same name is another.
  std::int64_t changed_ns = 0;
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
};
std::optional<FileDetails> FindFileDetails(const std::string& path);

std::string ExtractFilePath(std::string_view path);  // through the last "/"
std::string ExtractFileName(std::string_view path);
std::string ExtractFileExt(std::string_view path);   // with its dot
std::string ChangeFileExt(std::string_view path, std::string_view ext);
std::string IncludeTrailingPathDelimiter(std::string_view path);

// The process's current folder, without a trailing "/"; a folder whose name
// the programs cannot hold raises EConvertError (FileNames.h).
std::string GetCurrentDir();
bool SetCurrentDir(const std::string& dir);
// The names of the regular files and of the folders in a folder, in no
// order; nothing when it cannot be read. Names the programs cannot hold are
// left out.
struct FolderNames {
  std::vector<std::string> files;
  std::vector<std::string> folders;
};
FolderNames FolderEntryNames(const std::string& folder);
inline std::vector<std::string> FolderFileNames(const std::string& folder) { return FolderEntryNames(folder).files; }

// Reads a whole file; nullopt when it cannot be read, errno telling why
// (ENOENT: there is no such file).
std::optional<std::string> ReadFileBytes(const std::string& path);
// Creates an empty file that did not exist; false when it existed or could
// not be created.
bool CreateNewFile(const std::string& path);
// Writes a whole file so that the target holds either its old bytes or all
// the new ones, keeping its permissions, owner and group. It is written
// beside the target and renamed over it; as editors do, a target that a new
// file could not stand for is written into itself instead, its old bytes
// written back when the write fails: one with other hard links, one whose
// owner or group this process may not give to a new file, one in a folder
// that takes no new file. A target that may not be written is left as it
// is: one without write permission for this process, or, since the
// superuser passes every permission check, one that nobody may write, as
// editors treat it. False on failure, errno telling why.
bool ReplaceFileBytes(const std::string& path, std::string_view bytes);
// The platform's text for a file that could not be created or replaced:
// Cannot create file "<path>". <the system's reason>
std::string FileCreateErrorText(const std::string& path, int reason);
