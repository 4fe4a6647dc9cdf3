// The discovery of an application's unit sources along the uses clauses.
#include <unordered_map>
#include <unordered_set>

#include "Appli.h"
#include "FileNames.h"
#include "Files.h"
#include "FileSearch.h"
#include "HostPaths.h"
#include "IniFile.h"
#include "Lumbrick.h"
#include "MessageBoxes.h"
#include "OperationLog.h"
#include "SourceScanner.h"
#include "StringHelpers.h"
#include "SysUtils.h"
#include "Translator.h"

namespace {

// Installs a walk's cache for the time of the walk.
template <typename TCache>
class TCacheScope {
 public:
  explicit TCacheScope(TCache*& Slot) : FSlot(Slot) { FSlot = &FCache; }
  ~TCacheScope() { FSlot = nullptr; }
  TCacheScope(const TCacheScope&) = delete;
  TCacheScope& operator=(const TCacheScope&) = delete;

 private:
  TCache*& FSlot;
  TCache FCache;
};

// A folder of the search path as this host names it, with its trailing "/":
// an entry without a root is taken relative to the project's folder, and its
// folders are found ignoring letter case as the files in them are.
std::string SearchFolder(const std::string& Entry, const std::string& ProjectDir) try {
  const std::string folder = ToHostPath(Trim(Entry));
  if (folder.empty()) return {};
  const std::string path =
      IncludeTrailingPathDelimiter(ExpandFileName(folder.front() == PathDelim ? folder : ProjectDir + folder));
  const std::string found = FindHostFolder(path);
  return found.empty() ? path : found;
} catch (...) {
  VIX->Push("Function SearchFolder");
  throw;
}

// An entry written as a path ("Sub\Unit1.pas" after "in") names a file that
// should be there; an entry that is a unit name alone may rightly have no
// file in the project (a platform unit).
bool NamesAFile(const std::string& Entry) try {
  const std::string entry = ToHostPath(Entry);
  return entry.find(PathDelim) != std::string::npos || LowerCase(entry).ends_with(".pas");
} catch (...) {
  VIX->Push("Function NamesAFile");
  throw;
}

}  // namespace

void TAppli::FindSearchPath() try {
  SearchPath.clear();
  const std::string options = FindHostFile(ChangeFileExt(FileName, ".dof"));
  if (!options.empty()) SearchPath = TIniFile(options).ReadString("Directories", "SearchPath", "");
} catch (...) {
  VIX->Push("Procedure TAppli.FindSearchPath");
  throw;
}

const std::vector<std::string>& TAppli::SearchFolders() const try {
  if (FParsedSearchPath != SearchPath) {
    const std::string projectDir = ExtractFilePath(FileName);
    std::vector<std::string> entries;
    SplitDelimitedTextIntoStrings(SearchPath, ";", entries);
    FSearchFolders.clear();
    for (const std::string& e : entries)
      if (std::string dir = SearchFolder(e, projectDir); !dir.empty()) FSearchFolders.push_back(std::move(dir));
    FParsedSearchPath = SearchPath;
  }
  return FSearchFolders;
} catch (...) {
  VIX->Push("Function TAppli.SearchFolders");
  throw;
}

std::string TAppli::EntryFile(const std::string& Entry) const try {
  std::string entry = ToHostPath(Entry);
  if (!entry.ends_with(".pas")) entry += ".pas";
  const std::string projectDir = ExtractFilePath(FileName);
  const std::string folder = ExtractFilePath(entry);
  const std::string name = ExtractFileName(entry);
  if (folder.empty()) return projectDir + name;
  return (folder.front() == PathDelim ? ExtractFilePath(ExpandFileName(entry)) : RelativeToAbsolutePath(entry, projectDir)) +
         name;
} catch (...) {
  VIX->Push("Function TAppli.EntryFile");
  throw;
}

// How a unit named without folder is found is this assistant's own choice:
// in the project's folder first, whether or not a search path is set, then
// in the search-path folders in their order, an entry without a root being
// relative to the project's folder; the first existing file wins.
std::string TAppli::FindSourceFileName(const std::string& Entry) const try {
  if (FWalk) {
    if (auto it = FWalk->Entries.find(Entry); it != FWalk->Entries.end()) return it->second;
  }
  TFolderIndex* folders = FWalk ? &FWalk->Folders : nullptr;
  const std::string projectDir = ExtractFilePath(FileName);
  const std::string file = EntryFile(Entry);
  const std::string name = ExtractFileName(file);
  std::string found;
  if (!ExtractFilePath(ToHostPath(Entry)).empty()) {
    found = FindHostFile(file, folders);
  } else if (FWalk) {
    if (!FWalk->Units) {
      std::vector<std::string> dirs{projectDir};
      dirs.insert(dirs.end(), SearchFolders().begin(), SearchFolders().end());
      FWalk->Units = std::make_unique<TFolderSearch>(std::move(dirs));
    }
    found = FWalk->Units->Find(name);
  } else {
    found = FindHostFile(projectDir + name);
    for (auto dir = SearchFolders().begin(); found.empty() && dir != SearchFolders().end(); ++dir)
      found = FindHostFile(*dir + name);
  }
  if (FWalk) FWalk->Entries.emplace(Entry, found);
  return found;
} catch (...) {
  VIX->Push("Function TAppli.FindSourceFileName");
  throw;
}

