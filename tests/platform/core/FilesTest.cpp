#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "FileSizeLimit.h"
#include "Files.h"
#include "TempDir.h"

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
