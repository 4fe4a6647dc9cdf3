// A secured source must stay the same program. Each Pascal program of
// pascal/ is compiled with Free Pascal and run, its units are secured (every
// Missing routine gets the block) and saved, and it is compiled and run
// again: the output must be the same but for the routine chains that the
// test Lumbrick unit now receives, innermost first. The saved units keep
// their line breaks and byte order mark and rate Correct, and removing every
// block gives back the original text with only the library unit added to the
// uses clause. A routine whose begin is in an include file is left alone.
#include <filesystem>

#include "Files.h"
#include "FreshScan.h"
#include "ScanActions.h"
#include "ScannerFixture.h"
#include "Shell.h"

namespace {

namespace fs = std::filesystem;

const std::string Sources = PASCAL_SOURCE_DIR;

struct TProgram {
  std::string Name;
  std::vector<std::string> Units;  // the units to secure
  int ExceptLines;
};

// Named by its program in the test list.
void PrintTo(const TProgram& Program, std::ostream* Out) { *Out << Program.Name; }

class FpcTest : public ScannerTest {
 protected:
  FpcTest() : saved(ScanActions) {}
  ~FpcTest() override { ScanActions = saved; }

  void SetUp() override {
    std::string version;
    if (!RunShell("fpc -iV", version)) GTEST_SKIP() << "Free Pascal (fpc) is not installed";
    for (const auto& f : fs::directory_iterator(Sources)) fs::copy_file(f.path(), dir.Path() + f.path().filename().string());
  }

  // Compiles every unit again (-B) and runs the program.
  std::string CompileAndRun(const std::string& Program, const std::string& Defines = "") {
    std::string log;
    const std::string command = "fpc -B -Mdelphi -Rintel -FE. " + Defines + " " + Program + ".dpr";
    EXPECT_TRUE(RunShell("cd '" + dir.Path() + "' && " + command, log)) << command << log;
    std::string output;
    EXPECT_TRUE(RunShell("cd '" + dir.Path() + "' && ./" + Program, output)) << output;
    return output;
  }

  static std::string Golden(const std::string& Name) { return ReadFileBytes(Sources + "/" + Name).value_or(""); }

