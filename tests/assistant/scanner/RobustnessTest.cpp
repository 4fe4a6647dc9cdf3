// Sources the scanner cannot work on: each gets its error or a refusal,
// never a crash, and the file on disk is never touched.
#include <random>

#include "ScanActions.h"
#include "ScanTestSupport.h"
#include "ScannerFixture.h"
#include "ScannerInvariants.h"

namespace {

class RobustnessTest : public ScannerTest {
 protected:
  RobustnessTest() : saved(ScanActions) {}
  ~RobustnessTest() override { ScanActions = saved; }

  // Loads Bytes from a file, scans it and tries every edit on every routine;
  // returns the error code the scan recorded.
  int Try(const std::string& Bytes) {
    const std::string file = dir.Write("Unit1.pas", Bytes);
    TSourceScanner& s = Load(Bytes);
    try {
      s.FillKeyWordsList();
    } catch (const EAbort&) {
      // error 120 ends the scan so
    }
    EXPECT_EQ(BrokenInvariant(s), "");
    for (const TScanActions& a : {TScanActions{0, 2, 3}, TScanActions{1, 1, 0}}) {
      ScanActions = a;
      s.ScanRoutines();
      EXPECT_EQ(BrokenInvariant(s), "");
    }
    for (int r = -1; r <= static_cast<int>(s.Routines.size()); ++r) {
      s.AddIgnoreCode(r);
      s.RemoveIgnoreCode(r);
      s.AddCode(r, 1);
      s.UpdateCode(r);
      s.RemoveCode(r);
      EXPECT_EQ(BrokenInvariant(s), "");
    }
    std::array<int, 4> m{};
    std::array<int, 4> c{};
    s.GetStats(m, c);
    s.DebugGetKeyWordsText();
    EXPECT_EQ(dir.Read("Unit1.pas"), Bytes);  // nothing was saved
    return s.ErrorCode;
  }

  TScanActions saved;
};

const std::string Sound = Crlf({"unit Unit1;", "interface", "implementation", "procedure A;", "begin", "  x;", "end;",
                                "end."});

TEST_F(RobustnessTest, LFLineBreaksAreReadAsCRLFAndAMixIsRefused) {
  std::string lf = Sound;
  for (std::size_t p; (p = lf.find("\r\n")) != std::string::npos;) lf.erase(p, 1);
  EXPECT_EQ(Load(lf).Text, Sound);
  EXPECT_EQ(Try(lf), 0);
  // One line of each kind: which one an edit should write is not known.
  std::string mixed = Sound;
  mixed.erase(mixed.find("\r\n"), 1);
  EXPECT_EQ(Try(mixed), 4);
  EXPECT_EQ(scanner->GetErrorMessage(), "Error 4: Error in Unit Structure.\r\nLine Breaks Mix CR LF and LF Alone.");
  EXPECT_EQ(scanner->Text, mixed);
}

TEST_F(RobustnessTest, AMissingFinalEndIsError1) {
  EXPECT_EQ(Try(Sound.substr(0, Sound.find("end.")) + "end;\r\n"), 1);
}

TEST_F(RobustnessTest, AMissingImplementationIsError2) {
  std::string s = Sound;
  s.replace(s.find("implementation"), 14, "{nothing here}");
  EXPECT_EQ(Try(s), 2);
}

TEST_F(RobustnessTest, UnbalancedEndsAreStructureErrors) {
  std::string extra = Sound;
  extra.insert(extra.find("end."), "end;\r\n");
  EXPECT_EQ(Try(extra), 52);
  std::string missing = Sound;
  missing.erase(missing.find("end;"), 6);
  EXPECT_EQ(Try(missing), 102);
}

TEST_F(RobustnessTest, AnEmptyFileHasNoFinalEnd) { EXPECT_EQ(Try(""), 1); }

TEST_F(RobustnessTest, BinaryFilesAreRefusedWithoutHarm) {
  std::mt19937 rng(7);
  for (int i = 0; i < 40; ++i) {
    std::string bytes(400 + rng() % 3000, '\0');
    for (char& c : bytes) c = static_cast<char>(rng());
    Try(bytes);
    // The same noise around a sound unit, and inside its routine.
    Try(bytes.substr(0, 200) + Sound + bytes.substr(200, 200));
    std::string inside = Sound;
    inside.insert(inside.find("  x;"), bytes.substr(0, 100));
    Try(inside);
  }
}

}  // namespace
