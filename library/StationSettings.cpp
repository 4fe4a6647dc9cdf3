#include "Lumbrick.h"

namespace {
const char kSection[] = "Section";
}

void TLumbrick::LoadStationSettings() {
  if (FIniFile) return;
  FIniFile = std::make_unique<TIniFile>(AppPath + "Lumbrick.ini");
  StationId = FIniFile->ReadString(kSection, "StationId", "None");
  LastReportNum = FIniFile->ReadInteger(kSection, "LastReportNum", 0);
}

void TLumbrick::SetStationId(const std::string& id) {
  LoadStationSettings();
  StationId = id;
  FIniFile->WriteString(kSection, "StationId", StationId);
  FIniFile->UpdateFile();
}
