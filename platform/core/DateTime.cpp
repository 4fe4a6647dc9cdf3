// Encoding, decoding and the clock. Days are counted from 1899-12-30; a
// negative date-time keeps its time of day as the absolute fraction (-1.25
// is 1899-12-29 06:00), as the run-time library counts.
#include "DateTime.h"

#include <sys/time.h>

#include <algorithm>
#include <cmath>
#include <mutex>

namespace {

constexpr int kDateDelta = 693594;  // days from 0001-01-01 to 1899-12-30, plus one
constexpr int kMSecsPerDay = 86400000;

bool IsLeapYear(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

int DaysInMonth(int year, int month) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

std::mutex clock_mutex;
std::function<TDateTime()> clock_override;

TDateTime HostNow() {
  timespec ts{};
  clock_gettime(CLOCK_REALTIME, &ts);
  std::tm local{};
  localtime_r(&ts.tv_sec, &local);
  return ComposeDateTime(EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday),
                         EncodeTime(local.tm_hour, local.tm_min, std::min(local.tm_sec, 59), static_cast<int>(ts.tv_nsec / 1000000)));
}

}  // namespace

TDateTime EncodeDate(int year, int month, int day, std::source_location where) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month))
    throw EConvertError("Invalid argument to date encode", RaiseAddress::At(where));
  int days = day;
  for (int m = 1; m < month; ++m) days += DaysInMonth(year, m);
  const int y = year - 1;
  return y * 365 + y / 4 - y / 100 + y / 400 + days - kDateDelta;
}

TDateTime EncodeTime(int hour, int min, int sec, int msec, std::source_location where) {
  if (hour < 0 || hour > 23 || min < 0 || min > 59 || sec < 0 || sec > 59 || msec < 0 || msec > 999)
    throw EConvertError("Invalid argument to time encode", RaiseAddress::At(where));
  return (((hour * 60 + min) * 60 + sec) * 1000 + msec) / static_cast<double>(kMSecsPerDay);
}

TDateTime ComposeDateTime(TDateTime date, TDateTime time) { return date < 0 ? date - time : date + time; }

TTimeStamp DateTimeToTimeStamp(TDateTime dt) {
  TTimeStamp ts;
  const double whole = std::trunc(dt);
  ts.Date = static_cast<int>(whole) + kDateDelta;
  ts.Time = static_cast<int>(std::llround(std::fabs(dt - whole) * kMSecsPerDay));
  // A fraction that rounds up to a whole day is the next day's midnight.
  if (ts.Time >= kMSecsPerDay) {
    ts.Time = 0;
    ts.Date += 1;
  }
  return ts;
}

void DecodeDate(TDateTime dt, int& year, int& month, int& day) {
  const int days = DateTimeToTimeStamp(dt).Date;  // 1 = 0001-01-01
  if (days <= 0) {
    year = month = day = 0;
    return;
  }
  // Days since 0000-03-01 in the proleptic Gregorian calendar, split into
  // 400-year eras (civil-from-days).
  const long z = days - 1 + 306;
  const long era = z / 146097;
  const long doe = z - era * 146097;
  const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long mp = (5 * doy + 2) / 153;
  day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0));
}

void DecodeTime(TDateTime dt, int& hour, int& min, int& sec, int& msec) {
  int t = DateTimeToTimeStamp(dt).Time;
  msec = t % 1000;
  t /= 1000;
  sec = t % 60;
  t /= 60;
  min = t % 60;
  hour = t / 60;
}

int DayOfWeek(TDateTime dt) {
  const int date = DateTimeToTimeStamp(dt).Date;
  return ((date % 7) + 7) % 7 + 1;
}

void SetClock(std::function<TDateTime()> clock) {
  std::lock_guard lock(clock_mutex);
  clock_override = std::move(clock);
}

TDateTime Now() {
  std::function<TDateTime()> clock;
  {
    std::lock_guard lock(clock_mutex);
    clock = clock_override;
  }
  return clock ? clock() : HostNow();
}

TDateTime Date() { return std::trunc(Now()); }

TDateTime Time() {
  const TDateTime now = Now();
  return std::fabs(now - std::trunc(now));
}

TDateTime UnixTimeToDateTime(std::time_t t) {
  std::tm local{};
  if (localtime_r(&t, &local) == nullptr) return 0;
  return ComposeDateTime(EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday),
                         EncodeTime(local.tm_hour, local.tm_min, std::min(local.tm_sec, 59), 0));
}
