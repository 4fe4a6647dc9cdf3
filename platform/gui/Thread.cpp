#include "Thread.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <condition_variable>
#include <deque>
#include <mutex>

#include "Application.h"

namespace {

struct SyncRequest {
  const std::function<void()>* method;
  std::exception_ptr error;
  bool done = false;
};

// The queue of methods waiting for the GUI thread. A plain mutex and
// condition variable carry the hand-over between the threads; Qt's event
// loop only wakes the GUI thread up.
std::mutex syncLock;
std::condition_variable syncChanged;
std::deque<SyncRequest*> syncQueue;

// Static initialisation runs in the main thread, which is the GUI thread.
const std::thread::id guiThread = std::this_thread::get_id();

bool InGuiThread() { return std::this_thread::get_id() == guiThread; }

void WakeGuiThread() {
  if (QCoreApplication* app = QCoreApplication::instance())
    QMetaObject::invokeMethod(app, &CheckSynchronize, Qt::QueuedConnection);
}

}  // namespace

void CheckSynchronize() {
  for (;;) {
    SyncRequest* request;
    {
      std::lock_guard lock(syncLock);
      if (syncQueue.empty()) return;
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
}

TThread::TThread() = default;

TThread::~TThread() {
  if (thread_.joinable()) {
    Terminate();
    WaitFor();
  }
}

void TThread::Start() {
  if (!thread_.joinable()) thread_ = std::thread([this] { Run(); });
}

void TThread::Synchronize(const std::function<void()>& method) {
  if (InGuiThread()) {
    method();
    return;
  }
  SyncRequest request{&method, nullptr, false};
  {
    std::lock_guard lock(syncLock);
    syncQueue.push_back(&request);
  }
  syncChanged.notify_all();  // a WaitFor in the GUI thread runs it too
  WakeGuiThread();
  std::unique_lock lock(syncLock);
  syncChanged.wait(lock, [&] { return request.done; });
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
  // that sees the end may delete the object (which drops the queued
  // release); nothing of the object is touched after the lock is left.
  {
    std::lock_guard lock(syncLock);
    if (release) QMetaObject::invokeMethod(this, [this] { Release(); }, Qt::QueuedConnection);
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
