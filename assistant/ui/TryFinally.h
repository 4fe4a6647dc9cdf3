// Work, then Cleanup, also when the work ends by an exception (the silent
// abort included), which then goes on. Cleanup may itself raise, as a clean-up
// part may: its exception then replaces the work's. Used where the clean-up
// is not a mere release that a guard object's destructor could do.
#pragma once

#include <utility>

template <class Work, class Cleanup>
void TryFinally(Work&& work, Cleanup&& cleanup) {
  try {
    std::forward<Work>(work)();
  } catch (...) {
    cleanup();
    throw;
  }
  std::forward<Cleanup>(cleanup)();
}
