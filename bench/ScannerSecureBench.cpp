// Securing a large unit: the keyword scan (load included), securing every
// routine, and the scan of the secured text, on a generated unit of 5,000
// and of 50,000 lines (300 and 3,000 routines); removing every block again
// from 36,000 and 360,000 lines; against Free Pascal
// compiling the same unit (fpc -Mdelphi -s: parsed and compiled, no
// assembler or linker run).
//
// The securing should grow about linearly with the text (at most 12 times
// for 10 times the lines), and scan plus securing should take less than the
// compile.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>

#include "Application.h"
#include "CodeOptions.h"
#include "Lumbrick.h"
#include "ScanActions.h"
#include "SourceScanner.h"

namespace {

const std::string CRLF = "\r\n";

// A unit of TWorker classes with 40 methods each, of four shapes in turn
// (one in four holds a nested routine, counted among the Routines), padded
// with comment lines to exactly Lines lines.
std::string GenerateUnit(int Lines, int Routines) {
  const int perClass = 40;
  const int methods = Routines * 4 / 5;
  const int classes = (methods + perClass - 1) / perClass;
  std::string s = "unit BigUnit;" + CRLF + CRLF + "interface" + CRLF + CRLF + "uses SysUtils;" + CRLF + CRLF + "type" + CRLF;
  int lines = 8;
  const auto line = [&s, &lines](const std::string& l) {
    s += l + CRLF;
    ++lines;
  };
  for (int c = 0; c < classes; ++c) {
    line("  TWorker" + std::to_string(c) + " = class");
    line("  private");
    line("    FTotal, FCount: Integer;");
    line("    FName: string;");
    line("  public");
    for (int m = 0; m < perClass && c * perClass + m < methods; ++m) {
      const std::string n = std::to_string(m);
      switch (m % 4) {
        case 0: line("    procedure Run" + n + "(const AName: string; ACount: Integer);"); break;
        case 1: line("    function Count" + n + ": Integer;"); break;
        case 2: line("    procedure Step" + n + "(Sender: TObject);"); break;
        default: line("    function Sum" + n + "(A, B: Integer): Integer;"); break;
      }
    }
    line("  end;");
    line("");
  }
  line("implementation");
  line("");
  for (int r = 0; r < methods; ++r) {
    const std::string cls = "TWorker" + std::to_string(r / perClass);
    const int m = r % perClass;
    const std::string n = std::to_string(m);
    switch (m % 4) {
      case 0:
        line("procedure " + cls + ".Run" + n + "(const AName: string; ACount: Integer);");
        line("var");
        line("  i: Integer;");
        line("begin");
        line("  FName := 'Item ''' + AName + ''' #' + IntToStr(ACount); { named }");
        line("  for i := 1 to ACount do");
        line("  begin");
        line("    if Odd(i) then");
        line("      Inc(FTotal, i)");
        line("    else");
        line("      Dec(FTotal);");
        line("  end;");
        line("  (* the name follows the count:");
        line("     none, small or large *)");
        line("  if FTotal > 100 then");
        line("    FTotal := 0;");
        line("  FCount := Length(FName);");
        line("  FName := FName + ' ';");
        line("  case ACount of");
        line("    0: FName := '';");
        line("    1..9: FName := 'small';");
        line("  else");
        line("    FName := 'large';");
        line("  end;");
        line("end;");
        break;
      case 1:
        line("function " + cls + ".Count" + n + ": Integer;");
        line("begin");
        line("  // counted once");
        line("  Result := FCount + " + n + ";");
        line("  if Result < 0 then");
        line("  begin");
        line("    FName := 'negative';");
        line("    Result := 0;");
        line("  end");
        line("  else if Result > 1000 then");
        line("    Result := 1000;");
        line("  FCount := Result;");
        line("end;");
        break;
      case 2:
        line("procedure " + cls + ".Step" + n + "(Sender: TObject);");
        line("");
        line("  procedure Bump(var X: Integer);");
        line("  begin");
        line("    X := X + 1;");
        line("  end;");
        line("");
        line("begin");
        line("  try");
        line("    Bump(FCount);");
        line("    if Sender = nil then FName := 'none' (* no sender *);");
        line("  except");
        line("    on E: Exception do");
        line("      FName := E.Message;");
        line("  end;");
        line("  try");
        line("    FTotal := FTotal * 2;");
        line("  finally");
        line("    FTotal := FTotal + FCount;");
        line("  end;");
        line("end;");
        break;
      default:
        line("function " + cls + ".Sum" + n + "(A, B: Integer): Integer;");
        line("begin");
        line("  Result := A + B;");
        line("  while Result > 1000 do");
        line("    Result := Result div 2;");
        line("  repeat");
        line("    Inc(Result);");
        line("  until Result mod 7 = 0;");
        line("  with Self do");
        line("  begin");
        line("    FTotal := FTotal + Result;");
        line("    FName := Format('%d + %d', [A, B]);");
        line("  end;");
        line("  FCount := FCount + 1;");
        line("end;");
        break;
    }
    line("");
  }
  while (lines < Lines - 1) line("{ padding }");
  s += "end.";
  return s + CRLF;
}

struct Sample {
  std::string Folder;
  std::string File;
  std::string Text;
};

TLumbrick& Library() {
  static TApplication app;
  static TLumbrick* library = new TLumbrick(&app);
  if (VIX == nullptr) VIX = library;
  return *library;
}

// The generated units, written once per size, removed at exit.
struct Samples {
  ~Samples() {
    for (const auto& [lines, sample] : BySize) {
      std::error_code ignored;
      std::filesystem::remove_all(sample.Folder, ignored);
    }
  }
  std::map<int, Sample> BySize;
};

const Sample& SampleOf(int Lines) {
  static Samples all;
  auto& samples = all.BySize;
  auto it = samples.find(Lines);
  if (it != samples.end()) return it->second;
  Sample s;
  s.Folder = (std::filesystem::temp_directory_path() / ("scanner_bench_" + std::to_string(getpid()) + "_" +
                                                         std::to_string(Lines))).string() + "/";
  std::filesystem::create_directories(s.Folder);
  s.File = s.Folder + "BigUnit.pas";
  s.Text = GenerateUnit(Lines, Lines * 3 / 50);
  std::ofstream(s.File, std::ios::binary) << s.Text;
  return samples.emplace(Lines, std::move(s)).first->second;
}

std::unique_ptr<TSourceScanner> LoadAndScan(const std::string& File) {
  auto scanner = std::make_unique<TSourceScanner>(File);
  scanner->LoadSourceFile();
  scanner->FillKeyWordsList();
  return scanner;
}

void Counters(benchmark::State& state, const TSourceScanner& s) {
  state.counters["lines"] = static_cast<double>(state.range(0));
  state.counters["routines"] = static_cast<double>(s.Routines.size());
}

void BM_ScannerKeywordScan(benchmark::State& state) {
  Library();
  CodeOptions = TCodeOptions();
  const Sample& sample = SampleOf(static_cast<int>(state.range(0)));
  std::unique_ptr<TSourceScanner> s;
  for (auto _ : state) {
    s = LoadAndScan(sample.File);
    benchmark::DoNotOptimize(s->Keywords.data());
  }
  if (s->ErrorCode != 0) state.SkipWithError(s->GetErrorMessage().c_str());
  Counters(state, *s);
}

void BM_ScannerSecureAll(benchmark::State& state) {
  Library();
  CodeOptions = TCodeOptions();
  ScanActions = {0, 0, 3};
  const Sample& sample = SampleOf(static_cast<int>(state.range(0)));
  std::unique_ptr<TSourceScanner> s;
  for (auto _ : state) {
    state.PauseTiming();
    s = LoadAndScan(sample.File);
    state.ResumeTiming();
    s->ScanRoutines();
  }
  std::array<int, 4> mods{};
  std::array<int, 4> states{};
  s->GetStats(mods, states);
  if (mods[0] != static_cast<int>(s->Routines.size())) state.SkipWithError("not every routine was secured");
  Counters(state, *s);
}

// The sample with every routine secured, written once beside it under the
// same file name (it is part of every routine text).
std::string SecuredFileOf(const Sample& Sample) {
  const std::string file = Sample.Folder + "secured/BigUnit.pas";
  if (std::filesystem::exists(file)) return file;
  ScanActions = {0, 0, 3};
  auto secured = LoadAndScan(Sample.File);
  secured->ScanRoutines();
  std::filesystem::create_directories(Sample.Folder + "secured");
  std::ofstream(file, std::ios::binary) << secured->Text;
  return file;
}

void BM_ScannerSecondScan(benchmark::State& state) {
  Library();
  CodeOptions = TCodeOptions();
  const Sample& sample = SampleOf(static_cast<int>(state.range(0)));
  const std::string file = SecuredFileOf(sample);
  std::unique_ptr<TSourceScanner> s;
  for (auto _ : state) s = LoadAndScan(file);
  std::array<int, 4> mods{};
  std::array<int, 4> states{};
  s->GetStats(mods, states);
  if (states[1] != static_cast<int>(s->Routines.size())) state.SkipWithError("not every routine rates Correct");
  Counters(state, *s);
}

// Removing every block of a secured unit: the removal must grow about
// linearly with the text, as securing does.
void BM_ScannerRemoveAll(benchmark::State& state) {
  Library();
  CodeOptions = TCodeOptions();
  const Sample& sample = SampleOf(static_cast<int>(state.range(0)));
  const std::string file = SecuredFileOf(sample);
  ScanActions = {1, 0, 0};
  std::unique_ptr<TSourceScanner> s;
  for (auto _ : state) {
    state.PauseTiming();
    s = LoadAndScan(file);
    state.ResumeTiming();
    s->ScanRoutines();
  }
  std::array<int, 4> mods{};
  std::array<int, 4> states{};
  s->GetStats(mods, states);
  if (mods[2] != static_cast<int>(s->Routines.size())) state.SkipWithError("not every block was removed");
  Counters(state, *s);
}

void BM_FpcSyntaxCompile(benchmark::State& state) {
  const Sample& sample = SampleOf(static_cast<int>(state.range(0)));
  if (std::system("fpc -iV > /dev/null 2>&1") != 0) {
    state.SkipWithError("fpc is not installed");
    return;
  }
  const std::string command = "cd '" + sample.Folder + "' && fpc -Mdelphi -s -FE. BigUnit.pas > fpc.log 2>&1";
  for (auto _ : state)
    if (std::system(command.c_str()) != 0) {
      state.SkipWithError("fpc failed on the generated unit (see fpc.log)");
      break;
    }
  state.counters["lines"] = static_cast<double>(state.range(0));
}

}  // namespace

BENCHMARK(BM_ScannerKeywordScan)->Arg(5000)->Arg(50000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScannerSecureAll)->Arg(5000)->Arg(50000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScannerSecondScan)->Arg(5000)->Arg(50000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScannerRemoveAll)->Arg(36000)->Arg(360000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FpcSyntaxCompile)->Arg(5000)->Arg(50000)->Unit(benchmark::kMillisecond)->UseRealTime();
