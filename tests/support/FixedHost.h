// Fixes the host's clock, regional settings, OS and memory figures for the
// lifetime of the object, so that written files can be compared byte for
// byte; restores the host's own on destruction.
#pragma once

#include "DateTime.h"
#include "FormatSettings.h"
#include "SystemInfo.h"

class FixedHost final : public SystemInfoProvider {
 public:
  // 2006-06-15 14:30:45.123, US English settings, a fixed OS and memory.
  FixedHost();
  ~FixedHost() override;

  void SetNow(TDateTime now);
  TOSVersionInfo os;
  TMemoryStatus memory;
  bool osAvailable = true;

  bool OSVersion(TOSVersionInfo& info) const override;
  TMemoryStatus MemoryStatus() const override { return memory; }

 private:
  TDateTime now_;
  TFormatSettings saved_settings_;
  TSysLocale saved_locale_;
  const SystemInfoProvider* saved_provider_;
};
