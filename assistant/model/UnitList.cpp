#include "UnitList.h"

#include <algorithm>
#include <cstdlib>

#include "AppliList.h"
#include "Lumbrick.h"
#include "MessageBoxes.h"
#include "SysUtils.h"
#include "Translator.h"

namespace {

template <typename T>
int Sign(const T& A, const T& B) try {
  return A < B ? -1 : (B < A ? 1 : 0);
} catch (...) {
  VIX->Push("Function Sign");
  throw;
}

}  // namespace

TUnit* TUnitList::GetUnit(int Index) const try {
  return Index >= 0 && Index < Count() ? FUnits[Index].get() : nullptr;
} catch (...) {
  VIX->Push("Function TUnitList.GetUnit");
  throw;
}

int TUnitList::GetUnitIndex(const std::string& FileName) const try {
  const std::string sought = LowerCase(Trim(FileName));
  for (int i = 0; i < Count(); ++i)
    if (FUnits[i]->FileName.size() == sought.size() && LowerCase(FUnits[i]->FileName) == sought) return i;
  return -1;
} catch (...) {
  VIX->Push("Function TUnitList.GetUnitIndex");
  throw;
}

TUnit* TUnitList::Add(std::unique_ptr<TUnit> Unit) try {
  if (!IsStorableUnitPath(Unit->FileName))
    ShowErrorAndAbort(Unit->FileName + "\r\n" + Trt(UnstorablePathText));
  FUnits.push_back(std::move(Unit));
  return FUnits.back().get();
} catch (...) {
  VIX->Push("Function TUnitList.Add");
  throw;
}

void TUnitList::RemoveUnit(int Index) try {
  if (Index >= 0 && Index < Count()) FUnits.erase(FUnits.begin() + Index);
} catch (...) {
  VIX->Push("Procedure TUnitList.RemoveUnit");
  throw;
}

void TUnitList::ClearUnits() try {
  FUnits.clear();
} catch (...) {
  VIX->Push("Procedure TUnitList.ClearUnits");
  throw;
}

void TUnitList::SortUnits(int Column) try {
  SortColumn = Column == std::abs(SortColumn) ? -SortColumn : Column;
  const int key = SortColumn;
  std::stable_sort(FUnits.begin(), FUnits.end(),
                   [key](const std::unique_ptr<TUnit>& A, const std::unique_ptr<TUnit>& B) {
                     return UnitCompare(*A, *B, key) < 0;
                   });
} catch (...) {
  VIX->Push("Procedure TUnitList.SortUnits");
  throw;
}

int UnitCompare(const TUnit& A, const TUnit& B, int Column) try {
  int r = 0;
  switch (std::abs(Column)) {
    case 1: r = Sign(A.Included, B.Included); break;
    case 2: r = Sign(A.FileName, B.FileName); break;
    case 3: r = Sign(A.LastUpdate, B.LastUpdate); break;
    case 4: r = Sign(A.FileDate, B.FileDate); break;
    case 5: r = Sign(A.Status, B.Status); break;
    default: break;
  }
  return Column < 0 ? -r : r;
} catch (...) {
  VIX->Push("Function UnitCompare");
  throw;
}

int UnitListCompare(const TUnit& A, const TUnit& B) try {
  return CurrentAppli ? UnitCompare(A, B, CurrentAppli->Units.SortColumn) : 0;
} catch (...) {
  VIX->Push("Function UnitListCompare");
  throw;
}
