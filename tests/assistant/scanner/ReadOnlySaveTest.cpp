// Saving a source the user may not write: the platform's error text with
// its reason, the silent abort, and the file as it was.
#include <gmock/gmock.h>

#include <sys/stat.h>
#include <unistd.h>

#include "FileContents.h"
#include "ScannerFixture.h"
#include "ScriptedDialogs.h"
#include "WithoutRoot.h"

namespace {

using ReadOnlySaveTest = ScannerTest;

// A file nobody may write, as root: the superuser's permission checks would
// let the write through, but it is refused as for anyone.
TEST_F(ReadOnlySaveTest, AFileWithoutWritePermissionIsKept) {
  ScriptedDialogs dialogs;
  const std::string file = dir.Write("Unit1.pas", "unit Unit1;\r\nend.");
  ::chmod(file.c_str(), 0444);
  EXPECT_THROW(SaveFileContents(file, "unit Unit1;\r\n{changed}\r\nend."), EAbort);
  ASSERT_EQ(dialogs.Shown().size(), 1u);
  EXPECT_EQ(dialogs.Last().type, TMsgDlgType::mtError);
  EXPECT_EQ(dialogs.Last().text, "Cannot create file \"" + file + "\". Permission denied");
  EXPECT_EQ(dir.Read("Unit1.pas"), "unit Unit1;\r\nend.");
}

// As an ordinary user: another user's source is kept.
TEST_F(ReadOnlySaveTest, WithoutRootAnotherUsersFileIsKept) {
  const std::string file = dir.Write("Unit1.pas", "unit Unit1;\r\nend.");
  if (::geteuid() != 0) ::chmod(file.c_str(), 0444);  // the tests' user owns it
  ASSERT_TRUE(GiveToChild(dir.Path()));
  const std::string failure = RunWithoutRoot([&]() -> std::string {
    ScriptedDialogs dialogs;
    try {
      SaveFileContents(file, "changed");
      return "saved";
    } catch (const EAbort&) {
    }
    if (dialogs.Shown().size() != 1) return "dialogs shown: " + std::to_string(dialogs.Shown().size());
    if (dialogs.Last().text != "Cannot create file \"" + file + "\". Permission denied")
      return "shown: " + dialogs.Last().text;
    return {};
  });
  EXPECT_EQ(failure, "");
  EXPECT_EQ(dir.Read("Unit1.pas"), "unit Unit1;\r\nend.");
}

// As an ordinary user: another user's source that the user's group may
// write is saved, and stays that user's and that group's; a new file would
// have been the saver's.
TEST_F(ReadOnlySaveTest, WithoutRootAGroupUnitOfAnotherUserKeepsItsOwnerAndGroup) {
  if (::geteuid() != 0) GTEST_SKIP() << "only the superuser may make a file another user owns";
  const std::string file = dir.Write("Unit1.pas", "unit Unit1;\r\nend.");
  ASSERT_TRUE(GiveToChild(dir.Path()));  // so that a new file could be made beside it
  ASSERT_TRUE(GiveToChild(file));
  ASSERT_EQ(::chown(file.c_str(), 0, static_cast<gid_t>(-1)), 0);  // root's, in the child's group
  ::chmod(file.c_str(), 0664);
  struct stat before {};
  ::stat(file.c_str(), &before);
  const std::string failure = RunWithoutRoot([&]() -> std::string {
    ScriptedDialogs dialogs;
    try {
      SaveFileContents(file, "unit Unit1;\r\n{changed}\r\nend.");
    } catch (const EAbort&) {
      return "not saved: " + (dialogs.Shown().empty() ? std::string() : dialogs.Last().text);
    }
    return {};
  });
  EXPECT_EQ(failure, "");
  EXPECT_EQ(dir.Read("Unit1.pas"), "unit Unit1;\r\n{changed}\r\nend.");
  struct stat after {};
  ::stat(file.c_str(), &after);
  EXPECT_EQ(after.st_uid, 0u);
  EXPECT_EQ(after.st_gid, before.st_gid);
  EXPECT_EQ(after.st_mode & 07777, 0664u);
}

}  // namespace
