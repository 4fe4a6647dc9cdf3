// The operation log window, shown offscreen.
// - Adding a line (and the repaint that follows) to a log of 100,000 lines
//   must cost no more than 1.5 times adding one to a log of 1,000: the list
//   inserts one row and draws only the rows in view.
// - DisplayInfo while the window is visible processes pending events (once a
//   screen frame: looking for them is a system call here); a loop of 10,000
//   calls must cost no more than three times the same loop with the window
//   hidden (texts to the main status bar).
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <string>
#include <vector>

#include "Log.h"
#include "WindowHost.h"

namespace {

void BM_LogAddLine(benchmark::State& state) {
  WindowHost();
  TfmLog log;
  log.show();
  const int lines = static_cast<int>(state.range(0));
  for (int i = 0; i < lines; ++i) log.AddMsg("Unit" + std::to_string(i) + ".pas\tCode Added : 3\t Updated : 0");
  Settle();
  for (auto _ : state) {
    log.AddMsg("(clRed)Unit.pas\tImpossible to Read File");
    QCoreApplication::processEvents();
  }
  state.counters["lines"] = lines;
}
// A fixed number of adds, so that each log stays at its size.
BENCHMARK(BM_LogAddLine)->Arg(1000)->Arg(100000)->Iterations(2000)->Unit(benchmark::kMicrosecond);

void BM_LogDisplayInfo(benchmark::State& state) {
  WindowHost();
  TfmLog log;
  const bool visible = state.range(0) != 0;
  if (visible) log.show();
  Settle();
  std::vector<std::string> texts;
  for (int i = 0; i < 1000; ++i) texts.push_back("Scanning Unit" + std::to_string(i) + ".pas");
  std::size_t i = 0;
  for (auto _ : state) log.DisplayInfo(texts[i++ % texts.size()]);
  state.SetLabel(visible ? "visible" : "hidden");
}
BENCHMARK(BM_LogDisplayInfo)->Arg(0)->Arg(1)->Iterations(10000)->Unit(benchmark::kMicrosecond);

// One pass of the event loop with nothing to do, as DisplayInfo makes once a
// screen frame: what a pass at every call would cost.
void BM_EmptyEventLoopPass(benchmark::State& state) {
  WindowHost();
  Settle();
  for (auto _ : state) QCoreApplication::processEvents();
}
BENCHMARK(BM_EmptyEventLoopPass)->Iterations(10000)->Unit(benchmark::kMicrosecond);

}  // namespace
