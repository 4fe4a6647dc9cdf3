// The scanner's file side: creation, names, loading and saving byte for byte,
// failures that lose nothing, and the names its protective blocks push.
#include <gmock/gmock.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "FileSizeLimit.h"
#include "ScannerFixture.h"
#include "ScriptedDialogs.h"
#include "Translator.h"

namespace {

using ::testing::ElementsAre;

// Every byte value, NUL and those above 127 included, around a small unit.
std::string AllBytes() {
  std::string s = "unit U;\r\ninterface\r\nimplementation\r\n{";
  for (int c = 0; c < 256; ++c)
    if (c != '}') s += static_cast<char>(c);
  return s + "}\r\nend.\r\n\x1a";
}

TEST_F(ScannerTest, CreatedState) {
  TSourceScanner s(dir.File("Unit1.pas"));
  EXPECT_EQ(s.FileName, dir.File("Unit1.pas"));
  EXPECT_EQ(s.GetUnitName(), "Unit1.pas");
  EXPECT_FALSE(s.Loaded);
  EXPECT_EQ(s.FileState, 0);
  EXPECT_EQ(s.ErrorCode, 0);
  EXPECT_TRUE(s.Text.empty() && s.TextStatus.empty());
  EXPECT_TRUE(s.Keywords.empty() && s.Routines.empty());
  for (const auto* counts : {&s.Modifications, &s.ActualCodeStatus, &s.InitialCodeStatus})
    EXPECT_THAT(*counts, ElementsAre(-1, -1, -1, -1));
}

TEST_F(ScannerTest, LoadsAndSavesByteForByte) {
  const std::string bytes = AllBytes();
  TSourceScanner& s = Load(bytes);
  EXPECT_EQ(s.Text, bytes);
  EXPECT_EQ(s.TextStatus.size(), bytes.size());
  EXPECT_TRUE(s.Loaded);
  EXPECT_EQ(s.FileState, 0);
  EXPECT_EQ(s.ErrorCode, 4);  // the LF among the bytes stands alone beside CR LF pairs: not edited
  EXPECT_EQ(s.CharStatus(static_cast<int>(bytes.size())), 5);  // the EOF byte after the final end

  s.Text.insert(0, "{x}");
  s.TextStatus.insert(0, "222");
  ASSERT_TRUE(s.SaveSourceFile());
  EXPECT_EQ(s.FileState, 2);
  EXPECT_EQ(dir.Read("Unit1.pas"), "{x}" + bytes);
}

TEST_F(ScannerTest, SavesAGoldenUnitAfterAnEdit) {
  TSourceScanner& s = Load("unit U;\r\ninterface\r\nimplementation\r\nprocedure P;\r\nbegin\r\nend;\r\nend.");
  s.AddQuellumUnitInUse();
  s.SaveSourceFile();
  EXPECT_EQ(dir.Read("Unit1.pas"),
            "unit U;\r\ninterface\r\nimplementation\r\n\r\nUses Lumbrick;\r\nprocedure P;\r\nbegin\r\nend;\r\nend.");
}

TEST_F(ScannerTest, AnLFSourceIsEditedAsCRLFAndSavedWithLFAndItsByteOrderMark) {
  // A lone CR inside a comment is no line break and stays as it is.
  const std::string lf = "\xEF\xBB\xBFunit U;\ninterface\nimplementation\n{a\rb}\nprocedure P;\nbegin\n  x; // c\nend;\nend.\n";
  TSourceScanner& s = Load(lf);
  EXPECT_TRUE(s.LFLineBreaks);
  EXPECT_EQ(s.Text, "\xEF\xBB\xBFunit U;\r\ninterface\r\nimplementation\r\n{a\rb}\r\nprocedure P;\r\nbegin\r\n  x; // c\r\n"
                    "end;\r\nend.\r\n");
  s.FillKeyWordsList();
  ASSERT_EQ(s.ErrorCode, 0) << s.GetErrorMessage();
  EXPECT_GT(s.AddCode(0, 1), 0);
  ASSERT_TRUE(s.SaveSourceFile());
  EXPECT_EQ(dir.Read("Unit1.pas"),
            "\xEF\xBB\xBFunit U;\ninterface\nimplementation\n\nUses Lumbrick;\n{a\rb}\nprocedure P;\nbegin\n  Try\n    x; // c\n"
            "  Except VIX.Push('Unit1.pas : Procedure P'); Raise; End;\nend;\nend.\n");

  // Saved unedited, the file comes back byte for byte; a CR LF file stays so.
  dir.Write("Unit1.pas", lf);
  ASSERT_TRUE(s.LoadSourceFile());
  ASSERT_TRUE(s.SaveSourceFile());
  EXPECT_EQ(dir.Read("Unit1.pas"), lf);
  EXPECT_FALSE(Load("unit U;\r\nend.\r\n").LFLineBreaks);
  EXPECT_FALSE(Load("unit U; end.").LFLineBreaks);
}

TEST_F(ScannerTest, AFileThatCannotBeReadLosesNothing) {
  TSourceScanner& s = Load("unit U;\r\nend.");
  const std::string text = s.Text;
  const std::string status = s.TextStatus;
  s.FileState = 1;
  s.FileName = dir.File("Missing.pas");
  EXPECT_FALSE(s.LoadSourceFile());
  EXPECT_EQ(s.Text, text);
  EXPECT_EQ(s.TextStatus, status);
  EXPECT_TRUE(s.Loaded);
  EXPECT_EQ(s.FileState, 1);
  s.FileName = dir.Path();  // a folder
  EXPECT_FALSE(s.LoadSourceFile());
  EXPECT_EQ(s.Text, text);
}

TEST_F(ScannerTest, SetFileName) {
  TSourceScanner& s = Load("unit A;\r\nend.", "A.pas");
  const std::string b = dir.Write("B.pas", "unit B;\r\nend.");
  // The current name never reloads, even with a changed file.
  dir.Write("A.pas", "changed");
  EXPECT_TRUE(s.SetFileName(dir.File("A.pas"), true));
  EXPECT_EQ(s.Text, "unit A;\r\nend.");
  EXPECT_TRUE(s.Loaded);
  // Another name without loading: the old text stays until the next load.
  EXPECT_TRUE(s.SetFileName(b, false));
  EXPECT_FALSE(s.Loaded);
  EXPECT_EQ(s.Text, "unit A;\r\nend.");
  EXPECT_TRUE(s.SetFileName(dir.File("A.pas"), true));
  EXPECT_EQ(s.Text, "changed");
  EXPECT_FALSE(s.SetFileName(dir.File("None.pas"), true));
  EXPECT_FALSE(s.Loaded);
  EXPECT_EQ(s.Text, "changed");
}

TEST_F(ScannerTest, AReloadClearsTheErrorOfTheTextItReplaces) {
  TSourceScanner& s = Load("unit U;\r\nbegin");
  ASSERT_EQ(s.ErrorCode, 1);
  dir.Write("Unit1.pas", "unit U;\r\nend.");
  ASSERT_TRUE(s.LoadSourceFile());
  EXPECT_EQ(s.ErrorCode, 0);
  EXPECT_EQ(s.ErrorTitle, "");
  EXPECT_EQ(s.ErrorText, "");
}

TEST_F(ScannerTest, TheFirstErrorStays) {
  TSourceScanner& s = Load("unit U;\r\nbegin");
  s.SetErrorMessage(3, "Other", "Other text");
  EXPECT_EQ(s.ErrorCode, 1);
  EXPECT_EQ(s.ErrorTitle, "Error in Unit Structure.");
  EXPECT_EQ(s.ErrorText, "Final End Missing in Unit.");
}

TEST_F(ScannerTest, ErrorTextsPassThroughTheTranslator) {
  dir.Write("Dialogs.ini", "[Text]\r\n1=Error in Unit Structure.\r\n2=Final End Missing in Unit.\r\n");
  dir.Write("DialogsFr.ini", "[Text]\r\n0001=Erreur dans la structure.\r\n0002=Fin finale absente.\r\n");
  TTextTranslator translator(dir.Path());
  TextTranslator = &translator;
  Language = 2;
  TSourceScanner& s = Load("unit U;\r\nbegin");
  TextTranslator = nullptr;
  EXPECT_EQ(s.ErrorTitle, "Erreur dans la structure.");
  EXPECT_EQ(s.ErrorText, "Fin finale absente.");
}

TEST_F(ScannerTest, AFailedSaveShowsTheErrorAbortsAndKeepsTheState) {
  ScriptedDialogs dialogs;
  TSourceScanner& s = Load("unit U;\r\nend.");
  s.FileState = 1;
  s.FileName = dir.Path() + "NoFolder/Unit1.pas";
  try {
    s.SaveSourceFile();
    FAIL() << "no abort";
  } catch (const EAbort&) {
    EXPECT_THAT(VIX->StackList(), ElementsAre("Function SaveFileContents", "Function TSourceScanner.SaveSourceFile"));
  }
  EXPECT_EQ(s.FileState, 1);
  ASSERT_EQ(dialogs.Shown().size(), 1u);
  EXPECT_EQ(dialogs.Last().type, TMsgDlgType::mtError);
  EXPECT_EQ(dialogs.Last().buttons, mbOK);
  EXPECT_EQ(dialogs.Last().text, "Cannot create file \"" + s.FileName + "\". No such file or directory");
}

TEST_F(ScannerTest, AFailedSaveLeavesTheOldFileIntact) {
  ScriptedDialogs dialogs;
  const std::string old = "unit U;\r\nend.";
  TSourceScanner& s = Load(old);
  s.Text = std::string(100000, 'x');
  s.TextStatus = std::string(100000, '0');
  {
    const FileSizeLimit limit(4096);  // the write itself fails half way
    EXPECT_THROW(s.SaveSourceFile(), EAbort);
  }
  EXPECT_EQ(dir.Read("Unit1.pas"), old);
  EXPECT_EQ(s.FileState, 0);
}

// A unit with a second name is saved into itself, so the other name shows
// the saved text; the save itself is not later taken for a change.
TEST_F(ScannerTest, ASaveKeepsTheUnitsOtherName) {
  TSourceScanner& s = Load("unit U;\r\nend.");
  ASSERT_EQ(::link(s.FileName.c_str(), dir.File("Other.pas").c_str()), 0);
  s.Text.insert(0, "{x}");
  s.TextStatus.insert(0, "222");
  ASSERT_TRUE(s.SaveSourceFile());
  EXPECT_EQ(dir.Read("Other.pas"), "{x}unit U;\r\nend.");
  EXPECT_FALSE(s.FileChangedOnDisk());
}

// Changed elsewhere to another size, under the modification time it had
// when it was read, the unit is still seen as changed.
TEST_F(ScannerTest, AChangeToAnotherSizeUnderTheSameModificationTimeIsSeen) {
  TSourceScanner& s = Load("unit U;\r\nend.");
  struct stat read {};
  ASSERT_EQ(::stat(s.FileName.c_str(), &read), 0);
  dir.Write("Unit1.pas", "unit U;\r\n{elsewhere}\r\nend.");
  const timespec times[2] = {read.st_atim, read.st_mtim};
  ASSERT_EQ(::utimensat(AT_FDCWD, s.FileName.c_str(), times, 0), 0);
  EXPECT_TRUE(s.FileChangedOnDisk());
}

TEST_F(ScannerTest, RoutineToKeywordIndexAndClearingTheLists) {
  TSourceScanner& s = Load("procedure A;\r\nbegin\r\nend;\r\nprocedure B;\r\nbegin\r\nend;\r\nend.");
  AddRoutine(s, Pos(s, "procedure"), Pos(s, "begin"), Pos(s, "end;"));
  AddRoutine(s, Pos(s, "procedure", 2), Pos(s, "begin", 2), Pos(s, "end;", 2));
  EXPECT_EQ(s.RoutineToKeywordIndex(0), 0);
  EXPECT_EQ(s.RoutineToKeywordIndex(1), 3);
  EXPECT_EQ(s.RoutineToKeywordIndex(-1), -1);
  EXPECT_EQ(s.RoutineToKeywordIndex(2), -1);
  s.ClearKeyWordList();
  EXPECT_TRUE(s.Keywords.empty());
  EXPECT_TRUE(s.Routines.empty());
}

TEST_F(ScannerTest, KeywordPositionsShiftFromAnIndex) {
  TSourceScanner& s = Load("procedure A;\r\nbegin\r\nend;\r\nend.");
  AddRoutine(s, 1, Pos(s, "begin"), Pos(s, "end;"));
  s.AdaptNextRoutinesPos(1, 5);
  EXPECT_EQ(s.Keywords[0]->Position, 1);
  EXPECT_EQ(s.Keywords[1]->Position, Pos(s, "begin") + 5);
  EXPECT_EQ(s.Keywords[2]->Position, Pos(s, "end;") + 5);
  s.AdaptNextRoutinesPos(-1, 100);
  s.AdaptNextRoutinesPos(3, 100);
  EXPECT_EQ(s.Keywords[0]->Position, 1);
}

}  // namespace
