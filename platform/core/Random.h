// The run-time library's random generator: Random(N) draws uniformly from
// 0 to N - 1 with the platform's linear congruential sequence, so a given
// seed always gives the same draws.
#pragma once

#include <cstdint>

class TRandom {
 public:
  explicit TRandom(std::uint32_t seed = 0) : Seed(seed) {}
  // 0 <= result < range; 0 when range <= 0.
  int Random(int range);
  // Seeds the generator from the clock.
  void Randomize();

  std::uint32_t Seed;
};

// The program's generator behind Random and Randomize. It belongs to the GUI
// thread: another thread draws from a TRandom of its own.
extern TRandom RandomGenerator;

int Random(int range);
void Randomize();
