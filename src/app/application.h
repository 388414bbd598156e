// Application-wide set-up that comes before the window: the names the desktop knows the program
// by, and Qt's own translations for the user's language (so message boxes say 是 and 否 on a
// Chinese desktop).
#pragma once

class QApplication;

namespace Pinwright {
void prepareApplication(QApplication &app);
} // namespace Pinwright
