// The cost of the protective block: on the normal path (none expected) and
// while an exception unwinds through protected routines.
#include <benchmark/benchmark.h>

#include "Application.h"
#include "Lumbrick.h"

namespace {

struct Library {
  Library() {
    lib = new TLumbrick(&app);
    VIX = lib;
  }
  ~Library() { VIX = nullptr; }
  TApplication app;
  TLumbrick* lib;
};

Library& Instance() {
  static Library library;
  return library;
}

[[gnu::noinline]] int Work(int x) {
  benchmark::DoNotOptimize(x);
  if (x < 0) throw EConvertError("negative");
  return x * 3 + 1;
}

[[gnu::noinline]] int Unprotected(int x) { return Work(x) + 1; }

[[gnu::noinline]] int Protected(int x) try {
  return Work(x) + 1;
} catch (...) {
  VIX->Push("Function Protected");
  throw;
}

void BM_CallUnprotected(benchmark::State& state) {
  Instance();
  int x = 1;
  for (auto _ : state) benchmark::DoNotOptimize(x = Unprotected(x & 0xFFFF));
}
BENCHMARK(BM_CallUnprotected);

void BM_CallProtected(benchmark::State& state) {
  Instance();
  int x = 1;
  for (auto _ : state) benchmark::DoNotOptimize(x = Protected(x & 0xFFFF));
}
BENCHMARK(BM_CallProtected);

// GCC 12 takes a recursive function-try-block for endless recursion.
#pragma GCC diagnostic ignored "-Winfinite-recursion"

// Two raise sites, alternated, so that each exception starts a fresh list as
// it does in a program between two processed exceptions.
[[gnu::noinline]] void Raise(int site) {
  if (site & 1) throw EConvertError("deep, odd");
  throw EConvertError("deep, even");
}

[[gnu::noinline]] void Rethrowing(int depth, int site) try {
  if (depth > 0) Rethrowing(depth - 1, site);
  Raise(site);  // reached at the deepest frame only
} catch (...) {
  throw;
}

[[gnu::noinline]] void Pushing(int depth, int site) try {
  if (depth > 0) Pushing(depth - 1, site);
  Raise(site);  // reached at the deepest frame only
} catch (...) {
  VIX->Push("Procedure Pushing");
  throw;
}

void BM_Unwind10Rethrow(benchmark::State& state) {
  Instance();
  int site = 0;
  for (auto _ : state) {
    try {
      Rethrowing(9, ++site);
    } catch (const Exception&) {
    }
  }
}
BENCHMARK(BM_Unwind10Rethrow);

void BM_Unwind10Push(benchmark::State& state) {
  Instance();
  int site = 0;
  for (auto _ : state) {
    try {
      Pushing(9, ++site);
    } catch (const Exception&) {
    }
  }
}
BENCHMARK(BM_Unwind10Push);

}  // namespace
