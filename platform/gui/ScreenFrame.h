// How often a screen shows a new picture: painting or looking for events more
// often than this costs without showing anything more.
#pragma once

#include <time.h>

#include <chrono>

inline constexpr std::chrono::milliseconds ScreenFrame{16};

// Whether a screen frame went by since Start, told by the system's coarse
// steady clock, whatever happened meanwhile: a loop may ask at every step,
// since reading that clock costs a few nanoseconds (the fine one several
// times more), and its resolution, a few milliseconds, is finer than a frame.
// Never started, a frame has gone by.
class TFrameClock {
 public:
  void Start() {
    start_ = Now();
    started_ = true;
  }
  bool FrameGone() const { return !started_ || Now() - start_ >= ScreenFrame; }

 private:
  static std::chrono::nanoseconds Now() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC_COARSE, &now);
    return std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec);
  }

  std::chrono::nanoseconds start_{};
  bool started_ = false;
};
