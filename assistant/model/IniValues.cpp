#include "IniValues.h"

#include "Lumbrick.h"

bool ReadYesNo(const TIniFile& Ini, const std::string& Section, const std::string& Key, bool Default) try {
  return Ini.ReadString(Section, Key, Default ? "Yes" : "No") == "Yes";
} catch (...) {
  VIX->Push("Function ReadYesNo");
  throw;
}

void WriteYesNo(TIniFile& Ini, const std::string& Section, const std::string& Key, bool Value) try {
  Ini.WriteString(Section, Key, Value ? "Yes" : "No");
} catch (...) {
  VIX->Push("Procedure WriteYesNo");
  throw;
}

TDateTime DateOrDefault(const std::string& Text, TDateTime Default) try {
  TDateTime value;
  return TryStrToDateTime(Text, value) ? value : Default;
} catch (...) {
  VIX->Push("Function DateOrDefault");
  throw;
}

TDateTime ReadDate(const TIniFile& Ini, const std::string& Section, const std::string& Key, TDateTime Default) try {
  return DateOrDefault(Ini.ReadString(Section, Key, ""), Default);
} catch (...) {
  VIX->Push("Function ReadDate");
  throw;
}

void WriteDate(TIniFile& Ini, const std::string& Section, const std::string& Key, TDateTime Value) try {
  Ini.WriteString(Section, Key, DateTimeToStr(Value));
} catch (...) {
  VIX->Push("Procedure WriteDate");
  throw;
}
