// The source files scanner window, shown offscreen.
// - Scan All over 150 units of about 300 lines each, the log window shown,
//   against the same scans made directly on the units' scanners: at most 1.25
//   times (the log's progress calls must not cost more than the scanning).
//   BM_EditorScanAll's counter "ratio".
// - Showing a unit (load, keyword scan, routine grid fill, the first routine
//   in the memo) of 3,000 routines against one of 300: at most 12 times.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <chrono>
#include <functional>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "AppObjects.h"
#include "BenchFolder.h"
#include "CommonGlobals.h"
#include "Editor.h"
#include "Files.h"
#include "Log.h"
#include "ScanActions.h"
#include "ScanProgress.h"
#include "Settings.h"
#include "WindowHost.h"

namespace {

namespace fs = std::filesystem;

const std::string CRLF = "\r\n";

// A unit of Routines routines of 12 lines each, a third of them secured with
// an outdated routine text, in a unit of about 12 lines a routine.
std::string GenerateUnit(const std::string& Name, int Routines) {
  std::string s = "unit " + Name + ";" + CRLF + CRLF + "interface" + CRLF + CRLF + "implementation" + CRLF + CRLF +
                  "uses SysUtils, Lumbrick;" + CRLF + CRLF;
  for (int r = 0; r < Routines; ++r) {
    const std::string n = std::to_string(r);
    s += "procedure Run" + n + "(const AName: string; ACount: Integer);" + CRLF + "var" + CRLF + "  i: Integer;" +
         CRLF + "begin" + CRLF;
    if (r % 3 == 0) {
      s += "  Try" + CRLF + "    for i := 1 to ACount do  // counting" + CRLF + "      Total := Total + i;" + CRLF +
           "    Name := 'Item ''' + AName + ''''; { named }" + CRLF + "  Except VIX.Push('" + Name +
           ".pas : Procedure Old" + n + "'); Raise; End;" + CRLF;
    } else {
      s += "  for i := 1 to ACount do  // counting" + CRLF + "    if Odd(i) then" + CRLF + "      Total := Total + i" +
           CRLF + "    else" + CRLF + "      Dec(Total);" + CRLF + "  Name := 'Item ''' + AName + ''''; { named }" + CRLF;
    }
    s += "end;" + CRLF + CRLF;
  }
  return s + "end." + CRLF;
}

// The program folder with "Corvane.ini", the log window shown, the scan
// actions that add and update; made once for the run.
void World() {
  static const bool made = [] {
    WindowHost();
    static const TBenchFolder folder("corvane-editor-bench");
    InitCommonGlobals();
    ExeDir = folder.Path();
    IniFile = std::make_unique<TIniFile>(ExeDir + SettingsFileName);
    fmLog = new TfmLog;
    ScanActions = {0, 2, 3};
    return true;
  }();
  (void)made;
}

// A project of Count units of Routines routines each, current while it lives.
class TProject {
 public:
  TProject(int Count, int Routines) : folder_(ExeDir + "proj" + std::to_string(Count) + "x" + std::to_string(Routines)) {
    fs::create_directories(folder_);
    const std::string project = folder_ + "/App.dpr";
    ReplaceFileBytes(project, "program App;" + CRLF + "begin" + CRLF + "end." + CRLF);
    std::string list;
    for (int u = 0; u < Count; ++u) {
      const std::string name = "Unit" + std::to_string(u);
      const std::string path = folder_ + "/" + name + ".pas";
      ReplaceFileBytes(path, GenerateUnit(name, Routines));
      list += TUnit(path).GetIniString() + CRLF;
    }
    ReplaceFileBytes(ExeDir + "App.bul", list);
    IniFile->WriteString(project, "DataFileName", "App.bul");
    CurrentAppli = TAppli::CreateFromFile(project);
    for (const auto& unit : CurrentAppli->Units) unit->Selected = true;
  }
  ~TProject() {
    CurrentAppli.reset();
    fs::remove_all(folder_);
  }
  TProject(const TProject&) = delete;
  TProject& operator=(const TProject&) = delete;

  // As when the scanner window was closed: every unit is read again.
  static void Reset() {
    for (const auto& unit : CurrentAppli->Units) {
      unit->Scanned = false;
      unit->Scanner->Loaded = false;
      unit->Scanner->FileState = 0;
    }
  }

 private:
  std::string folder_;
};

// The scans Scan All makes, straight on the scanners with no log.
void ScanDirectly() {
  for (const auto& unit : CurrentAppli->Units) {
    TSourceScanner& s = *unit->Scanner;
    if (!s.LoadSourceFile()) continue;
    s.FillKeyWordsList();
    s.GetStats(s.Modifications, s.InitialCodeStatus);
    s.ScanRoutines();
    s.GetStats(s.Modifications, s.ActualCodeStatus);
  }
}

double Milliseconds(const std::function<void()>& Work) {
  const auto start = std::chrono::steady_clock::now();
  Work();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// The two runs alternate, so that both meet the same load of the machine;
// the time reported is Scan All's, the counters give both and their ratio.
void BM_EditorScanAll(benchmark::State& state) {
  World();
  const TProject project(150, 25);  // about 310 lines a unit
  const auto editor = std::make_unique<TfmEditor>();
  editor->ShowUnits();
  editor->show();
  fmLog->show();
  Settle();
  double direct = 0;
  double window = 0;
  for (auto _ : state) {
    TProject::Reset();
    TScanProgress* log = SetScanProgress(nullptr);
    const double d = Milliseconds(ScanDirectly);
    SetScanProgress(log);
    TProject::Reset();
    const double w = Milliseconds([&] { editor->miScanAllClick(editor.get()); });
    state.SetIterationTime(w / 1000.0);
    direct += d;
    window += w;
  }
  fmLog->hide();
  state.counters["direct_ms"] = direct / static_cast<double>(state.iterations());
  state.counters["ratio"] = window / direct;
}
BENCHMARK(BM_EditorScanAll)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

void BM_EditorShowUnit(benchmark::State& state) {
  World();
  const int routines = static_cast<int>(state.range(0));
  const TProject project(1, routines);
  const auto editor = std::make_unique<TfmEditor>();
  editor->ShowUnits();
  editor->show();
  Settle();
  for (auto _ : state) {
    state.PauseTiming();
    TProject::Reset();
    state.ResumeTiming();
    editor->DoSourcesSelectCell(0);
    editor->DoProcsSelectCell(0);
    QCoreApplication::processEvents();
  }
  state.counters["routines"] = routines;
}
BENCHMARK(BM_EditorShowUnit)->Arg(300)->Arg(3000)->Iterations(20)->Unit(benchmark::kMillisecond);

}  // namespace
