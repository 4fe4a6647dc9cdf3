// A client application, registered by its project file (.dpr): its section
// of "Corvane.ini", its unit-list file, its search path, its dates and its
// units, and the discovery of its units along the uses clauses.
#pragma once

#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "DateTime.h"
#include "HostPaths.h"
#include "UnitList.h"

class TAppli {
 public:
  // Registers a new application inside a started operation log: discovers
  // its units, then writes its section and its unit-list file.
  static std::unique_ptr<TAppli> CreateNew(const std::string& ProjectFile);
  // Opens a registered application from its section and unit-list file.
  // ListsBefore: see ReadFromFile.
  static std::unique_ptr<TAppli> CreateFromFile(const std::string& ProjectFile,
                                                const std::unordered_set<std::string>* ListsBefore = nullptr);

  // The section named FileName: DataFileName (in ExeDir), SearchPath,
  // Creation, LastUpdate (NullDate when missing or unreadable). A unit list
  // is a ".bul" file of one application: a stored name that is none, or
  // that a section before this one names, is refused (the user is told) and
  // the application gets a new name, stored in its section, as a new one
  // does. ListsBefore, when given, holds the unit-list files of the sections
  // before this one (the application list reads them in file order); else
  // those sections are read.
  void ReadFromFile(const std::unordered_set<std::string>* ListsBefore = nullptr);
  void WriteToFile() const;
  // The project file's name without folder and extension.
  std::string GetName() const;
  // The first free unit-list file: ExeDir + name + ".bul", else name + "_2",
  // "_3" ... + ".bul". A name is taken when its file exists or another
  // application's section names it.
  std::string GetDataFileName() const;
  // Replaces the unit-list file whole: one line per unit, CR LF after each.
  // A file that cannot be written is kept as it was: the error box says
  // which and why, then the silent abort (SaveFileContents).
  // While the settings keep their changes in memory, a list that the stored
  // settings do not name for this application (one registered or renamed
  // during this run) is kept in memory too, for the run: a file no stored
  // section names would stay behind for ever.
  void WriteUnitsToFile() const;
  // The units of the unit-list file (none when it is missing); a missing
  // source gives "Error", then "New" becomes "Ok".
  void ReadUnitsFromFile();
  // Once the application's section is erased: its unit list goes, unless
  // another application's section names it, or the erasure is kept in
  // memory (the stored section, and the next run, still have it).
  void DeleteUnitList() const;
  // SearchPath := [Directories] SearchPath of the project options file (.dof).
  void FindSearchPath();
  // The existing source file of a uses-clause entry, or empty.
  std::string FindSourceFileName(const std::string& Entry) const;
  // The discovery walk: from the project file, breadth-first along the uses
  // clauses of every listed unit, logging each file.
  void FindUnitsFromSources();

  std::string FileName;      // the project file; also the section's name
  std::string DataFileName;  // the unit-list file, in ExeDir
  std::string SearchPath;    // folders separated by ";"
  TDateTime Creation;
  TDateTime LastUpdate;
  TUnitList Units;
  // The unit-list file held lines no unit could be made from: it is kept as
  // it is until the units change (a cancelled Add File does not rewrite it).
  mutable bool UnitListDamaged = false;

 private:
  explicit TAppli(const std::string& AFileName);
  // Whether the section names a unit list of this application's own.
  bool HoldsOwnUnitList(const std::unordered_set<std::string>* ListsBefore) const;
  // Whether the unit list goes to its file (see WriteUnitsToFile).
  bool UnitListStored() const;
  // The file a uses-clause entry names as this host names it, ".pas" added
  // as the lookup adds it: the entry's path resolved against the project's
  // folder, or the project's folder for a name alone.
  std::string EntryFile(const std::string& Entry) const;
  // The search-path folders as host paths, for the SearchPath they were made of.
  const std::vector<std::string>& SearchFolders() const;

  // While a walk runs: the folders it has listed and the entries it has
  // resolved, so that each is looked up once per walk.
  struct TWalkCache {
    TFolderIndex Folders;                  // of paths after "in"
    std::unique_ptr<TFolderSearch> Units;  // the project's folder, then the search path
    std::unordered_map<std::string, std::string> Entries;
  };
  mutable TWalkCache* FWalk = nullptr;
  mutable std::string FParsedSearchPath;
  mutable std::vector<std::string> FSearchFolders;
};

// Whether a section of "Corvane.ini" is an application's: its name has a
// folder part.
bool IsAppliSection(const std::string& Section);
// The unit lists kept in memory are dropped with the settings object that
// kept its changes in memory, at the end of a run.
void DropUnitListsInMemory();
