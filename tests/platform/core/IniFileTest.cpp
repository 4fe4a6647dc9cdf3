#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <ctime>
#include <filesystem>
#include <fstream>

#include "FileSizeLimit.h"
#include "FixedHost.h"
#include "IniFile.h"
#include "TempDir.h"
#include "WithoutRoot.h"

namespace {
// The file whose times stat reports without their fraction, or none.
const char* coarseTimesFile = nullptr;
}  // namespace

// This program's own stat stands before the C library's, for every caller:
// the one file's times are reported as a file system that keeps whole
// seconds has them (FAT, say). This host's file systems tell every change
// apart to the nanosecond, so tests could not make a change hide in the
// clock's tick otherwise.
extern "C" int stat(const char* __restrict file, struct stat* __restrict buf) noexcept {
  const int result = ::fstatat(AT_FDCWD, file, buf, 0);
  if (result == 0 && coarseTimesFile != nullptr && std::string_view(file) == coarseTimesFile) {
    buf->st_atim.tv_nsec = 0;
    buf->st_mtim.tv_nsec = 0;
    buf->st_ctim.tv_nsec = 0;
  }
  return result;
}

namespace {

// While it lives, the file's times are whole seconds.
class CoarseFileTimes {
 public:
  explicit CoarseFileTimes(const std::string& path) : path_(path) { coarseTimesFile = path_.c_str(); }
  ~CoarseFileTimes() { coarseTimesFile = nullptr; }
  CoarseFileTimes(const CoarseFileTimes&) = delete;
  CoarseFileTimes& operator=(const CoarseFileTimes&) = delete;

