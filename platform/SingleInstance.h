// A named lock held for the life of the process: an flock on <runtime>/<name>.lock. A second
// holder is refused at once; the kernel releases the lock when the process dies.
#pragma once

#include <string>

namespace platform {

class SingleInstance {
 public:
  explicit SingleInstance(const std::string& name);  // "ORSEK VONDRIX"
  ~SingleInstance();
  SingleInstance(const SingleInstance&) = delete;
  SingleInstance& operator=(const SingleInstance&) = delete;

  // True when this process holds the lock (no other instance runs).
  bool acquired() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
};

}  // namespace platform
