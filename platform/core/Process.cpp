#include "Process.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <thread>
#include <utility>

#include "FileNames.h"

extern char** environ;

std::string BrowserCommandLine(const std::string& browser, const std::string& file) {
  const std::string argument = file.find(' ') != std::string::npos ? "\"" + file + "\"" : file;
  return "\"" + browser + "\" " + argument;
}

std::vector<std::string> SplitCommandLine(const std::string& commandLine) {
  std::vector<std::string> words;
  std::string word;
  bool inWord = false;
  bool quoted = false;
  for (std::size_t i = 0; i < commandLine.size(); ++i) {
    const char c = commandLine[i];
    if (quoted) {
      if (c != '"') {
        word += c;
      } else if (i + 1 < commandLine.size() && commandLine[i + 1] == '"') {
        word += '"';
        ++i;
      } else {
        quoted = false;
      }
    } else if (c == ' ' || c == '\t') {
      if (inWord) words.push_back(std::move(word));
      word.clear();
      inWord = false;
    } else {
      inWord = true;
      if (c == '"')
        quoted = true;
      else
        word += c;
    }
  }
  if (inWord) words.push_back(std::move(word));
  return words;
}

namespace {

// Starts the program of the command line; its process id, 0 when it could
// not be started.
pid_t Spawn(const std::string& commandLine) {
  std::vector<std::string> words = SplitCommandLine(commandLine);
  if (words.empty() || words[0].empty()) return 0;
  // The program and its arguments (file names, most often) in the system's
  // form of text.
  for (std::string& w : words) w = FsName(w);
  std::vector<char*> argv;
  for (std::string& w : words) argv.push_back(w.data());
  argv.push_back(nullptr);

  // The child inherits no descriptors beyond the standard three and starts
  // with default signal handling and no blocked signals, whatever this
  // process has set up for itself.
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addclosefrom_np(&actions, 3);
  posix_spawnattr_t attr;
  posix_spawnattr_init(&attr);
  sigset_t none, defaults;
  sigemptyset(&none);
  sigemptyset(&defaults);
  for (int sig : {SIGPIPE, SIGINT, SIGQUIT, SIGTERM, SIGHUP, SIGCHLD, SIGUSR1, SIGUSR2, SIGALRM})
    sigaddset(&defaults, sig);
  posix_spawnattr_setsigmask(&attr, &none);
  posix_spawnattr_setsigdefault(&attr, &defaults);
  posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);

  pid_t pid = 0;
  const int rc = posix_spawnp(&pid, argv[0], &actions, &attr, argv.data(), environ);
  posix_spawnattr_destroy(&attr);
  posix_spawn_file_actions_destroy(&actions);
  return rc == 0 ? pid : 0;
}

// Reaped in the background so the caller never waits and no zombie stays.
void ReapWhenItEnds(pid_t pid) {
  std::thread([pid] {
    while (::waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
    }
  }).detach();
}

OpenerWatcher* openerWatcher = nullptr;

}  // namespace

std::uint32_t StartProcess(const std::string& commandLine) {
  const pid_t pid = Spawn(commandLine);
  if (pid == 0) return 0;
  ReapWhenItEnds(pid);
  return static_cast<std::uint32_t>(pid);
}

OpenerWatcher* SetOpenerWatcher(OpenerWatcher* watcher) { return std::exchange(openerWatcher, watcher); }

bool OpenerFailed(int waitStatus) { return !(WIFEXITED(waitStatus) && WEXITSTATUS(waitStatus) == 0); }

bool StartOpener(const std::string& commandLine, std::function<void()> onFailure) {
  const pid_t pid = Spawn(commandLine);
  if (pid == 0) return false;
  if (openerWatcher != nullptr)
    openerWatcher->Watch(pid, std::move(onFailure));
  else
    ReapWhenItEnds(pid);
  return true;
}
