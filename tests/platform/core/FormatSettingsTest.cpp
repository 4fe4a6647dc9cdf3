#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "FormatSettings.h"
#include "HostLocale.h"
#include "TempDir.h"

namespace {

TEST(FormatSettingsTest, UsEnglishIsWhatAWindowsHostShows) {
  const TFormatSettings fs = UsEnglishFormatSettings();
  EXPECT_EQ(fs.CurrencyString, "$");
  EXPECT_EQ(fs.CurrencyFormat, 0);
  EXPECT_EQ(fs.NegCurrFormat, 0);
  EXPECT_EQ(fs.ThousandSeparator, ',');
  EXPECT_EQ(fs.DecimalSeparator, '.');
  EXPECT_EQ(fs.CurrencyDecimals, 2);
  EXPECT_EQ(fs.DateSeparator, '/');
  EXPECT_EQ(fs.ShortDateFormat, "M/d/yyyy");
  EXPECT_EQ(fs.LongDateFormat, "dddd, MMMM dd, yyyy");
  EXPECT_EQ(fs.TimeSeparator, ':');
  EXPECT_EQ(fs.TimeAMString, "AM");
  EXPECT_EQ(fs.TimePMString, "PM");
  EXPECT_EQ(fs.ShortTimeFormat, "h:mm AMPM");
  EXPECT_EQ(fs.LongTimeFormat, "h:mm:ss AMPM");
  EXPECT_EQ(fs.ShortMonthNames[0], "Jan");
  EXPECT_EQ(fs.LongMonthNames[11], "December");
  EXPECT_EQ(fs.ShortDayNames[0], "Sun");
  EXPECT_EQ(fs.LongDayNames[6], "Saturday");
  for (const std::string& era : fs.EraNames) EXPECT_EQ(era, "");
  for (int offset : fs.EraYearOffsets) EXPECT_EQ(offset, 0);
  EXPECT_EQ(fs.TwoDigitYearCenturyWindow, 50);
  EXPECT_EQ(fs.ListSeparator, ',');
}

TEST(FormatSettingsTest, PlainCLocalesGiveUsEnglish) {
  const TFormatSettings us = UsEnglishFormatSettings();
  for (const char* name : {"C", "POSIX", "C.UTF-8", "xx_NOWHERE.UTF-8"}) {
    const TFormatSettings fs = FormatSettingsForLocale(name);
    EXPECT_EQ(fs.ShortDateFormat, us.ShortDateFormat) << name;
    EXPECT_EQ(fs.LongTimeFormat, us.LongTimeFormat) << name;
    EXPECT_EQ(fs.DecimalSeparator, '.') << name;
    EXPECT_EQ(fs.CurrencyString, "$") << name;
    EXPECT_EQ(SysLocaleForName(name).DefaultLCID, 0x0409) << name;
  }
}

TEST(FormatSettingsTest, StrftimeFormatsBecomeFormatDateTimeCodes) {
  EXPECT_EQ(StrftimeToDelphiFormat("%m/%d/%Y"), "MM/dd/yyyy");
  EXPECT_EQ(StrftimeToDelphiFormat("%d.%m.%y"), "dd.MM.yy");
  EXPECT_EQ(StrftimeToDelphiFormat("%e %B %Y"), "d MMMM yyyy");
  EXPECT_EQ(StrftimeToDelphiFormat("%H:%M:%S"), "hh:nn:ss");
  EXPECT_EQ(StrftimeToDelphiFormat("%I:%M:%S %p"), "hh:nn:ss AMPM");
  EXPECT_EQ(StrftimeToDelphiFormat("%l:%M %P"), "h:nn AMPM");
  EXPECT_EQ(StrftimeToDelphiFormat("%r"), "hh:nn:ss AMPM");
  EXPECT_EQ(StrftimeToDelphiFormat("%T %Z"), "hh:nn:ss ");
  EXPECT_EQ(StrftimeToDelphiFormat("%F"), "yyyy-MM-dd");
  EXPECT_EQ(StrftimeToDelphiFormat("%-d/%-m/%Y %-H"), "d/M/yyyy h");
  EXPECT_EQ(StrftimeToDelphiFormat("%A %e de %B de %Y"), "dddd d\" de \"MMMM\" de \"yyyy");
  EXPECT_EQ(StrftimeToDelphiFormat("%Hh%M"), "hh\"h\"nn");
  EXPECT_EQ(StrftimeToDelphiFormat("it's %H"), "\"it's \"hh");
  EXPECT_EQ(StrftimeToDelphiFormat("%H\"h"), "hh'\"'\"h\"");
  EXPECT_EQ(StrftimeToDelphiFormat("100%%"), "100%");
  StrftimeExpansions e;
  e.x = "%d/%m/%Y";
  EXPECT_EQ(StrftimeToDelphiFormat("%x", e), "dd/MM/yyyy");
  e.x = "%x";  // names itself: expanded a bounded number of times
  EXPECT_EQ(StrftimeToDelphiFormat("%x", e), "");
}

TEST(FormatSettingsTest, LongDateIsTheDatePartOfTheDateAndTimeFormat) {
  EXPECT_EQ(StrftimeDatePart("%a %d %b %Y %r %Z"), "%A %d %B %Y");
  EXPECT_EQ(StrftimeDatePart("%a %b %e %H:%M:%S %Y"), "%A %B %e %Y");
  EXPECT_EQ(StrftimeDatePart("%Y\xE5\xB9\xB4%m\xE6\x9C\x88%d\xE6\x97\xA5 %H\xE6\x99\x82"),
            "%Y\xE5\xB9\xB4%m\xE6\x9C\x88%d");
  EXPECT_EQ(StrftimeDatePart("%H:%M"), "");
}

TEST(FormatSettingsTest, LocaleNamesMapToWindowsLocaleIdentifiers) {
  const auto check = [](const char* name, int lcid, int pri, int sub, bool farEast, bool middleEast) {
    const TSysLocale l = SysLocaleForName(name);
    EXPECT_EQ(l.DefaultLCID, lcid) << name;
    EXPECT_EQ(l.PriLangID, pri) << name;
    EXPECT_EQ(l.SubLangID, sub) << name;
    EXPECT_EQ(l.FarEast, farEast) << name;
    EXPECT_EQ(l.MiddleEast, middleEast) << name;
  };
  check("en_US.UTF-8", 0x0409, 0x09, 0x01, false, false);
  check("en_GB", 0x0809, 0x09, 0x02, false, false);
  check("fr_FR.UTF-8@euro", 0x040C, 0x0C, 0x01, false, false);
  check("fr_CA.UTF-8", 0x0C0C, 0x0C, 0x03, false, false);
  check("fr_LU.UTF-8", 0x040C, 0x0C, 0x01, false, false);  // the language's first territory
  check("de_DE.UTF-8", 0x0407, 0x07, 0x01, false, false);
  check("es_ES.UTF-8", 0x0C0A, 0x0A, 0x03, false, false);
  check("it_IT.UTF-8", 0x0410, 0x10, 0x01, false, false);
  check("ja_JP.UTF-8", 0x0411, 0x11, 0x01, true, false);
  check("zh_CN.UTF-8", 0x0804, 0x04, 0x02, true, false);
  check("ko_KR.UTF-8", 0x0412, 0x12, 0x01, true, false);
  check("ar_SA.UTF-8", 0x0401, 0x01, 0x01, false, true);
  check("he_IL.UTF-8", 0x040D, 0x0D, 0x01, false, true);
  check("sw_KE.UTF-8", 0x0409, 0x09, 0x01, false, false);
}

// Real locales, compiled for the test when the host can (glibc's localedef
// and locale sources); the settings then come through newlocale.
class CompiledLocaleTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = new TempDir;
    for (const char* name : {"fr_FR", "en_US"}) {
      const std::string cmd = std::string("localedef -i ") + name + " -f UTF-8 '" + dir_->File(name) +
                              ".UTF-8' >/dev/null 2>&1";
      if (std::system(cmd.c_str()) != 0) available_ = false;
    }
    setenv("LOCPATH", dir_->Path().c_str(), 1);
  }
  static void TearDownTestSuite() {
    unsetenv("LOCPATH");
    delete dir_;
  }
  void SetUp() override {
    if (!available_) GTEST_SKIP() << "localedef cannot compile locales here";
  }
  static inline TempDir* dir_ = nullptr;
  static inline bool available_ = true;
};

