// Reaching a menu entry as a user does: a mouse click on the title in the menu bar, then on
// each entry of the path in the menus that open.
#pragma once

#include <QString>
#include <QStringList>

namespace forms {
class MainMenu;
}

namespace calyxon::drive {

// Clicks through path ("Tool", "Calibration", "Start", "Normal"). Each entry must be shown and
// enabled when its menu is open, as a user finds it; otherwise the menus are closed, nothing is
// chosen and error says why. The last click runs the entry's handler before this returns.
bool ClickMenuPath(forms::MainMenu& menu, const QStringList& path, QString* error);

}  // namespace calyxon::drive
