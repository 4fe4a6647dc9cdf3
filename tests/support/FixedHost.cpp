#include "FixedHost.h"

FixedHost::FixedHost()
    : now_(EncodeDate(2006, 6, 15) + EncodeTime(14, 30, 45, 123)),
      saved_settings_(FormatSettings),
      saved_locale_(SysLocale),
      saved_provider_(SetSystemInfoProvider(this)) {
  FormatSettings = UsEnglishFormatSettings();
  SysLocale = TSysLocale{};
  SetClock([this] { return now_; });
  os.MajorVersion = 6;
  os.MinorVersion = 1;
  os.BuildNumber = 76;
  os.PlatformId = 2;
  os.CSDVersion = "Linux #1 SMP Debian";
  memory.MemoryLoad = 54;
  memory.TotalPhys = 25769803776ull;    // 24 GB: beyond any 32-bit count
  memory.AvailPhys = 12884901888ull + 12345;
  memory.TotalPageFile = 34359738368ull;
  memory.AvailPageFile = 21474836480ull;
  memory.TotalVirtual = 140737488351232ull;
  memory.AvailVirtual = 140737000000000ull;
}

FixedHost::~FixedHost() {
  SetClock({});
  SetSystemInfoProvider(saved_provider_);
  FormatSettings = saved_settings_;
  SysLocale = saved_locale_;
}

void FixedHost::SetNow(TDateTime now) { now_ = now; }

bool FixedHost::OSVersion(TOSVersionInfo& info) const {
  if (!osAvailable) return false;
  info = os;
  return true;
}
