#pragma once

#include <QCoreApplication>
#include <QString>

// The program's version record: the one place its title, numbers and
// description are kept. The main window's caption, the About window and the
// application object all read them from here.
namespace Version {

// The numbers come from the build (the project's version).
inline constexpr int Major = JOTWELL_VERSION_MAJOR;
inline constexpr int Minor = JOTWELL_VERSION_MINOR;
inline constexpr int Revision = JOTWELL_VERSION_REVISION;

inline QString title()
{
    return QStringLiteral("Jotwell");
}

inline QString description()
{
    return QCoreApplication::translate("Version", "A Simple Note and Alarm Utility.");
}

// "1.0.17": major, minor and revision in decimal, without leading zeros.
inline QString text()
{
    return QStringLiteral("%1.%2.%3").arg(Major).arg(Minor).arg(Revision);
}

// "Jotwell 1.0": the caption of the main window and the tray icon's tooltip.
inline QString caption()
{
    return QStringLiteral("%1 %2.%3").arg(title()).arg(Major).arg(Minor);
}

} // namespace Version
