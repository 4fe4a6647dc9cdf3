#include "LibraryFixture.h"

#include <sys/stat.h>
#include <utime.h>

#include <ctime>

namespace {
std::unique_ptr<TReportWindow> MakeFakeWindow(TLumbrick&) { return std::make_unique<FakeReportWindow>(); }
}  // namespace

LibraryTest::LibraryTest() : savedScreen(Screen) {
  Screen = &screen;
  // A 1,234,567-byte executable dated 2006-05-01 10:20:30 local time.
  const std::string exe = dir.Write("Dromlet", std::string(1234567, 'x'));
  std::tm tm{};
  tm.tm_year = 106;
  tm.tm_mon = 4;
  tm.tm_mday = 1;
  tm.tm_hour = 10;
  tm.tm_min = 20;
  tm.tm_sec = 30;
  tm.tm_isdst = -1;
  const utimbuf times{std::mktime(&tm), std::mktime(&tm)};
  utime(exe.c_str(), &times);
  app.SetExeName(exe);
  app.Title = "Dromlet";
  SetReportWindowFactory(MakeFakeWindow);
  lib = new TLumbrick(&app);
  VIX = lib;
  app.OnException = [this](TObject* sender, Exception& e) { lib->HandleException(sender, e); };
}

LibraryTest::~LibraryTest() {
  VIX = nullptr;
  SetReportWindowFactory(nullptr);
  Screen = savedScreen;
}
