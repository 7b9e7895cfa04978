// Help > Content of both programs: the help page in the desktop's browser.
#pragma once

#include <QString>

namespace forms {

// Opens page (an HTML file) with the desktop's opener. When page is not there, a "Help" box
// shows missingText; when no opener could be started, or the opener says soon after that it
// cannot open the page (the box then comes from the event loop), a "Help" box says so and
// what to install. Nothing else happens either way.
void OpenHelpPage(const QString& page, const QString& missingText);

}  // namespace forms
