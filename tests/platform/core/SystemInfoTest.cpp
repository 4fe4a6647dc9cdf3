#include <gtest/gtest.h>

#include <sys/sysinfo.h>
#include <sys/utsname.h>

#include "FixedHost.h"
#include "SystemInfo.h"

namespace {

TEST(SystemInfoTest, HostOsVersionComesFromTheKernelRelease) {
  TOSVersionInfo info;
  ASSERT_TRUE(GetVersionEx(info));
  utsname u{};
  ASSERT_EQ(uname(&u), 0);
  const std::string release = u.release;
  EXPECT_EQ(release.rfind(std::to_string(info.MajorVersion) + "." + std::to_string(info.MinorVersion) + ".", 0), 0u)
      << release;
  EXPECT_EQ(info.PlatformId, 2u);
  EXPECT_EQ(info.CSDVersion, std::string(u.sysname) + " " + u.version);
}

TEST(SystemInfoTest, HostMemoryFiguresArePlausibleAndNotTruncated) {
  const TMemoryStatus m = GlobalMemoryStatus();
  struct sysinfo si {};
  ASSERT_EQ(sysinfo(&si), 0);
  const std::uint64_t total = static_cast<std::uint64_t>(si.totalram) * si.mem_unit;
  // MemTotal and sysinfo agree to within a page or so.
  EXPECT_NEAR(static_cast<double>(m.TotalPhys), static_cast<double>(total), 1 << 20);
  EXPECT_GT(m.TotalPhys, 0u);
  EXPECT_LE(m.AvailPhys, m.TotalPhys);
  EXPECT_GT(m.AvailPhys, 0u);
  EXPECT_EQ(m.TotalPageFile, m.TotalPhys + static_cast<std::uint64_t>(si.totalswap) * si.mem_unit);
  EXPECT_LE(m.AvailPageFile, m.TotalPageFile);
  EXPECT_LE(m.MemoryLoad, 100u);
  EXPECT_EQ(m.MemoryLoad, (m.TotalPhys - m.AvailPhys) * 100 / m.TotalPhys);
  EXPECT_GT(m.TotalVirtual, m.AvailVirtual);
  EXPECT_GT(m.AvailVirtual, 0u);
}

TEST(SystemInfoTest, InstalledProviderAnswersUntilRestored) {
  {
    FixedHost host;
    host.memory.TotalPhys = 1ull << 40;
    EXPECT_EQ(GlobalMemoryStatus().TotalPhys, 1ull << 40);
    TOSVersionInfo info;
    EXPECT_TRUE(GetVersionEx(info));
    EXPECT_EQ(info.CSDVersion, "Linux #1 SMP Debian");
    host.osAvailable = false;
    EXPECT_FALSE(GetVersionEx(info));
  }
  TOSVersionInfo info;
  EXPECT_TRUE(GetVersionEx(info));
  EXPECT_NE(GlobalMemoryStatus().TotalPhys, 1ull << 40);
}

}  // namespace
