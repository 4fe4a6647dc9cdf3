#include "FileSearch.h"

#include <array>

#include "CommonGlobals.h"
#include "Files.h"
#include "HostPaths.h"
#include "Lumbrick.h"

bool FindFile(std::string& FileName) try {
  const std::string name = ExtractFileName(FileName);
  const std::array<std::string, 3> candidates{FileName, ExeDir + name, VIX->AppPath + name};
  bool found = false;
  for (const std::string& candidate : candidates) {
    FileName = candidate;
    if (FileExists(candidate)) {
      found = true;
      break;
    }
  }
  if (ExtractFilePath(FileName).empty()) {
    FileName = IncludeTrailingPathDelimiter(GetCurrentDir()) + FileName;
  }
  return found;
} catch (...) {
  VIX->Push("Function FindFile");
  throw;
}

std::string RelativeToAbsolutePath(const std::string& FileName, const std::string& BaseDir) try {
  std::string result;
  if (FileName.empty()) {
    result = BaseDir;
  } else if (BaseDir.empty()) {
    result = ExtractFilePath(FileName);
  } else {
    // Resolved against BaseDir itself, so that a folder the process cannot
    // enter still gives the right answer.
    const std::string base = IncludeTrailingPathDelimiter(ExpandFileName(BaseDir));
    SetCurrentDir(base);  // a failure is ignored: the result does not depend on it
    const bool rooted = FileName.front() == PathDelim;
    result = ExtractFilePath(ExpandFileName(rooted ? FileName : base + FileName));
  }
  if (!result.empty()) result = IncludeTrailingPathDelimiter(result);
  return result;
} catch (...) {
  VIX->Push("Function RelativeToAbsolutePath");
  throw;
}
