#include "calyxon/drive/Script.h"

#include <map>

namespace calyxon::drive {

namespace {

// Arguments of each verb: the words before the rest of the line, and whether a rest follows.
struct Shape {
  int words;
  bool rest;
};

const std::map<QString, Shape>& Shapes() {
  static const std::map<QString, Shape> shapes = {
      {"answer-dialog", {0, true}},
      {"answer-box", {0, true}},
      {"menu", {0, true}},
      {"type", {1, true}},
      {"key", {1, true}},
      {"click", {1, false}},
      {"post-message", {2, false}},
      {"wait-idle", {0, false}},
      {"wait", {1, false}},
      {"close", {0, false}},
      {"expect-status", {0, true}},
      {"expect", {1, true}},
      {"expect-box", {0, true}},
      {"write-bands", {0, true}},
      {"write-curves", {0, true}},
      {"invoke", {1, false}},
      {"write-coefficients", {0, true}},
      {"write-status-texts", {0, true}},
  };
  return shapes;
}

QString Unescaped(const QString& text) {
  QString out;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 1 < text.size()) {
      const QChar next = text[++i];
      out += next == 'n' ? QChar('\n') : next;
      continue;
    }
    out += text[i];
  }
  return out;
}

}  // namespace

std::optional<std::vector<Command>> ParseScript(const QString& text, QString* error) {
  std::vector<Command> commands;
  const QStringList lines = text.split('\n');
  for (qsizetype n = 0; n < lines.size(); ++n) {
    QString line = lines[n];
    if (line.endsWith('\r')) line.chop(1);
    if (line.trimmed().isEmpty() || line.trimmed().startsWith('#')) continue;
    Command command{int(n + 1), {}, {}};
    QString rest = line;
    auto takeWord = [&rest]() {
      const qsizetype blank = rest.indexOf(' ');
      const QString word = blank < 0 ? rest : rest.left(blank);
      rest = blank < 0 ? QString() : rest.mid(blank + 1);
      return word;
    };
    command.verb = takeWord();
    const auto shape = Shapes().find(command.verb);
    auto fail = [&](const QString& why) {
      if (error) *error = QString("line %1: %2").arg(command.line).arg(why);
      return std::nullopt;
    };
    if (shape == Shapes().end()) return fail("unknown action \"" + command.verb + "\"");
    for (int w = 0; w < shape->second.words; ++w) {
      const QString word = takeWord();
      if (word.isEmpty()) return fail(command.verb + " needs more arguments");
      command.args << word;
    }
    if (shape->second.rest) {
      command.args << Unescaped(rest);  // may be empty: an empty text is a text
    } else if (!rest.trimmed().isEmpty()) {
      return fail("too many arguments for " + command.verb);
    }
    commands.push_back(command);
  }
  return commands;
}

}  // namespace calyxon::drive
