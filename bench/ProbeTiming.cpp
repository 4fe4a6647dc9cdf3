#include "ProbeTiming.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>

extern char** environ;

double TimeToFirstWindow(const char* Kind, const std::string& ProgramFolder) {
  int out[2];
  if (pipe(out) != 0) std::abort();
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  char* argv[] = {const_cast<char*>(STARTUP_PROBE), const_cast<char*>(Kind), const_cast<char*>(ProgramFolder.c_str()),
                  nullptr};
  const auto start = std::chrono::steady_clock::now();
  pid_t child = 0;
  if (posix_spawn(&child, STARTUP_PROBE, &actions, nullptr, argv, environ) != 0) std::abort();
  close(out[1]);
  char c = 0;
  while (read(out[0], &c, 1) == 1 && c != '\n') {
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  close(out[0]);
  int status = 0;
  waitpid(child, &status, 0);
  posix_spawn_file_actions_destroy(&actions);
  return seconds;
}
