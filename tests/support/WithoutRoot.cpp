#include "WithoutRoot.h"

#include <grp.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>


namespace {

struct Ids {
  uid_t uid;
  gid_t gid;
};

Ids Nobody() {
  if (const passwd* pw = ::getpwnam("nobody")) return {pw->pw_uid, pw->pw_gid};
  return {65534, 65534};
}

bool DropRoot() {
  if (::geteuid() != 0) return true;
  const Ids nobody = Nobody();
  return ::setgroups(0, nullptr) == 0 && ::setgid(nobody.gid) == 0 && ::setuid(nobody.uid) == 0 &&
         ::geteuid() != 0;
}

void WriteAll(int fd, const std::string& text) {
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
    if (n <= 0) return;
    done += static_cast<std::size_t>(n);
  }
}

}  // namespace

std::string RunWithoutRoot(const std::function<std::string()>& body) {
  int channel[2];
  if (::pipe(channel) != 0) return "no pipe to the child";
  const pid_t pid = ::fork();
  if (pid < 0) return "no child process";
  if (pid == 0) {
    ::close(channel[0]);
    std::string result;
    if (!DropRoot()) {
      result = "the child could not give up root";
    } else {
      try {
        result = body();
      } catch (const std::exception& e) {
        result = std::string("the child raised: ") + e.what();
      } catch (...) {
        result = "the child raised";
      }
    }
    WriteAll(channel[1], result);
    ::_exit(0);
  }
  ::close(channel[1]);
  std::string result;
  char buffer[512];
  ssize_t n;
  while ((n = ::read(channel[0], buffer, sizeof buffer)) > 0) result.append(buffer, static_cast<std::size_t>(n));
  ::close(channel[0]);
  int status = 0;
  ::waitpid(pid, &status, 0);
  if (!WIFEXITED(status)) return "the child ended abnormally (" + result + ")";
  return result;
}

bool GiveToChild(const std::string& path) {
  if (::geteuid() != 0) return true;
  const Ids nobody = Nobody();
  return ::chown(path.c_str(), nobody.uid, nobody.gid) == 0;
}