  TScanActions saved;
};

class FpcIntegrationTest : public FpcTest, public ::testing::WithParamInterface<TProgram> {};

TEST_P(FpcIntegrationTest, SecuringKeepsTheProgramAndRemovingGivesTheTextBack) {
  const TProgram& p = GetParam();
  CodeOptions.ExceptLines = p.ExceptLines;
  ASSERT_EQ(CompileAndRun(p.Name), Golden(p.Name + ".out"));

  std::vector<std::string> originals;
  for (const std::string& unit : p.Units) {
    const std::string bytes = dir.Read(unit);
    TSourceScanner s(dir.File(unit));
    ASSERT_TRUE(s.LoadSourceFile());
    originals.push_back(s.Text);
    s.FillKeyWordsList();
    ASSERT_EQ(s.ErrorCode, 0) << unit << ": " << s.GetErrorMessage();
    ScanActions = {0, 0, 3};
    s.ScanRoutines();
    // Asm routines are never secured, marked ones and those without a body
    // of their own are left alone.
    for (const TRoutineInfo* r : s.Routines)
      EXPECT_EQ(r->State, r->kiBegin == nullptr || r->kiBegin->Keyword == kwAsm ? -1 : r->CodeState == 4 ? 4 : 1)
          << unit << ": " << r->Header;
    EXPECT_EQ(CompareWithFreshScan(s), "") << unit;
    ASSERT_TRUE(s.SaveSourceFile());
    const std::string written = dir.Read(unit);
    EXPECT_EQ(written.find('\r') == std::string::npos, bytes.find('\r') == std::string::npos) << unit;
    EXPECT_EQ(written.starts_with("\xEF\xBB\xBF"), bytes.starts_with("\xEF\xBB\xBF")) << unit;
  }

  // The same output, but for the chains the library now receives.
  ASSERT_EQ(CompileAndRun(p.Name), Golden(p.Name + ".secured.out"));

  for (std::size_t u = 0; u < p.Units.size(); ++u) {
    TSourceScanner s(dir.File(p.Units[u]));
    ASSERT_TRUE(s.LoadSourceFile());
    s.FillKeyWordsList();
    ASSERT_EQ(s.ErrorCode, 0);
    for (const TRoutineInfo* r : s.Routines) {
      const int expected = r->State == 4 ? 4 : r->kiBegin == nullptr || r->kiBegin->Keyword == kwAsm ? 1 : 2;
      EXPECT_EQ(r->CodeState, expected) << p.Units[u] << ": " << r->Header;
    }
    ScanActions = {1, 0, 0};
    s.ScanRoutines();

    // The original with the library unit added to its uses clause.
    TSourceScanner original(dir.File(p.Units[u]));
    original.Text = originals[u];
    original.TextStatus = original.ConvertIntoTextStatus(original.Text);
    original.AddQuellumUnitInUse();
    EXPECT_EQ(s.Text, original.Text) << p.Units[u];
  }
}

INSTANTIATE_TEST_SUITE_P(Programs, FpcIntegrationTest,
                         ::testing::Values(TProgram{"Geometry", {"Shapes.pas"}, 1},
                                           TProgram{"Ledger", {"TextTools.pas"}, 4},
                                           TProgram{"Inventory", {"Stock.pas"}, 3},
                                           TProgram{"Spacing", {"Indented.pas"}, 2}),
                         [](const auto& Program) { return Program.param.Name; });

// Units that name their implementation units under conditional directives,
// as units for several platforms do, are secured for every configuration:
// built with X, with Y and with neither defined, the secured program runs as
// the original did, the library now receiving the routine chains.
TEST_F(FpcTest, UnitsWithConditionalUsesClausesCompileInEveryConfiguration) {
  const auto runEach = [this] {
    std::string output;
    for (const std::string defines : {"-dX", "-dY", ""})
      output += "[" + defines + "]\n" + CompileAndRun("Platforms", defines);
    return output;
  };
  ASSERT_EQ(runEach(), Golden("Platforms.out"));
  ScanActions = {0, 0, 3};
  const std::vector<std::string> units{"Backends.pas", "Channels.pas", "Sockets.pas"};
  for (const std::string& unit : units) {
    TSourceScanner s(dir.File(unit));
    ASSERT_TRUE(s.LoadSourceFile());
    s.FillKeyWordsList();
    ASSERT_EQ(s.ErrorCode, 0) << unit << ": " << s.GetErrorMessage();
    s.ScanRoutines();
    EXPECT_TRUE(s.RefusedEdits.empty()) << unit;
    EXPECT_EQ(CompareWithFreshScan(s), "") << unit;
    ASSERT_TRUE(s.SaveSourceFile());
    EXPECT_EQ(dir.Read(unit), Golden(unit + ".secured")) << unit;
  }
  ASSERT_EQ(runEach(), Golden("Platforms.secured.out"));

  // Secured once is secured: a second pass finds nothing to add.
  for (const std::string& unit : units) {
    TSourceScanner s(dir.File(unit));
    ASSERT_TRUE(s.LoadSourceFile());
    s.FillKeyWordsList();
    s.ScanRoutines();
    EXPECT_EQ(s.FileState, 0) << unit;
  }
}

// A unit whose clauses stand under a compiler switch ({$IFOPT}) names the
// library unit in both branches: built with range checks on and off, the
// secured program runs as the original did.
TEST_F(FpcTest, AUnitWithClausesUnderACompilerSwitchCompilesEitherWay) {
  const auto runEach = [this] {
    std::string output;
    for (const std::string options : {"-Cr", ""})
      output += "[" + options + "]\n" + CompileAndRun("Switches", options);
    return output;
  };
  ASSERT_EQ(runEach(), Golden("Switches.out"));
  ScanActions = {0, 0, 3};
  TSourceScanner s(dir.File("Checks.pas"));
  ASSERT_TRUE(s.LoadSourceFile());
  s.FillKeyWordsList();
  ASSERT_EQ(s.ErrorCode, 0) << s.GetErrorMessage();
  s.ScanRoutines();
  EXPECT_TRUE(s.RefusedEdits.empty());
  ASSERT_TRUE(s.SaveSourceFile());
  EXPECT_EQ(dir.Read("Checks.pas"), Golden("Checks.pas.secured"));
  ASSERT_EQ(runEach(), Golden("Switches.secured.out"));
}

}  // namespace
