#include <utility>

#include "Dialogs.h"
#include "Lumbrick.h"

namespace {
const char kSection[] = "Section";
// Message table: the file cannot be read, cannot be saved; what follows.
constexpr int kCannotRead = 12;
constexpr int kCannotSave = 13;
constexpr int kKeptInMemory = 14;
}  // namespace

void TLumbrick::LoadStationSettings() {
  if (FIniFile) return;
  FIniFile = std::make_unique<TIniFile>(AppPath + "Lumbrick.ini");
  // Rewritten, it would hold less than it does: left as it is.
  if (const std::string why = FIniFile->ReadFailure(); !why.empty()) {
    FIniFile->KeepChangesInMemory();
    FSettingsFailure = SettingsFailure{kCannotRead, why};
  }
  FIniFile->KeepChangesInMemoryWhenWritesFail(
      [this](const std::string& Reason) { FSettingsFailure = SettingsFailure{kCannotSave, Reason}; });
  StationId = FIniFile->ReadString(kSection, "StationId", "None");
  LastReportNum = FIniFile->ReadInteger(kSection, "LastReportNum", 0);
}

void TLumbrick::SetStationId(const std::string& id) {
  LoadStationSettings();
  StationId = id;
  FIniFile->WriteString(kSection, "StationId", StationId);
  FIniFile->UpdateFile();
  TellSettingsFailure();
}

void TLumbrick::TellSettingsFailure() {
  if (!FSettingsFailure) return;
  const SettingsFailure failure = *std::exchange(FSettingsFailure, std::nullopt);
  ShowMessage(GetMessage(failure.message) + FIniFile->FileName() + " : " + failure.reason + "\n\r\n\r" +
              GetMessage(kKeptInMemory));
}
