// How "Corvane.ini" encodes its values. Booleans are "Yes"/"No" and read as
// True only for exactly "Yes"; date-times are in the host's format
// (DateTimeToStr); an empty or unreadable date-time, like a missing key,
// reads as the default.
#pragma once

#include <string>

#include "DateTime.h"
#include "IniFile.h"

bool ReadYesNo(const TIniFile& Ini, const std::string& Section, const std::string& Key, bool Default);
void WriteYesNo(TIniFile& Ini, const std::string& Section, const std::string& Key, bool Value);
// A stored date-time text, or Default when it is empty or unreadable.
TDateTime DateOrDefault(const std::string& Text, TDateTime Default);
TDateTime ReadDate(const TIniFile& Ini, const std::string& Section, const std::string& Key, TDateTime Default);
void WriteDate(TIniFile& Ini, const std::string& Section, const std::string& Key, TDateTime Value);
