#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <optional>

#include "FileSizeLimit.h"
#include "Files.h"
#include "TempDir.h"
#include "TextFile.h"
#include "WithoutRoot.h"

namespace {

TEST(FilesTest, PathParts) {
  EXPECT_EQ(ExtractFilePath("/opt/app/Dromlet"), "/opt/app/");
  EXPECT_EQ(ExtractFilePath("Dromlet"), "");
  EXPECT_EQ(ExtractFileName("/opt/app/Dromlet.ini"), "Dromlet.ini");
  EXPECT_EQ(ExtractFileName("/opt/app/"), "");
  EXPECT_EQ(ExtractFileExt("/opt/app/Model.HTM"), ".HTM");
  EXPECT_EQ(ExtractFileExt("/opt/my.app/Dromlet"), "");
  EXPECT_EQ(ExtractFileExt("archive.tar.gz"), ".gz");
  EXPECT_EQ(ChangeFileExt("/opt/app/Dromlet", ".ini"), "/opt/app/Dromlet.ini");
  EXPECT_EQ(ChangeFileExt("/opt/my.app/Unit1.pas", ".bak"), "/opt/my.app/Unit1.bak");
  EXPECT_EQ(ChangeFileExt("Unit1.pas", ""), "Unit1");
  EXPECT_EQ(IncludeTrailingPathDelimiter("/opt/app"), "/opt/app/");
  EXPECT_EQ(IncludeTrailingPathDelimiter("/opt/app/"), "/opt/app/");
}

TEST(FilesTest, ExistenceAndDetails) {
  TempDir dir;
  const std::string file = dir.Write("a.bin", std::string(12345, 'x'));
  EXPECT_TRUE(FileExists(file));
  EXPECT_FALSE(FileExists(dir.Path()));
  EXPECT_TRUE(DirectoryExists(dir.Path()));
  EXPECT_FALSE(DirectoryExists(file));
  EXPECT_FALSE(FileExists(dir.File("none")));

  // 2006-06-15 14:30:45 local time as the file's modification time.
  std::tm local{};
  local.tm_year = 106, local.tm_mon = 5, local.tm_mday = 15;
  local.tm_hour = 14, local.tm_min = 30, local.tm_sec = 45, local.tm_isdst = -1;
  const std::time_t t = std::mktime(&local);
  const timespec times[2] = {{t, 0}, {t, 0}};
  ASSERT_EQ(::utimensat(AT_FDCWD, file.c_str(), times, 0), 0);
  const auto details = FindFileDetails(file);
  ASSERT_TRUE(details);
  EXPECT_EQ(details->size, 12345u);
  EXPECT_DOUBLE_EQ(details->date, EncodeDate(2006, 6, 15) + EncodeTime(14, 30, 45, 0));
  EXPECT_FALSE(FindFileDetails(dir.File("none")));

  EXPECT_TRUE(DeleteFile(file));
  EXPECT_FALSE(DeleteFile(file));
}

TEST(FilesTest, ReadFileBytesIsExact) {
  TempDir dir;
  std::string bytes;
  for (int i = 0; i < 200000; ++i) bytes += static_cast<char>(i * 7);
  dir.Write("b.bin", bytes);
  EXPECT_EQ(ReadFileBytes(dir.File("b.bin")), bytes);
  EXPECT_FALSE(ReadFileBytes(dir.File("none")));
  EXPECT_FALSE(ReadFileBytes(dir.Path()));
}

TEST(FilesTest, ReplaceFileBytesWritesWholeAndKeepsPermissions) {
  TempDir dir;
  const std::string file = dir.Write("c.txt", "old content");
  ::chmod(file.c_str(), 0640);
  ASSERT_TRUE(ReplaceFileBytes(file, std::string("new\0bytes", 9)));
  EXPECT_EQ(dir.Read("c.txt"), std::string("new\0bytes", 9));
  struct stat st {};
  ::stat(file.c_str(), &st);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  // Nothing is left beside it.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), std::filesystem::directory_iterator()), 1);

  ASSERT_TRUE(ReplaceFileBytes(dir.File("fresh.txt"), "x"));
  EXPECT_EQ(dir.Read("fresh.txt"), "x");
}

TEST(FilesTest, ReplaceFileBytesThroughALinkReplacesItsTarget) {
  TempDir dir;
  const std::string target = dir.Write("target.txt", "old");
  ::symlink(target.c_str(), dir.File("link.txt").c_str());
  ASSERT_TRUE(ReplaceFileBytes(dir.File("link.txt"), "new"));
  EXPECT_EQ(dir.Read("target.txt"), "new");
  EXPECT_TRUE(std::filesystem::is_symlink(dir.File("link.txt")));
}

TEST(FilesTest, FailedReplaceLeavesTheTargetUntouched) {
  TempDir dir;
  EXPECT_FALSE(ReplaceFileBytes(dir.File("missing-folder/x.txt"), "data"));
  ::mkdir(dir.File("sub").c_str(), 0755);
  EXPECT_FALSE(ReplaceFileBytes(dir.File("sub"), "data"));  // a folder is never replaced
  EXPECT_TRUE(DirectoryExists(dir.File("sub")));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), std::filesystem::directory_iterator()), 1);

  if (::geteuid() != 0) {
    const std::string file = dir.Write("ro/keep.txt", "old");
    ::chmod(dir.File("ro").c_str(), 0555);
    EXPECT_FALSE(ReplaceFileBytes(file, "new"));
    EXPECT_EQ(dir.Read("ro/keep.txt"), "old");
    ::chmod(dir.File("ro").c_str(), 0755);
  }
}

