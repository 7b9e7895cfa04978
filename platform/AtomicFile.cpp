#include "platform/AtomicFile.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fstream>

namespace platform {

namespace {

std::string Reason(int error) {
  return std::strerror(error);
}

// The file a save really replaces: the target of a symbolic link, else path itself.
std::string ResolvedTarget(const std::string& path) {
  struct stat st;
  if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
  char resolved[PATH_MAX];
  return realpath(path.c_str(), resolved) ? std::string(resolved) : path;
}

std::string FolderOf(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// The process's umask, read without setting it: umask() alone would leave 0 in force for a
// moment, and a file another thread creates then would get too open permissions.
mode_t CurrentUmask() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("Umask:", 0) == 0)
      return static_cast<mode_t>(std::strtoul(line.c_str() + 6, nullptr, 8)) & 0777;
  const mode_t mask = umask(0);  // no /proc: the old way
  umask(mask);
  return mask;
}

// Permissions of the saved file: those of the file it replaces, or what the umask leaves.
mode_t ModeFor(const std::string& target) {
  struct stat st;
  if (stat(target.c_str(), &st) == 0 && S_ISREG(st.st_mode)) return st.st_mode & 07777;
  return 0666 & ~CurrentUmask();
}

bool WriteAll(int fd, std::string_view contents) {
  const char* p = contents.data();
  std::size_t left = contents.size();
  while (left > 0) {
    const ssize_t n = write(fd, p, left);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n == 0) errno = EIO;
      return false;
    }
    p += n;
    left -= static_cast<std::size_t>(n);
  }
  return true;
}

// Makes the rename itself durable; a folder that cannot be synced loses nothing.
void SyncFolder(const std::string& folder) {
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

}  // namespace

SaveResult SaveFileAtomically(const std::string& path, std::string_view contents) {
  if (path.empty()) return {Reason(ENOENT)};
  const std::string target = ResolvedTarget(path);
  const std::string folder = FolderOf(target);
  std::string temporary = folder + "/.orsek-save-XXXXXX";
  const int fd = mkostemp(temporary.data(), O_CLOEXEC);
  if (fd < 0) return {Reason(errno)};

  const bool written = fchmod(fd, ModeFor(target)) == 0 && WriteAll(fd, contents) && fsync(fd) == 0;
  int error = written ? 0 : errno;
  if (close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && rename(temporary.c_str(), target.c_str()) != 0) error = errno;
  if (error != 0) {
    unlink(temporary.c_str());
    return {Reason(error)};
  }
  SyncFolder(folder);
  return {};
}

void IgnoreFileSizeLimitSignal() {
  struct sigaction ignore {};
  ignore.sa_handler = SIG_IGN;
  sigemptyset(&ignore.sa_mask);
  sigaction(SIGXFSZ, &ignore, nullptr);
}

}  // namespace platform
