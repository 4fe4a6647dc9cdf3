// How the host's POSIX locales become regional settings. HostFormatSettings
// and HostSysLocale use these with the locale named by the environment;
// they are open for tests that name a locale of their own.
#pragma once

#include <string>
#include <string_view>

#include "FormatSettings.h"

// The settings of the named locale ("" = the environment's); US English
// where the locale is "C", "POSIX" or cannot be loaded.
TFormatSettings FormatSettingsForLocale(const char* localeName);

// The Windows locale identifier of a locale name such as "fr_CA.UTF-8".
TSysLocale SysLocaleForName(std::string_view localeName);

// What %r, %x and %X stand for (a locale's T_FMT_AMPM, D_FMT and T_FMT).
struct StrftimeExpansions {
  std::string r = "%I:%M:%S %p";
  std::string x = "%m/%d/%y";
  std::string X = "%H:%M:%S";
};

// A strftime format as FormatDateTime codes, in the same encoding:
// "%d/%m/%Y" gives "dd/MM/yyyy", "%H:%M:%S" gives "hh:nn:ss". Letters that
// are not codes are quoted; conversions without an equivalent (time zone,
// week numbers) are dropped.
std::string StrftimeToDelphiFormat(std::string_view posix, const StrftimeExpansions& expansions = {});

// The date part of a date-and-time strftime format, names spelt out: the
// long date form ("%a %d %b %Y %r %Z" gives "%A %d %B %Y"). Empty when the
// format holds no date.
std::string StrftimeDatePart(std::string_view dateAndTime);
