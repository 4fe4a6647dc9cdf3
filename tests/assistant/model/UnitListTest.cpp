// The unit list: lookup, removal, the refusal of unstorable paths, the sort.
#include "AppliList.h"
#include "CommonGlobals.h"
#include "ModelFixture.h"
#include "UnitList.h"

namespace {

class UnitListTest : public ModelTest {
 protected:
  // Units from unit-list lines, with file dates set by hand (the files do not exist).
  void Fill(const std::vector<std::pair<std::string, double>>& LinesAndDates) {
    for (const auto& [line, date] : LinesAndDates) list.Add(TUnit::CreateFromIniString(line))->FileDate = date;
  }
  // The file names in list order.
  std::string Order() const {
    std::string names;
    for (const auto& unit : list) names += ExtractName(unit->FileName);
    return names;
  }
  static std::string ExtractName(const std::string& Path) { return Path.substr(Path.rfind('/') + 1, 1); }

  TUnitList list;
};

TEST_F(UnitListTest, GetUnitIgnoresIndexesOutsideTheList) {
  Fill({{"/p/A.pas;True;1/1/2000;Ok", 0}});
  EXPECT_NE(list.GetUnit(0), nullptr);
  EXPECT_EQ(list.GetUnit(-1), nullptr);
  EXPECT_EQ(list.GetUnit(1), nullptr);
  list.RemoveUnit(1);
  list.RemoveUnit(-1);
  EXPECT_EQ(list.Count(), 1);
  list.RemoveUnit(0);
  EXPECT_EQ(list.Count(), 0);
}

TEST_F(UnitListTest, GetUnitIndexTrimsTheGivenNameAndIgnoresCase) {
  Fill({{"/Proj/Unit0.pas;True;1/1/2000;Ok", 0}, {"/Proj/UNIT1.PAS;True;1/1/2000;Ok", 0},
        {" /Proj/Unit2.pas;True;1/1/2000;Ok", 0}, {"/Proj/unit1.pas;True;1/1/2000;Ok", 0}});
  EXPECT_EQ(list.GetUnitIndex("  /proj/unit1.pas "), 1);  // the first of two
  EXPECT_EQ(list.GetUnitIndex("/Proj/Unit2.pas"), -1);   // stored with a blank
  EXPECT_EQ(list.GetUnitIndex(" /Proj/Unit2.pas"), -1);
  EXPECT_EQ(list.GetUnitIndex("/Proj/Unit3.pas"), -1);
}

TEST_F(UnitListTest, AUnitWhosePathCannotBeStoredIsRefusedWithAMessage) {
  EXPECT_THROW(list.Add(std::make_unique<TUnit>(Path("a;b/Unit1.pas"))), EAbort);
  EXPECT_EQ(list.Count(), 0);
  ASSERT_EQ(dialogs.Shown().size(), 1u);
  EXPECT_EQ(dialogs.Last().type, TMsgDlgType::mtError);
  EXPECT_EQ(dialogs.Last().text,
            Path("a;b/Unit1.pas") + "\r\nCannot be Listed : its Path Holds \";\" or a Line Break");
}

class SortTest : public UnitListTest {
 protected:
  SortTest() {
    // A: excluded, oldest save, newest file, Unused. B: Error. C: never saved, OK.
    Fill({{"/p/B.pas;True;6/15/2006 2:00:00 PM;Error", EncodeDate(2006, 1, 2)},
          {"/p/C.pas;True;1/1/2000 12:00:01 AM;OK", EncodeDate(2006, 1, 1)},
          {"/p/A.pas;False;6/15/2006 1:00:00 PM;Unused", EncodeDate(2006, 1, 3)}});
  }
};

TEST_F(SortTest, EachColumnSortsAscendingThenDescending) {
  const std::vector<std::tuple<int, std::string, std::string>> expected{
      {1, "ABC", "BCA"},  // Included: False first; equal keys keep their order
      {2, "ABC", "CBA"},  // FileName
      {3, "CAB", "BAC"},  // LastUpdate
      {4, "CBA", "ABC"},  // FileDate
      {5, "BCA", "ACB"},  // Status by character codes: "Error" < "OK" < "Unused"
  };
  for (const auto& [column, ascending, descending] : expected) {
    list.SortUnits(column);
    EXPECT_EQ(list.SortColumn, column);
    EXPECT_EQ(Order(), ascending) << column;
    list.SortUnits(column);
    EXPECT_EQ(list.SortColumn, -column);
    EXPECT_EQ(Order(), descending) << column;
  }
}

TEST_F(SortTest, AnotherColumnStartsAscendingAgain) {
  list.SortUnits(2);
  list.SortUnits(2);
  list.SortUnits(3);
  EXPECT_EQ(list.SortColumn, 3);
  EXPECT_EQ(Order(), "CAB");
  list.SortUnits(3);
  list.SortUnits(3);
  EXPECT_EQ(list.SortColumn, 3);
}

TEST_F(SortTest, FileNamesCompareByCharacterCodes) {
  list.ClearUnits();
  Fill({{"/p/b.pas;True;1/1/2000;Ok", 0}, {"/p/C.pas;True;1/1/2000;Ok", 0}, {"/p/\xC9.pas;True;1/1/2000;Ok", 0}});
  list.SortUnits(2);
  EXPECT_EQ(Order(), "Cb\xC9");
}

TEST_F(SortTest, TheCompareFollowsTheCurrentApplicationsColumn) {
  const TUnit& a = *list.GetUnit(2);
  const TUnit& b = *list.GetUnit(0);
  EXPECT_EQ(UnitListCompare(a, b), 0);  // no current application
  Write("proj/P.dpr", ProgramSource("P", {}));
  CurrentAppli = TAppli::CreateFromFile(Path("proj/P.dpr"));
  CurrentAppli->Units.SortColumn = 2;
  EXPECT_EQ(UnitListCompare(a, b), -1);
  CurrentAppli->Units.SortColumn = -2;
  EXPECT_EQ(UnitListCompare(a, b), 1);
  CurrentAppli->Units.SortColumn = 0;
  EXPECT_EQ(UnitListCompare(a, b), 0);
  EXPECT_EQ(UnitCompare(a, a, 2), 0);
  EXPECT_EQ(UnitCompare(a, b, 7), 0);
}

}  // namespace