 private:
  std::string path_;
};

class IniFileTest : public ::testing::Test {
 protected:
  FixedHost host;
  TempDir dir;
  std::string path = dir.File("Test.ini");
};

TEST_F(IniFileTest, FirstWriteCreatesTheFile) {
  TIniFile ini(path);
  ini.WriteInteger("Section", "LastReportNum", 1);
  EXPECT_EQ(dir.Read("Test.ini"), "[Section]\r\nLastReportNum=1\r\n");
  ini.WriteString("Section", "StationId", "Desk 4");
  ini.WriteBool("Options", "English", true);
  EXPECT_EQ(dir.Read("Test.ini"),
            "[Section]\r\nLastReportNum=1\r\nStationId=Desk 4\r\n"
            "\r\n[Options]\r\nEnglish=1\r\n");
}

TEST_F(IniFileTest, UpdateKeepsEveryOtherLineAndTheKeySpelling) {
  dir.Write("Test.ini",
            "; settings\n"
            "[GUI]\n"
            "  Language = 2  \n"
            "# not a key\n"
            "ShowGuide=Yes\n"
            "\n"
            "[Other]\n"
            "x=1");
  TIniFile ini(path);
  ini.WriteString("gui", "LANGUAGE", "1");
  EXPECT_EQ(dir.Read("Test.ini"),
            "; settings\r\n"
            "[GUI]\r\n"
            "Language=1\r\n"
            "# not a key\r\n"
            "ShowGuide=Yes\r\n"
            "\r\n"
            "[Other]\r\n"
            "x=1\r\n");
}

TEST_F(IniFileTest, NewKeyGoesAfterTheLastKeyOfItsSection) {
  dir.Write("Test.ini", "[A]\r\nk1=1\r\n; trailing comment\r\n\r\n[B]\r\nk2=2\r\n");
  TIniFile ini(path);
  ini.WriteString("A", "k3", "3");
  ini.WriteString("B", "k4", "4");
  EXPECT_EQ(dir.Read("Test.ini"), "[A]\r\nk1=1\r\nk3=3\r\n; trailing comment\r\n\r\n[B]\r\nk2=2\r\nk4=4\r\n");
}

TEST_F(IniFileTest, NewKeyInAnEmptySectionFollowsItsHeader) {
  dir.Write("Test.ini", "[A]\r\n\r\n[B]\r\n");
  TIniFile ini(path);
  ini.WriteString("A", "k", "v");
  EXPECT_EQ(dir.Read("Test.ini"), "[A]\r\nk=v\r\n\r\n[B]\r\n");
}

TEST_F(IniFileTest, NewSectionIsSeparatedByOneBlankLine) {
  dir.Write("Test.ini", "[A]\nk=1\n\n");
  TIniFile ini(path);
  ini.WriteString("B", "k", "2");
  EXPECT_EQ(dir.Read("Test.ini"), "[A]\r\nk=1\r\n\r\n[B]\r\nk=2\r\n");
}

TEST_F(IniFileTest, ReadsAnyLineBreakAndIgnoresCaseAndBlanks) {
  dir.Write("Test.ini", "[Sec]\rA = 1\r\n[ Other ]\nb\t=\t two words \n");
  TIniFile ini(path);
  EXPECT_EQ(ini.ReadString("SEC", "a", "?"), "1");
  EXPECT_EQ(ini.ReadString("other", "B", "?"), "two words");
  EXPECT_EQ(ini.ReadString("other", "c", "def"), "def");
  EXPECT_EQ(ini.ReadString("missing", "b", "def"), "def");
  EXPECT_TRUE(ini.ValueExists("Other", "b"));
  EXPECT_FALSE(ini.ValueExists("Other", "c"));
}

TEST_F(IniFileTest, QuotedValuesAndDuplicates) {
  dir.Write("Test.ini", "[S]\nq=\" padded \"\ns='single'\nodd=\"open\nk=first\nk=second\n[s]\nk=third\nonly=later\n");
  TIniFile ini(path);
  EXPECT_EQ(ini.ReadString("S", "q", ""), " padded ");
  EXPECT_EQ(ini.ReadString("S", "s", ""), "single");
  EXPECT_EQ(ini.ReadString("S", "odd", ""), "\"open");
  EXPECT_EQ(ini.ReadString("S", "k", ""), "first");
  EXPECT_EQ(ini.ReadString("S", "only", ""), "later");
  EXPECT_EQ(ini.ReadSections(), (std::vector<std::string>{"S"}));
  EXPECT_EQ(ini.ReadSection("s"), (std::vector<std::string>{"q", "s", "odd", "k", "only"}));
}

TEST_F(IniFileTest, SectionValuesAreWhatReadStringReadsKeyByKey) {
  dir.Write("Test.ini", "[S]\nq=\" padded \"\ns='single'\nodd=\"open\nk=first\nK=second\n[T]\nx=1\n[s]\nk=third\nonly=later\n");
  TIniFile ini(path);
  std::vector<std::pair<std::string, std::string>> oneByOne;
  for (const std::string& key : ini.ReadSection("S")) oneByOne.emplace_back(key, ini.ReadString("S", key, "-"));
  EXPECT_EQ(ini.ReadSectionValues("s"), oneByOne);
  EXPECT_EQ(oneByOne.size(), 5u);
  EXPECT_TRUE(ini.ReadSectionValues("missing").empty());
}

TEST_F(IniFileTest, EmptyValueIsReadAsEmpty) {
  dir.Write("Test.ini", "[S]\nk=\nquoted=\"\"\nsingle=''\n");
  TIniFile ini(path);
  EXPECT_EQ(ini.ReadString("S", "k", "def"), "");
  EXPECT_EQ(ini.ReadInteger("S", "k", 5), 5);
  EXPECT_EQ(ini.ReadString("S", "quoted", "def"), "");
  EXPECT_EQ(ini.ReadString("S", "single", "def"), "");
}

TEST_F(IniFileTest, TypedValues) {
  dir.Write("Test.ini", "[S]\nhex=$1F\ncx=0x10\nbad=12a\nyes=Yes\nzero=0\nneg=-1\n");
  TIniFile ini(path);
  EXPECT_EQ(ini.ReadInteger("S", "hex", 0), 31);
  EXPECT_EQ(ini.ReadInteger("S", "cx", 0), 16);
  EXPECT_EQ(ini.ReadInteger("S", "bad", 7), 7);
  EXPECT_FALSE(ini.ReadBool("S", "yes", false));  // not an integer: the default
  EXPECT_TRUE(ini.ReadBool("S", "yes", true));
  EXPECT_FALSE(ini.ReadBool("S", "zero", true));
  EXPECT_TRUE(ini.ReadBool("S", "neg", false));
  EXPECT_TRUE(ini.ReadBool("S", "none", true));
}

TEST_F(IniFileTest, DateTimesUseTheDefaultForm) {
  TIniFile ini(path);
  const TDateTime when = EncodeDate(2000, 1, 1) + EncodeTime(0, 0, 1, 0);
  ini.WriteDateTime("App", "Creation", when);
  ini.WriteDateTime("App", "Midnight", EncodeDate(2001, 2, 3));
  EXPECT_EQ(dir.Read("Test.ini"), "[App]\r\nCreation=1/1/2000 12:00:01 AM\r\nMidnight=2/3/2001\r\n");
  EXPECT_DOUBLE_EQ(ini.ReadDateTime("App", "Creation", 0), when);
  EXPECT_DOUBLE_EQ(ini.ReadDateTime("App", "Midnight", 0), EncodeDate(2001, 2, 3));
  ini.WriteString("App", "Bad", "not a date");
  EXPECT_DOUBLE_EQ(ini.ReadDateTime("App", "Bad", 42), 42);
  EXPECT_DOUBLE_EQ(ini.ReadDateTime("App", "Missing", 42), 42);
}

TEST_F(IniFileTest, EraseSectionAndDeleteKey) {
  dir.Write("Test.ini", "top=1\r\n[A]\r\nx=1\r\n; about A\r\n\r\n[B]\r\ny=2\r\ny=3\r\n[a]\r\nz=9\r\n");
  TIniFile ini(path);
  EXPECT_TRUE(ini.SectionExists("a"));
  ini.EraseSection("A");
  EXPECT_EQ(dir.Read("Test.ini"), "top=1\r\n[B]\r\ny=2\r\ny=3\r\n");
  EXPECT_FALSE(ini.SectionExists("A"));
  ini.DeleteKey("B", "Y");
  EXPECT_EQ(dir.Read("Test.ini"), "top=1\r\n[B]\r\n");
  EXPECT_FALSE(ini.SectionExists("B"));  // a section without keys does not count
  EXPECT_EQ(ini.ReadSections(), (std::vector<std::string>{"B"}));
  ini.EraseSection("Nothing");  // no change, no write
  ini.DeleteKey("B", "nothing");
  EXPECT_EQ(dir.Read("Test.ini"), "top=1\r\n[B]\r\n");
}

TEST_F(IniFileTest, MissingOrUnreadableFileGivesDefaults) {
  TIniFile missing(dir.File("none/Missing.ini"));
  EXPECT_EQ(missing.ReadString("S", "k", "def"), "def");
  EXPECT_EQ(missing.ReadInteger("S", "k", 3), 3);
  EXPECT_TRUE(missing.ReadSections().empty());
  TIniFile folder(dir.Path());
  EXPECT_EQ(folder.ReadString("S", "k", "def"), "def");
}

TEST_F(IniFileTest, FailedWriteRaisesAndLeavesNothingBehind) {
  const std::string bad = dir.File("no-such-folder/Test.ini");
  TIniFile ini(bad);
  try {
    ini.WriteString("S", "k", "v");
    FAIL();
  } catch (const EIniFileException& e) {
    EXPECT_EQ(e.Message(), "Unable to write to " + bad);
    EXPECT_STREQ(e.ClassName(), "EIniFileException");
  }
  ::mkdir(dir.File("folder.ini").c_str(), 0755);
  TIniFile onFolder(dir.File("folder.ini"));
  EXPECT_THROW(onFolder.WriteString("S", "k", "v"), EIniFileException);
}

TEST_F(IniFileTest, FailedWriteKeepsTheOldContent) {
  const std::string old = "; keep me\r\n[S]\r\nk=old\r\n";
  dir.Write("Test.ini", old);
  TIniFile ini(path);
  bool raised = false;
  try {
    const FileSizeLimit limit(old.size());
    ini.WriteString("S", "k", "a longer new value");
  } catch (const EIniFileException&) {
    raised = true;
  }
  EXPECT_TRUE(raised);
  EXPECT_EQ(dir.Read("Test.ini"), old);
  // The copy the object keeps is the file as it is, not the change it could
  // not write.
  EXPECT_EQ(ini.ReadString("S", "k", ""), "old");
}

TEST_F(IniFileTest, WritesSeeChangesMadeByOthers) {
  TIniFile ini(path);
  ini.WriteString("S", "a", "1");
  dir.Write("Test.ini", "[S]\r\na=1\r\nb=2\r\n");  // another program edits the file
  ini.WriteString("S", "c", "3");
  EXPECT_EQ(dir.Read("Test.ini"), "[S]\r\na=1\r\nb=2\r\nc=3\r\n");
}

// The parsed file is kept between calls, yet a change made by another
// program at once, in place and of the same size (so its times and size may
// not change within the clock's tick), is seen at the next read; so is one
// made right after this object's own write.
TEST_F(IniFileTest, AChangeByAnotherProgramIsSeenAtTheNextRead) {
  dir.Write("Test.ini", "[S]\r\nk=1\r\n");
  TIniFile ini(path);
  const auto overwriteValue = [&](char value) {
    std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
    file.seekp(7);
    file.put(value);
  };
  EXPECT_EQ(ini.ReadString("S", "k", ""), "1");
  overwriteValue('2');
  EXPECT_EQ(ini.ReadString("S", "k", ""), "2");
  ini.WriteString("S", "k", "3");
  overwriteValue('4');
  EXPECT_EQ(ini.ReadString("S", "k", ""), "4");
  EXPECT_EQ(ini.ReadSections(), (std::vector<std::string>{"S"}));
}

// Written into itself (it has a second name), the file is still told from
// the version another program writes in its place right after.
TEST_F(IniFileTest, AFileWrittenIntoItselfStillShowsTheNextChange) {
  dir.Write("Test.ini", "[S]\r\nk=1\r\n");
  ASSERT_EQ(::link(path.c_str(), dir.File("Other.ini").c_str()), 0);
  TIniFile ini(path);
  ini.WriteString("S", "k", "3");
  EXPECT_EQ(dir.Read("Other.ini"), "[S]\r\nk=3\r\n");
  std::fstream(path, std::ios::in | std::ios::out | std::ios::binary).seekp(7).put('4');
  EXPECT_EQ(ini.ReadString("S", "k", ""), "4");
}

// Another program changes the file within the second of this object's
// read and sets its modification time back, as a tool that restores the
// times does: on a file system that keeps whole seconds its size and times
// stay as they were, and only its bytes tell. The modification time lies an
// hour back, so only the change of the file itself is recent.
TEST_F(IniFileTest, AChangeThatKeepsTheSizeAndTheTimesIsSeenAtTheNextRead) {
  const CoarseFileTimes coarse(path);
  const timespec hourAgo[2] = {{0, UTIME_OMIT}, {std::time(nullptr) - 3600, 0}};
  for (int attempt = 1;; ++attempt) {
    dir.Write("Test.ini", "[S]\r\nk=1\r\n");
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), hourAgo, 0), 0);
    struct stat before {};
    ::stat(path.c_str(), &before);
    TIniFile ini(path);
    ASSERT_EQ(ini.ReadString("S", "k", ""), "1");
    {
      std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
      file.seekp(7);
      file.put('2');
    }
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), hourAgo, 0), 0);
    struct stat after {};
    ::stat(path.c_str(), &after);
    if (after.st_ctim.tv_sec != before.st_ctim.tv_sec) {
      ASSERT_LT(attempt, 5) << "a second went by at every attempt";
      continue;  // the times tell this change: once more
    }
    ASSERT_EQ(after.st_size, before.st_size);
    ASSERT_EQ(after.st_mtim.tv_sec, before.st_mtim.tv_sec);
    EXPECT_EQ(ini.ReadString("S", "k", ""), "2");
    break;
  }
}

