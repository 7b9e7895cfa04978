// designer_standin LOG [DELAY_MS]: stands in for the EQ designer in the launch tests. After
// DELAY_MS (0 when not given) it publishes a window titled "Calyxon" and appends each message
// posted to it to LOG as a line "message wParam lParam" (decimal). Once a file LOG + ".quit"
// exists it removes that file, withdraws its window and ends; it ends after 60 s in any case,
// so that no test leaves it running.
#include <QCoreApplication>
#include <QFile>
#include <QTimer>
#include <memory>

#include "platform/WindowDirectory.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (argc < 2) return 64;
  const QString log = QString::fromLocal8Bit(argv[1]);
  const int delayMs = argc > 2 ? QString(argv[2]).toInt() : 0;

  std::unique_ptr<platform::WindowPublication> window;
  QTimer::singleShot(delayMs, [&] {
    window = std::make_unique<platform::WindowPublication>("Calyxon");
    QObject::connect(
        window.get(), &platform::WindowPublication::messagePosted,
        [&](uint32_t message, uint64_t wParam, int64_t lParam) {
          QFile file(log);
          if (!file.open(QIODevice::Append)) return;
          file.write(QString("%1 %2 %3\n").arg(message).arg(wParam).arg(lParam).toLatin1());
        });
  });
  QTimer quit;
  QObject::connect(&quit, &QTimer::timeout, [&] {
    if (!QFile::exists(log + ".quit")) return;
    window.reset();
    QFile::remove(log + ".quit");  // tells the test that the designer has gone
    QCoreApplication::quit();
  });
  quit.start(10);
  QTimer::singleShot(60000, [] { QCoreApplication::quit(); });
  return app.exec();
}
