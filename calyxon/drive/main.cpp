// calyxon-drive SCRIPT [--time-limit SECONDS]: runs the designer window (offscreen when no
// display is set) and performs the operator actions of SCRIPT (calyxon/drive/Script.h).
// Exit codes: 0 every action done, 1 another Calyxon runs, 2 an action or expectation failed
// or the window closed before the script's end, 64 bad arguments or script.
#include <QFile>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "calyxon/drive/Driver.h"
#include "calyxon/ui/Program.h"
#include "platform/AtomicFile.h"

namespace {

// The offscreen platform says at every opened menu that it cannot raise it or grab the
// keyboard; those lines would bury the script's own messages.
void QuietOffscreen(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.startsWith("This plugin does not support")) return;
  std::fprintf(stderr, "%s\n", qFormatLogMessage(type, context, message).toLocal8Bit().constData());
}

}  // namespace

int main(int argc, char** argv) {
  platform::IgnoreFileSizeLimitSignal();
  const char* scriptPath = nullptr;
  int timeLimit = 300;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--time-limit") == 0 && i + 1 < argc)
      timeLimit = std::atoi(argv[++i]);
    else if (!scriptPath)
      scriptPath = argv[i];
  }
  if (!scriptPath || timeLimit <= 0) {
    std::fprintf(stderr, "usage: calyxon-drive SCRIPT [--time-limit SECONDS]\n");
    return 64;
  }
  QFile file(QString::fromLocal8Bit(scriptPath));
  if (!file.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "calyxon-drive: cannot read %s\n", scriptPath);
    return 64;
  }
  QString error;
  auto commands = calyxon::drive::ParseScript(QString::fromUtf8(file.readAll()), &error);
  if (!commands) {
    std::fprintf(stderr, "calyxon-drive: %s: %s\n", scriptPath, error.toLocal8Bit().constData());
    return 64;
  }
  if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") && !std::getenv("QT_QPA_PLATFORM"))
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
  qInstallMessageHandler(QuietOffscreen);
  return calyxon::WinMain(argc, argv, [&](calyxon::Program& program) {
    calyxon::drive::Driver driver(program, std::move(*commands), timeLimit * 1000);
    return driver.Run();
  });
}
