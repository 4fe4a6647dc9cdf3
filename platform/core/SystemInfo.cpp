// The host's figures in the fields of the Windows version and memory
// queries:
//   MajorVersion, MinorVersion, BuildNumber: the first three numbers of the
//     kernel release (uname: "6.1.76-amd64" gives 6, 1, 76).
//   PlatformId: 2, the NT family's value, which every current Windows host
//     reports.
//   CSDVersion: the system name and the kernel's version string ("Linux #1
//     SMP ...").
//   TotalPhys: MemTotal; AvailPhys: MemAvailable (/proc/meminfo).
//   TotalPageFile: MemTotal + SwapTotal, the commit limit Windows reports;
//     AvailPageFile: MemAvailable + SwapFree.
//   TotalVirtual: the process's address-space limit (RLIMIT_AS), or the
//     x86-64 user address space (2^47) when unlimited; AvailVirtual:
//     TotalVirtual less the process's VmSize (/proc/self/status).
//   MemoryLoad: the percentage of physical memory in use, rounded down.
#include "SystemInfo.h"

#include <sys/resource.h>
#include <sys/sysinfo.h>
#include <sys/utsname.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <fstream>
#include <map>

namespace {

// "Key:   123 kB" lines of a /proc file, in bytes.
std::map<std::string, std::uint64_t> ProcKilobytes(const char* path) {
  std::map<std::string, std::uint64_t> values;
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    const std::size_t colon = line.find(':');
    if (colon == std::string::npos || line.find("kB") == std::string::npos) continue;
    values[line.substr(0, colon)] = std::strtoull(line.c_str() + colon + 1, nullptr, 10) * 1024;
  }
  return values;
}

class HostSystemInfo final : public SystemInfoProvider {
 public:
  bool OSVersion(TOSVersionInfo& info) const override {
    utsname u{};
    if (uname(&u) != 0) return false;
    std::uint32_t parts[3] = {0, 0, 0};
    const char* p = u.release;
    for (int i = 0; i < 3 && *p; ++i) {
      char* end = nullptr;
      parts[i] = static_cast<std::uint32_t>(std::strtoul(p, &end, 10));
      if (end == p || *end != '.') break;
      p = end + 1;
    }
    info = TOSVersionInfo{};
    info.MajorVersion = parts[0];
    info.MinorVersion = parts[1];
    info.BuildNumber = parts[2];
    info.PlatformId = 2;
    info.CSDVersion = std::string(u.sysname) + " " + u.version;
    return true;
  }

  TMemoryStatus MemoryStatus() const override {
    TMemoryStatus m;
    auto mem = ProcKilobytes("/proc/meminfo");
    struct sysinfo si {};
    if (sysinfo(&si) == 0) {
      // Fallbacks for kernels without MemAvailable.
      const std::uint64_t unit = si.mem_unit ? si.mem_unit : 1;
      if (!mem.count("MemTotal")) mem["MemTotal"] = static_cast<std::uint64_t>(si.totalram) * unit;
      if (!mem.count("MemAvailable")) mem["MemAvailable"] = static_cast<std::uint64_t>(si.freeram + si.bufferram) * unit;
      if (!mem.count("SwapTotal")) mem["SwapTotal"] = static_cast<std::uint64_t>(si.totalswap) * unit;
      if (!mem.count("SwapFree")) mem["SwapFree"] = static_cast<std::uint64_t>(si.freeswap) * unit;
    }
    m.TotalPhys = mem["MemTotal"];
    m.AvailPhys = std::min(mem["MemAvailable"], m.TotalPhys);
    m.TotalPageFile = m.TotalPhys + mem["SwapTotal"];
    m.AvailPageFile = m.AvailPhys + mem["SwapFree"];
    if (m.TotalPhys > 0) m.MemoryLoad = static_cast<std::uint32_t>((m.TotalPhys - m.AvailPhys) * 100 / m.TotalPhys);

    rlimit limit{};
    m.TotalVirtual = std::uint64_t{1} << 47;
    if (getrlimit(RLIMIT_AS, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY)
      m.TotalVirtual = static_cast<std::uint64_t>(limit.rlim_cur);
    const std::uint64_t used = ProcKilobytes("/proc/self/status")["VmSize"];
    m.AvailVirtual = m.TotalVirtual > used ? m.TotalVirtual - used : 0;
    return m;
  }
};

const HostSystemInfo host_provider;
std::atomic<const SystemInfoProvider*> current_provider{&host_provider};

}  // namespace

const SystemInfoProvider* SetSystemInfoProvider(const SystemInfoProvider* provider) {
  const SystemInfoProvider* previous = current_provider.exchange(provider ? provider : &host_provider);
  return previous == &host_provider ? nullptr : previous;
}

bool GetVersionEx(TOSVersionInfo& info) { return current_provider.load()->OSVersion(info); }

TMemoryStatus GlobalMemoryStatus() { return current_provider.load()->MemoryStatus(); }
