#include "forms/Application.h"

#include <QApplication>
#include <QCoreApplication>
#include <QPointer>

#include "forms/Dialogs.h"
#include "forms/Form.h"
#include "runtime/Convert.h"

namespace forms {

namespace {

QPointer<Form>& mainFormSlot() {
  static QPointer<Form> form;
  return form;
}

QString& applicationTitleSlot() {
  static QString title;
  return title;
}

}  // namespace

bool invokeHandler(const std::function<void()>& handler) {
  if (!handler) return true;
  try {
    handler();
    return true;
  } catch (const std::exception& error) {
    showException(error);
  } catch (...) {
    showErrorText(QStringLiteral("Unknown exception"));
  }
  return false;
}

void showErrorText(const QString& message) {
  QString text = message;
  // Messages end with a full stop in the error box unless they end in punctuation.
  if (!text.isEmpty() && text.back().unicode() > u'.') text += u'.';
  showBox({DialogKind::Error, text, applicationTitle(), MB_OK | MB_ICONSTOP});
}

void showException(const std::exception& error) {
  // A conversion error's own text is whole; what() is a C string, cut at a NUL.
  if (const auto* conversion = dynamic_cast<const runtime::ConversionError*>(&error))
    showErrorText(conversion->message());
  else
    showErrorText(QString::fromUtf8(error.what()));
}

void processMessages() {
  QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void setApplicationTitle(const QString& title) {
  applicationTitleSlot() = title;
}

QString applicationTitle() {
  const QString& title = applicationTitleSlot();
  return title.isNull() ? QCoreApplication::applicationName() : title;
}

void setMainForm(Form* form) {
  mainFormSlot() = form;
  // Only the main form's close ends the program, whatever other windows do.
  if (form) QApplication::setQuitOnLastWindowClosed(false);
}

Form* mainForm() {
  return mainFormSlot();
}

void terminate() {
  QCoreApplication::exit(0);
}

}  // namespace forms
