// The platform's thread class. Execute runs in a thread of its own; the GUI
// thread asks it to stop through Terminate, which only sets a flag that
// Execute reads. Synchronize runs a method in the GUI thread while the
// thread waits for it, and the end-of-run notification OnTerminate runs that
// way too, after Execute.
#pragma once

#include <QObject>
#include <atomic>
#include <exception>
#include <functional>
#include <thread>

#include "Component.h"

class TThread : public QObject, public TObject {
 public:
  TThread();
  // Waits for a run that was started and has not been waited for (a holder
  // deletes a thread only once its run has ended).
  ~TThread() override;
  TThread(const TThread&) = delete;
  TThread& operator=(const TThread&) = delete;

  // Starts Execute in a new thread. A derived class that is "created
  // running" calls it at the end of its constructor.
  void Start();
  void Terminate() { terminated_.store(true); }
  bool Terminated() const { return terminated_.load(); }

  // GUI thread only; it runs after Execute, in the GUI thread, guarded.
  std::function<void(QObject* Sender)> OnTerminate;
  // Set in the GUI thread; read there at the end of the run. The object is
  // then deleted in the GUI thread, after its end-of-run sequence.
  bool FreeOnTerminate = false;

  // GUI thread only: waits until the run has ended, running meanwhile the
  // synchronized methods that threads wait on. A thread waited for is no
  // longer released by itself: its waiter deletes it.
  void WaitFor();
  // What left Execute, when something did.
  std::exception_ptr FatalException() const { return fatal_; }

 protected:
  virtual void Execute() = 0;
  // Runs method in the GUI thread and waits until it has returned; what it
  // throws is thrown here. Called in the GUI thread, it runs the method at
  // once.
  void Synchronize(const std::function<void()>& method);

 private:
  void Run();
  // In the GUI thread, once the run has ended: deletes the object unless a
  // waiter holds it.
  void Release();
  friend void CheckSynchronize();

  std::thread thread_;
  std::atomic<bool> terminated_{false};
  bool finished_ = false;  // guarded by the synchronization lock
  bool waited_ = false;    // GUI thread only
  std::exception_ptr fatal_;
};

// Runs the methods that threads wait on in Synchronize; the GUI thread's
// event loop calls it whenever one is queued.
void CheckSynchronize();
