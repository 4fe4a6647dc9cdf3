#include "Files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>

#include "FileNames.h"
#include "SysUtils.h"

namespace {

// Where the "." of an extension would be: after the last "/", or npos.
std::size_t ExtensionStart(std::string_view path) {
  const std::size_t dot = path.find_last_of("./");
  return (dot != std::string_view::npos && path[dot] == '.') ? dot : std::string_view::npos;
}

// The permission bits a newly created file gets: 0666 less the umask, read
// without changing it (setting it and back would race other threads).
mode_t NewFileMode() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("Umask:", 0) == 0) return 0666 & ~static_cast<mode_t>(std::strtoul(line.c_str() + 6, nullptr, 8));
  }
  return 0644;
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// Whether an existing file may be replaced; errno tells why not. Nobody may
// write a file without any write bit, the superuser included.
bool MayWrite(const std::string& fsPath, const struct stat& st) {
  if (!S_ISREG(st.st_mode)) {
    errno = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
    return false;
  }
  if ((st.st_mode & 0222) == 0) {
    errno = EACCES;
    return false;
  }
  return ::faccessat(AT_FDCWD, fsPath.c_str(), W_OK, AT_EACCESS) == 0;
}

// Keeps errno across clean-up calls that may change it.
class ErrnoKeeper {
 public:
  ErrnoKeeper() : saved_(errno) {}
  ~ErrnoKeeper() { errno = saved_; }
  ErrnoKeeper(const ErrnoKeeper&) = delete;
  ErrnoKeeper& operator=(const ErrnoKeeper&) = delete;

 private:
  int saved_;
};

// An open file, closed with its owner; the close leaves errno as it was.
class OpenFile {
 public:
  explicit OpenFile(int fd) : fd_(fd) {}
  ~OpenFile() {
    if (fd_ < 0) return;
    const ErrnoKeeper keep;
    ::close(fd_);
  }
  OpenFile(const OpenFile&) = delete;
  OpenFile& operator=(const OpenFile&) = delete;
  int fd() const { return fd_; }

 private:
  int fd_;
};

// An open file's bytes from its position on; nullopt on a read error.
std::optional<std::string> ReadRest(int fd) {
  std::string bytes;
  char buf[65536];
  for (;;) {
    const ssize_t n = ::read(fd, buf, sizeof buf);
    if (n < 0) {
      if (errno == EINTR) continue;
      return std::nullopt;
    }
    if (n == 0) return bytes;
    bytes.append(buf, static_cast<std::size_t>(n));
  }
}

// Makes an open file hold exactly these bytes.
bool Overwrite(int fd, std::string_view bytes) {
  return ::lseek(fd, 0, SEEK_SET) == 0 && WriteAll(fd, bytes) &&
         ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 && ::fsync(fd) == 0;
}

// Writes the new bytes into the file itself, which stays the same file: its
// other names show them, its owner and group stay. Its old bytes are kept
// first and written back when the write fails, with their modification time
// where this process may set it, so that the file shows as the version it was.
bool WriteIntoFile(const std::string& target, std::string_view bytes) {
  const OpenFile file(::open(target.c_str(), O_RDWR | O_CLOEXEC));
  struct stat before {};
  if (file.fd() < 0 || ::fstat(file.fd(), &before) != 0) return false;
  const std::optional<std::string> old = ReadRest(file.fd());
  if (!old) return false;
  if (!Overwrite(file.fd(), bytes)) {
    const ErrnoKeeper keep;  // the failed write's reason
    if (Overwrite(file.fd(), *old)) {
      const timespec times[2] = {{0, UTIME_OMIT}, before.st_mtim};
      ::futimens(file.fd(), times);  // only its owner may
    }
    return false;
  }
  // A write clears the set-id bits; the owner may set them again.
  struct stat after {};
  if (::fstat(file.fd(), &after) == 0 && (after.st_mode & 07777) != (before.st_mode & 07777))
    ::fchmod(file.fd(), before.st_mode & 07777);
  return true;
}

}  // namespace