void TAppli::FindUnitsFromSources() try {
  const TCacheScope<TWalkCache> cache(FWalk);
  const std::string projectDir = ExtractFilePath(FileName);
  auto relative = [&projectDir](const std::string& Path) {
    try {
      return ExtractRelativePath(projectDir, Path);
    } catch (...) {
      VIX->Push("Function Relative");
      throw;
    }
  };

  // Units by lower-cased path, as GetUnitIndex compares them, so that a large
  // project is walked in time proportional to its size.
  std::unordered_map<std::string, TUnit*> known;
  for (const auto& unit : Units) known.emplace(LowerCase(unit->FileName), unit.get());
  // The files this file names that are not there, cannot be listed or
  // cannot be used, as path and reason, each reported once per walk under
  // the first file that names it.
  struct TRefused {
    std::string Path;
    const char* Reason;
    bool Utf8;  // a path the file system spells with characters Windows-1252 lacks
  };
  std::vector<TRefused> refused;
  std::unordered_set<std::string> refusedReported;
  auto refuse = [&](const std::string& Path, const char* Reason, bool Utf8 = false) {
    if (refusedReported.insert(Path).second) refused.push_back({Path, Reason, Utf8});
  };

  auto addUnit = [&](const std::string& Entry) {
    try {
      const std::string path = FindSourceFileName(Entry);
      if (path.empty()) {
        // A file name written in a source saved as UTF-8 that Windows-1252
        // cannot hold: no file the programs can name, refused as Add File
        // refuses it.
        if (NamesAFile(Entry)) {
          const bool unusable = IsUnusableFsName(Entry);
          refuse(EntryFile(Entry), unusable ? UnusableFileNameText : "Impossible to Read File", unusable);
        }
        return;
      }
      const auto it = known.find(LowerCase(Trim(path)));
      if (it == known.end()) {
        if (!IsStorableUnitPath(path)) {
          refuse(path, UnstorablePathText);
          return;
        }
        TUnit* unit = Units.Add(std::make_unique<TUnit>(path));
        known.emplace(LowerCase(unit->FileName), unit);
      } else if (it->second->Status == "Unused") {
        it->second->Status = "Ok";
      }
    } catch (...) {
      VIX->Push("Procedure AddUnit");
      throw;
    }
  };
  // Lines for the units the file named that cannot be listed, under its own.
  auto reportRefused = [&]() {
    try {
      for (const auto& [path, reason, utf8] : refused) {
        // The relative path is the entry's own bytes and ASCII steps, so a
        // path the file system spells in UTF-8 stays as it is spelt.
        const std::string shown = "(clRed)" + relative(path) + "\t";
        if (utf8)
          AddMsgUtf8(shown + FsName(Trt(reason)));
        else
          AddMsg(shown + Trt(reason));
      }
      refused.clear();
    } catch (...) {
      VIX->Push("Procedure ReportRefused");
      throw;
    }
  };

  // How many units a file names: a unit named in several branches of the
  // conditional directives, or in both sections, is one unit, its name
  // compared as Pascal compares names, without regard to letter case.
  auto distinct = [](const std::vector<std::string>& Names) {
    try {
      std::unordered_set<std::string> units;
      for (const std::string& name : Names) units.insert(LowerCase(name));
      return units.size();
    } catch (...) {
      VIX->Push("Function Distinct");
      throw;
    }
  };

  TSourceScanner scanner(FileName);
  for (const auto& unit : Units) unit->Status = "Unused";

  const std::string project = relative(FileName);
  AddMsg(project + "...");
  DisplayInfo(Trt("Loading File..."));
  if (!scanner.LoadSourceFile()) {
    ChangeMsg("(clRed)" + project + "\t" + Trt("Impossible to Read File"));
  } else {
    DisplayInfo(Trt("Analyzing Uses Clause..."));
    std::vector<std::string> names;
    const std::vector<std::string> entries = scanner.GetEveryUsesClauseSources(0, &names);
    for (const std::string& e : entries) addUnit(e);
    ChangeMsg(project + "\t" + Trt("Units") + " : " + IntToStr(distinct(names)));
    reportRefused();
  }

  for (int i = 0; i < Units.Count(); ++i) {
    TUnit* unit = Units.GetUnit(i);
    const std::string r = relative(unit->FileName);
    AddMsg(r + "...");
    DisplayInfo(Trt("Loading File..."));
    if (!scanner.SetFileName(unit->FileName, true)) {
      ChangeMsg("(clRed)" + r + "\t" + Trt("Impossible to Read File"));
      continue;
    }
    // Every clause of each section, in every branch of the conditional
    // directives: a unit for several platforms names some units under one
    // condition and others under another.
    DisplayInfo(Trt("Analyzing Interface Uses Clause..."));
    std::vector<std::string> names;
    std::vector<std::string> entries = scanner.GetEveryUsesClauseSources(1, &names);
    if (scanner.ErrorCode == 0) {
      for (const std::string& e : entries) addUnit(e);
      ChangeMsg(r + "\t" + Trt("Units") + " : " + IntToStr(distinct(names)));
      DisplayInfo(Trt("Analyzing Implementation Uses Clause..."));
      entries = scanner.GetEveryUsesClauseSources(2, &names);
      if (scanner.ErrorCode == 0) {
        for (const std::string& e : entries) addUnit(e);
        ChangeMsg(r + "\t" + Trt("Units") + " : " + IntToStr(distinct(names)));
      }
    }
    if (scanner.ErrorCode != 0) {
      ChangeMsg("(clRed)" + r + "\t" + Trt("Error in Uses Clause"));
      unit->Status = "Error";
    }
    reportRefused();
  }

  AddBlank();
  DisplayInfo(Trt("Testing if Source Files Exist..."));
  int found = 0;
  for (const auto& unit : Units) {
    if (FileExists(unit->FileName))
      ++found;
    else
      unit->Status = "Error";
  }
  ClearInfo();
  AddMsg(IntToStr(found) + Trt(" Unit Source Files Found in Application"));
} catch (...) {
  VIX->Push("Procedure TAppli.FindUnitsFromSources");
  throw;
}
