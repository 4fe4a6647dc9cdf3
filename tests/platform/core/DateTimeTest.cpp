#include <gtest/gtest.h>

#include <cmath>

#include "DateTime.h"
#include "FixedHost.h"

namespace {

class DateTimeTest : public ::testing::Test {
 protected:
  FixedHost host;  // 2006-06-15 14:30:45.123, US English
};

TEST_F(DateTimeTest, EncodeCountsDaysFrom1899_12_30) {
  EXPECT_EQ(EncodeDate(1899, 12, 30), 0);
  EXPECT_EQ(EncodeDate(1900, 1, 1), 2);
  EXPECT_EQ(EncodeDate(2000, 1, 1), 36526);
  EXPECT_EQ(EncodeDate(1, 1, 1), -693593);
  EXPECT_EQ(EncodeDate(9999, 12, 31), 2958465);
  EXPECT_DOUBLE_EQ(EncodeTime(12, 0, 0, 0), 0.5);
  EXPECT_DOUBLE_EQ(EncodeTime(6, 0, 0, 0), 0.25);
}

TEST_F(DateTimeTest, EncodeRefusesImpossibleDates) {
  EXPECT_NO_THROW(EncodeDate(2000, 2, 29));
  EXPECT_NO_THROW(EncodeDate(2004, 2, 29));
  EXPECT_THROW(EncodeDate(1900, 2, 29), EConvertError);
  EXPECT_THROW(EncodeDate(2001, 2, 29), EConvertError);
  EXPECT_THROW(EncodeDate(2001, 4, 31), EConvertError);
  EXPECT_THROW(EncodeDate(0, 1, 1), EConvertError);
  EXPECT_THROW(EncodeDate(2001, 13, 1), EConvertError);
  EXPECT_THROW(EncodeTime(24, 0, 0, 0), EConvertError);
  EXPECT_THROW(EncodeTime(0, 60, 0, 0), EConvertError);
  EXPECT_THROW(EncodeTime(0, 0, 0, 1000), EConvertError);
  try {
    EncodeDate(2001, 2, 29);
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "Invalid argument to date encode");
  }
}

TEST_F(DateTimeTest, DecodeRoundTripsEveryDayAcrossCenturies) {
  // Every day from 1600 to 2400, leap days and century years included.
  for (int y = 1600; y <= 2400; ++y) {
    for (int m = 1; m <= 12; ++m) {
      for (int d = 1; d <= 31; ++d) {
        TDateTime dt = 0;
        try {
          dt = EncodeDate(y, m, d);
        } catch (const EConvertError&) {
          continue;
        }
        int yy = 0, mm = 0, dd = 0;
        DecodeDate(dt, yy, mm, dd);
        ASSERT_EQ(yy * 10000 + mm * 100 + dd, y * 10000 + m * 100 + d);
      }
    }
  }
  int y = 0, m = 0, d = 0;
  DecodeDate(EncodeDate(1, 1, 1), y, m, d);
  EXPECT_EQ(y * 10000 + m * 100 + d, 10101);
}

TEST_F(DateTimeTest, DatesBefore1899KeepTheirTimeOfDay) {
  const TDateTime dt = ComposeDateTime(EncodeDate(1899, 12, 29), EncodeTime(6, 0, 0, 0));
  EXPECT_DOUBLE_EQ(dt, -1.25);
  int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0, ms = 0;
  DecodeDate(dt, y, mo, d);
  DecodeTime(dt, h, mi, s, ms);
  EXPECT_EQ(y * 10000 + mo * 100 + d, 18991229);
  EXPECT_EQ(h, 6);
  EXPECT_EQ(FormatDateTime("yyyy-mm-dd hh:nn", EncodeDate(1752, 9, 14) - EncodeTime(18, 5, 0, 0)), "1752-09-14 18:05");
  EXPECT_EQ(DayOfWeek(EncodeDate(1899, 12, 30)), 7);  // a Saturday
  EXPECT_EQ(DayOfWeek(EncodeDate(1776, 7, 4)), 5);    // a Thursday
  EXPECT_EQ(DayOfWeek(EncodeDate(2006, 6, 15)), 5);
  EXPECT_EQ(DayOfWeek(EncodeDate(2006, 6, 18)), 1);  // a Sunday
}

TEST_F(DateTimeTest, DecodeTimeRoundsToTheMillisecondAndCarries) {
  int h = 0, m = 0, s = 0, ms = 0;
  DecodeTime(EncodeTime(23, 59, 59, 999), h, m, s, ms);
  EXPECT_EQ(h * 10000000 + m * 100000 + s * 1000 + ms, 235959999);
  const TDateTime almostMidnight = EncodeDate(2000, 1, 1) + 0.9999999999;
  const TTimeStamp ts = DateTimeToTimeStamp(almostMidnight);
  EXPECT_EQ(ts.Time, 0);
  EXPECT_EQ(ts.Date, DateTimeToTimeStamp(EncodeDate(2000, 1, 2)).Date);
}

