// The stack list: which names an unwinding exception collects.
#include <algorithm>
#include <thread>

#include "LibraryFixture.h"
#include "StringList.h"

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

// The lines of the stack list section of a technical text.
std::vector<std::string> StackSection(const std::string& technical) {
  TStringList lines;
  lines.SetText(technical);
  std::vector<std::string> section;
  int i = 0;
  while (i < lines.Count() && lines.Strings(i) != "=== Stack List ===") ++i;
  for (++i; i < lines.Count() && !lines.Strings(i).empty(); ++i) section.push_back(lines.Strings(i));
  return section;
}

// Pushes from worker threads while the GUI thread processes exceptions (run
// under ThreadSanitizer in the tsan build). All the workers' exceptions come
// from one raise site, the GUI thread's from another, so a list holds the
// names of one site only; every name arrives whole, and a report's section
// stays well formed: its names, each one blank further in, then the
// exception one blank further still.
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
  const std::vector<std::string> workerNames{"Procedure Raise", "Function Middle"};
  const auto isWorkerName = [&](const std::string& name) {
    return std::find(workerNames.begin(), workerNames.end(), name) != workerNames.end();
  };
  for (int i = 0; i < 200; ++i) {
    dialogs.Answer(i % 2 ? mrYes : mrNo);
    Window().technicalText.clear();
    Run(OtherSite);
    // Processing cleared the GUI thread's name: only the workers' remain.
    for (const std::string& name : lib->StackList()) ASSERT_TRUE(isWorkerName(name)) << '"' << name << '"';
    if (i % 2 == 0) continue;
    const std::vector<std::string> section = StackSection(Window().technicalText);
    ASSERT_FALSE(section.empty());
    const std::size_t names = section.size() - 1;
    const std::string exceptionLine =
        names == 0 ? "- *** " : std::string(names, ' ') + "*** ";
    EXPECT_EQ(section.back(), exceptionLine + "EStringListError : List index out of bounds (3)");
    const bool gui = names == 1 && section[0] == "- Procedure OtherSite";
    for (std::size_t k = 0; k < names && !gui; ++k) {
      const std::string prefix = std::string(k, ' ') + "- ";
      ASSERT_EQ(section[k].substr(0, prefix.size()), prefix) << section[k];
      EXPECT_TRUE(isWorkerName(section[k].substr(prefix.size()))) << section[k];
    }
  }
  stop = true;
  for (auto& t : workers) t.join();
}

}  // namespace
