// calyxon-drive's engine: performs a script (Script.h) on the real designer window, through
// real mouse and key events and the dialog seam, while the program's event loop runs.
//
// Each action runs from the event loop. An action that starts a fit returns only when the fit
// has ended, and the fit processes messages meanwhile: the next actions run then, as an
// operator's would during the fit (wait-idle waits for its end). The first failed action or
// expectation ends the script: the message goes to standard error, the window is closed (a
// running fit is stopped first) and the exit code is 2. A script that runs longer than its time
// limit fails the same way, and so does a window that closes while lines remain (Script.h).
// At the script's end the window is closed, which ends the program.
#pragma once

#include <QDeadlineTimer>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "calyxon/drive/Script.h"
#include "forms/ScriptedDialogs.h"

namespace calyxon {
class Program;
}

namespace calyxon::drive {

class Driver : public QObject {
 public:
  Driver(Program& program, std::vector<Command> commands, int timeLimitMs);

  // Runs the event loop until the program ends; returns the exit code (0 = every action done).
  int Run();

 private:
  void Step();
  bool Perform(const Command& command);  // false when it failed (error_ says why)
  void Fail(const Command* command, const QString& why);
  void Finish();

  bool PostMessage(const Command& command);
  bool Expect(const Command& command);
  bool WriteBands(const QString& path);
  bool WriteCurves(const QString& path);
  bool WriteCoefficients(const QString& path);
  bool WriteStatusTexts(const QString& path);
  bool WriteJson(const QString& path, const QString& json);
  bool Invoke(const QString& name);

  Program& program_;
  std::vector<Command> commands_;
  std::size_t next_ = 0;
  int timeLimitMs_;
  int exitCode_ = 0;
  bool finished_ = false;
  int messagesHandled_ = 0;
  QStringList statusTexts_;  // every status text shown, in order
  QString error_;
  // The actions being performed, innermost last: those started during a fit hold the next.
  struct Running {
    bool startedDuringFit;
  };
  std::vector<Running> running_;
  std::function<bool()> until_;  // what the next action waits for
  QDeadlineTimer waitLimit_;     // and until when
  forms::ScriptedDialogs dialogs_;
};

}  // namespace calyxon::drive
