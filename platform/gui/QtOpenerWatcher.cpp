#include "QtOpenerWatcher.h"

#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <QTimer>
#include <algorithm>
#include <cerrno>
#include <utility>

#include "Application.h"

namespace {

// A descriptor that becomes readable when the process ends; -1 where the
// system has none.
int ProcessDescriptor(pid_t pid) {
#ifdef SYS_pidfd_open
  return static_cast<int>(::syscall(SYS_pidfd_open, pid, 0));  // close-on-exec
#else
  static_cast<void>(pid);
  return -1;
#endif
}

// How often an opener without a descriptor is looked at.
constexpr int kPollMs = 200;

}  // namespace

struct QtOpenerWatcher::Opener {
  pid_t pid = 0;
  std::function<void()> onFailure;
  int fd = -1;
  QObject* signal = nullptr;  // its notifier or polling timer; owned

  ~Opener() {
    delete signal;
    if (fd >= 0) ::close(fd);
  }
};

QtOpenerWatcher::QtOpenerWatcher() = default;

QtOpenerWatcher::~QtOpenerWatcher() = default;

void QtOpenerWatcher::Watch(pid_t pid, std::function<void()> onFailure) {
  auto opener = std::make_unique<Opener>();
  opener->pid = pid;
  opener->onFailure = std::move(onFailure);
  opener->fd = ProcessDescriptor(pid);
  if (opener->fd >= 0) {
    auto* notifier = new QSocketNotifier(opener->fd, QSocketNotifier::Read);
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [this, pid] { Check(pid); });
    opener->signal = notifier;
  } else {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, timer, [this, pid] { Check(pid); });
    timer->start(kPollMs);
    opener->signal = timer;
  }
  openers_.push_back(std::move(opener));
}

void QtOpenerWatcher::Check(pid_t pid) {
  const auto it = std::find_if(openers_.begin(), openers_.end(), [pid](const auto& o) { return o->pid == pid; });
  if (it == openers_.end()) return;
  int status = 0;
  const pid_t done = ::waitpid(pid, &status, WNOHANG);
  if (done == 0 || (done < 0 && errno == EINTR)) return;  // still running, or look again
  // Ended and reaped (or no longer this process's child: nothing to tell).
  const std::unique_ptr<Opener> ended = std::move(*it);
  openers_.erase(it);
  // Its end was seen in this signal: the signal's object goes afterwards,
  // silent from now on, and no longer watching the descriptor closed below.
  if (auto* notifier = qobject_cast<QSocketNotifier*>(ended->signal)) notifier->setEnabled(false);
  ended->signal->blockSignals(true);
  std::exchange(ended->signal, nullptr)->deleteLater();
  if (done == pid && OpenerFailed(status) && ended->onFailure) RunGuarded(nullptr, ended->onFailure);
}
