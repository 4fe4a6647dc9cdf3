#include "LibraryFixture.h"

namespace {
std::unique_ptr<TReportWindow> MakeFakeWindow(TLumbrick&) { return std::make_unique<FakeReportWindow>(); }
}  // namespace

LibraryTest::LibraryTest() : savedScreen(Screen) {
  Screen = &screen;
  // A 1,234,567-byte executable dated 2006-05-01 10:20:30 local time.
  const std::string exe = dir.Write("Dromlet", std::string(1234567, 'x'));
  TempDir::SetFileDate(exe, 2006, 5, 1, 10, 20, 30);
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
