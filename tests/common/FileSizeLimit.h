// A full disk as a save meets it: while the object lives, the process may write files of at
// most limit bytes, and a write beyond that fails ("File too large") instead of raising
// SIGXFSZ.
#pragma once

#include <sys/resource.h>
#include <csignal>

namespace testing_support {

class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t limit) {
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &previous_);
    rlimit lower = previous_;
    lower.rlim_cur = limit;
    setrlimit(RLIMIT_FSIZE, &lower);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &previous_);
    std::signal(SIGXFSZ, previousHandler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit previous_{};
  void (*previousHandler_)(int);
};

}  // namespace testing_support
