#include "Random.h"

#include <chrono>

TRandom RandomGenerator;

int TRandom::Random(int range) {
  Seed = Seed * 0x08088405u + 1u;
  if (range <= 0) return 0;
  return static_cast<int>((static_cast<std::uint64_t>(Seed) * static_cast<std::uint32_t>(range)) >> 32);
}

void TRandom::Randomize() {
  const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
  Seed = static_cast<std::uint32_t>(ticks) ^ static_cast<std::uint32_t>(static_cast<std::uint64_t>(ticks) >> 32);
}

int Random(int range) { return RandomGenerator.Random(range); }

void Randomize() { RandomGenerator.Randomize(); }
