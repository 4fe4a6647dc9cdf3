// The source scanner on generated units: loading (text, status string, final
// end) and a token sweep over the whole text must both grow linearly with the
// size of the unit. Compare the 5,000-line and 50,000-line figures: ten times
// the text may cost at most twelve times the time.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "Files.h"
#include "SourceScanner.h"

namespace {

// One routine of 16 lines holding every construct of the status
// string: comments of the three kinds, literals with doubled quotes,
// nested blocks and a try with a foreign except clause.
std::string Routine(int n) {
  const std::string name = std::to_string(n);
  return "procedure TForm1.Routine" + name + "(Sender: TObject);\r\n"
         "var i: Integer; // counter\r\n"
         "begin\r\n"
         "  { brace comment with 'quote' and end. }\r\n"
         "  S := 'literal with ''quotes'' and { brace';\r\n"
         "  for i := 0 to " + name + " do\r\n"
         "  begin\r\n"
         "    (* paren comment: begin end *)\r\n"
         "    if i > 5 then Inc(Total) else Dec(Total);\r\n"
         "  end;\r\n"
         "  try\r\n"
         "    Total := Total div 2;\r\n"
         "  except\r\n"
         "    on E: Exception do ShowMessage(E.Message);\r\n"
         "  end;\r\n"
         "end;\r\n";
}

// A unit of Lines lines with one routine per 50,000 / 3,000 lines.
std::string GenerateUnit(int Lines) {
  const int routines = Lines * 3 / 50;
  std::string text = "unit Bench;\r\n\r\ninterface\r\n\r\nuses SysUtils, Classes;\r\n\r\nimplementation\r\n\r\n";
  int lines = 8;
  for (int r = 0; r < routines; ++r) {
    text += Routine(r);
    lines += 16;
  }
  while (lines++ < Lines - 1) text += "// padding\r\n";
  return text + "end.\r\n";
}

class UnitFile {
 public:
  explicit UnitFile(int Lines)
      : path_((std::filesystem::temp_directory_path() / ("ScannerBench" + std::to_string(Lines) + ".pas")).string()) {
    ReplaceFileBytes(path_, GenerateUnit(Lines));
  }
  ~UnitFile() { std::filesystem::remove(path_); }
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

void BM_ScannerLoad(benchmark::State& state) {
  const UnitFile file(static_cast<int>(state.range(0)));
  std::size_t bytes = 0;
  for (auto _ : state) {
    TSourceScanner scanner(file.Path());
    if (!scanner.LoadSourceFile() || scanner.ErrorCode != 0) state.SkipWithError("load failed");
    bytes = scanner.Text.size();
    benchmark::DoNotOptimize(scanner.TextStatus.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
  state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_ScannerLoad)->Arg(5000)->Arg(50000)->Unit(benchmark::kMillisecond);

// Every delimited "begin", "end" and "procedure" in code, hit after hit.
void BM_ScannerFindTokenSweep(benchmark::State& state) {
  const UnitFile file(static_cast<int>(state.range(0)));
  TSourceScanner scanner(file.Path());
  if (!scanner.LoadSourceFile()) state.SkipWithError("load failed");
  int hits = 0;
  for (auto _ : state) {
    hits = 0;
    for (const char* token : {"begin", "end", "procedure"})
      for (int p = 0; (p = scanner.FindToken(token, LeftDelimiters, p, RightDelimiters)) != -1;) ++hits;
    benchmark::DoNotOptimize(hits);
  }
  state.counters["hits"] = hits;
}
BENCHMARK(BM_ScannerFindTokenSweep)->Arg(5000)->Arg(50000)->Unit(benchmark::kMillisecond);

}  // namespace
