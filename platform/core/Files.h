// Files and paths. Paths use the host's "/" separator; a folder path ends
// with it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "DateTime.h"

constexpr char PathDelim = '/';

bool FileExists(const std::string& path);  // a regular file
bool DirectoryExists(const std::string& path);
bool DeleteFile(const std::string& path);

struct FileDetails {
  std::uint64_t size = 0;
  TDateTime date = 0;  // last modification, local time
};
std::optional<FileDetails> FindFileDetails(const std::string& path);

std::string ExtractFilePath(std::string_view path);  // through the last "/"
std::string ExtractFileName(std::string_view path);
std::string ExtractFileExt(std::string_view path);   // with its dot
std::string ChangeFileExt(std::string_view path, std::string_view ext);
std::string IncludeTrailingPathDelimiter(std::string_view path);

// Reads a whole file; nullopt when it cannot be read.
std::optional<std::string> ReadFileBytes(const std::string& path);
// Writes a whole file beside the target and renames it over the target, so
// the target holds either its old bytes or all the new ones. False on failure.
bool ReplaceFileBytes(const std::string& path, std::string_view bytes);
