#include "ExampleThread.h"

#include <cstdint>

#include "DromletMain.h"
#include "Lumbrick.h"
#include "SysUtils.h"

TExampleThread::TExampleThread(TTossSource Toss) : FToss(std::move(Toss)) {
  FRandom.Randomize();
  FreeOnTerminate = true;
  Start();
}

void TExampleThread::Execute() try {
  GetStatistics();
} catch (...) {
  VIX->Push("Procedure TExampleThread.Execute");
  throw;
}

void TExampleThread::GetStatistics() try {
  // 64-bit counts: the loop runs as fast as the processor allows, and a
  // 32-bit count of tosses would overflow after a few minutes.
  std::int64_t Draws = 0;
  int Toss = 0;
  int Previous = -1;
  std::int64_t Run = 0;
  std::int64_t LongestHeads = 0;
  std::int64_t LongestTails = 0;
  while (!Terminated()) {
    ++Draws;
    Toss = FToss ? FToss(*this) : FRandom.Random(2);
    if (Draws == 1) Previous = Toss;
    if (Toss == Previous) {
      ++Run;
    } else {
      if (Previous == 1 && Run > LongestHeads) LongestHeads = Run;
      if (Previous == 0 && Run > LongestTails) LongestTails = Run;
      Run = 1;
    }
    Previous = Toss;
  }
  if (IsEnglish)
    FResult = Format("%d Draws%sLongest Heads Serie=%d%sLongest Tails Serie=%d",
                     {Draws, CRLF(2), LongestHeads, CRLF(1), LongestTails});
  else
    FResult = Format("%d tirages%sPlus longue s\xE9rie de piles=%d%sPlus longue s\xE9rie de faces=%d",
                     {Draws, CRLF(2), LongestHeads, CRLF(1), LongestTails});
} catch (...) {
  VIX->Push("Procedure TExampleThread.GetStatistics");
  throw;
}
