#include "platform/SingleInstance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "platform/Paths.h"

namespace platform {

SingleInstance::SingleInstance(const std::string& name) {
  std::string file = name;
  for (char& c : file)
    if (c == '/' || c == ' ') c = '_';
  std::string path = runtimeDir() + "/" + file + ".lock";
  int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) return;
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    ::close(fd);
    return;
  }
  fd_ = fd;
}

SingleInstance::~SingleInstance() {
  if (fd_ >= 0) ::close(fd_);
}

}  // namespace platform
