#pragma once

#include <QString>

#include <memory>

class QApplication;

// Opening the display, with one clear sentence instead of the platform
// plugin's abort when there is none.
namespace DesktopSession {

// The sentence for a session without a display, or empty when one may be
// there: QT_QPA_PLATFORM chooses the platform itself; otherwise DISPLAY or
// WAYLAND_DISPLAY must name one, unless the command line (argc, argv) gives
// Qt's -platform or -display option.
QString missingDisplay(const QString &title, int argc = 0, char **argv = nullptr);

// Creates the application. When the platform cannot be opened after all
// (a display that does not answer), prints one sentence naming it to
// standard error and ends the process with status 1.
std::unique_ptr<QApplication> open(const QString &title, int &argc, char **argv);

} // namespace DesktopSession
