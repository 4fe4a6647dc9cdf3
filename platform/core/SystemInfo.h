// Operating-system and memory figures of the technical report. On this host
// they come from uname, sysinfo and /proc, mapped onto the fields the report
// prints (the mapping is stated in SystemInfo.cpp). Tests install a provider
// that returns fixed figures.
#pragma once

#include <cstdint>
#include <string>

struct TOSVersionInfo {
  std::uint32_t MajorVersion = 0;
  std::uint32_t MinorVersion = 0;
  std::uint32_t BuildNumber = 0;
  std::uint32_t PlatformId = 0;
  std::string CSDVersion;
};

// Byte counts are 64-bit: 32-bit counts overflow above 4 GB.
struct TMemoryStatus {
  std::uint32_t MemoryLoad = 0;  // percent in use
  std::uint64_t TotalPhys = 0;
  std::uint64_t AvailPhys = 0;
  std::uint64_t TotalPageFile = 0;
  std::uint64_t AvailPageFile = 0;
  std::uint64_t TotalVirtual = 0;
  std::uint64_t AvailVirtual = 0;
};

class SystemInfoProvider {
 public:
  virtual ~SystemInfoProvider() = default;
  virtual bool OSVersion(TOSVersionInfo& info) const = 0;  // false: no information
  virtual TMemoryStatus MemoryStatus() const = 0;
};

// nullptr restores the host's provider. Returns the previous one.
const SystemInfoProvider* SetSystemInfoProvider(const SystemInfoProvider* provider);
bool GetVersionEx(TOSVersionInfo& info);
TMemoryStatus GlobalMemoryStatus();
