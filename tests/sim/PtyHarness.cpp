#include "sim/PtyHarness.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <iterator>

namespace sim {

namespace {

bool failWith(std::string* error, const char* what) {
  if (error) *error = std::string(what) + ": " + std::strerror(errno);
  return false;
}

void closeFd(int& fd) {
  if (fd >= 0) ::close(fd);
  fd = -1;
}

}  // namespace

PtyHarness::~PtyHarness() {
  stop();
}

bool PtyHarness::start(std::string* error) {
  if (thread_.joinable()) return true;
  // The programs purge the receive queue right after each write. On a busy machine a sender
  // can be held up for milliseconds between the two, and a reply that came in that gap would be
  // purged: in real time no reply comes sooner than the floor.
  if (bus_.latencyMs < latencyFloorMs_) bus_.latencyMs = latencyFloorMs_;
  master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (master_ < 0) return failWith(error, "posix_openpt");
  char name[128];
  if (::grantpt(master_) != 0 || ::unlockpt(master_) != 0 ||
      ::ptsname_r(master_, name, sizeof name) != 0) {
    const bool r = failWith(error, "pseudo-terminal setup");
    closeFd(master_);
    return r;
  }
  heldSlave_ = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
  termios t{};
  if (heldSlave_ < 0 || ::tcgetattr(heldSlave_, &t) != 0) {
    const bool r = failWith(error, name);
    closeFd(heldSlave_);
    closeFd(master_);
    return r;
  }
  // Raw: no echo of the program's lines back to us, and CR stays CR.
  ::cfmakeraw(&t);
  ::tcsetattr(heldSlave_, TCSANOW, &t);
  // A full input queue (nobody reading the slave) must drop bytes, not block the server.
  ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
  if (::pipe2(wake_, O_CLOEXEC) != 0) {
    const bool r = failWith(error, "pipe");
    closeFd(heldSlave_);
    closeFd(master_);
    return r;
  }
  slavePath_ = name;
  thread_ = std::thread([this] { serve(); });
  return true;
}

void PtyHarness::stop() {
  if (thread_.joinable()) {
    const char c = 'q';
    [[maybe_unused]] ssize_t n = ::write(wake_[1], &c, 1);
    thread_.join();
  }
  closeFd(wake_[0]);
  closeFd(wake_[1]);
  closeFd(heldSlave_);
  closeFd(master_);
}

void PtyHarness::serve() {
  const auto origin = std::chrono::steady_clock::now();
  auto nowMs = [origin] {
    return uint32_t(std::chrono::duration_cast<std::chrono::milliseconds>(
                        std::chrono::steady_clock::now() - origin)
                        .count());
  };
  for (;;) {
    int timeout = -1;
    if (!due_.empty()) timeout = std::max(0, int32_t(due_.front().dueMs - nowMs()));
    pollfd fds[2] = {{master_, POLLIN, 0}, {wake_[0], POLLIN, 0}};
    if (::poll(fds, 2, timeout) < 0 && errno != EINTR) return;
    if (fds[1].revents != 0) return;
    if (fds[0].revents & POLLIN) {
      char buf[512];
      const ssize_t n = ::read(master_, buf, sizeof buf);
      if (n > 0) {
        std::vector<ReplyPiece> pieces;
        {
          std::lock_guard<std::mutex> lock(mutex_);
          pieces = bus_.feed(std::string_view(buf, size_t(n)), nowMs());
        }
        for (ReplyPiece& p : pieces) {
          auto pos = due_.end();
          while (pos != due_.begin() && int32_t(std::prev(pos)->dueMs - p.dueMs) > 0) --pos;
          due_.insert(pos, std::move(p));
        }
      }
    } else if (fds[0].revents & (POLLHUP | POLLERR)) {
      ::usleep(10000);  // no slave open; we hold one, so this should not last
    }
    const uint32_t now = nowMs();
    while (!due_.empty() && int32_t(due_.front().dueMs - now) <= 0) {
      const std::string& bytes = due_.front().bytes;
      size_t off = 0;
      while (off < bytes.size()) {
        const ssize_t w = ::write(master_, bytes.data() + off, bytes.size() - off);
        if (w < 0 && errno == EINTR) continue;
        if (w <= 0) break;  // queue full: the bytes are lost, as on an overrun
        off += size_t(w);
      }
      due_.erase(due_.begin());
    }
  }
}

}  // namespace sim