// A search path of a few hundred folders runs to thousands of characters.
TEST_F(IniFileTest, LongValuesAreReadWhole) {
  const std::string value(8430, 'x');
  TIniFile ini(path);
  ini.WriteString("S", "long", value);
  EXPECT_EQ(ini.ReadString("S", "long", ""), value);
  EXPECT_EQ(ini.ReadSectionValues("S").front().second, value);
  EXPECT_EQ(TIniFile(path).ReadString("S", "long", ""), value);
}

}  // namespace

namespace {

// A project in a folder such as "[old]": its section is one section.
TEST_F(IniFileTest, ASectionNameHoldingABracketIsOneSection) {
  const std::string section = "/home/dev/[old]/Project1.dpr";
  TIniFile ini(path);
  ini.WriteString("GUI", "LastApp", section);
  ini.WriteString(section, "DataFileName", "Project1.bul");
  ini.WriteString(section, "SearchPath", "lib");
  ini.WriteString(section, "SearchPath", "lib;..\\common");
  EXPECT_EQ(dir.Read("Test.ini"),
            "[GUI]\r\nLastApp=/home/dev/[old]/Project1.dpr\r\n"
            "\r\n[/home/dev/[old]/Project1.dpr]\r\nDataFileName=Project1.bul\r\nSearchPath=lib;..\\common\r\n");
  EXPECT_EQ(ini.ReadSections(), (std::vector<std::string>{"GUI", section}));
  EXPECT_EQ(ini.ReadString(section, "DataFileName", ""), "Project1.bul");
  EXPECT_TRUE(ini.SectionExists(section));
  EXPECT_FALSE(ini.SectionExists("/home/dev/[old"));
  ini.EraseSection(section);
  EXPECT_EQ(dir.Read("Test.ini"), "[GUI]\r\nLastApp=/home/dev/[old]/Project1.dpr\r\n\r\n");
}

// Without write permission the file is kept whole: every kind of write
// raises, reads go on. The superuser passes permission checks, so a file
// that nobody may write counts as read-only for it too.
TEST_F(IniFileTest, AReadOnlyFileIsNeverReplaced) {
  const std::string old = "[Section]\r\nStationId=Desk 4\r\nLastReportNum=7\r\n";
  dir.Write("Test.ini", old);
  ::chmod(path.c_str(), 0444);
  TIniFile ini(path);
  EXPECT_EQ(ini.ReadInteger("Section", "LastReportNum", 0), 7);
  EXPECT_THROW(ini.WriteInteger("Section", "LastReportNum", 8), EIniFileException);
  EXPECT_THROW(ini.DeleteKey("Section", "StationId"), EIniFileException);
  EXPECT_THROW(ini.EraseSection("Section"), EIniFileException);
  EXPECT_EQ(dir.Read("Test.ini"), old);
  struct stat st {};
  ::stat(path.c_str(), &st);
  EXPECT_EQ(st.st_mode & 07777, 0444u);
}

// A file that exists but cannot be read reads as empty, so a write would
// leave it holding one key: the write raises instead, saying why. Tested as
// a user that may write the file but not read it.
TEST_F(IniFileTest, AnUnreadableFileIsNeverRewrittenWithLess) {
  const std::string old = "[Section]\r\nStationId=Desk 4\r\nLastReportNum=7\r\n";
  dir.Write("Test.ini", old);
  ASSERT_TRUE(GiveToChild(dir.Path()));
  ASSERT_TRUE(GiveToChild(path));
  ::chmod(path.c_str(), 0200);
  const std::string failure = RunWithoutRoot([&]() -> std::string {
    TIniFile ini(path);
    if (ini.ReadString("Section", "StationId", "None") != "None") return "read an unreadable file";
    try {
      ini.WriteInteger("Section", "LastReportNum", 1);
      return "wrote over an unreadable file";
    } catch (const EIniFileException& e) {
      if (e.Message() != "Unable to read " + path + ": Permission denied")
        return "unexpected message: " + e.Message();
    }
    if (ini.ReadFailure() != "Permission denied") return "read failure: " + ini.ReadFailure();
    try {
      ini.EraseSection("Other");
    } catch (const EIniFileException&) {
      return "a change of nothing raised";
    }
    // A program that goes on without it keeps its changes to itself.
    ini.KeepChangesInMemory();
    ini.WriteInteger("Section", "LastReportNum", 8);
    if (ini.ReadInteger("Section", "LastReportNum", 0) != 8) return "a change kept in memory is not read back";
    return {};
  });
  EXPECT_EQ(failure, "");
  EXPECT_EQ(dir.Read("Test.ini"), old);
}

// A program that goes on when its settings cannot be saved: the failed
// write raises nothing, the change and every later one stay in the object,
// which reads them back, and the program is told once, with the reason.
TEST_F(IniFileTest, AFailedWriteCanBeKeptInMemoryAndToldOnce) {
  const std::string old = "[A]\r\ntop=1\r\n[S]\r\nk=old\r\n";
  dir.Write("Test.ini", old);
  ::chmod(path.c_str(), 0444);
  TIniFile ini(path);
  std::vector<std::string> told;
  ini.KeepChangesInMemoryWhenWritesFail([&](const std::string& reason) { told.push_back(reason); });
  EXPECT_FALSE(ini.ChangesInMemory());
  EXPECT_EQ(ini.ReadString("S", "k", ""), "old");
  ini.WriteString("S", "k", "new");
  EXPECT_EQ(told, std::vector<std::string>{"Permission denied"});
  EXPECT_TRUE(ini.ChangesInMemory());
  EXPECT_EQ(ini.ReadString("S", "k", ""), "new");
  EXPECT_EQ(ini.ReadString("A", "top", ""), "1");
  ini.WriteInteger("T", "n", 2);
  ini.DeleteKey("A", "top");
  EXPECT_EQ(ini.ReadInteger("T", "n", 0), 2);
  EXPECT_FALSE(ini.ValueExists("A", "top"));
  EXPECT_EQ(told.size(), 1u);
  EXPECT_EQ(dir.Read("Test.ini"), old);
  // Without the call, the same write raises and the object keeps nothing.
  TIniFile raising(path);
  EXPECT_THROW(raising.WriteString("S", "k", "new"), EIniFileException);
  EXPECT_FALSE(raising.ChangesInMemory());
  EXPECT_EQ(raising.ReadString("S", "k", ""), "old");
}

TEST_F(IniFileTest, WithoutRootAFolderThatRefusesNewFilesGetsNone) {
  ::mkdir(dir.File("closed").c_str(), 0555);
  ASSERT_TRUE(GiveToChild(dir.Path()));
  ASSERT_TRUE(GiveToChild(dir.File("closed")));
  const std::string file = dir.File("closed/Dromlet.ini");
  const std::string failure = RunWithoutRoot([&]() -> std::string {
    TIniFile ini(file);
    try {
      ini.WriteBool("Options", "English", false);
    } catch (const EIniFileException&) {
      return {};
    }
    return "no failure";
  });
  EXPECT_EQ(failure, "");
  EXPECT_FALSE(std::filesystem::exists(file));
  EXPECT_TRUE(std::filesystem::is_empty(dir.File("closed")));
}

// A settings file that may be written, in a program folder that takes no
// new file, is written into itself.
TEST_F(IniFileTest, WithoutRootAWritableFileInAFolderThatRefusesNewFilesIsWritten) {
  const std::string file = dir.Write("closed/Corvane.ini", "[GUI]\r\nShowGuide=Yes\r\n");
  ASSERT_TRUE(GiveToChild(dir.Path()));
  ASSERT_TRUE(GiveToChild(dir.File("closed")));
  ASSERT_TRUE(GiveToChild(file));
  ::chmod(dir.File("closed").c_str(), 0555);
  const std::string failure = RunWithoutRoot([&]() -> std::string {
    TIniFile ini(file);
    ini.WriteString("GUI", "ShowGuide", "No");
    return {};
  });
  ::chmod(dir.File("closed").c_str(), 0755);
  EXPECT_EQ(failure, "");
  EXPECT_EQ(dir.Read("closed/Corvane.ini"), "[GUI]\r\nShowGuide=No\r\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.File("closed")), std::filesystem::directory_iterator()),
            1);
}

}  // namespace
