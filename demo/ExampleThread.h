// The worker of the parallel-process page: tosses a coin as fast as it can
// until it is told to stop, then sums up the number of tosses and the longest
// runs of heads and of tails.
#pragma once

#include <functional>
#include <string>

#include "Random.h"
#include "Thread.h"

class TExampleThread final : public TThread {
 public:
  // One toss: 1 heads, 0 tails. Tests give a fixed sequence (and may ask the
  // thread to stop after its last toss); the program draws from the
  // thread's own generator.
  using TTossSource = std::function<int(TExampleThread& Thread)>;

  // Created running; released by itself after its end-of-run notification.
  explicit TExampleThread(TTossSource Toss = {});

  // The summary, set by the thread when it stops; read in the end-of-run
  // notification.
  std::string FResult;

 protected:
  void Execute() override;

 private:
  void GetStatistics();

  TTossSource FToss;
  TRandom FRandom;  // the GUI thread's generator is not shared
};
