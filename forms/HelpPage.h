// Help > Content of both programs: the help page in the desktop's browser.
#pragma once

#include <QString>

namespace forms {

// Opens page (an HTML file) with the desktop's opener. When page is not there, a "Help" box
// shows missingText; when no opener could be started, a "Help" box says so and what to
// install. Nothing else happens either way.
void OpenHelpPage(const QString& page, const QString& missingText);

}  // namespace forms
