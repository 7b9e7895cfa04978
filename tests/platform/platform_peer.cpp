// A second process for the cross-process tests of the lock and the window directory.
//   platform_peer lock NAME      prints "acquired" or "refused", then waits for stdin to close
//   platform_peer window TITLE   publishes a window, prints "ready", prints every posted
//                                triple as "msg w l", quits after the first one
//   platform_peer find TITLE     prints the number of live windows with that title
//   platform_peer open PATH      opens PATH as a serial port; prints "opened" or the reason
//   platform_peer settings NAME VALUE
//                                writes the value into Vondrix's settings; prints "saved" or
//                                the reason
#include <unistd.h>
#include <QCoreApplication>
#include <QSocketNotifier>
#include <cstdio>

#include "platform/PosixSerialPort.h"
#include "platform/Settings.h"
#include "platform/SingleInstance.h"
#include "platform/WindowDirectory.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (argc < 3) return 2;
  const std::string verb = argv[1];
  if (verb == "lock") {
    platform::SingleInstance lock(argv[2]);
    std::printf("%s\n", lock.acquired() ? "acquired" : "refused");
    std::fflush(stdout);
    char c;
    while (read(0, &c, 1) > 0) {
    }
    return 0;
  }
  if (verb == "window") {
    platform::WindowPublication window(QString::fromUtf8(argv[2]));
    QObject::connect(&window, &platform::WindowPublication::messagePosted,
                     [](uint32_t m, uint64_t w, int64_t l) {
                       std::printf("%u %llu %lld\n", m, static_cast<unsigned long long>(w),
                                   static_cast<long long>(l));
                       std::fflush(stdout);
                       QCoreApplication::quit();
                     });
    std::printf("ready\n");
    std::fflush(stdout);
    return app.exec();
  }
  if (verb == "open") {
    std::string why;
    const bool opened = platform::PosixSerialPort::openDevice(argv[2], &why) != nullptr;
    std::printf("%s\n", opened ? "opened" : why.c_str());
    return 0;
  }
  if (verb == "settings" && argc == 4) {
    const auto result = platform::Settings("Vondrix").write(argv[2], argv[3]);
    std::printf("%s\n", result.ok() ? "saved" : result.error.c_str());
    return 0;
  }
  if (verb == "find") {
    std::printf("%zu\n", platform::findWindows(QString::fromUtf8(argv[2])).size());
    return 0;
  }
  return 2;
}