TEST_F(CompiledLocaleTest, FrenchSettings) {
  const TFormatSettings fs = FormatSettingsForLocale("fr_FR.UTF-8");
  EXPECT_EQ(fs.DecimalSeparator, ',');
  EXPECT_EQ(fs.ThousandSeparator, '\xA0');
  EXPECT_EQ(fs.ListSeparator, ';');
  EXPECT_EQ(fs.CurrencyString, "\x80");
  EXPECT_EQ(fs.CurrencyFormat, 3);   // "1 €"
  EXPECT_EQ(fs.NegCurrFormat, 8);    // "-1 €"
  EXPECT_EQ(fs.CurrencyDecimals, 2);
  EXPECT_EQ(fs.ShortDateFormat, "dd/MM/yyyy");
  EXPECT_EQ(fs.DateSeparator, '/');
  EXPECT_EQ(fs.LongTimeFormat, "hh:nn:ss");
  EXPECT_EQ(fs.ShortTimeFormat, "hh:nn");
  EXPECT_EQ(fs.TimeSeparator, ':');
  EXPECT_EQ(fs.LongDateFormat, "dddd dd MMMM yyyy");
  EXPECT_EQ(fs.LongMonthNames[1], "f\xE9vrier");
  EXPECT_EQ(fs.LongMonthNames[7], "ao\xFBt");
  EXPECT_EQ(fs.LongDayNames[0], "dimanche");
  EXPECT_EQ(SysLocaleForName("fr_FR.UTF-8").DefaultLCID, 0x040C);
}

TEST_F(CompiledLocaleTest, UnitedStatesSettings) {
  const TFormatSettings fs = FormatSettingsForLocale("en_US.UTF-8");
  EXPECT_EQ(fs.DecimalSeparator, '.');
  EXPECT_EQ(fs.ThousandSeparator, ',');
  EXPECT_EQ(fs.CurrencyString, "$");
  EXPECT_EQ(fs.CurrencyFormat, 0);
  EXPECT_EQ(fs.ShortDateFormat, "MM/dd/yyyy");
  EXPECT_EQ(fs.LongTimeFormat, "hh:nn:ss AMPM");
  EXPECT_EQ(fs.ShortTimeFormat, "hh:nn AMPM");
  EXPECT_EQ(fs.TimeAMString, "AM");
  EXPECT_EQ(fs.TimePMString, "PM");
  EXPECT_EQ(fs.LongMonthNames[0], "January");
  EXPECT_EQ(fs.ShortDayNames[6], "Sat");
}

}  // namespace