bool FileExists(const std::string& path) {
  struct stat st {};
  return ::stat(FsName(path).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool DirectoryExists(const std::string& path) {
  struct stat st {};
  return ::stat(FsName(path).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool DeleteFile(const std::string& path) { return ::unlink(FsName(path).c_str()) == 0; }

bool FileIsExecutable(const std::string& path) {
  return FileExists(path) && ::access(FsName(path).c_str(), X_OK) == 0;
}

std::optional<FileDetails> FindFileDetails(const std::string& path) {
  struct stat st {};
  if (::stat(FsName(path).c_str(), &st) != 0) return std::nullopt;
  FileDetails details;
  details.size = static_cast<std::uint64_t>(st.st_size);
  details.date = UnixTimeToDateTime(st.st_mtim.tv_sec);
  const auto nanoseconds = [](const timespec& t) { return static_cast<std::int64_t>(t.tv_sec) * 1000000000 + t.tv_nsec; };
  details.modified_ns = nanoseconds(st.st_mtim);
  details.changed_ns = nanoseconds(st.st_ctim);
  details.device = static_cast<std::uint64_t>(st.st_dev);
  details.inode = static_cast<std::uint64_t>(st.st_ino);
  return details;
}

std::string ExtractFilePath(std::string_view path) {
  const std::size_t slash = path.rfind(PathDelim);
  return std::string(slash == std::string_view::npos ? std::string_view() : path.substr(0, slash + 1));
}

std::string ExtractFileName(std::string_view path) {
  const std::size_t slash = path.rfind(PathDelim);
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string ExtractFileExt(std::string_view path) {
  const std::size_t dot = ExtensionStart(path);
  return dot == std::string_view::npos ? std::string() : std::string(path.substr(dot));
}

std::string ChangeFileExt(std::string_view path, std::string_view ext) {
  const std::size_t dot = ExtensionStart(path);
  return std::string(path.substr(0, dot)) + std::string(ext);
}

std::string IncludeTrailingPathDelimiter(std::string_view path) {
  std::string out(path);
  if (out.empty() || out.back() != PathDelim) out += PathDelim;
  return out;
}

std::string GetCurrentDir() {
  std::unique_ptr<char, decltype(&std::free)> cwd(::getcwd(nullptr, 0), &std::free);
  return cwd ? ProgramName(cwd.get()) : std::string();
}

bool SetCurrentDir(const std::string& dir) { return ::chdir(FsName(dir).c_str()) == 0; }

FolderNames FolderEntryNames(const std::string& folder) {
  FolderNames names;
  std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(FsName(folder.empty() ? "." : folder).c_str()), &::closedir);
  if (!dir) return names;
  while (const dirent* entry = ::readdir(dir.get())) {
    bool regular = entry->d_type == DT_REG;
    bool isFolder = entry->d_type == DT_DIR;
    if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
      struct stat st {};
      const bool known = ::fstatat(::dirfd(dir.get()), entry->d_name, &st, 0) == 0;
      regular = known && S_ISREG(st.st_mode);
      isFolder = known && S_ISDIR(st.st_mode);
    }
    if (isFolder && (std::strcmp(entry->d_name, ".") == 0 || std::strcmp(entry->d_name, "..") == 0)) continue;
    if (!regular && !isFolder) continue;
    if (std::optional<std::string> name = TryProgramName(entry->d_name))
      (regular ? names.files : names.folders).push_back(std::move(*name));
  }
  return names;
}

std::optional<std::string> ReadFileBytes(const std::string& path) {
  const std::string fsPath = FsName(path);
  const OpenFile file(::open(fsPath.c_str(), O_RDONLY | O_CLOEXEC));
  if (file.fd() < 0) return std::nullopt;
  return ReadRest(file.fd());
}

bool CreateNewFile(const std::string& path) {
  const int fd = ::open(FsName(path).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  ::close(fd);
  return true;
}

bool ReplaceFileBytes(const std::string& path, std::string_view bytes) {
  // Through a symbolic link the file it names is replaced, not the link.
  std::string target = FsName(path);
  if (char* real = ::realpath(target.c_str(), nullptr)) {
    target = real;
    std::free(real);
  }
  struct stat old {};
  const bool existed = ::stat(target.c_str(), &old) == 0;
  if (existed && !MayWrite(target, old)) return false;
  // A new file would leave the other names with the old text.
  if (existed && old.st_nlink > 1) return WriteIntoFile(target, bytes);

  std::string temp = ExtractFilePath(target) + "." + ExtractFileName(target) + ".XXXXXX";
  const int fd = ::mkstemp(temp.data());
  // A folder that takes no new file may still hold one that may be written.
  if (fd < 0) return existed && WriteIntoFile(target, bytes);
  // Owner first: a change of owner clears the set-id bits the mode restores.
  // A new file that cannot take the old one's owner and group (only the
  // superuser may give a file to another user, or to a group the writer is
  // not in) would leave them to whoever saved it: the old file is written
  // into instead.
  if (existed && ::fchown(fd, old.st_uid, old.st_gid) != 0) {
    ::close(fd);
    ::unlink(temp.c_str());
    return WriteIntoFile(target, bytes);
  }
  const mode_t mode = existed ? (old.st_mode & 07777) : NewFileMode();
  bool done = ::fchmod(fd, mode) == 0 && WriteAll(fd, bytes) && ::fsync(fd) == 0;
  if (done) {
    done = ::close(fd) == 0;
  } else {
    const ErrnoKeeper keep;  // the failed write's reason
    ::close(fd);
  }
  if (!done || ::rename(temp.c_str(), target.c_str()) != 0) {
    const ErrnoKeeper keep;
    ::unlink(temp.c_str());
    return false;
  }
  // Make the rename itself durable.
  const std::string folder = ExtractFilePath(target);
  const int dir = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  return true;
}

std::string FileCreateErrorText(const std::string& path, int reason) {
  return "Cannot create file \"" + path + "\". " + SysErrorMessage(reason);
}
