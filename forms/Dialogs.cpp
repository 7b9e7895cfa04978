#include "forms/Dialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <utility>
#include <vector>

#include "forms/Application.h"

namespace forms {

namespace {

DialogResponder*& responderSlot() {
  static DialogResponder* responder = nullptr;
  return responder;
}

// The answers of a style's buttons, in their order.
std::vector<int> buttonsOf(int style) {
  switch (style & 0x0F) {
    case MB_OKCANCEL:
      return {IDOK, IDCANCEL};
    case MB_ABORTRETRYIGNORE:
      return {IDABORT, IDRETRY, IDIGNORE};
    case MB_YESNOCANCEL:
      return {IDYES, IDNO, IDCANCEL};
    case MB_YESNO:
      return {IDYES, IDNO};
    case MB_RETRYCANCEL:
      return {IDRETRY, IDCANCEL};
    default:
      return {IDOK};
  }
}

QMessageBox::StandardButton qtButton(int answer) {
  switch (answer) {
    case IDCANCEL:
      return QMessageBox::Cancel;
    case IDABORT:
      return QMessageBox::Abort;
    case IDRETRY:
      return QMessageBox::Retry;
    case IDIGNORE:
      return QMessageBox::Ignore;
    case IDYES:
      return QMessageBox::Yes;
    case IDNO:
      return QMessageBox::No;
    default:
      return QMessageBox::Ok;
  }
}

QMessageBox::Icon qtIcon(int style) {
  switch (style & 0xF0) {
    case MB_ICONSTOP:
      return QMessageBox::Critical;
    case MB_ICONQUESTION:
      return QMessageBox::Question;
    case MB_ICONEXCLAMATION:
      return QMessageBox::Warning;
    case MB_ICONINFORMATION:
      return QMessageBox::Information;
    default:
      return QMessageBox::NoIcon;
  }
}

int showRealBox(const BoxRequest& box) {
  QMessageBox dialog(qtIcon(box.style), box.caption, box.text, QMessageBox::NoButton,
                     QApplication::activeWindow());
  const std::vector<int> answers = buttonsOf(box.style);
  std::vector<std::pair<QAbstractButton*, int>> buttons;
  for (int answer : answers) buttons.emplace_back(dialog.addButton(qtButton(answer)), answer);
  const int preferred = defaultAnswer(box.style);
  for (auto& [button, answer] : buttons) {
    if (answer == preferred) dialog.setDefaultButton(static_cast<QPushButton*>(button));
    if (answer == IDCANCEL || (answers.size() == 1 && answer == IDOK))
      dialog.setEscapeButton(button);
  }
  if (answers == std::vector<int>{IDYES, IDNO}) dialog.setEscapeButton(buttons[1].first);
  dialog.exec();
  for (auto& [button, answer] : buttons)
    if (dialog.clickedButton() == button) return answer;
  return answers.size() == 1 ? IDOK : IDCANCEL;
}

}  // namespace

DialogResponder* setDialogResponder(DialogResponder* responder) {
  return std::exchange(responderSlot(), responder);
}

DialogResponder* dialogResponder() {
  return responderSlot();
}

int defaultAnswer(int style) {
  const std::vector<int> answers = buttonsOf(style);
  const size_t index = (style >> 8) & 0x0F;
  return answers.at(index < answers.size() ? index : 0);
}

int showBox(const BoxRequest& box) {
  if (DialogResponder* responder = responderSlot()) return responder->answerBox(box);
  return showRealBox(box);
}

void ShowMessage(const QString& text) {
  showBox({DialogKind::Message, text, applicationTitle(), MB_OK});
}

int MessageBox(const QString& text, const QString& caption, int style) {
  return showBox({DialogKind::MessageBox, text, caption, style});
}

void MessageBeep(unsigned type) {
  if (DialogResponder* responder = responderSlot()) {
    responder->beep(type);
    return;
  }
  QApplication::beep();
}

}  // namespace forms
