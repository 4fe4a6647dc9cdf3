#include "Thread.h"

#include <sys/eventfd.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <vector>

#include "Application.h"
#include "Guard.h"

namespace {

struct SyncRequest {
  const std::function<void()>* method;
  std::exception_ptr error;
  bool done = false;
};

// What threads hand to the GUI thread: methods to run while they wait, and
// ended threads to release. A plain mutex and condition variable carry every
// hand-over. A thread wakes the GUI thread up by writing to an event file
// descriptor that the GUI thread's event loop watches: no Qt object is
// touched from another thread.
std::mutex syncLock;
std::condition_variable syncChanged;
std::deque<SyncRequest*> syncQueue;
std::vector<TThread*> releaseQueue;

// Static initialisation runs in the main thread, which is the GUI thread.
const std::thread::id guiThread = std::this_thread::get_id();

bool InGuiThread() { return std::this_thread::get_id() == guiThread; }

// Created in the GUI thread before the first thread starts; it lives as long
// as the process.
int wakeFd = -1;

void WatchWakeUps() {
  wakeFd = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
  if (wakeFd < 0) return;  // WaitFor still runs what threads wait on
  auto* notifier = new QSocketNotifier(wakeFd, QSocketNotifier::Read);
  QObject::connect(notifier, &QSocketNotifier::activated, notifier, Guarded(nullptr, [] {
                     std::uint64_t count;
                     while (read(wakeFd, &count, sizeof count) > 0) {
                     }
                     CheckSynchronize();
                   }));
}

void WakeGuiThread() {
  if (wakeFd < 0) return;
  const std::uint64_t one = 1;
  while (write(wakeFd, &one, sizeof one) < 0 && errno == EINTR) {
  }
}

}  // namespace

void CheckSynchronize() {
  for (;;) {
    SyncRequest* request;
    {
      std::lock_guard lock(syncLock);
      if (syncQueue.empty()) break;
      request = syncQueue.front();
      syncQueue.pop_front();
    }
    // The method may run an event loop of its own (a modal box), which may
    // come back here for the next request.
    std::exception_ptr error;
    try {
      (*request->method)();
    } catch (...) {
      error = std::current_exception();
    }
    {
      std::lock_guard lock(syncLock);
      request->error = error;
      request->done = true;
    }
    syncChanged.notify_all();
  }
  std::vector<TThread*> ended;
  {
    std::lock_guard lock(syncLock);
    ended.swap(releaseQueue);
  }
  for (TThread* thread : ended) thread->Release();
}

TThread::TThread() = default;

TThread::~TThread() {
  if (thread_.joinable()) {
    Terminate();
    WaitFor();
  }
  std::lock_guard lock(syncLock);
  std::erase(releaseQueue, this);
}

void TThread::Start() {
  if (thread_.joinable()) return;
  if (wakeFd < 0) WatchWakeUps();
  thread_ = std::thread([this] { Run(); });
}

void TThread::Synchronize(const std::function<void()>& method) {
  if (InGuiThread()) {
    method();
    return;
  }
  SyncRequest request{&method, nullptr, false};
  std::unique_lock lock(syncLock);
  syncQueue.push_back(&request);
  WakeGuiThread();
  syncChanged.notify_all();  // a WaitFor in the GUI thread runs it too
  syncChanged.wait(lock, [&] { return request.done; });
  lock.unlock();
  if (request.error) std::rethrow_exception(request.error);
}

void TThread::Run() {
  try {
    Execute();
  } catch (...) {
    fatal_ = std::current_exception();
  }
  bool release = false;
  Synchronize([this, &release] {
    RunGuarded(this, [this] {
      if (OnTerminate) OnTerminate(this);
    });
    release = FreeOnTerminate && !waited_;
  });
  // The release is queued and the end recorded under the lock, so a waiter
  // that sees the end may delete the object (which withdraws the queued
  // release); nothing of the object is touched after the lock is left.
  {
    std::lock_guard lock(syncLock);
    if (release) {
      releaseQueue.push_back(this);
      WakeGuiThread();
    }
    finished_ = true;
  }
  syncChanged.notify_all();
}

void TThread::Release() {
  if (waited_) return;  // the waiter deletes it
  thread_.join();
  delete this;
}

void TThread::WaitFor() {
  if (!thread_.joinable()) return;
  waited_ = true;
  for (;;) {
    CheckSynchronize();
    std::unique_lock lock(syncLock);
    syncChanged.wait(lock, [&] { return finished_ || !syncQueue.empty(); });
    if (finished_) break;
  }
  thread_.join();
}

