// What the user owns stays whole, and names with accents work: "Dromlet.ini"
// that may not be written or read, a program folder and a browser whose
// names hold "é", and the report written from the shipped model.
#include <sys/stat.h>

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "DemoFixture.h"
#include "Files.h"
#include "Lumbrick.h"
#include "QtText.h"
#include "RadioGroup.h"
#include "WithoutRoot.h"

namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

using SettingsAndNamesTest = DemoTest;

// Nobody may write the file, the superuser included: the language switch
// is told, once and in the new language, that the settings cannot be saved;
// the tour goes on with them in memory and the file keeps what it held.
TEST_F(SettingsAndNamesTest, AReadOnlySettingsFileIsKeptWhenTheLanguageChanges) {
  WriteIniWithBrowser("English=1\r\n");
  const std::string before = Ini();
  ::chmod(dir.File("Dromlet.ini").c_str(), 0444);
  TfmMain& fm = Open();
  fm.rgLanguage->Item(1)->click();
  ASSERT_EQ(dialogs.Shown().size(), 1u);
  EXPECT_EQ(dialogs.Last().type, TMsgDlgType::mtError);
  EXPECT_EQ(dialogs.Last().text, dir.File("Dromlet.ini") + " ne peut pas \xEAtre enregistr\xE9 : Permission denied." +
                                     br + br +
                                     "La visite garde ses r\xE9glages jusqu'\xE0 sa fermeture et laisse ce fichier "
                                     "tel quel.");
  EXPECT_FALSE(IsEnglish);
  EXPECT_EQ(VIX->Language, 2);
  fm.rgLanguage->Item(0)->click();
  EXPECT_TRUE(IsEnglish);
  Close();
  EXPECT_EQ(dialogs.Shown().size(), 1u);
  EXPECT_EQ(Ini(), before);
}

// A program folder that cannot be written, without "Dromlet.ini" yet, as
// an ordinary user: the same, and no file is made.
TEST_F(SettingsAndNamesTest, WithoutRootAReadOnlyProgramFolderCostsOnlyTheSavingOfSettings) {
  ASSERT_TRUE(GiveToChild(dir.Path()));
  ::chmod(dir.Path().c_str(), 0555);
  const std::string failure = RunWithoutRoot([&]() -> std::string {
    TfmMain& fm = Open();
    if (!dialogs.Shown().empty()) return "at the start: " + dialogs.Last().text;
    fm.rgLanguage->Item(1)->click();
    fm.rgLanguage->Item(0)->click();
    if (dialogs.Shown().size() != 1) return "dialogs: " + std::to_string(dialogs.Shown().size());
    if (dialogs.Last().text != dir.File("Dromlet.ini") + " ne peut pas \xEAtre enregistr\xE9 : Permission denied." +
                                   br + br +
                                   "La visite garde ses r\xE9glages jusqu'\xE0 sa fermeture et laisse ce fichier "
                                   "tel quel.")
      return "shown: " + dialogs.Last().text;
    Close();
    return dialogs.Shown().size() == 1 ? std::string() : "at the end: " + dialogs.Last().text;
  });
  ::chmod(dir.Path().c_str(), 0755);
  EXPECT_EQ(failure, "");
  EXPECT_FALSE(FileExists(dir.File("Dromlet.ini")));
}

// A user who may write "Dromlet.ini" but not read it: one change must not
// leave it holding that one key.
TEST_F(SettingsAndNamesTest, AnUnreadableSettingsFileIsNeverRewrittenWithOneKey) {
  WriteIniWithBrowser("English=1\r\n; the user's note\r\n");
  const std::string before = Ini();
  TfmMain& fm = Open();
  ASSERT_TRUE(GiveToChild(dir.Path()));
  ASSERT_TRUE(GiveToChild(dir.File("Dromlet.ini")));
  ::chmod(dir.File("Dromlet.ini").c_str(), 0200);
  const std::string failure = RunWithoutRoot([&]() -> std::string {
    fm.rgLanguage->Item(1)->click();
    if (dialogs.Shown().size() != 1) return "dialogs: " + std::to_string(dialogs.Shown().size());
    if (dialogs.Last().text.rfind(dir.File("Dromlet.ini") + " ne peut pas \xEAtre enregistr\xE9 : Permission denied.",
                                  0) != 0)
      return "shown: " + dialogs.Last().text;
    return {};
  });
  EXPECT_EQ(failure, "");
  EXPECT_EQ(Ini(), before);
}

