#pragma once

#include <QString>

// The XDG autostart entry that starts Jotwell at login:
// ${XDG_CONFIG_HOME:-~/.config}/autostart/jotwell.desktop.
namespace Autostart {

// The entry's path in the user's configuration folder.
QString entryPath();

// The text of an entry that starts program in the session's notes folder.
QByteArray entryText(const QString &program);

// One argument of a desktop entry's Exec key, quoted when it needs to be.
QString quoteExecArgument(const QString &argument);

// Writes the entry at path (creating its folder), replacing any earlier one
// whole; false with a sentence for the user in *error.
bool enable(const QString &path, const QString &program, QString *error);

// Removes the entry at path; an absent entry is already disabled.
bool disable(const QString &path, QString *error);

} // namespace Autostart
