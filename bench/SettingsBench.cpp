// "Corvane.ini" with many registered applications: every application is
// opened at start-up, each with a handful of reads of its section.
// - Opening 1,100 registered applications must cost at most 12 times opening
//   100: the settings file is parsed once, not at every read.
// - The program's start-up to its first shown window with 2,000 registered
//   applications must stay under one second (the probe of
//   probe/StartupProbe.cpp, as a program of its own).
#include <benchmark/benchmark.h>

#include <QByteArray>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "AppObjects.h"
#include "Application.h"
#include "BenchFolder.h"
#include "CommonGlobals.h"
#include "DateTime.h"
#include "Files.h"
#include "Lumbrick.h"
#include "ProbeTiming.h"
#include "Settings.h"

namespace {

namespace fs = std::filesystem;

constexpr int kUnitsPerAppli = 4;

// A program folder whose "Corvane.ini" registers Count applications, each
// with its search path, its dates and a unit-list file of a few units, as
// the program writes them; with the shipped translation tables.
class RegisteredApplis {
 public:
  explicit RegisteredApplis(int Count) : folder("corvane-bench") {
    for (const char* name : {"Dialogs.ini", "DialogsFr.ini", "vixModel.htm"})
      fs::copy_file(fs::path(CORVANE_DATA_DIR) / name, fs::path(folder.Path()) / name);
    const std::string date = DateTimeToStr(Now());
    std::string ini = "[GUI]\r\nLanguage=1\r\nShowGuide=No\r\nHeaderWidth02=420\r\nHeaderWidth03=135\r\n"
                      "HeaderWidth04=135\r\n\r\n[System]\r\nNavigator=/bin/true\r\n";
    for (int i = 0; i < Count; ++i) {
      const std::string name = "Project" + std::to_string(i);
      const std::string project = folder.Path() + "Projects/" + name + "/" + name + ".dpr";
      ini += "\r\n[" + project + "]\r\nDataFileName=" + name + ".bul\r\nSearchPath=..\\Common;Lib\r\nCreation=" + date +
             "\r\nLastUpdate=" + date + "\r\n";
      std::string units;
      for (int u = 0; u < kUnitsPerAppli; ++u)
        units += ExtractFilePath(project) + "Unit" + std::to_string(u) + ".pas;True;" + date + ";Ok\r\n";
      std::ofstream(folder.Path() + name + ".bul", std::ios::binary) << units;
    }
    std::ofstream(folder.Path() + "Corvane.ini", std::ios::binary) << ini;
    // As at a real start, the file was written a while ago: a file changed
    // within the clock's tick of its reading is compared byte for byte.
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
  }
  TBenchFolder folder;
};

// Seconds to open every application of the folder, with its own settings
// file object as the program holds it.
double OpenAll(const RegisteredApplis& Applis, std::unique_ptr<TIniFile>& Ini, int Count) {
  ExeDir = Applis.folder.Path();
  std::swap(IniFile, Ini);
  const auto start = std::chrono::steady_clock::now();
  TAppliList list;
  list.ReadFromFile();
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::swap(IniFile, Ini);
  if (list.Count() != Count) std::abort();
  return seconds;
}

// Each iteration opens 100 applications, then 1,100, so that both see the
// machine alike; the machine's other work only ever adds time, so the
// fastest of each is the figure to compare. The time is the 1,100's.
void BM_OpenRegisteredApplis(benchmark::State& state) {
  static TApplication app;
  if (VIX == nullptr) VIX = new TLumbrick(&app);
  InitCommonGlobals();
  const RegisteredApplis small(100), large(1100);
  auto smallIni = std::make_unique<TIniFile>(small.folder.Path() + "Corvane.ini");
  auto largeIni = std::make_unique<TIniFile>(large.folder.Path() + "Corvane.ini");
  double fastestSmall = 1e9, fastestLarge = 1e9;
  for (auto _ : state) {
    fastestSmall = std::min(fastestSmall, OpenAll(small, smallIni, 100));
    const double seconds = OpenAll(large, largeIni, 1100);
    fastestLarge = std::min(fastestLarge, seconds);
    state.SetIterationTime(seconds);
  }
  state.counters["ms_100"] = 1000 * fastestSmall;
  state.counters["ms_1100"] = 1000 * fastestLarge;
  state.counters["ratio"] = fastestLarge / fastestSmall;
}
BENCHMARK(BM_OpenRegisteredApplis)->UseManualTime()->Iterations(100)->Unit(benchmark::kMillisecond);

void BM_StartUpWith2000Applis(benchmark::State& state) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
  const RegisteredApplis applis(2000);
  for (auto _ : state) state.SetIterationTime(TimeToFirstWindow("corvane", applis.folder.Path()));
}
BENCHMARK(BM_StartUpWith2000Applis)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

}  // namespace
