#pragma once

#include <QString>

// Data files may be symbolic links to files kept elsewhere (a synced folder,
// say). Whoever rewrites such a file works where the real file lives, so the
// link stays a link and every folder linking to the file sees the change.
namespace LinkTarget {

// The file to work on for path: path itself when it is no symbolic link (or
// does not exist yet), otherwise the real file at the end of the links. A link
// that leads nowhere is refused, so that nothing is created through it: then
// false, with a sentence for the user in *error.
bool resolve(const QString &path, QString *target, QString *error);

} // namespace LinkTarget