// A "Dromlet.ini" the user may not read at the start is reported once; the
// tour goes on with its defaults (English), a language switch stays in the
// program and writes nothing, and a bug report still builds its text, in
// the tour's language.
TEST_F(SettingsAndNamesTest, AnUnreadableSettingsFileIsReportedOnceAndReportsStillWork) {
  WriteIniWithBrowser("English=0\r\n");
  const std::string before = Ini();
  ASSERT_TRUE(GiveToChild(dir.Path()));
  ASSERT_TRUE(GiveToChild(dir.File("Dromlet.ini")));
  ::chmod(dir.File("Dromlet.ini").c_str(), 0200);
  const std::string failure = RunWithoutRoot([&]() -> std::string {
    TfmMain& fm = Open();
    if (dialogs.Shown().size() != 1) return "dialogs at the start: " + std::to_string(dialogs.Shown().size());
    if (dialogs.Last().text != dir.File("Dromlet.ini") + " cannot be read: Permission denied." + br + br +
                                   "The tour goes on with its default settings and leaves this file as it is.")
      return "shown: " + dialogs.Last().text;
    if (!IsEnglish) return "not in English";
    fm.rgLanguage->Item(1)->click();
    if (dialogs.Shown().size() != 1) return "the language switch showed: " + dialogs.Last().text;
    fm.SetPageControlIndex(2);
    fm.OnActivePageChanged();
    fm.ed2Num->setText(QStringLiteral("x"));
    fm.bt2Calc->click();
    if (Report().technicalText.find("\r>>> " + dir.File("Dromlet.ini") + " est illisible : Permission denied\r") ==
        std::string::npos)
      return "technical text: " + Report().technicalText;
    return {};
  });
  EXPECT_EQ(failure, "");
  EXPECT_EQ(Ini(), before);
}

std::string WaitForFile(const std::string& path) {
  for (int i = 0; i < 500 && !std::filesystem::exists(path); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// The program folder and the browser hold "é": on the file system as UTF-8,
// in the program as the Windows-1252 text a dialog gives. Both are found,
// the browser starts, the settings read back and every text shows "é".
TEST_F(SettingsAndNamesTest, AFolderAndABrowserNamedWithAccents) {
  const std::string fsFolder = dir.Path() + "Pr\xC3\xA9sentation/";
  const std::string fsBrowser = WriteBrowser("Pr\xC3\xA9sentation/Navigateurs/n\xC3\xA0vigateur.sh");
  const std::string folder = As(QString::fromStdString(fsFolder));
  const std::string browser = As(QString::fromStdString(fsBrowser));
  ASSERT_EQ(folder, dir.Path() + "Pr\xE9sentation/");
  std::ofstream(fsFolder + "dromlet") << "12345";
  std::filesystem::copy_file(DEMO_SOURCE_DIR "/DromletModel.htm", fsFolder + "DromletModel.htm");
  std::ofstream(fsFolder + "Dromlet.ini", std::ios::binary) << "[Options]\r\nNavigator=" + browser + "\r\nEnglish=1\r\n";
  Application->SetExeName(folder + "dromlet");

  TfmMain& fm = Open();
  EXPECT_EQ(fm.edWebBrowser->text(), QString::fromStdString(fsBrowser));
  fm.btNext->click();
  EXPECT_TRUE(dialogs.Shown().empty()) << "the browser was not found";
  fm.rgLanguage->Item(1)->click();
  EXPECT_EQ(WaitForFile(fsFolder + "Dromlet.ini"), "[Options]\r\nNavigator=" + browser + "\r\nEnglish=0\r\n");

  fm.SetPageControlIndex(2);
  fm.OnActivePageChanged();
  fm.ed2Num->setText(QString::fromUtf8("\xC3\xA9t\xC3\xA9"));
  fm.bt2Calc->click();
  EXPECT_EQ(Report().exceptionText, "'\xE9t\xE9' is not a valid floating point value");
  const std::string& technical = Report().technicalText;
  EXPECT_THAT(technical, HasSubstr("\rExeName=" + folder + "dromlet\rSize=5\r"));
  EXPECT_THAT(technical, HasSubstr("\r" + folder + "Dromlet.ini\r [Options]\r Navigator=" + browser + "\r"));

  VIX->CreateAndOpenBugReport();
  EXPECT_EQ(WaitForFile(fsFolder + "Navigateurs/browser.out"), fsFolder + "BugReport_0001.htm\n");
  const std::string report = WaitForFile(fsFolder + "BugReport_0001.htm");
  // The shipped model declares the reports' character set, so a browser
  // shows the accents right.
  EXPECT_THAT(report, StartsWith("<html>\r\n<head>\r\n"
                                 "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">\r\n"));
  EXPECT_THAT(report, HasSubstr("'\xE9t\xE9' is not a valid floating point value"));
}

}  // namespace
