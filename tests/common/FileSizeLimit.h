// A full disk as a save meets it: while the object lives, the process may write files of at
// most limit bytes (a longer write fails part way with EFBIG instead of a signal).
#pragma once

#include <sys/resource.h>
#include <csignal>

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
