// Windows paths of client projects on this host.
#include <filesystem>

#include "HostPaths.h"
#include "ModelFixture.h"

namespace {

using HostPathsTest = ModelTest;

TEST_F(HostPathsTest, BackslashesSeparateFoldersAndDrivesAreIgnored) {
  EXPECT_EQ(ToHostPath("Sub\\Unit1.pas"), "Sub/Unit1.pas");
  EXPECT_EQ(ToHostPath("C:\\Lib\\X.pas"), "/Lib/X.pas");
  EXPECT_EQ(ToHostPath("d:..\\Common"), "../Common");
  EXPECT_EQ(ToHostPath("/home/Me/Proj"), "/home/Me/Proj");
  EXPECT_EQ(ToHostPath("Unit1"), "Unit1");
  EXPECT_EQ(ToHostPath(""), "");
}

TEST_F(HostPathsTest, AFileIsFoundAsWrittenThenIgnoringCaseInItsFolder) {
  const std::string exact = Write("proj/Unit1.pas", "a");
  Write("proj/UNIT2.PAS", "b");
  EXPECT_EQ(FindHostFile(exact), exact);
  EXPECT_EQ(FindHostFile(Path("proj/unit2.pas")), Path("proj/UNIT2.PAS"));
  EXPECT_EQ(FindHostFile(Path("proj/Unit3.pas")), "");
  // So is each folder, as a project written on Windows names it.
  EXPECT_EQ(FindHostFile(Path("PROJ/Unit1.pas")), exact);
  Write("proj/Sub/Deep/Main.pas", "c");
  EXPECT_EQ(FindHostFile(Path("Proj/SUB/deep/MAIN.PAS")), Path("proj/Sub/Deep/Main.pas"));
  EXPECT_EQ(FindHostFile(Path("proj/Other/Main.pas")), "");
  EXPECT_EQ(FindHostFolder(Path("PROJ/sub")), Path("proj/Sub/"));
  EXPECT_EQ(FindHostFolder(Path("proj/sub/../SUB/Deep")), Path("proj/Sub/../Sub/Deep/"));
  EXPECT_EQ(FindHostFolder(Path("proj/Unit1.pas")), "");  // a file is no folder
  // A folder is no file.
  std::filesystem::create_directories(Path("proj/Dir.pas"));
  EXPECT_EQ(FindHostFile(Path("proj/dir.pas")), "");
}

TEST_F(HostPathsTest, AmongSeveralLooseMatchesTheFirstInByteOrderWins) {
  Write("proj/UNIT1.pas", "a");
  Write("proj/Unit1.PAS", "b");
  EXPECT_EQ(FindHostFile(Path("proj/unit1.pas")), Path("proj/UNIT1.pas"));
  TFolderIndex index;
  EXPECT_EQ(FindHostFile(Path("proj/unit1.pas"), &index), Path("proj/UNIT1.pas"));
  EXPECT_EQ(FindHostFile(Path("proj/Unit1.PAS"), &index), Path("proj/Unit1.PAS"));
}

TEST_F(HostPathsTest, AnIndexReadsEachFolderOnce) {
  Write("proj/A.pas", "a");
  TFolderIndex index;
  EXPECT_EQ(FindHostFile(Path("proj/a.pas"), &index), Path("proj/A.pas"));
  Write("proj/B.pas", "b");  // made after the folder was read
  EXPECT_EQ(FindHostFile(Path("proj/B.pas"), &index), "");
  EXPECT_EQ(FindHostFile(Path("missing/B.pas"), &index), "");
}

TEST_F(HostPathsTest, ASearchFindsTheFirstFolderHoldingTheName) {
  Write("one/other.pas", "");
  Write("two/UNIT1.pas", "");
  Write("two/Unit1.PAS", "");
  Write("three/Unit1.pas", "");
  Write("three/unit2.pas", "");
  std::filesystem::create_directories(Path("one/Unit2.pas"));  // a folder, not a file
  const TFolderSearch search({Path("one/"), Path("missing/"), Path("two/"), Path("three/")});
  // The second folder holds it ignoring case: it wins over the exact name further on.
  EXPECT_EQ(search.Find("Unit1.pas"), Path("two/UNIT1.pas"));
  EXPECT_EQ(search.Find("Unit1.PAS"), Path("two/Unit1.PAS"));
  EXPECT_EQ(search.Find("UNIT2.PAS"), Path("three/unit2.pas"));
  EXPECT_EQ(search.Find("Unit3.pas"), "");
}

TEST_F(HostPathsTest, RelativePathsAsThePlatformGivesThem) {
  EXPECT_EQ(ExtractRelativePath("/p/", "/p/Sub/U.pas"), "Sub/U.pas");
  EXPECT_EQ(ExtractRelativePath("/p", "/p/U.pas"), "U.pas");
  EXPECT_EQ(ExtractRelativePath("/p/q/", "/p/Other/U.pas"), "../Other/U.pas");
  EXPECT_EQ(ExpandFileName("/a/b/../c/./d.pas"), "/a/c/d.pas");
}

TEST_F(HostPathsTest, AProgramIsAPathOrANameOnThePath) {
  EXPECT_TRUE(ProgramExists("sh"));
  EXPECT_TRUE(ProgramExists("/bin/sh"));
  EXPECT_FALSE(ProgramExists("no-such-program-here"));
  EXPECT_FALSE(ProgramExists(Path("bin/none")));
  EXPECT_FALSE(ProgramExists(""));
}

}  // namespace
