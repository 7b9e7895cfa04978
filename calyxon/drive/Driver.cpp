#include "calyxon/drive/Driver.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <cstdio>
#include <functional>
#include <map>
#include <stdexcept>

#include "calyxon/drive/MenuClicks.h"
#include "calyxon/ui/DesignerForm.h"
#include "calyxon/ui/Program.h"
#include "platform/AtomicFile.h"
#include "platform/WindowDirectory.h"

namespace calyxon::drive {

namespace {

constexpr int kStepPause = 5;         // ms between two looks at a condition that is not met yet
constexpr int kMessageWaitMs = 5000;  // for a posted message to be handled

// What a control shows: an edit's text, a caption, a bar's position, a radio button's state.
std::optional<QString> TextOf(const QWidget* w) {
  if (auto* e = dynamic_cast<const forms::Edit*>(w)) return e->text();
  if (auto* l = dynamic_cast<const forms::Label*>(w)) return l->caption();
  if (auto* p = dynamic_cast<const forms::ProgressBar*>(w)) return QString::number(p->position());
  if (auto* t = dynamic_cast<const forms::TrackBar*>(w)) return QString::number(t->position());
  if (auto* r = dynamic_cast<const forms::RadioButton*>(w))
    return r->checked() ? "checked" : "unchecked";
  if (auto* c = dynamic_cast<const forms::ComboBox*>(w)) return c->text();
  if (auto* p = dynamic_cast<const forms::Panel*>(w)) return p->caption();
  if (auto* b = dynamic_cast<const forms::Button*>(w)) return b->caption();
  return std::nullopt;
}

std::optional<Qt::Key> KeyNamed(const QString& name) {
  static const std::map<QString, Qt::Key> keys = {
      {"Enter", Qt::Key_Return},  {"Return", Qt::Key_Return},       {"Escape", Qt::Key_Escape},
      {"Tab", Qt::Key_Tab},       {"Backspace", Qt::Key_Backspace}, {"Delete", Qt::Key_Delete},
      {"Left", Qt::Key_Left},     {"Right", Qt::Key_Right},         {"Up", Qt::Key_Up},
      {"Down", Qt::Key_Down},     {"Home", Qt::Key_Home},           {"End", Qt::Key_End},
      {"PageUp", Qt::Key_PageUp}, {"PageDown", Qt::Key_PageDown},
  };
  const auto it = keys.find(name);
  if (it != keys.end()) return it->second;
  return std::nullopt;
}

QString Number17(double value) {
  if (!std::isfinite(value)) return "null";
  char text[40];
  std::snprintf(text, sizeof text, "%.17g", value);
  return QString::fromLatin1(text);
}

}  // namespace

Driver::Driver(Program& program, std::vector<Command> commands, int timeLimitMs)
    : program_(program), commands_(std::move(commands)), timeLimitMs_(timeLimitMs) {
  // Count the window messages the designer has handled, so that post-message can wait.
  auto handler = program_.Form1->OnMessage;
  program_.Form1->OnMessage = [this, handler](std::uint32_t m, std::uint64_t w, std::int64_t l) {
    if (handler) handler(m, w, l);
    ++messagesHandled_;
  };
  program_.Form1->StatusShown = [this](const QString& text) { statusTexts_ << text; };
}

int Driver::Run() {
  QTimer::singleShot(0, this, [this] { Step(); });
  QTimer::singleShot(timeLimitMs_, this, [this] {
    if (!finished_) Fail(nullptr, QString("the script took longer than %1 ms").arg(timeLimitMs_));
  });
  QApplication::exec();
  // The window is gone. A script that still had lines to perform did not pass, however its
  // window came to close (its own close or File>Exit, or the program).
  finished_ = true;
  if (exitCode_ == 0) {
    if (until_ && !until_())
      Fail(&commands_[next_ - 1], "not performed: the window closed while this line waited");
    else if (next_ < commands_.size())
      Fail(&commands_[next_], "not performed: the window closed before this line");
  }
  return exitCode_;
}

void Driver::Step() {
  if (finished_) return;
  if (program_.Form1->CloseRequested()) {
    finished_ = true;  // the program ends as soon as the fit has stopped; Run reports the rest
    return;
  }
  // An action runs when none is running, or while the one that started a fit waits in it.
  const bool free =
      running_.empty() || (program_.Form1->FitRunning() && !running_.back().startedDuringFit);
  if (until_ && !until_() && waitLimit_.hasExpired()) {
    const Command& waiting = commands_[next_ - 1];
    until_ = nullptr;
    Fail(&waiting, "waited in vain for " + QString::number(kMessageWaitMs) + " ms");
    return;
  }
  if (!free || (until_ && !until_())) {
    QTimer::singleShot(kStepPause, this, [this] { Step(); });
    return;
  }
  until_ = nullptr;
  if (next_ >= commands_.size()) {
    Finish();
    return;
  }
  const Command& command = commands_[next_++];
  QTimer::singleShot(0, this, [this] { Step(); });
  running_.push_back({program_.Form1->FitRunning()});
  bool done = false;
  try {
    done = Perform(command);
  } catch (const std::exception& e) {
    error_ = e.what();
  }
  running_.pop_back();
  if (!done) Fail(&command, error_);
}

bool Driver::Perform(const Command& c) {
  TForm1& form = *program_.Form1;
  auto control = [&](const QString& name) -> QWidget* {
    QWidget* w = form.findChild<QWidget*>(name);
    if (!w) error_ = "no control named " + name;
    return w;
  };
  auto reachable = [&](QWidget* w) {
    if (w->isVisible() && w->isEnabled()) return true;
    error_ = w->objectName() + " cannot be reached: it is hidden or disabled";
    return false;
  };
  const QString& verb = c.verb;
  if (verb == "answer-dialog") {
    if (c.args[0] == "cancel")
      dialogs_.cancelFile();
    else
      dialogs_.choose(c.args[0]);
    return true;
  }
  if (verb == "answer-box") {
    dialogs_.answer(c.args[0]);
    return true;
  }
  if (verb == "menu") return ClickMenuPath(*form.MainMenu1, c.args[0].split('>'), &error_);
  if (verb == "type" || verb == "key" || verb == "click") {
    QWidget* w = control(c.args[0]);
    if (!w || !reachable(w)) return false;
    form.activateWindow();
    w->setFocus();
    if (verb == "click") {
      // A radio button counts clicks on its circle and caption only.
      const bool radio = dynamic_cast<forms::RadioButton*>(w) != nullptr;
      QTest::mouseClick(w, Qt::LeftButton, {},
                        radio ? QPoint(6, w->height() / 2) : w->rect().center());
      return true;
    }
    if (verb == "type") {
      auto* edit = dynamic_cast<forms::Edit*>(w);
      if (!edit) {
        error_ = c.args[0] + " is no edit";
        return false;
      }
      edit->selectAll();
      QTest::keyClicks(edit, c.args[1]);
      return true;
    }
    const std::optional<Qt::Key> key = KeyNamed(c.args[1]);
    if (key)
      QTest::keyClick(w, *key);
    else if (c.args[1].size() == 1)
      QTest::keyClick(w, c.args[1][0].toLatin1());
    else {
      error_ = "no key named " + c.args[1];
      return false;
    }
    return true;
  }
  if (verb == "post-message") return PostMessage(c);
  if (verb == "wait-idle") {
    until_ = [&form] { return !form.FitRunning(); };
    waitLimit_ = QDeadlineTimer(QDeadlineTimer::Forever);  // a fit ends; the script's limit holds
    return true;
  }
  if (verb == "wait") {
    bool ok = false;
    const int ms = c.args[0].toInt(&ok);
    if (!ok || ms < 0) {
      error_ = "wait needs milliseconds";
      return false;
    }
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    until_ = [clock, ms] { return clock->elapsed() >= ms; };
    waitLimit_ = QDeadlineTimer(QDeadlineTimer::Forever);
    return true;
  }
  if (verb == "close") {
    form.close();
    return true;
  }
  if (verb == "write-bands") return WriteBands(c.args[0]);
  if (verb == "write-curves") return WriteCurves(c.args[0]);
  if (verb == "write-coefficients") return WriteCoefficients(c.args[0]);
  if (verb == "write-status-texts") return WriteStatusTexts(c.args[0]);
  if (verb == "invoke") return Invoke(c.args[0]);
  return Expect(c);
}

bool Driver::PostMessage(const Command& c) {
  bool okMessage = false, okParam = false;
  const std::uint32_t message = c.args[0].toUInt(&okMessage, 0);
  const std::int64_t lParam = c.args[1].toLongLong(&okParam, 0);
  if (!okMessage || !okParam) {
    error_ = "post-message needs a message number and an lParam";
    return false;
  }
  const std::vector<platform::WindowHandle> windows =
      platform::findWindows(platform::kDesignerTitle);
  if (windows.empty() || !platform::postMessage(windows.back(), message, 0, lParam)) {
    error_ = QStringLiteral("no window titled \"%1\" takes messages").arg(platform::kDesignerTitle);
    return false;
  }
  const int handled = messagesHandled_ + 1;
  until_ = [this, handled] { return messagesHandled_ >= handled; };
  waitLimit_.setRemainingTime(kMessageWaitMs);
  return true;
}

bool Driver::Expect(const Command& c) {
  QString actual;
  const QString& wanted = c.args.back();
  if (c.verb == "expect-status") {
    actual = program_.Form1->StatusBar1->simpleText();
  } else if (c.verb == "expect-box") {
    if (dialogs_.boxes.empty()) {
      error_ = "no message box was shown";
      return false;
    }
    actual = dialogs_.boxes.back().text;
  } else {
    QWidget* w = program_.Form1->findChild<QWidget*>(c.args[0]);
    const std::optional<QString> text = w ? TextOf(w) : std::nullopt;
    if (!text) {
      error_ = "no control named " + c.args[0] + " that shows a text";
      return false;
    }
    actual = *text;
  }
  if (actual == wanted) return true;
  error_ = "expected \"" + wanted + "\", found \"" + actual + "\"";
  return false;
}

bool Driver::WriteBands(const QString& path) {
  const EqDesign& d = program_.Design;
  QString json = "{\"bands\": [\n";
  for (int n = 0; n < kBandCount; ++n) {
    json += QString("  {\"Fc\": %1, \"BW\": %2, \"Gain\": %3}%4\n")
                .arg(Number17(d.BandFc[n]), Number17(d.BandBw[n]), Number17(d.BandGain[n]),
                     n + 1 < kBandCount ? "," : "");
  }
  json += "]}\n";
  return WriteJson(path, json);
}

bool Driver::WriteCurves(const QString& path) {
  const EqDesign& d = program_.Design;
  const std::pair<const char*, const GridCurve*> curves[] = {
      {"GridFrequency", &d.GridFrequency}, {"TargetCurve", &d.TargetCurve},
      {"SourceCurve", &d.SourceCurve},     {"ErrorCurve", &d.ErrorCurve},
      {"ResidualCurve", &d.ResidualCurve}, {"BandSumCurve", &d.BandSumCurve},
      {"TotalCurve", &d.TotalCurve}};
  QString json = "{";
  for (const auto& [name, curve] : curves) {
    QStringList values;
    for (int i = 0; i < d.GridCount; ++i) values << Number17((*curve)[i]);
    json += QString("%1\n  \"%2\": [%3]").arg(json.size() > 1 ? "," : "", name, values.join(", "));
  }
  json += "\n}\n";
  return WriteJson(path, json);
}

bool Driver::WriteCoefficients(const QString& path) {
  QJsonArray rows;
  for (const auto& row : program_.Design.DownloadCoefficients) {
    QJsonArray values;
    for (const std::int32_t value : row) values.append(value);
    rows.append(values);
  }
  const QJsonDocument json(QJsonObject{{"coefficients", rows}});
  return WriteJson(path, QString::fromUtf8(json.toJson()));
}

bool Driver::WriteStatusTexts(const QString& path) {
  const QJsonDocument json(QJsonObject{{"statusTexts", QJsonArray::fromStringList(statusTexts_)}});
  return WriteJson(path, QString::fromUtf8(json.toJson()));
}

bool Driver::WriteJson(const QString& path, const QString& json) {
  const platform::SaveResult saved =
      platform::SaveFileAtomically(QFile::encodeName(path).toStdString(), json.toStdString());
  if (!saved.ok()) {
    error_ = "cannot write " + path + ": " + QString::fromStdString(saved.error);
    return false;
  }
  return true;
}

// The window builds these controls but keeps them from the operator; a script reaches them as
// the pages and menus would if they were shown.
bool Driver::Invoke(const QString& name) {
  TForm1& form = *program_.Form1;
  if (auto* button = form.findChild<forms::Button*>(name)) {
    button->click();
    return true;
  }
  // An entry of a hidden, disabled menu counts as disabled itself: run its handler as the
  // entry would if its menu were shown.
  if (auto* item = form.findChild<forms::MenuItem*>(name)) {
    if (!item->OnClick || item->count() > 0) {
      error_ = name + " is no menu entry with a handler";
      return false;
    }
    forms::invokeHandler(item->OnClick);
    return true;
  }
  error_ = "no button or menu entry named " + name;
  return false;
}

void Driver::Fail(const Command* command, const QString& why) {
  const QString where =
      command ? QString("line %1 (%2): ").arg(command->line).arg(command->verb) : QString();
  std::fprintf(stderr, "calyxon-drive: %s%s\n", where.toLocal8Bit().constData(),
               why.toLocal8Bit().constData());
  exitCode_ = 2;
  Finish();
}

void Driver::Finish() {
  if (finished_) return;
  finished_ = true;
  // Ends the program; a running fit is stopped first and the window closes after it.
  program_.Form1->close();
}

}  // namespace calyxon::drive
