// The assistant's main window, offscreen.
// - Filling the source-file page (and the repaint that follows) with 5,000
//   units must cost at most 12 times filling it with 500: the list lays out
//   and draws only the rows in view.
// - The program's start-up to its first shown window, against a bare Qt
//   window of the same size started the same way (a process each, see
//   probe/StartupProbe.cpp), with translation tables of 300 entries: at most
//   1.5 times.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "AppObjects.h"
#include "Application.h"
#include "BenchFolder.h"
#include "Main.h"
#include "PageControl.h"
#include "ProbeTiming.h"
#include "WindowHost.h"

namespace {

namespace fs = std::filesystem;

// A program folder of its own, with the shipped tables grown to 300 entries.
std::string ProgramFolder() {
  static const TBenchFolder program("corvane-bench");
  static const std::string folder = [] {
    const fs::path dir(program.Path());
    for (const char* name : {"Dialogs.ini", "DialogsFr.ini", "vixModel.htm"})
      fs::copy_file(fs::path(CORVANE_DATA_DIR) / name, dir / name);
    int entries = 0;
    {
      std::ifstream in(dir / "Dialogs.ini");
      for (std::string line; std::getline(in, line);)
        if (!line.empty() && line[0] >= '0' && line[0] <= '9') ++entries;
    }
    std::ofstream english(dir / "Dialogs.ini", std::ios::app), french(dir / "DialogsFr.ini", std::ios::app);
    for (int n = 9000; entries < 300; ++n, ++entries) {
      english << n << "=Bench Text " << n << "\r\n";
      french << n << "=Texte du banc " << n << "\r\n";
    }
    return program.Path();
  }();
  return folder;
}

void BM_FillSourceFilePage(benchmark::State& state) {
  WindowHost();
  Application->SetExeName(ProgramFolder() + "corvane");
  auto window = std::make_unique<TfmMain>();
  window->show();
  const std::string project = ProgramFolder() + "Project/Bench.dpr";
  CurrentAppli = TAppli::CreateFromFile(project);
  const int units = static_cast<int>(state.range(0));
  for (int i = 0; i < units; ++i)
    CurrentAppli->Units.Add(std::make_unique<TUnit>(ProgramFolder() + "Project/Unit" + std::to_string(i) + ".pas"));
  window->PageControl1->SetActivePage(window->tsUnits);
  Settle();
  for (auto _ : state) {
    window->UnitList_To_clbFiles();
    QCoreApplication::processEvents();
  }
  state.counters["units"] = units;
  window.reset();
}
BENCHMARK(BM_FillSourceFilePage)->Arg(500)->Arg(5000)->Unit(benchmark::kMillisecond);

// Each iteration starts the bare window, then the assistant, so that both
// see the machine alike; the time is the assistant's, the counters give the
// bare window's mean and the ratio.
void BM_StartUpToFirstWindow(benchmark::State& state) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
  double bare = 0, corvane = 0;
  for (auto _ : state) {
    bare += TimeToFirstWindow("bare", ProgramFolder());
    const double seconds = TimeToFirstWindow("corvane", ProgramFolder());
    corvane += seconds;
    state.SetIterationTime(seconds);
  }
  const double runs = static_cast<double>(state.iterations());
  state.counters["bare_ms"] = 1000 * bare / runs;
  state.counters["corvane_ms"] = 1000 * corvane / runs;
  state.counters["ratio"] = corvane / bare;
}
BENCHMARK(BM_StartUpToFirstWindow)->UseManualTime()->Iterations(40)->Unit(benchmark::kMillisecond);

}  // namespace
