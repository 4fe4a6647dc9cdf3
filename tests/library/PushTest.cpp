// The stack list: which names an unwinding exception collects.
#include <thread>

#include "LibraryFixture.h"

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

void Raise(const std::string& message) try {
  throw EConvertError(message);
} catch (...) {
  VIX->Push("Procedure Raise");
  throw;
}

void Middle() try {
  Raise("inner");
} catch (...) {
  VIX->Push("Function Middle");
  throw;
}

void Outer() try {
  Middle();
} catch (...) {
  VIX->Push("Procedure TfmMain.btOuterClick");
  throw;
}

void OtherSite() try {
  throw EStringListError("List index out of bounds (3)");
} catch (...) {
  VIX->Push("Procedure OtherSite");
  throw;
}

void SameSite() try {
  Raise("again");
} catch (...) {
  VIX->Push("Procedure SameSite");
  throw;
}

using PushTest = LibraryTest;

TEST_F(PushTest, IsANoOpOutsideAnExceptClauseOrForForeignObjects) {
  lib->Push("Procedure Nowhere");
  try {
    throw 42;
  } catch (...) {
    lib->Push("Procedure WithInt");
  }
  try {
    throw std::runtime_error("not ours");
  } catch (...) {
    lib->Push("Procedure WithStd");
  }
  EXPECT_THAT(lib->StackList(), IsEmpty());
}

TEST_F(PushTest, NestedRoutinesCollectInnermostFirst) {
  EXPECT_THROW(Outer(), EConvertError);
  EXPECT_THAT(lib->StackList(),
              ElementsAre("Procedure Raise", "Function Middle", "Procedure TfmMain.btOuterClick"));
}

TEST_F(PushTest, AnExceptionFromAnotherSiteStartsAFreshList) {
  EXPECT_THROW(Outer(), EConvertError);
  EXPECT_THROW(OtherSite(), EStringListError);
  EXPECT_THAT(lib->StackList(), ElementsAre("Procedure OtherSite"));
}

TEST_F(PushTest, ASecondExceptionFromTheSameSiteAppends) {
  EXPECT_THROW(Middle(), EConvertError);
  EXPECT_THROW(SameSite(), EConvertError);
  EXPECT_THAT(lib->StackList(),
              ElementsAre("Procedure Raise", "Function Middle", "Procedure Raise", "Procedure SameSite"));
}

TEST_F(PushTest, ALocallyHandledExceptionLeavesItsNamesUntilTheNextOne) {
  try {
    Middle();
  } catch (const EConvertError&) {
  }
  EXPECT_THAT(lib->StackList(), ElementsAre("Procedure Raise", "Function Middle"));
  Run(OtherSite);
  ASSERT_EQ(dialogs.Shown().size(), 1u);  // the question
  EXPECT_EQ(Window().shown, 1);
  EXPECT_THAT(Window().technicalText, ::testing::HasSubstr("\r- Procedure OtherSite\r *** EStringListError"));
  EXPECT_THAT(lib->StackList(), IsEmpty());
}

TEST_F(PushTest, ProcessingClearsTheListAndTheDebugMessage) {
  lib->DebugMsg = "Idx = 9";
  dialogs.Answer(mrNo);
  Run(Outer);
  EXPECT_THAT(lib->StackList(), IsEmpty());
  EXPECT_EQ(lib->DebugMsg, "");
  // The next exception from the same site is a new one after processing.
  EXPECT_THROW(Middle(), EConvertError);
  EXPECT_THAT(lib->StackList(), ElementsAre("Procedure Raise", "Function Middle"));
}

// Pushes from worker threads while the GUI thread processes exceptions: the
// list must never be torn (run under ThreadSanitizer in the tsan build).
TEST_F(PushTest, PushesFromWorkerThreadsDoNotRaceWithProcessing) {
  std::atomic<bool> stop{false};
  std::vector<std::thread> workers;
  for (int w = 0; w < 4; ++w)
    workers.emplace_back([&] {
      while (!stop) {
        try {
          Middle();
        } catch (const Exception&) {
        }
      }
    });
  dialogs.Answer(mrNo);
  for (int i = 0; i < 200; ++i) {
    dialogs.Answer(i % 2 ? mrYes : mrNo);
    Run(OtherSite);
    for (const std::string& name : lib->StackList()) EXPECT_FALSE(name.empty());
  }
  stop = true;
  for (auto& t : workers) t.join();
}

}  // namespace