TEST_F(DateTimeTest, TimeStampCountsFromYearOne) {
  TTimeStamp ts = DateTimeToTimeStamp(EncodeDate(1, 1, 1));
  EXPECT_EQ(ts.Date, 1);
  ts = DateTimeToTimeStamp(0);
  EXPECT_EQ(ts.Date, 693594);
  ts = DateTimeToTimeStamp(Now());
  EXPECT_EQ(ts.Time, ((14 * 60 + 30) * 60 + 45) * 1000 + 123);
  EXPECT_EQ(ts.Date, 693594 + 38883);
}

TEST_F(DateTimeTest, ClockSeam) {
  EXPECT_DOUBLE_EQ(Date(), EncodeDate(2006, 6, 15));
  EXPECT_NEAR(Time(), EncodeTime(14, 30, 45, 123), 1e-9);
  host.SetNow(EncodeDate(2010, 1, 2));
  EXPECT_DOUBLE_EQ(Now(), EncodeDate(2010, 1, 2));
}

TEST(HostClockTest, NowIsTheLocalTimeWithMilliseconds) {
  const std::time_t t = std::time(nullptr);
  const TDateTime now = Now();
  EXPECT_NEAR(now, UnixTimeToDateTime(t), 2.0 / 86400);
  std::tm local{};
  localtime_r(&t, &local);
  int y = 0, m = 0, d = 0;
  DecodeDate(UnixTimeToDateTime(t), y, m, d);
  EXPECT_EQ(y, local.tm_year + 1900);
  EXPECT_EQ(m, local.tm_mon + 1);
  EXPECT_EQ(d, local.tm_mday);
}

TEST_F(DateTimeTest, FormatCodes) {
  const TDateTime dt = EncodeDate(2006, 6, 5) + EncodeTime(14, 7, 9, 45);
  EXPECT_EQ(FormatDateTime("d dd ddd dddd", dt), "5 05 Mon Monday");
  EXPECT_EQ(FormatDateTime("m mm mmm mmmm", dt), "6 06 Jun June");
  EXPECT_EQ(FormatDateTime("yy yyyy", dt), "06 2006");
  EXPECT_EQ(FormatDateTime("h hh n nn s ss z zzz", dt), "14 14 7 07 9 09 45 045");
  EXPECT_EQ(FormatDateTime("hh:mm", dt), "14:07");     // m after an hour is the minute
  EXPECT_EQ(FormatDateTime("h 'at' m", dt), "14 at 7");
  EXPECT_EQ(FormatDateTime("mm/dd hh", dt), "06/05 14");
  EXPECT_EQ(FormatDateTime("h:nn am/pm", dt), "2:07 pm");
  EXPECT_EQ(FormatDateTime("h:nn AM/PM", EncodeTime(0, 5, 0, 0)), "12:05 AM");
  EXPECT_EQ(FormatDateTime("h:nn a/p", dt), "2:07 p");
  EXPECT_EQ(FormatDateTime("hh:nn ampm", EncodeTime(9, 0, 0, 0)), "09:00 AM");
  EXPECT_EQ(FormatDateTime("ddddd", dt), "6/5/2006");
  EXPECT_EQ(FormatDateTime("dddddd", dt), "Monday, June 05, 2006");
  EXPECT_EQ(FormatDateTime("t", dt), "2:07 PM");
  EXPECT_EQ(FormatDateTime("tt", dt), "2:07:09 PM");
  EXPECT_EQ(FormatDateTime("c", dt), "6/5/2006 2:07:09 PM");
  EXPECT_EQ(FormatDateTime("\"dd\" 'mm' dd", dt), "dd mm 05");
  EXPECT_EQ(FormatDateTime("", dt), "6/5/2006 2:07:09 PM");
}

TEST_F(DateTimeTest, SeparatorsComeFromTheSettings) {
  FormatSettings.DateSeparator = '.';
  FormatSettings.TimeSeparator = 'h';
  const TDateTime dt = EncodeDate(2006, 6, 5) + EncodeTime(14, 7, 9, 0);
  EXPECT_EQ(FormatDateTime("dd/mm/yyyy hh:nn", dt), "05.06.2006 14h07");
}

TEST_F(DateTimeTest, NestedFormatsDoNotRecurse) {
  FormatSettings.ShortDateFormat = "ddddd";
  EXPECT_EQ(FormatDateTime("ddddd", 0), "");
}

