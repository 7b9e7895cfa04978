#include "platform/Paths.h"

#include <sys/stat.h>
#include <unistd.h>
#include <cstdlib>
#include <string>

namespace platform {

std::string configDir() {
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  if (xdg && *xdg) return std::string(xdg) + "/Orsek";
  const char* home = std::getenv("HOME");
  return std::string(home ? home : "") + "/.config/Orsek";
}

std::string runtimeDir() {
  const char* xdg = std::getenv("XDG_RUNTIME_DIR");
  std::string dir =
      (xdg && *xdg) ? std::string(xdg) + "/orsek" : "/tmp/orsek-" + std::to_string(getuid());
  mkdir(dir.c_str(), 0700);
  return dir;
}

std::string exeFolder() {
  char buf[4096];
  ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
  if (n <= 0) return "./";
  std::string path(buf, static_cast<size_t>(n));
  return path.substr(0, path.rfind('/') + 1);
}

}  // namespace platform
