#include "DemoFixture.h"

#include <sys/stat.h>

#include <QGuiApplication>

#include "Application.h"
#include "Lumbrick.h"

DemoTest::DemoTest() : saved_exe_(Application->ExeName()), saved_title_(Application->Title) {
  Application->SetExeName(dir.File("dromlet"));
  Application->Title = "dromlet";
  SetReportWindowFactory(MakeRecordingReportWindow);
  // Closing a test's window must not quit the application the tests run in.
  QGuiApplication::setQuitOnLastWindowClosed(false);
}

DemoTest::~DemoTest() {
  Close();
  SetReportWindowFactory(nullptr);
  Application->SetExeName(saved_exe_);
  Application->Title = saved_title_;
}

TfmMain& DemoTest::Open() {
  window = new TfmMain;
  window->show();
  return *window;
}

void DemoTest::Close() {
  delete window;
  window = nullptr;
  delete VIX;
  VIX = nullptr;
  Application->OnException = nullptr;
}

std::string DemoTest::WriteBrowser(const std::string& relativePath) {
  const std::string path = dir.Write(relativePath,
                                     "#!/bin/sh\n"
                                     "out=\"$(dirname \"$0\")/browser.out\"\n"
                                     "for a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"$out.tmp\"\n"
                                     "mv \"$out.tmp\" \"$out\"\n");
  chmod(path.c_str(), 0755);
  return path;
}

void DemoTest::WriteIniWithBrowser(const std::string& extraLines) {
  WriteIni("[Options]\r\nNavigator=" + WriteBrowser() + "\r\n" + extraLines);
}

RecordingReportWindow& DemoTest::Report() const { return *static_cast<RecordingReportWindow*>(fmLumbrick); }

std::vector<std::string> DemoTest::StackSection() const { return Report().StackSection(); }

std::vector<DialogRequest> DemoTest::Shown(DialogRequest::Kind kind) const {
  std::vector<DialogRequest> found;
  for (const DialogRequest& r : dialogs.Shown())
    if (r.kind == kind) found.push_back(r);
  return found;
}
