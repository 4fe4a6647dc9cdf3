// Regional settings, filled from the host's locale at start. Tests assign
// FormatSettings and SysLocale to fix them.
#pragma once

#include <array>
#include <string>

struct TFormatSettings {
  std::string CurrencyString;
  int CurrencyFormat = 0;  // 0 "$1", 1 "1$", 2 "$ 1", 3 "1 $"
  int NegCurrFormat = 0;   // Windows codes 0..15
  char ThousandSeparator = ',';
  char DecimalSeparator = '.';
  int CurrencyDecimals = 2;
  char DateSeparator = '/';
  std::string ShortDateFormat;  // in FormatDateTime codes, e.g. "M/d/yyyy"
  std::string LongDateFormat;
  char TimeSeparator = ':';
  std::string TimeAMString;
  std::string TimePMString;
  std::string ShortTimeFormat;
  std::string LongTimeFormat;
  std::array<std::string, 12> ShortMonthNames;  // January first
  std::array<std::string, 12> LongMonthNames;
  std::array<std::string, 7> ShortDayNames;  // Sunday first
  std::array<std::string, 7> LongDayNames;
  std::array<std::string, 7> EraNames;
  std::array<int, 7> EraYearOffsets{};
  int TwoDigitYearCenturyWindow = 50;
  char ListSeparator = ',';
};

struct TSysLocale {
  int DefaultLCID = 0x0409;
  int PriLangID = 0x09;
  int SubLangID = 0x01;
  bool FarEast = false;
  bool MiddleEast = false;
};

extern TFormatSettings FormatSettings;
extern TSysLocale SysLocale;

// The settings of the host's locale (LC_ALL / LANG), read without changing
// the process's C locale; texts converted to Windows-1252.
TFormatSettings HostFormatSettings();
TSysLocale HostSysLocale();
// Fixed United States English settings, as a Windows host shows them.
TFormatSettings UsEnglishFormatSettings();
