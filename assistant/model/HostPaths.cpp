#include "HostPaths.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "Files.h"
#include "Lumbrick.h"
#include "SysUtils.h"

namespace fs = std::filesystem;

std::string ToHostPath(std::string_view WindowsPath) try {
  std::string r(WindowsPath);
  if (r.size() >= 2 && r[1] == ':' &&
      ((r[0] >= 'A' && r[0] <= 'Z') || (r[0] >= 'a' && r[0] <= 'z')))
    r.erase(0, 2);
  for (char& c : r)
    if (c == '\\') c = '/';
  return r;
} catch (...) {
  VIX->Push("Function ToHostPath");
  throw;
}

std::string ExpandFileName(const std::string& FileName) try {
  const fs::path p(FileName);
  return (p.is_absolute() ? p : fs::path(GetCurrentDir()) / p).lexically_normal().string();
} catch (...) {
  VIX->Push("Function ExpandFileName");
  throw;
}

std::string ExtractRelativePath(const std::string& BaseDir, const std::string& FileName) try {
  std::string base = BaseDir;
  while (base.size() > 1 && base.back() == PathDelim) base.pop_back();
  // The common case, a file under the folder named as the folder is, needs
  // no path arithmetic.
  if (FileName.size() > base.size() + 1 && FileName.starts_with(base) && FileName[base.size()] == PathDelim) {
    const std::string_view rest = std::string_view(FileName).substr(base.size() + 1);
    if (rest.front() != '.' && rest.find("/.") == std::string_view::npos && rest.find("//") == std::string_view::npos)
      return std::string(rest);
  }
  const fs::path relative =
      fs::path(FileName).lexically_normal().lexically_relative(fs::path(base).lexically_normal());
  return relative.empty() ? FileName : relative.string();
} catch (...) {
  VIX->Push("Function ExtractRelativePath");
  throw;
}

const TFolderIndex::TFolder& TFolderIndex::Read(const std::string& Folder) try {
  std::unique_ptr<TFolder>& slot = FFolders[Folder];
  if (slot) return *slot;
  slot = std::make_unique<TFolder>();
  const FolderNames names = FolderEntryNames(Folder);
  for (const std::string& name : names.folders) {
    std::string& first = slot->folders[LowerCase(name)];
    if (first.empty() || name < first) first = name;
  }
  for (const std::string& name : names.files) {
    std::string& first = slot->lower[LowerCase(name)];
    if (first.empty() || name < first) first = name;
    slot->exact.emplace(name, name);
  }
  return *slot;
} catch (...) {
  VIX->Push("Function TFolderIndex.Read");
  throw;
}

std::string TFolderIndex::Match(const std::string& Folder, const std::string& Name) try {
  const TFolder& f = Read(Folder);
  if (auto it = f.exact.find(Name); it != f.exact.end()) return it->second;
  if (auto it = f.lower.find(LowerCase(Name)); it != f.lower.end()) return it->second;
  return {};
} catch (...) {
  VIX->Push("Function TFolderIndex.Match");
  throw;
}

std::string TFolderIndex::MatchFolder(const std::string& Folder, const std::string& Name) try {
  const TFolder& f = Read(Folder);
  const auto it = f.folders.find(LowerCase(Name));
  return it == f.folders.end() ? std::string() : it->second;
} catch (...) {
  VIX->Push("Function TFolderIndex.MatchFolder");
  throw;
}

TFolderSearch::TFolderSearch(std::vector<std::string> Folders) try : FFolders(std::move(Folders)) {
  for (std::size_t f = 0; f < FFolders.size(); ++f) {
    for (std::string& name : FolderFileNames(FFolders[f])) FByName[LowerCase(name)].push_back({f, std::move(name)});
  }
  for (auto& [lower, candidates] : FByName)
    std::sort(candidates.begin(), candidates.end(), [](const TCandidate& A, const TCandidate& B) {
      return A.Folder != B.Folder ? A.Folder < B.Folder : A.Name < B.Name;
    });
} catch (...) {
  VIX->Push("Constructor TFolderSearch.Create");
  throw;
}

std::string TFolderSearch::Find(const std::string& Name) const try {
  const auto it = FByName.find(LowerCase(Name));
  if (it == FByName.end()) return {};
  const std::vector<TCandidate>& candidates = it->second;
  const std::size_t folder = candidates.front().Folder;
  for (const TCandidate& c : candidates) {
    if (c.Folder != folder) break;
    if (c.Name == Name) return FFolders[folder] + c.Name;
  }
  return FFolders[folder] + candidates.front().Name;
} catch (...) {
  VIX->Push("Function TFolderSearch.Find");
  throw;
}

std::string FindHostFolder(const std::string& Folder, TFolderIndex* Index) try {
  if (Folder.empty()) return {};
  const std::string folder = IncludeTrailingPathDelimiter(Folder);
  if (DirectoryExists(folder)) return folder;
  // Folder by folder from the root (or the current folder), the stored name
  // of each that is not there as written.
  TFolderIndex once;
  TFolderIndex& index = Index ? *Index : once;
  std::string found = folder.front() == PathDelim ? std::string(1, PathDelim) : std::string();
  std::size_t start = found.size();
  for (std::size_t slash; (slash = folder.find(PathDelim, start)) != std::string::npos; start = slash + 1) {
    const std::string name = folder.substr(start, slash - start);
    if (name.empty()) continue;
    if (name == "." || name == ".." || DirectoryExists(found + name)) {
      found += name + PathDelim;
      continue;
    }
    const std::string stored = index.MatchFolder(found, name);
    if (stored.empty()) return {};
    found += stored + PathDelim;
  }
  return found;
} catch (...) {
  VIX->Push("Function FindHostFolder");
  throw;
}

std::string FindHostFile(const std::string& Path, TFolderIndex* Index) try {
  const std::string name = ExtractFileName(Path);
  if (name.empty()) return {};
  if (!Index && FileExists(Path)) return Path;
  std::string folder = ExtractFilePath(Path);
  if (!folder.empty()) {
    folder = FindHostFolder(folder, Index);
    if (folder.empty()) return {};
  }
  TFolderIndex once;
  const std::string found = (Index ? *Index : once).Match(folder, name);
  return found.empty() ? std::string() : folder + found;
} catch (...) {
  VIX->Push("Function FindHostFile");
  throw;
}

bool ProgramExists(const std::string& Program) try {
  if (Program.empty()) return false;
  if (Program.find(PathDelim) != std::string::npos) return FileExists(Program);
  const char* path = std::getenv("PATH");
  std::string_view rest = path ? path : "";
  while (true) {
    const std::size_t colon = rest.find(':');
    const std::string_view dir = rest.substr(0, colon);  // empty: the current directory
    const std::string candidate = IncludeTrailingPathDelimiter(dir.empty() ? std::string_view(".") : dir) + Program;
    if (FileIsExecutable(candidate)) return true;
    if (colon == std::string_view::npos) return false;
    rest.remove_prefix(colon + 1);
  }
} catch (...) {
  VIX->Push("Function ProgramExists");
  throw;
}
