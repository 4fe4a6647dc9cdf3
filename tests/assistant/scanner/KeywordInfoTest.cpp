// The keyword table, its classifiers, the keyword objects and their debug
// lines, and the cutting of routine headings.
#include "ScannerFixture.h"

namespace {

TEST(KeywordTableTest, KindsAndClassifiers) {
  EXPECT_EQ(KeywordTable[kwInterface], "interface");
  EXPECT_EQ(KeywordTable[kwInterfaceType], "interface");
  EXPECT_EQ(KeywordTable[kwFinally], "finally");
  for (const char* t : {"begin", "CASE", "Try", "asm"}) EXPECT_TRUE(TokenIsBegin(t)) << t;
  for (const char* t : {"end", "record", "beginx", ""}) EXPECT_FALSE(TokenIsBegin(t)) << t;
  EXPECT_TRUE(TokenIsExceptClause("Except"));
  EXPECT_TRUE(TokenIsExceptClause("FINALLY"));
  EXPECT_FALSE(TokenIsExceptClause("try"));
  for (const char* t : {"procedure", "Function", "CONSTRUCTOR", "destructor"}) EXPECT_TRUE(TokenIsRoutine(t)) << t;
  for (const char* t : {"external", "forward", "begin"}) EXPECT_FALSE(TokenIsRoutine(t)) << t;
}

TEST(KeywordTableTest, SortByPosition) {
  const TKeywordInfo a(5, kwBegin);
  const TKeywordInfo b(9, kwEnd);
  const TKeywordInfo c(5, kwTry);
  EXPECT_EQ(SortKeywordsByPosition(a, b), -1);
  EXPECT_EQ(SortKeywordsByPosition(b, a), 1);
  EXPECT_EQ(SortKeywordsByPosition(a, c), 0);
}

TEST(KeywordInfoTest, CreatedState) {
  const TKeywordInfo k(12, kwCase);
  EXPECT_EQ(k.Position, 12);
  EXPECT_EQ(k.Keyword, kwCase);
  EXPECT_EQ(k.Level, 0);
  const TExceptClauseInfo e(3, kwExcept);
  EXPECT_EQ(e.kiEnd, nullptr);
  EXPECT_EQ(e.CodeState, -1);
  const TRoutineInfo r(1, kwFunction);
  EXPECT_EQ(r.kiBegin, nullptr);
  EXPECT_EQ(r.kiEnd, nullptr);
  EXPECT_EQ(r.State, -1);
  EXPECT_EQ(r.CodeState, 2);
  EXPECT_TRUE(r.Header.empty() && r.ClassName.empty() && r.Name.empty() && r.Params.empty());
}

TEST(KeywordInfoTest, GetKeywordOutsideTheTableIsEmpty) {
  EXPECT_EQ(TKeywordInfo(1, 0).GetKeyword(), "unit");
  EXPECT_EQ(TKeywordInfo(1, 23).GetKeyword(), "finally");
  EXPECT_EQ(TKeywordInfo(1, 24).GetKeyword(), "");
  EXPECT_EQ(TKeywordInfo(1, -1).GetKeyword(), "");
}

TEST(KeywordInfoTest, DebugLines) {
  TKeywordInfo begin(40, kwBegin);
  EXPECT_EQ(begin.GetText(), "begin  (40, 11)");
  begin.Level = 3;
  EXPECT_EQ(begin.GetText(), "        begin  (40, 11)");

  TExceptClauseInfo clause(60, kwExcept);
  clause.Level = 2;
  EXPECT_EQ(clause.GetText(), "    except (60) {CodeState=-1 kiEnd=Nil}");
  TKeywordInfo end(90, kwEnd);
  clause.kiEnd = &end;
  clause.CodeState = 3;
  EXPECT_EQ(clause.GetText(), "    except (60) {CodeState=3 End=90}");

  TRoutineInfo routine(10, kwProcedure);
  routine.Level = 1;
  routine.SetHeader("procedure TForm1.Go(Sender: TObject);");
  EXPECT_EQ(routine.GetText(), "procedure TForm1.Go (10) {State=-1 CodeState=2 kiBegin=Nil kiEnd=Nil}");
  routine.SetHeader("procedure Stop;");
  routine.kiBegin = &begin;
  routine.kiEnd = &end;
  routine.State = 1;
  EXPECT_EQ(routine.GetText(), "procedure Stop (10) {State=1 CodeState=2 Begin=40 End=90}");
}

struct HeaderCase {
  int kind;
  const char* heading;
  const char* header;
  const char* className;
  const char* name;
  const char* params;
};

const HeaderCase HeaderCases[] = {
    {kwFunction, "function F: Integer;", "function F: Integer;", "", "F", ""},
    {kwProcedure, "procedure TForm1.FormCreate(Sender: TObject);", "procedure TForm1.FormCreate(Sender: TObject);",
     "TForm1", "FormCreate", "Sender: TObject"},
    // The heading ends at the first ";" in code, inside a parameter list.
    {kwProcedure, "  procedure P(a: Integer;  ", "procedure P(a: Integer;", "", "P", "a: Integer;"},
    {kwFunction, "function TList.Get(Index: Integer): Pointer;", "function TList.Get(Index: Integer): Pointer;",
     "TList", "Get", "Index: Integer"},
    {kwConstructor, "constructor TFoo.Create;", "constructor TFoo.Create;", "TFoo", "Create", ""},
    {kwDestructor, "DESTRUCTOR TFoo . Destroy ;", "DESTRUCTOR TFoo . Destroy ;", "TFoo", "Destroy", ""},
    {kwProcedure, "Procedure procedureX;", "Procedure procedureX;", "", "procedureX", ""},
    {kwFunction, "function  Max ( a , b : Integer ) : Integer ;", "function  Max ( a , b : Integer ) : Integer ;", "",
     "Max", "a , b : Integer"},
};

class HeaderTable : public ::testing::TestWithParam<HeaderCase> {};

TEST_P(HeaderTable, CutsTheHeading) {
  const HeaderCase& c = GetParam();
  TRoutineInfo r(1, c.kind);
  r.SetHeader(c.heading);
  EXPECT_EQ(r.Header, c.header);
  EXPECT_EQ(r.ClassName, c.className);
  EXPECT_EQ(r.Name, c.name);
  EXPECT_EQ(r.Params, c.params);
}

INSTANTIATE_TEST_SUITE_P(Headings, HeaderTable, ::testing::ValuesIn(HeaderCases));

TEST(KeywordInfoTest, SetHeaderClearsWhatTheNewHeadingLacks) {
  TRoutineInfo r(1, kwProcedure);
  r.SetHeader("procedure TA.B(x: Byte);");
  r.SetHeader("procedure C;");
  EXPECT_EQ(r.ClassName, "");
  EXPECT_EQ(r.Params, "");
  EXPECT_EQ(r.Name, "C");
}

}  // namespace
