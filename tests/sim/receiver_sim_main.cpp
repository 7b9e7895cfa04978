// receiver-sim --network FILE --link PATH [--log FILE]
//
// Serves the receivers described in FILE (NetworkFile.h) on a pseudo-terminal and makes
// PATH a symbolic link to its device, so that a program can open PATH as its serial port.
// Every line received is appended to the log FILE, one line each, CR written as "\r"
// and other control bytes as "\xNN". Runs until SIGINT or SIGTERM, then appends to the log
// what each receiver has stored of coefficient frames, one line per preset slot written:
// "EQ 07 9:" and the slot's 160 entries (band * 5 + k) as 8 upper-case hex digits each,
// blank-separated; removes the link and exits 0. Exit 2: bad arguments or network file; 1:
// the device or link failed.
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

#include "sim/NetworkFile.h"
#include "sim/PtyHarness.h"

namespace {

std::string shown(const std::string& line) {
  std::string out;
  for (unsigned char c : line) {
    if (c == '\r') {
      out += "\\r";
    } else if (c < 0x20 || c >= 0x7F) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\x%02X", c);
      out += buf;
    } else {
      out += char(c);
    }
  }
  return out;
}

void writeStoredSlots(const sim::Bus& bus, std::ofstream& log) {
  for (const auto& [address, receiver] : bus.receivers()) {
    for (const auto& [slot, entries] : receiver.eqSlots) {
      char head[16];
      std::snprintf(head, sizeof head, "EQ %02d %d:", address, slot);
      log << head;
      for (const int32_t value : entries) {
        char hex[12];
        std::snprintf(hex, sizeof hex, " %08X", unsigned(value));
        log << hex;
      }
      log << '\n';
    }
  }
  log.flush();
}

int usage() {
  std::fprintf(stderr, "usage: receiver-sim --network FILE --link PATH [--log FILE]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::string network, link, logPath;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (i + 1 >= argc) return usage();
    if (a == "--network") {
      network = argv[++i];
    } else if (a == "--link") {
      link = argv[++i];
    } else if (a == "--log") {
      logPath = argv[++i];
    } else {
      return usage();
    }
  }
  if (network.empty() || link.empty()) return usage();

  sim::Bus bus;
  std::string error;
  if (!sim::loadNetworkFile(network, bus, &error)) {
    std::fprintf(stderr, "receiver-sim: %s\n", error.c_str());
    return 2;
  }
  std::ofstream log;
  if (!logPath.empty()) {
    log.open(logPath, std::ios::app);
    if (!log) {
      std::fprintf(stderr, "receiver-sim: cannot write %s\n", logPath.c_str());
      return 2;
    }
    bus.setLineObserver([&log](const sim::LoggedLine& l) { log << shown(l.line) << std::endl; });
  }

  // The serving thread must not take the signals; the main thread waits for them.
  sigset_t stopSignals;
  sigemptyset(&stopSignals);
  sigaddset(&stopSignals, SIGINT);
  sigaddset(&stopSignals, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

  sim::PtyHarness harness(bus);
  if (!harness.start(&error)) {
    std::fprintf(stderr, "receiver-sim: %s\n", error.c_str());
    return 1;
  }
  // Replace a stale link of an earlier run, but never a real file.
  struct stat st {};
  if (::lstat(link.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) ::unlink(link.c_str());
  if (::symlink(harness.slavePath().c_str(), link.c_str()) != 0) {
    std::fprintf(stderr, "receiver-sim: cannot create link %s: %s\n", link.c_str(),
                 std::strerror(errno));
    return 1;
  }
  std::printf("receiver-sim: %zu receivers on %s (%s)\n", bus.receivers().size(), link.c_str(),
              harness.slavePath().c_str());
  std::fflush(stdout);

  int sig = 0;
  sigwait(&stopSignals, &sig);
  harness.stop();
  if (log.is_open()) writeStoredSlots(bus, log);
  ::unlink(link.c_str());
  return 0;
}
