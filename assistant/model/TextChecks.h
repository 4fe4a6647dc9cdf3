// Whether a text converts as the platform's conversions read it.
#pragma once

#include <string>

// A date-time in the host's format (StrToDateTime).
bool IsDate(const std::string& S);
// An integer (StrToInt).
bool IsInt(const std::string& S);
