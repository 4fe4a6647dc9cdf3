#include <gtest/gtest.h>

#include "ExceptionRecorder.h"
#include "Timer.h"
#include "WaitUntil.h"

namespace {

TEST(TimerTest, TicksOnlyWhileEnabled) {
  TTimer timer;
  EXPECT_TRUE(timer.Enabled());
  EXPECT_EQ(timer.Interval(), 1000);
  int ticks = 0;
  QObject* sender = nullptr;
  timer.OnTimer = [&](QObject* s) {
    ++ticks;
    sender = s;
  };
  timer.Tick();
  EXPECT_EQ(ticks, 1);
  EXPECT_EQ(sender, &timer);
  timer.SetEnabled(false);
  timer.Tick();
  EXPECT_EQ(ticks, 1);
}

TEST(TimerTest, RunsOnTheEventLoopAtItsInterval) {
  TTimer timer;
  int ticks = 0;
  timer.OnTimer = [&](QObject*) {
    if (++ticks == 3) timer.SetEnabled(false);
  };
  timer.SetInterval(5);
  EXPECT_TRUE(WaitUntil([&] { return ticks == 3; }));
  EXPECT_FALSE(timer.Enabled());
}

TEST(TimerTest, AFailingTickGoesToTheExceptionEvent) {
  ExceptionRecorder recorder;
  TTimer timer;
  timer.OnTimer = [](QObject*) { throw EConvertError("tick"); };
  timer.Tick();
  ASSERT_EQ(recorder.seen.size(), 1u);
  EXPECT_EQ(recorder.seen[0].sender, &timer);
  EXPECT_EQ(recorder.seen[0].message, "tick");
}

}  // namespace
