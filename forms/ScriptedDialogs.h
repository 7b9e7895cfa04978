// A DialogResponder for tests: it records every box and file dialog shown and answers
// from queues that the test fills beforehand. Installed for its lifetime.
//
//   forms::ScriptedDialogs dialogs;
//   dialogs.answer("Cancel");            // the next box answers Cancel
//   dialogs.choose("/tmp/net.vxn");      // the next file dialog picks this path
//   ...
//   EXPECT_EQ(dialogs.boxes.at(0).text, "Really Want To Quit ?");
#pragma once

#include <QString>
#include <deque>
#include <optional>
#include <vector>

#include "forms/Dialogs.h"

namespace forms {

class ScriptedDialogs : public DialogResponder {
 public:
  ScriptedDialogs();
  ~ScriptedDialogs() override;
  ScriptedDialogs(const ScriptedDialogs&) = delete;
  ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;

  // Queues the answer of a coming box by its button's name: "OK", "Cancel", "Abort",
  // "Retry", "Ignore", "Yes", "No" (any other name throws std::invalid_argument). With an
  // empty queue a box answers with its default button (defaultAnswer).
  void answer(const QString& button);
  // Queues the path a coming file dialog chooses, or a cancel. With an empty queue a file
  // dialog is cancelled.
  void choose(const QString& path);
  void cancelFile();

  // Everything shown, in order.
  std::vector<BoxRequest> boxes;
  std::vector<FileRequest> fileRequests;
  // The types of the beeps sounded, in order.
  std::vector<unsigned> beeps;

  // Texts of the boxes shown of one kind, in order (convenient for assertions).
  std::vector<QString> texts(DialogKind kind) const;

  int answerBox(const BoxRequest& box) override;
  std::optional<QString> answerFile(const FileRequest& request) override;
  void beep(unsigned type) override { beeps.push_back(type); }

 private:
  std::deque<int> answers_;
  std::deque<std::optional<QString>> files_;
  DialogResponder* previous_;
};

}  // namespace forms
