// The source files scanner window, shown offscreen.
// - Scan All over 150 units of about 300 lines each, the log window shown,
//   against the same scans made directly on the units' scanners: at most 1.25
//   times (the log's progress calls must not cost more than the scanning).
//   BM_EditorScanAll's counter "ratio".
// - Showing a unit (load, keyword scan, routine grid fill, the first routine
//   in the memo) of 3,000 routines against one of 300: at most 12 times.
// - Cancel: Scan File on a unit of 60,000 routines, the log window shown,
//   Cancel clicked during the keyword scan (Arg 0) or the routine scan
//   (Arg 1), at every 5 % of the phase from 5 % to 95 %, one point an
//   iteration: from the click to the end of the operation, at most 50 ms at
//   every point. BM_EditorCancel's counters "worst_ms" and "median_ms";
//   "missed" counts the points the phase had passed when the click came.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <functional>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "AppObjects.h"
#include "BenchFolder.h"
#include "CommonGlobals.h"
#include "Editor.h"
#include "Files.h"
#include "Log.h"
#include "ScanActions.h"
#include "ScanProgress.h"
#include "ProgressLabel.h"
#include "Settings.h"
#include "SpeedButton.h"
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

// A project of Count units of Routines routines each (the first one of
// FirstRoutines, when given), current while it lives.
class TProject {
 public:
  TProject(int Count, int Routines, int FirstRoutines = 0)
      : folder_(ExeDir + "proj" + std::to_string(Count) + "x" + std::to_string(Routines) + "x" +
                std::to_string(FirstRoutines)) {
    fs::create_directories(folder_);
    const std::string project = folder_ + "/App.dpr";
    ReplaceFileBytes(project, "program App;" + CRLF + "begin" + CRLF + "end." + CRLF);
    std::string list;
    for (int u = 0; u < Count; ++u) {
      const std::string name = "Unit" + std::to_string(u);
      const std::string path = folder_ + "/" + name + ".pas";
      ReplaceFileBytes(path, GenerateUnit(name, u == 0 && FirstRoutines > 0 ? FirstRoutines : Routines));
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

// Stands between the scanner and the log window: notes when the keyword
// scan ("Searching Keywords...") and the routine scan (from its first
// "Routine " text to the empty text that ends it) begin and end, and, Delay after the text that starts with Prefix first comes,
// the user clicks Cancel. The click is an event: the operation takes it at
// its first event pass after that moment.
class TCancelLater final : public TScanProgress {
 public:
  using Clock = std::chrono::steady_clock;
  TCancelLater(std::string Prefix, std::chrono::milliseconds Delay)
      : prefix_(std::move(Prefix)), delay_(Delay), log_(SetScanProgress(this)) {}
  ~TCancelLater() override { SetScanProgress(log_); }
  TCancelLater(const TCancelLater&) = delete;
  TCancelLater& operator=(const TCancelLater&) = delete;

  void DisplayInfoPlus(const std::string& Text) override {
    const Clock::time_point now = Clock::now();
    if (Text.starts_with("Searching Keywords") && keywords_ == Clock::time_point{}) keywords_ = now;
    if (Text.starts_with("Routine ") && routines_ == Clock::time_point{}) routines_ = now;
    if (Text.empty() && routines_ != Clock::time_point{} && routinesEnd_ == Clock::time_point{}) routinesEnd_ = now;
    if (!prefix_.empty() && !armed_ && Text.starts_with(prefix_)) {
      armed_ = true;
      click_ = now + delay_;
      timer_.setSingleShot(true);
      timer_.setTimerType(Qt::PreciseTimer);
      QObject::connect(&timer_, &QTimer::timeout, fmLog->btCancel, [] { fmLog->btCancel->click(); });
      timer_.start(delay_);
    }
    log_->DisplayInfoPlus(Text);
  }
  bool Cancelled() const override { return log_->Cancelled(); }
  void Pulse() override { log_->Pulse(); }
  // The texts that mark the moments are seen as soon as they come.
  bool ProgressDue() const override { return routines_ == Clock::time_point{} || log_->ProgressDue(); }

  bool Armed() const { return armed_; }
  Clock::time_point Click() const { return click_; }
  Clock::time_point Keywords() const { return keywords_; }
  Clock::time_point Routines() const { return routines_; }
  Clock::time_point RoutinesEnd() const { return routinesEnd_; }

 private:
  std::string prefix_;
  std::chrono::milliseconds delay_;
  TScanProgress* log_;
  bool armed_ = false;
  Clock::time_point click_{}, keywords_{}, routines_{}, routinesEnd_{};
  QTimer timer_;  // a click not made before the operation ended is never made
};

double Milliseconds(TCancelLater::Clock::duration Span) {
  return std::chrono::duration<double, std::milli>(Span).count();
}

// The cancel points of a phase: 5 %, 10 % ... 95 % of its length.
constexpr int kCancelPoints = 19;

// The big unit is the first of two. For the keyword scan a small unit is
// shown and Scan All reads the big one, not read yet; for the routine scan
// the big one is shown (and so read) and Scan File scans it.
void BM_EditorCancel(benchmark::State& state) {
  World();
  const bool routines = state.range(0) != 0;
  const TProject project(2, 25, 60000);
  const auto editor = std::make_unique<TfmEditor>();
  editor->ShowUnits();
  editor->show();
  fmLog->show();
  Settle();
  const auto prepare = [&] {
    TProject::Reset();
    editor->DoSourcesSelectCell(routines ? 0 : 1);
    Settle();
  };
  const auto scan = [&] {
    try {
      if (routines)
        editor->miScanFileClick(editor.get());
      else
        editor->miScanAllClick(editor.get());
    } catch (const EAbort&) {
      // the cancel's silent abort, as the guard of a click takes it
    }
    return TCancelLater::Clock::now();
  };
  // The phase's length without a cancel, the shortest of three runs (the
  // machine's load varies): the clicks fall at every twentieth of it.
  double length = 0;
  for (int run = 0; run < 3; ++run) {
    prepare();
    const TCancelLater watch("", {});
    scan();
    const double ms = routines ? Milliseconds(watch.RoutinesEnd() - watch.Routines())
                               : Milliseconds(watch.Routines() - watch.Keywords());
    length = run == 0 ? ms : std::min(length, ms);
  }
  const TSourceScanner& s = *CurrentAppli->Units.GetUnit(0)->Scanner;
  std::vector<double> latencies;
  int missed = 0;
  int n = 0;
  for (auto _ : state) {
    state.PauseTiming();
    prepare();
    state.ResumeTiming();
    const int point = 1 + n++ % kCancelPoints;  // in twentieths of the phase
    const auto delay = std::chrono::milliseconds(static_cast<int>(length * point / 20.0));
    const TCancelLater cancel(routines ? "Routine " : "Searching Keywords", delay);
    const auto end = scan();
    if (!cancel.Armed()) {
      state.SkipWithError("the phase never began");
      break;
    }
    const double ms = Milliseconds(end - cancel.Click());
    state.SetIterationTime(std::max(ms, 0.0) / 1000.0);
    const auto added =
        std::count_if(s.Routines.begin(), s.Routines.end(), [](const TRoutineInfo* r) { return r->State == 1; });
    const bool inPhase = routines ? added < static_cast<std::ptrdiff_t>(s.Routines.size()) : added == 0;
    if (inPhase && fmLog->lbInfo->Text().starts_with("Aborted by User"))
      latencies.push_back(ms);
    else
      ++missed;  // this run went faster: the phase was over when the click came
  }
  fmLog->hide();
  TProject::Reset();
  std::sort(latencies.begin(), latencies.end());
  state.counters["phase_ms"] = length;
  state.counters["worst_ms"] = latencies.empty() ? 0 : latencies.back();
  state.counters["median_ms"] = latencies.empty() ? 0 : latencies[latencies.size() / 2];
  state.counters["missed"] = missed;
  state.SetLabel(routines ? "routine scan" : "keyword scan");
}
BENCHMARK(BM_EditorCancel)->Arg(0)->Arg(1)->UseManualTime()->Iterations(kCancelPoints)->Unit(benchmark::kMillisecond);

}  // namespace
