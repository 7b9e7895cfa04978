#include "forms/ScriptedDialogs.h"

#include <map>
#include <stdexcept>

namespace forms {

ScriptedDialogs::ScriptedDialogs() : previous_(setDialogResponder(this)) {}

ScriptedDialogs::~ScriptedDialogs() {
  setDialogResponder(previous_);
}

void ScriptedDialogs::answer(const QString& button) {
  static const std::map<QString, int> codes = {
      {"OK", IDOK},         {"Cancel", IDCANCEL}, {"Abort", IDABORT}, {"Retry", IDRETRY},
      {"Ignore", IDIGNORE}, {"Yes", IDYES},       {"No", IDNO},
  };
  const auto it = codes.find(button);
  if (it == codes.end())
    throw std::invalid_argument("no such message box button: " + button.toStdString());
  answers_.push_back(it->second);
}

void ScriptedDialogs::choose(const QString& path) {
  files_.push_back(path);
}

void ScriptedDialogs::cancelFile() {
  files_.push_back(std::nullopt);
}

std::vector<QString> ScriptedDialogs::texts(DialogKind kind) const {
  std::vector<QString> result;
  for (const BoxRequest& box : boxes)
    if (box.kind == kind) result.push_back(box.text);
  return result;
}

int ScriptedDialogs::answerBox(const BoxRequest& box) {
  boxes.push_back(box);
  if (answers_.empty()) return defaultAnswer(box.style);
  const int answer = answers_.front();
  answers_.pop_front();
  return answer;
}

std::optional<QString> ScriptedDialogs::answerFile(const FileRequest& request) {
  fileRequests.push_back(request);
  if (files_.empty()) return std::nullopt;
  const bool chosen = files_.front().has_value();
  const QString path = files_.front().value_or(QString());
  files_.pop_front();
  if (!chosen) return std::nullopt;
  return path;
}

}  // namespace forms
