#include "AppliList.h"

#include "Lumbrick.h"
#include "Settings.h"

std::unique_ptr<TAppli> CurrentAppli;

TAppli* TAppliList::GetAppli(int Index) const try {
  return Index >= 0 && Index < Count() ? FApplis[Index].get() : nullptr;
} catch (...) {
  VIX->Push("Function TAppliList.GetAppli");
  throw;
}

TAppli* TAppliList::Add(std::unique_ptr<TAppli> Appli) try {
  FApplis.push_back(std::move(Appli));
  return FApplis.back().get();
} catch (...) {
  VIX->Push("Function TAppliList.Add");
  throw;
}

void TAppliList::ReadFromFile() try {
  FApplis.clear();
  // The unit lists of the applications read so far: a later section that
  // names one of them again does not share it.
  std::unordered_set<std::string> lists;
  for (const std::string& section : IniFile->ReadSections())
    if (IsAppliSection(section)) lists.insert(Add(TAppli::CreateFromFile(section, &lists))->DataFileName);
} catch (...) {
  VIX->Push("Procedure TAppliList.ReadFromFile");
  throw;
}

void TAppliList::RemoveAppli(int Index) try {
  TAppli* a = GetAppli(Index);
  if (a == nullptr) return;
  IniFile->EraseSection(a->FileName);
  a->DeleteUnitList();
  FApplis.erase(FApplis.begin() + Index);
} catch (...) {
  VIX->Push("Procedure TAppliList.RemoveAppli");
  throw;
}

void CheckAppli(std::source_location where) try {
  if (!CurrentAppli) Abort(where);
} catch (...) {
  VIX->Push("Procedure CheckAppli");
  throw;
}
