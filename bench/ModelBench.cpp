// The discovery walk over a generated project of real size: units spread over
// 20 folders found through the search path, each using its two children in a
// tree, its parent and a few platform units that no folder holds. The time
// per unit must stay flat from 500 to 5,000 units.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "Appli.h"
#include "Application.h"
#include "BenchFolder.h"
#include "CommonGlobals.h"
#include "Lumbrick.h"
#include "OperationLog.h"
#include "Settings.h"

namespace {

namespace fs = std::filesystem;

constexpr int kFolders = 20;
constexpr int kRoutines = 12;  // some 2.5 KB a unit, as small real units are

// A log that keeps its lines, as the log window does.
class KeepingLog final : public TOperationLog {
 public:
  void StartLog(const std::string&) override { lines.clear(); }
  void TerminateLog() override {}
  void AddMsg(const std::string& Text) override { lines.push_back(Text); }
  void AddMsgUtf8(const std::string& Utf8Text) override { lines.push_back(Utf8Text); }
  void ChangeMsg(const std::string& Text) override {
    if (!lines.empty()) lines.back() = Text;
  }
  void DisplayInfo(const std::string&) override {}
  void DisplayInfoPlus(const std::string&) override {}
  bool Cancelled() const override { return false; }
  void SetSuccess(bool) override {}
  void ShowCancel() override {}
  std::vector<std::string> lines;
};

std::string UnitName(int i) { return "Unit" + std::to_string(i); }
std::string FolderName(int i) { return "Folder" + std::to_string(i % kFolders); }

void WriteFile(const fs::path& Path, const std::string& Text) { std::ofstream(Path, std::ios::binary) << Text; }

// A project of Count units: P.dpr names Unit0; unit i uses units 2i+1 and
// 2i+2 in its interface and its parent in its implementation, and holds a
// dozen small routines.
class GeneratedProject {
 public:
  explicit GeneratedProject(int Count) : folder("corvane-bench"), root(folder.Path()) {
    std::string searchPath;
    for (int f = 0; f < kFolders; ++f) {
      fs::create_directories(root + FolderName(f));
      searchPath += (f ? ";" : "") + FolderName(f);
    }
    for (int i = 0; i < Count; ++i) {
      std::string declarations, routines;
      for (int r = 0; r < kRoutines; ++r) {
        const std::string name = "Step" + std::to_string(r);
        declarations += "procedure " + name + "(const Value: Integer);\r\n";
        routines += "procedure " + name + "(const Value: Integer);\r\nvar\r\n  Text: string;\r\nbegin\r\n"
                    "  Text := IntToStr(Value); { the value as text }\r\n  if Value > 0 then\r\n"
                    "    ShowMessage('Value: ' + Text);\r\nend;\r\n\r\n";
      }
      std::string interfaceUses = "Windows, SysUtils, Classes";
      for (int child : {2 * i + 1, 2 * i + 2})
        if (child < Count) interfaceUses += ", " + UnitName(child);
      const std::string implementationUses = i ? "Forms, " + UnitName((i - 1) / 2) : "Forms";
      WriteFile(root + FolderName(i) + "/" + UnitName(i) + ".pas",
                "unit " + UnitName(i) + ";\r\n\r\ninterface\r\n\r\nuses\r\n  " + interfaceUses +
                    ";\r\n\r\n" + declarations + "\r\nimplementation\r\n\r\nuses " + implementationUses +
                    ";\r\n\r\n" + routines + "end.\r\n");
    }
    WriteFile(root + "P.dpr", "program P;\r\n\r\nuses\r\n  Forms,\r\n  Unit0 in 'Folder0\\Unit0.pas';\r\n\r\n"
                              "begin\r\nend.\r\n");
    WriteFile(root + "P.dof", "[Directories]\r\nSearchPath=" + searchPath + "\r\n");
  }
  TBenchFolder folder;
  std::string root;
};

struct Model {
  Model() {
    if (VIX == nullptr) VIX = new TLumbrick(&app);
    InitCommonGlobals();
    ExeDir = (fs::temp_directory_path() / "").string();
    IniFile = std::make_unique<TIniFile>(ExeDir + "corvane-bench-absent.ini");
    SetOperationLog(&log);
  }
  TApplication app;
  KeepingLog log;
};

void BM_DiscoveryWalk(benchmark::State& state) {
  static Model model;
  const int count = static_cast<int>(state.range(0));
  const GeneratedProject project(count);
  std::unique_ptr<TAppli> appli = TAppli::CreateFromFile(project.root + "P.dpr");
  appli->FindSearchPath();
  // Each walk drops the units the previous one found and discovers them again.
  for (auto _ : state) {
    appli->Units.ClearUnits();
    model.log.StartLog("");
    appli->FindUnitsFromSources();
  }
  if (appli->Units.Count() != count) state.SkipWithError("not every unit was found");
  state.counters["units"] = count;
  state.counters["per_unit"] =
      benchmark::Counter(count, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
// The machine's other work only ever adds time: the fastest of the runs is
// the figure to compare.
BENCHMARK(BM_DiscoveryWalk)
    ->Arg(500)
    ->Arg(5000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ComputeStatistics("min", [](const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); })
    ->ReportAggregatesOnly(true);

}  // namespace