TEST(FilesTest, ShortWriteLeavesTheTargetUntouched) {
  TempDir dir;
  const std::string file = dir.Write("keep.txt", "old");
  bool replaced;
  {
    const FileSizeLimit limit(4);
    replaced = ReplaceFileBytes(file, "much longer new content");
  }
  EXPECT_FALSE(replaced);
  EXPECT_EQ(dir.Read("keep.txt"), "old");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), std::filesystem::directory_iterator()), 1);
}

}  // namespace

namespace {

std::ptrdiff_t Entries(const std::string& folder) {
  return std::distance(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator());
}

// Nobody may write a file without write permission: not this process, and
// not the superuser either, which permission checks would let through.
TEST(FilesTest, AFileWithoutWritePermissionIsNeverReplaced) {
  TempDir dir;
  const std::string file = dir.Write("ro.txt", "old");
  ::chmod(file.c_str(), 0444);
  const bool replaced = ReplaceFileBytes(file, "new");
  const int reason = errno;
  EXPECT_FALSE(replaced);
  EXPECT_EQ(reason, EACCES);
  EXPECT_EQ(dir.Read("ro.txt"), "old");
  EXPECT_EQ(Entries(dir.Path()), 1);
  EXPECT_EQ(FileCreateErrorText(file, reason), "Cannot create file \"" + file + "\". Permission denied");
}

// As an ordinary user: another user's file and a folder that refuses new
// files are left alone; the user's own file is replaced.
TEST(FilesTest, WithoutRootOnlyWhatTheUserMayWriteIsWritten) {
  TempDir dir;
  ASSERT_TRUE(GiveToChild(dir.Path()));
  const std::string others = dir.Write("others.txt", "theirs");
  if (::geteuid() != 0) ::chmod(others.c_str(), 0444);  // the tests' user owns it
  const std::string mine = dir.Write("mine.txt", "mine");
  ASSERT_TRUE(GiveToChild(mine));
  ::mkdir(dir.File("closed").c_str(), 0555);
  ASSERT_TRUE(GiveToChild(dir.File("closed")));
  const std::string failure = RunWithoutRoot([&]() -> std::string {
    if (ReplaceFileBytes(others, "new")) return "replaced another user's file";
    if (errno != EACCES) return "reason " + std::to_string(errno);
    if (!ReplaceFileBytes(mine, "new")) return "could not replace its own file";
    if (ReplaceFileBytes(dir.File("closed/new.txt"), "x")) return "wrote into a closed folder";
    if (errno != EACCES) return "reason " + std::to_string(errno);
    if (CreateNewFile(dir.File("closed/probe.htm"))) return "created a file in a closed folder";
    return {};
  });
  EXPECT_EQ(failure, "");
  EXPECT_EQ(dir.Read("others.txt"), "theirs");
  EXPECT_EQ(dir.Read("mine.txt"), "new");
  EXPECT_EQ(Entries(dir.File("closed")), 0);
  EXPECT_EQ(Entries(dir.Path()), 3);
}

// The superuser writing another user's file leaves it that user's file.
TEST(FilesTest, ReplacingKeepsTheOwner) {
  if (::geteuid() != 0) GTEST_SKIP() << "only the superuser may give a file away";
  TempDir dir;
  const std::string file = dir.Write("theirs.txt", "old");
  ASSERT_TRUE(GiveToChild(file));
  ::chmod(file.c_str(), 0640);
  struct stat before {};
  ::stat(file.c_str(), &before);
  ASSERT_TRUE(ReplaceFileBytes(file, "new"));
  struct stat after {};
  ::stat(file.c_str(), &after);
  EXPECT_EQ(after.st_uid, before.st_uid);
  EXPECT_EQ(after.st_gid, before.st_gid);
  EXPECT_EQ(after.st_mode & 07777, 0640u);
  EXPECT_EQ(dir.Read("theirs.txt"), "new");
}

// A file with a second name is written into itself: both names show the
// new text, longer or shorter, and it stays one file.
TEST(FilesTest, AHardLinkedFileKeepsItsLink) {
  TempDir dir;
  const std::string file = dir.Write("a.txt", "old");
  ASSERT_EQ(::link(file.c_str(), dir.File("b.txt").c_str()), 0);
  ASSERT_TRUE(ReplaceFileBytes(file, "new text"));
  EXPECT_EQ(dir.Read("b.txt"), "new text");
  ASSERT_TRUE(ReplaceFileBytes(dir.File("b.txt"), "x"));
  EXPECT_EQ(dir.Read("a.txt"), "x");
  struct stat a {}, b {};
  ::stat(file.c_str(), &a);
  ::stat(dir.File("b.txt").c_str(), &b);
  EXPECT_EQ(a.st_ino, b.st_ino);
  EXPECT_EQ(a.st_nlink, 2u);
  EXPECT_EQ(Entries(dir.Path()), 2);
}

// A write into the file itself that stops part-way is undone: the file
// holds its old bytes under its old modification time, as if untouched.
TEST(FilesTest, AFailedWriteIntoTheFileItselfLeavesItsOldBytes) {
  TempDir dir;
  const std::string file = dir.Write("a.txt", "old");
  ASSERT_EQ(::link(file.c_str(), dir.File("b.txt").c_str()), 0);
  TempDir::SetFileDate(file, 2006, 6, 15, 14, 30, 45);
  const std::optional<FileDetails> before = FindFileDetails(file);
  bool replaced;
  int reason;
  {
    const FileSizeLimit limit(8);
    replaced = ReplaceFileBytes(file, "much longer new content");
    reason = errno;
  }
  EXPECT_FALSE(replaced);
  EXPECT_EQ(reason, EFBIG);
  EXPECT_EQ(dir.Read("a.txt"), "old");
  EXPECT_EQ(dir.Read("b.txt"), "old");
  EXPECT_EQ(FindFileDetails(file)->modified_ns, before->modified_ns);
  EXPECT_EQ(Entries(dir.Path()), 2);
}

// As an ordinary user: a file the user may write, in a folder that takes no
// new file, is written into itself.
TEST(FilesTest, WithoutRootAWritableFileInAClosedFolderIsWritten) {
  TempDir dir;
  const std::string file = dir.Write("closed/mine.txt", "old");
  ASSERT_TRUE(GiveToChild(dir.Path()));
  ASSERT_TRUE(GiveToChild(dir.File("closed")));
  ASSERT_TRUE(GiveToChild(file));
  ::chmod(dir.File("closed").c_str(), 0555);
  const std::string failure = RunWithoutRoot([&]() -> std::string {
    if (!ReplaceFileBytes(file, "new text")) return "not written: reason " + std::to_string(errno);
    return {};
  });
  ::chmod(dir.File("closed").c_str(), 0755);
  EXPECT_EQ(failure, "");
  EXPECT_EQ(dir.Read("closed/mine.txt"), "new text");
  EXPECT_EQ(Entries(dir.File("closed")), 1);
}

// The programs' names are Windows-1252 ("é" is E9); the file system's are
// UTF-8 (C3 A9). Every routine converts, both ways.
TEST(FilesTest, NamesWithAccentsReachTheFileSystem) {
  TempDir dir;
  const std::string folder = dir.Path() + "D\xE9j\xE0 vu/";
  const std::string fsFolder = dir.Path() + "D\xC3\xA9j\xC3\xA0 vu/";
  ::mkdir(fsFolder.c_str(), 0755);
  EXPECT_TRUE(DirectoryExists(folder));
  ASSERT_TRUE(ReplaceFileBytes(folder + "caf\xE9.txt", "one\r\ntwo"));
  EXPECT_EQ(Entries(fsFolder), 1);
  EXPECT_TRUE(std::filesystem::exists(fsFolder + "caf\xC3\xA9.txt"));
  EXPECT_TRUE(FileExists(folder + "caf\xE9.txt"));
  EXPECT_EQ(ReadFileBytes(folder + "caf\xE9.txt"), "one\r\ntwo");
  EXPECT_EQ(ReadTextFileLines(folder + "caf\xE9.txt"), (std::vector<std::string>{"one", "two"}));
  ASSERT_TRUE(FindFileDetails(folder + "caf\xE9.txt"));
  EXPECT_EQ(FindFileDetails(folder + "caf\xE9.txt")->size, 8u);
  EXPECT_TRUE(CreateNewFile(folder + "r\xE9sum\xE9.htm"));
  EXPECT_FALSE(CreateNewFile(folder + "r\xE9sum\xE9.htm"));  // it exists now

  // Names the programs cannot hold are not listed: no substitute may name
  // another file.
  std::ofstream(fsFolder + "\xE6\x97\xA5\xE6\x9C\xAC.pas") << "x";  // two CJK characters
  std::ofstream(fsFolder + "latin\xE9.pas") << "x";                  // not UTF-8
  ::mkdir((fsFolder + "sub").c_str(), 0755);
  std::vector<std::string> names = FolderFileNames(folder);
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"caf\xE9.txt", "r\xE9sum\xE9.htm"}));

  struct CurrentDirGuard {
    std::filesystem::path saved = std::filesystem::current_path();
    ~CurrentDirGuard() { std::filesystem::current_path(saved); }
  } guard;
  ASSERT_TRUE(SetCurrentDir(folder));
  EXPECT_EQ(GetCurrentDir(), dir.Path() + "D\xE9j\xE0 vu");
  ::mkdir((fsFolder + "\xE6\x97\xA5").c_str(), 0755);
  std::filesystem::current_path(fsFolder + "\xE6\x97\xA5");  // a name with no Windows-1252 form
  try {
    GetCurrentDir();
    ADD_FAILURE() << "no error";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "Cannot use the file name \"" + dir.Path() + "D\xE9j\xE0 vu/?\": it holds characters outside "
                           "Windows-1252");
  }
  EXPECT_TRUE(DeleteFile(folder + "caf\xE9.txt"));
}

}  // namespace
