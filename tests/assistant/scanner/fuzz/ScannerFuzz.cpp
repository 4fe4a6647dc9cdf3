// libFuzzer target: any bytes as a unit source, through the load's line
// breaks and status string, the keyword scan, routine scans with every
// action, the single edits and the removal of every block. Nothing may crash,
// hang or trip a sanitizer, and the scanner's invariants hold after every
// step.
//
// With SCANNER_FUZZ_EXACT=1 in the environment it also checks, on units that
// scan without error, that the routine scans leave the keyword list a new
// scan would give (positions, kinds, levels, links; code states aside, which
// garbage such as two routines sharing one body makes ambiguous).
//
// Built by scripts/fuzz-scanner.sh (clang, -fsanitize=fuzzer,address).
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "Application.h"
#include "CodeOptions.h"
#include "FreshScan.h"
#include "LineBreaks.h"
#include "Lumbrick.h"
#include "ScanActions.h"
#include "ScannerInvariants.h"
#include "SourceScanner.h"

namespace {

void Check(const TSourceScanner& S, const char* Step) {
  const std::string broken = BrokenInvariant(S);
  if (broken.empty()) return;
  std::fprintf(stderr, "after %s: %s\n", Step, broken.c_str());
  std::abort();
}

void CheckExact(const TSourceScanner& S) {
  static const bool exact = std::getenv("SCANNER_FUZZ_EXACT") != nullptr;
  if (!exact) return;
  const std::string diff = CompareWithFreshScan(S);
  if (diff.empty() || diff.find("state") != std::string::npos) return;
  std::fprintf(stderr, "not what a new scan gives: %s\n", diff.c_str());
  std::abort();
}

// The silent abort ends a scan on error 120; it is no failure here.
template <typename F>
void Quietly(F&& Step) {
  try {
    Step();
  } catch (const EAbort&) {
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  static TApplication app;
  static TLumbrick* library = new TLumbrick(&app);
  VIX = library;
  if (Size == 0) return 0;

  // The first byte chooses the code options; the rest is the source.
  const std::uint8_t choice = Data[0];
  TCodeOptions options;
  options.ExceptLines = 1 + (choice & 3);
  options.ReindentAddedCode = (choice & 4) == 0;
  options.ReindentRemovedCode = (choice & 8) == 0;
  options.PushParams[4] = (choice & 16) == 0;
  CodeOptions = options;

  // The source as the load takes it: LF line breaks read as CR LF, which
  // the save must turn back into the same bytes.
  TSourceScanner s("Fuzz.pas");
  const std::string bytes(reinterpret_cast<const char*>(Data) + 1, Size - 1);
  s.Text = LineBreakStyleOf(bytes) == TLineBreakStyle::LF ? LFToCRLF(bytes) : bytes;
  if (s.Text != bytes && CRLFToLF(s.Text) != bytes) {
    std::fprintf(stderr, "LF line breaks do not come back as they were\n");
    std::abort();
  }
  s.TextStatus = s.ConvertIntoTextStatus(s.Text);
  s.SetTextAfterEndStatus();
  Check(s, "load");
  Quietly([&] { s.FillKeyWordsList(); });
  Check(s, "keyword scan");

  const bool sound = s.ErrorCode == 0;
  for (const TScanActions& actions : {TScanActions{0, 2, 3}, TScanActions{0, 1, 0}, TScanActions{1, 0, 3}}) {
    ScanActions = actions;
    s.ScanRoutines();
    Check(s, "routine scan");
    if (sound) CheckExact(s);
  }
  const int routines = static_cast<int>(s.Routines.size());
  for (int r = 0; r < routines; ++r) {
    s.AddIgnoreCode(r);
    s.AddCode(r, 2);
    s.RemoveIgnoreCode(r);
    s.UpdateCode(r);
    Check(s, "edits");
  }
  ScanActions = {1, 1, 0};
  s.ScanRoutines();
  Check(s, "removal");
  std::array<int, 4> modifications{};
  std::array<int, 4> states{};
  s.GetStats(modifications, states);
  s.DebugGetKeyWordsText();
  return 0;
}