TEST_F(DateTimeTest, DefaultFormsWithUsSettings) {
  const TDateTime dt = EncodeDate(2006, 6, 15) + EncodeTime(14, 30, 45, 123);
  EXPECT_EQ(DateTimeToStr(dt), "6/15/2006 2:30:45 PM");
  EXPECT_EQ(DateToStr(dt), "6/15/2006");
  EXPECT_EQ(TimeToStr(dt), "2:30:45 PM");
  // At exact midnight the time is left out; one second later it is shown.
  EXPECT_EQ(DateTimeToStr(EncodeDate(2000, 1, 1)), "1/1/2000");
  EXPECT_EQ(DateTimeToStr(EncodeDate(2000, 1, 1) + EncodeTime(0, 0, 1, 0)), "1/1/2000 12:00:01 AM");
}

TEST_F(DateTimeTest, StrToDateTimeRoundTripsTheDefaultForm) {
  for (const TDateTime dt : {EncodeDate(2006, 6, 15) + EncodeTime(14, 30, 45, 0), EncodeDate(2000, 1, 1),
                             EncodeDate(2000, 1, 1) + EncodeTime(0, 0, 1, 0), EncodeDate(1999, 12, 31) + EncodeTime(12, 0, 0, 0),
                             EncodeDate(1850, 3, 1) - EncodeTime(23, 59, 59, 0)}) {
    EXPECT_DOUBLE_EQ(StrToDateTime(DateTimeToStr(dt)), dt) << DateTimeToStr(dt);
  }
  FormatSettings.ShortDateFormat = "dd/MM/yyyy";
  FormatSettings.LongTimeFormat = "hh:nn:ss";
  const TDateTime dt = EncodeDate(2000, 1, 1) + EncodeTime(0, 0, 1, 0);
  EXPECT_EQ(DateTimeToStr(dt), "01/01/2000 00:00:01");
  EXPECT_DOUBLE_EQ(StrToDateTime("01/01/2000 00:00:01"), dt);
  EXPECT_DOUBLE_EQ(StrToDateTime("13/2/2001"), EncodeDate(2001, 2, 13));
}

TEST_F(DateTimeTest, StrToDateTimeForms) {
  EXPECT_DOUBLE_EQ(StrToDateTime("6/15/2006"), EncodeDate(2006, 6, 15));
  EXPECT_DOUBLE_EQ(StrToDateTime(" 6 / 15 / 2006 "), EncodeDate(2006, 6, 15));
  EXPECT_DOUBLE_EQ(StrToDateTime("6/15"), EncodeDate(2006, 6, 15));  // the current year
  EXPECT_DOUBLE_EQ(StrToDateTime("6/15/06"), EncodeDate(2006, 6, 15));
  EXPECT_DOUBLE_EQ(StrToDateTime("6/15/56"), EncodeDate(1956, 6, 15));  // window of 50 years back from 2006
  EXPECT_DOUBLE_EQ(StrToDateTime("6/15/55"), EncodeDate(2055, 6, 15));
  EXPECT_DOUBLE_EQ(StrToDateTime("1/2/2000 12:00 AM"), EncodeDate(2000, 1, 2));
  EXPECT_DOUBLE_EQ(StrToDateTime("1/2/2000 12:30 pm"), EncodeDate(2000, 1, 2) + EncodeTime(12, 30, 0, 0));
  EXPECT_DOUBLE_EQ(StrToDateTime("1/2/2000 23:15:10.250"), EncodeDate(2000, 1, 2) + EncodeTime(23, 15, 10, 250));
  EXPECT_DOUBLE_EQ(StrToDateTime("10:30"), EncodeTime(10, 30, 0, 0));  // a time alone
  for (const char* bad : {"", "2/30/2001", "13/1/2001", "1/2/2000 25:00", "1/2/2000 13:00 PM", "1/2/2000 x",
                          "yesterday", "1/2/2000 10:00 AM junk"}) {
    TDateTime v = 123;
    EXPECT_FALSE(TryStrToDateTime(bad, v)) << bad;
    EXPECT_EQ(v, 123);
  }
  try {
    StrToDateTime("yesterday");
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "'yesterday' is not a valid date and time");
  }
}

TEST_F(DateTimeTest, StrToDateTimeFollowsTheShortDateOrder) {
  FormatSettings.ShortDateFormat = "yyyy-MM-dd";
  FormatSettings.DateSeparator = '-';
  EXPECT_DOUBLE_EQ(StrToDateTime("2001-02-13"), EncodeDate(2001, 2, 13));
  FormatSettings.ShortDateFormat = "d.M.yyyy";
  FormatSettings.DateSeparator = '.';
  FormatSettings.TimeAMString = "";
  FormatSettings.TimePMString = "";
  EXPECT_DOUBLE_EQ(StrToDateTime("13.2.2001 18:05"), EncodeDate(2001, 2, 13) + EncodeTime(18, 5, 0, 0));
}

}  // namespace
