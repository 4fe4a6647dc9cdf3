#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QPointer>
#include <QThread>
#include <atomic>

#include "ExceptionRecorder.h"
#include "Thread.h"
#include "WaitUntil.h"

namespace {

// Counts until told to stop; asks the GUI thread for a value on the way.
class Counter final : public TThread {
 public:
  explicit Counter(bool freeOnTerminate) {
    FreeOnTerminate = freeOnTerminate;
    Start();
  }
  ~Counter() override { ++destroyed; }

  std::atomic<long> count{0};
  int fromGui = 0;
  bool syncedInGuiThread = false;
  static inline int destroyed = 0;

 protected:
  void Execute() override {
    Synchronize([this] {
      syncedInGuiThread = QThread::currentThread() == QCoreApplication::instance()->thread();
      fromGui = 42;
    });
    while (!Terminated()) ++count;
  }
};

TEST(ThreadTest, RunsUntilTerminatedAndNotifiesInTheGuiThread) {
  Counter::destroyed = 0;
  auto* thread = new Counter(true);
  QPointer<Counter> alive(thread);
  bool notified = false;
  thread->OnTerminate = [&](QObject* sender) {
    EXPECT_EQ(sender, thread);
    EXPECT_EQ(thread->fromGui, 42);
    EXPECT_TRUE(thread->syncedInGuiThread);
    notified = true;
  };
  ASSERT_TRUE(WaitUntil([&] { return thread->count > 0; }));
  EXPECT_FALSE(thread->Terminated());
  thread->Terminate();
  EXPECT_TRUE(WaitUntil([&] { return notified; }));
  // Released after its end-of-run sequence.
  EXPECT_TRUE(WaitUntil([&] { return alive.isNull(); }));
  EXPECT_EQ(Counter::destroyed, 1);
}

TEST(ThreadTest, WaitForRunsTheNotificationAndLeavesTheObjectToTheWaiter) {
  Counter::destroyed = 0;
  auto* thread = new Counter(true);
  int notified = 0;
  thread->OnTerminate = [&](QObject*) { ++notified; };
  thread->Terminate();
  thread->WaitFor();  // no event loop: the notification runs in here
  EXPECT_EQ(notified, 1);
  QCoreApplication::processEvents();
  EXPECT_EQ(Counter::destroyed, 0);
  delete thread;
  EXPECT_EQ(Counter::destroyed, 1);
  QCoreApplication::processEvents();
}

TEST(ThreadTest, AFailingNotificationGoesToTheExceptionEvent) {
  ExceptionRecorder recorder;
  Counter thread(false);
  thread.OnTerminate = [](QObject*) { throw EConvertError("end"); };
  thread.Terminate();
  thread.WaitFor();
  ASSERT_EQ(recorder.seen.size(), 1u);
  EXPECT_EQ(recorder.seen[0].message, "end");
}

}  // namespace
