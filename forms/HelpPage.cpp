#include "forms/HelpPage.h"

#include <QFileInfo>

#include "forms/Dialogs.h"
#include "platform/Shell.h"

namespace forms {

void OpenHelpPage(const QString& page, const QString& missingText) {
  if (!QFileInfo::exists(page)) {
    MessageBox(missingText, "Help", MB_OK | MB_ICONWARNING);
    return;
  }
  const auto cannot = [page] {
    MessageBox(
        "Can't show the help page " + page + ": install xdg-utils and a web browser to read it.",
        "Help", MB_OK | MB_ICONWARNING);
  };
  if (!platform::openDocument(page.toStdString(), cannot)) cannot();
}

}  // namespace forms
