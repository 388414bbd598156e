// Application-wide set-up that comes before the window: starting Qt on the user's display, the
// names the desktop knows the program by, and Qt's own translations for the user's language (so
// message boxes say 是 and 否 on a Chinese desktop).
//
// Qt ends the program with a fatal error, and so a core dump, when its platform plugin cannot
// start: no DISPLAY and no WAYLAND_DISPLAY, or a display whose server is gone. On Unix
// startApplication turns that into one line saying so and exit status 1. What Qt reports while
// it starts is held back until it has started, as it only explains that one failure otherwise.
// application_unix.cpp and application_windows.cpp hold what differs between the two.
#pragma once

#include <memory>

#include <QString>

class QApplication;
class QWidget;

namespace Pinwright {
// Makes the application on the user's display, or ends the program as above, and prepares it.
std::unique_ptr<QApplication> startApplication(int &argc, char **argv);
// The names and translations, for an application made otherwise (the benchmark's).
void prepareApplication(QApplication &app);
// Where Qt's own translations are: the system's on Unix, built into the program on Windows.
QString qtTranslationsPath();
// Whether the application runs on a Wayland compositor (never on Windows).
bool onWayland();
// Called as a top-level window is about to hide: waits, for one frame at most, until the
// compositor's answer to the window's last frame has been handled, where the platform needs it.
void finishFrame(QWidget *window);
} // namespace Pinwright
