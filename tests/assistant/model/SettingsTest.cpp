// "Corvane.ini": every key, its default and its encoding.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "Process.h"
#include "Browser.h"
#include "CommonGlobals.h"
#include "IniValues.h"
#include "ModelFixture.h"
#include "Settings.h"
#include "Translator.h"

namespace {

using SettingsTest = ModelTest;

TEST_F(SettingsTest, ANewInstallationReadsEveryDefault) {
  GUIOptions = {false, false, false, false};
  Language = 2;
  BrowserPath = "changed";
  ReadGUIOptions();
  ReadExternalPrograms();
  TCodeOptions options;
  options.ExceptLines = 4;
  options.ReindentAddedCode = options.ReindentRemovedCode = false;
  options.QuellumVar = "X";
  options.PushParams = {false, false, false, false, false};
  ReadCodeOptions(options);

  EXPECT_EQ(Language, 1);
  EXPECT_TRUE(GUIOptions.ShowGuide);
  EXPECT_TRUE(GUIOptions.MustNotifyAction);
  EXPECT_TRUE(GUIOptions.ConfirmOverwrite);
  EXPECT_TRUE(GUIOptions.ShowRelativePath);
  EXPECT_EQ(BrowserPath, HostBrowser);
  EXPECT_FALSE(ReadDebugMode());
  EXPECT_EQ(IniFile->ReadInteger("GUI", "HeaderWidth02", DefaultHeaderWidth02), 420);
  EXPECT_EQ(IniFile->ReadInteger("GUI", "HeaderWidth03", DefaultHeaderWidth03), 135);
  EXPECT_EQ(IniFile->ReadInteger("GUI", "HeaderWidth04", DefaultHeaderWidth04), 135);
  EXPECT_EQ(IniFile->ReadInteger("GUI", "CodeFontSize", DefaultCodeFontSize), 10);
  EXPECT_EQ(IniFile->ReadString("GUI", "LastApp", ""), "");
  EXPECT_EQ(options, TCodeOptions{});
  EXPECT_EQ(options.ExceptLines, 1);
  EXPECT_EQ(options.QuellumVar, "VIX");
  EXPECT_FALSE(std::filesystem::exists(ExeDir + "Corvane.ini"));
}

TEST_F(SettingsTest, EveryOptionIsWrittenInItsOrderAndReadBack) {
  Language = 2;
  GUIOptions = {true, false, true, true};
  WriteGUIOptions(false);
  TCodeOptions written;
  written.ExceptLines = 3;
  written.QuellumVar = "VIX";
  written.PushParams = {false, false, true, true, false};
  WriteCodeOptions(written);
  BrowserPath = "/usr/bin/firefox";
  WriteExternalPrograms();

  EXPECT_EQ(Settings(),
            "[GUI]\r\n"
            "Language=2\r\n"
            "ShowGuide=No\r\n"
            "MustNotifyAction=Yes\r\n"
            "ConfirmOverwrite=No\r\n"
            "ShowRelativePath=Yes\r\n"
            "\r\n"
            "[Options]\r\n"
            "ExceptLines=3\r\n"
            "ReindentAddedCode=Yes\r\n"
            "ReindentRemovedCode=Yes\r\n"
            "QuellumVar=VIX\r\n"
            "PushParams(1)=No\r\n"
            "PushParams(2)=No\r\n"
            "PushParams(3)=Yes\r\n"
            "PushParams(4)=Yes\r\n"
            "PushParams(5)=No\r\n"
            "\r\n"
            "[System]\r\n"
            "Navigator=/usr/bin/firefox\r\n");

  Language = 1;
  GUIOptions = {};
  BrowserPath.clear();
  TCodeOptions read;
  ReadGUIOptions();
  ReadCodeOptions(read);
  ReadExternalPrograms();
  EXPECT_EQ(Language, 2);
  EXPECT_FALSE(GUIOptions.ShowGuide);
  EXPECT_TRUE(GUIOptions.MustNotifyAction);
  EXPECT_FALSE(GUIOptions.ConfirmOverwrite);
  EXPECT_TRUE(GUIOptions.ShowRelativePath);
  EXPECT_EQ(read, written);
  EXPECT_EQ(BrowserPath, "/usr/bin/firefox");
}

TEST_F(SettingsTest, ShowGuideIsWrittenFromTheGuideWindowNotFromTheOption) {
  GUIOptions.ShowGuide = true;
  WriteGUIOptions(false);
  EXPECT_EQ(IniFile->ReadString("GUI", "ShowGuide", ""), "No");
  GUIOptions.ShowGuide = false;
  WriteGUIOptions(true);
  EXPECT_EQ(IniFile->ReadString("GUI", "ShowGuide", ""), "Yes");
}

TEST_F(SettingsTest, OnlyExactlyYesReadsTrue) {
  Write("prog/Corvane.ini",
        "[GUI]\r\nShowGuide=yes\r\nMustNotifyAction=YES\r\nConfirmOverwrite=True\r\n"
        "ShowRelativePath=1\r\n[Options]\r\nReindentAddedCode=\r\nReindentRemovedCode=Yes\r\n"
        "PushParams(1)=No\r\n");
  ReadGUIOptions();
  EXPECT_FALSE(GUIOptions.ShowGuide);
  EXPECT_FALSE(GUIOptions.MustNotifyAction);
  EXPECT_FALSE(GUIOptions.ConfirmOverwrite);
  EXPECT_FALSE(GUIOptions.ShowRelativePath);
  TCodeOptions options;
  ReadCodeOptions(options);
  EXPECT_FALSE(options.ReindentAddedCode);  // present but empty
  EXPECT_TRUE(options.ReindentRemovedCode);
  EXPECT_FALSE(options.PushParams[0]);
  EXPECT_TRUE(options.PushParams[1]);  // missing: the default
}

TEST_F(SettingsTest, AMalformedIntegerReadsAsItsDefault) {
  Write("prog/Corvane.ini", "[GUI]\r\nLanguage=French\r\n[Options]\r\nExceptLines=3x\r\n");
  Language = 2;
  ReadGUIOptions();
  EXPECT_EQ(Language, 1);
  TCodeOptions options;
  options.ExceptLines = 4;
  ReadCodeOptions(options);
  EXPECT_EQ(options.ExceptLines, 1);
}

TEST_F(SettingsTest, DebugIsOnOnlyForTheExactWord) {
  for (const auto& [value, on] : std::vector<std::pair<std::string, bool>>{
           {"Kindle", true}, {"kindle", false}, {"KINDLE", false}, {"\" Kindle\"", false},
           {"\"Kindle \"", false}, {"Yes", false}, {"", false}}) {
    Write("prog/Corvane.ini", "[System]\r\nDebug=" + value + "\r\n");
    EXPECT_EQ(ReadDebugMode(), on) << value;
  }
}

TEST_F(SettingsTest, DatesAreWrittenInTheHostsFormatAndReadBack) {
  WriteDate(*IniFile, "S", "Noon", EncodeDate(2006, 6, 15) + EncodeTime(12, 0, 0, 0));
  WriteDate(*IniFile, "S", "Midnight", EncodeDate(2006, 6, 15));
  WriteDate(*IniFile, "S", "Null", NullDate);
  EXPECT_EQ(IniFile->ReadString("S", "Noon", ""), "6/15/2006 12:00:00 PM");
  EXPECT_EQ(IniFile->ReadString("S", "Midnight", ""), "6/15/2006");
  EXPECT_EQ(IniFile->ReadString("S", "Null", ""), "1/1/2000 12:00:01 AM");
  EXPECT_EQ(ReadDate(*IniFile, "S", "Noon", 0), EncodeDate(2006, 6, 15) + EncodeTime(12, 0, 0, 0));
  EXPECT_EQ(ReadDate(*IniFile, "S", "Midnight", 0), EncodeDate(2006, 6, 15));
  EXPECT_EQ(ReadDate(*IniFile, "S", "Null", 0), NullDate);
}

TEST_F(SettingsTest, AnEmptyOrUnreadableDateReadsAsTheDefault) {
  Write("prog/Corvane.ini", "[S]\r\nEmpty=\r\nBad=15.06.2006\r\nWord=yesterday\r\n");
  EXPECT_EQ(ReadDate(*IniFile, "S", "Empty", NullDate), NullDate);
  EXPECT_EQ(ReadDate(*IniFile, "S", "Bad", NullDate), NullDate);
  EXPECT_EQ(ReadDate(*IniFile, "S", "Word", NullDate), NullDate);
  EXPECT_EQ(ReadDate(*IniFile, "S", "Missing", NullDate), NullDate);
}

TEST_F(SettingsTest, EveryWriteReplacesTheFileWhole) {
  WriteExternalPrograms();
  const std::string before = Settings();
  // The file as it is now, kept open: a file rewritten in place would change
  // under it.
  std::ifstream old(ExeDir + "Corvane.ini", std::ios::binary);
  WriteGUIOptions(true);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(old), {}), before);
  EXPECT_NE(Settings(), before);
  // A file with a second name is written into itself instead, so that both
  // names show the new text.
  ASSERT_EQ(::link((ExeDir + "Corvane.ini").c_str(), (ExeDir + "old.ini").c_str()), 0);
  WriteGUIOptions(false);
  EXPECT_EQ(Read("prog/old.ini"), Settings());
}

TEST_F(SettingsTest, AFailedWriteIsAnOrdinaryFailure) {
  std::filesystem::create_directories(ExeDir + "Corvane.ini");
  EXPECT_THROW(WriteExternalPrograms(), EIniFileException);
  EXPECT_EQ(lib->StackList(), std::vector<std::string>{"Procedure WriteExternalPrograms"});
}

}  // namespace
