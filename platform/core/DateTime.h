// Date-times as the run-time library holds them: days since 1899-12-30 in
// the whole part, the time of day in the fraction. Formatting follows the
// regional settings in FormatSettings.
#pragma once

#include <ctime>
#include <functional>
#include <string>
#include <string_view>

#include "Exceptions.h"

using TDateTime = double;

struct TTimeStamp {
  int Time = 0;  // milliseconds since midnight
  int Date = 0;  // days since 0001-01-01, plus one
};

TDateTime EncodeDate(int year, int month, int day, HOST_RAISE_SITE);
TDateTime EncodeTime(int hour, int min, int sec, int msec, HOST_RAISE_SITE);
// A date and a time of day as one value (the time counts away from zero
// for dates before 1899-12-30).
TDateTime ComposeDateTime(TDateTime date, TDateTime time);
void DecodeDate(TDateTime dt, int& year, int& month, int& day);
void DecodeTime(TDateTime dt, int& hour, int& min, int& sec, int& msec);
int DayOfWeek(TDateTime dt);  // 1 = Sunday

// The clock. Tests fix it with SetClock; an empty function restores the
// host's clock.
void SetClock(std::function<TDateTime()> clock);
TDateTime Now();
TDateTime Date();
TDateTime Time();

// Format codes: c d dd ddd dddd ddddd dddddd m mm mmm mmmm yy yyyy h hh n nn
// s ss z zzz t tt am/pm a/p ampm / : and quoted literals.
std::string FormatDateTime(std::string_view fmt, TDateTime dt);
// The default form ("c"): short date, a blank, long time; at exact
// midnight the blank and the time are left out.
std::string DateTimeToStr(TDateTime dt);
std::string DateToStr(TDateTime dt);
std::string TimeToStr(TDateTime dt);
// Parses the default form (and a date alone); EConvertError
// "'<s>' is not a valid date and time" when it cannot.
TDateTime StrToDateTime(std::string_view s, HOST_RAISE_SITE);
bool TryStrToDateTime(std::string_view s, TDateTime& value);

TTimeStamp DateTimeToTimeStamp(TDateTime dt);
TDateTime UnixTimeToDateTime(std::time_t t);  // local time of the host
