// The units of an application, in the order of its unit-list file.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "Unit.h"

class TUnitList {
 public:
  int Count() const { return static_cast<int>(FUnits.size()); }
  // nullptr outside 0 .. Count - 1.
  TUnit* GetUnit(int Index) const;
  // The first unit whose FileName equals the trimmed FileName, ASCII letter
  // case ignored; -1 when none.
  int GetUnitIndex(const std::string& FileName) const;
  // Appends the unit and returns it. A path that the unit-list file cannot
  // hold (see IsStorableUnitPath) is refused: error box, silent abort.
  TUnit* Add(std::unique_ptr<TUnit> Unit);
  // Frees the unit at Index; nothing when out of range.
  void RemoveUnit(int Index);
  void ClearUnits();
  // Sorts by column 1 Included, 2 FileName, 3 LastUpdate, 4 FileDate,
  // 5 Status; the column of the last sort again reverses the order.
  void SortUnits(int Column);

  // The last sort: 1 to 5, negative when descending, 0 unsorted.
  int SortColumn = 0;

  auto begin() const { return FUnits.begin(); }
  auto end() const { return FUnits.end(); }

 private:
  std::vector<std::unique_ptr<TUnit>> FUnits;
};

// -1, 0 or 1: A against B by the column |Column| (False before True, texts by
// character codes), reversed when Column is negative; 0 for any other column.
int UnitCompare(const TUnit& A, const TUnit& B, int Column);
// UnitCompare by the current application's sort column; 0 without one.
int UnitListCompare(const TUnit& A, const TUnit& B);
