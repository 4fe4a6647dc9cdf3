// After any sequence of edits the keyword list must be what a new scan of the
// edited text gives. Many generated units, random option sets and random
// edit sequences (refused edits included).
#include <algorithm>
#include <random>

#include "FreshScan.h"
#include "PascalGenerator.h"
#include "ScanActions.h"
#include "ScannerFixture.h"

namespace {

TCodeOptions RandomOptions(std::mt19937& Rng) {
  TCodeOptions o;
  o.ExceptLines = 1 + static_cast<int>(Rng() % 4);
  o.ReindentAddedCode = Rng() % 4 != 0;
  o.ReindentRemovedCode = Rng() % 4 != 0;
  for (bool& b : o.PushParams) b = Rng() % 5 != 0;
  return o;
}

const char* EditName(int Edit) {
  static const char* names[] = {"AddCode", "UpdateCode", "RemoveCode", "AddIgnoreCode", "RemoveIgnoreCode"};
  return names[Edit];
}

int ApplyEdit(TSourceScanner& S, int Edit, int Routine) {
  switch (Edit) {
    case 0:
      return S.AddCode(Routine, 1);
    case 1:
      return S.UpdateCode(Routine);
    case 2:
      return S.RemoveCode(Routine);
    case 3:
      return S.AddIgnoreCode(Routine);
    default:
      return S.RemoveIgnoreCode(Routine);
  }
}

class EditPropertyTest : public ScannerTest {};

TEST_F(EditPropertyTest, RandomEditSequencesKeepTheListOfANewScan) {
  int edited = 0;
  for (unsigned seed = 1; seed <= 400; ++seed) {
    std::mt19937 rng(seed * 7919u);
    CodeOptions = RandomOptions(rng);
    const std::string source = PascalGenerator(seed).Unit();
    auto s = ScanText(source);
    ASSERT_EQ(s->ErrorCode, 0) << "seed " << seed << ": " << s->GetErrorMessage() << "\n" << source;
    ASSERT_EQ(CompareWithFreshScan(*s), "") << "seed " << seed;
    std::string trail;
    for (int step = 0; step < 16; ++step) {
      const int edit = static_cast<int>(rng() % 5);
      const int routine = static_cast<int>(rng() % (s->Routines.size() + 1)) - (step == 7 ? 1 : 0);
      const std::string before = s->Text;
      const int delta = ApplyEdit(*s, edit, routine);
      trail += std::string(EditName(edit)) + "(" + std::to_string(routine) + ")=" + std::to_string(delta) + " ";
      if (delta != 0) ++edited;
      if (delta == 0 && edit != 1) {
        // A refusal changes nothing (UpdateCode of an up-to-date text may change nothing either).
        ASSERT_EQ(s->Text, before) << "seed " << seed << " " << trail;
      }
      const std::string diff = CompareWithFreshScan(*s);
      ASSERT_EQ(diff, "") << "seed " << seed << " after " << trail << "\n--- before:\n" << before << "\n--- after:\n"
                          << s->Text;
    }
  }
  EXPECT_GT(edited, 2000);  // the sequences do edit, not only refuse
}

// A routine scan is a sequence of edits too.
TEST_F(EditPropertyTest, RoutineScansKeepTheListOfANewScan) {
  for (unsigned seed = 1000; seed < 1200; ++seed) {
    std::mt19937 rng(seed);
    CodeOptions = RandomOptions(rng);
    auto s = ScanText(PascalGenerator(seed).Unit());
    ASSERT_EQ(s->ErrorCode, 0) << "seed " << seed;
    ScanActions = {static_cast<int>(rng() % 2), static_cast<int>(rng() % 3), 3 * static_cast<int>(rng() % 2)};
    s->ScanRoutines();
    ASSERT_EQ(CompareWithFreshScan(*s), "") << "seed " << seed << "\n" << s->Text;
    ScanActions = {1, 1, 0};
    s->ScanRoutines();
    ASSERT_EQ(CompareWithFreshScan(*s), "") << "seed " << seed << "\n" << s->Text;
  }
}

// The routine scan holds the unit's tail aside while it edits; it must end
// where the same edits made one by one on the whole unit end.
TEST_F(EditPropertyTest, RoutineScanEqualsTheSameEditsOneByOne) {
  for (unsigned seed = 2000; seed < 2200; ++seed) {
    std::mt19937 rng(seed);
    CodeOptions = RandomOptions(rng);
    const std::string source = PascalGenerator(seed).Unit();
    for (TScanActions actions : {TScanActions{0, 2, 3}, TScanActions{1, 1, 0}, TScanActions{1, 0, 3}}) {
      auto scanned = ScanText(source);
      auto byHand = ScanText(source);
      ScanActions = actions;
      scanned->ScanRoutines();
      std::string refusedByHand;
      for (std::size_t i = 0; i < byHand->Routines.size(); ++i) {
        const int r = static_cast<int>(i);
        byHand->LastRefusal.clear();
        switch (byHand->Routines[i]->CodeState) {
          case 1:
            if (actions.Missing == 3) byHand->AddCode(r, 1);
            break;
          case 2:
            if (actions.Correct == 1) byHand->RemoveCode(r);
            break;
          case 3:
            if (actions.Incorrect == 1) byHand->RemoveCode(r);
            if (actions.Incorrect == 2) byHand->UpdateCode(r);
            break;
        }
        if (!byHand->LastRefusal.empty()) refusedByHand += std::to_string(r) + ": " + byHand->LastRefusal + "\n";
      }
      ASSERT_EQ(CompareLists(*scanned, *byHand, true), "") << "seed " << seed << "\n" << source;
      std::string refusedInScan;
      for (const TRefusedEdit& e : scanned->RefusedEdits)
        refusedInScan += std::to_string(e.RoutineIndex) + ": " + e.Reason + "\n";
      ASSERT_EQ(refusedInScan, refusedByHand) << "seed " << seed << "\n" << source;
    }
  }
}

// Removing the blocks that were added gives the unit back byte for byte, but
// for the library unit in its uses clause: whatever the indentation of the
// begin, the body and the lines around them.
TEST_F(EditPropertyTest, RemovingTheAddedBlocksGivesTheUnitBack) {
  int roundTrips = 0;
  for (unsigned seed = 3000; seed < 3300; ++seed) {
    std::mt19937 rng(seed);
    CodeOptions = RandomOptions(rng);
    CodeOptions.ReindentRemovedCode = CodeOptions.ReindentAddedCode;
    const std::string source = PascalGenerator(seed).Unit();
    auto s = ScanText(source);
    std::vector<int> added;
    for (std::size_t i = 0; i < s->Routines.size(); ++i)
      if (s->Routines[i]->CodeState == 1 && s->AddCode(static_cast<int>(i), 1) > 0) added.push_back(static_cast<int>(i));
    std::shuffle(added.begin(), added.end(), rng);
    for (int r : added) ASSERT_LT(s->RemoveCode(r), 0) << "seed " << seed << " routine " << r << ": " << s->LastRefusal;
    auto expected = ScanText(source);
    if (!added.empty()) expected->AddQuellumUnitInUse();
    ASSERT_EQ(s->Text, expected->Text) << "seed " << seed << "\n" << source;
    roundTrips += !added.empty();
  }
  EXPECT_GT(roundTrips, 250);
}

}  // namespace
