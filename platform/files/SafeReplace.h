#pragma once

#include <QByteArray>
#include <QString>

#include <sys/types.h>

// Replacing a whole file so that a crash or a full disk at any moment leaves
// either the old or the new complete file.
namespace SafeReplace {

// Creates tempPath for reading and writing, exclusively: a stale file of that
// name (a symbolic link or a file of someone else included) is removed without
// being followed or written through. Returns the descriptor, or -1 with a
// sentence for the user in *error. The file gets exactly mode, whatever the umask.
int createTemp(const QString &tempPath, mode_t mode, QString *error);

// Writes data to a temporary file next to path ("<path>.tmp"), flushes it,
// renames it over path and flushes the folder. When path is a symbolic link
// the file it leads to is replaced instead, and a link that leads nowhere is
// refused. On failure path is unchanged,
// the temporary file is removed and *error holds a sentence for the user.
bool writeFile(const QString &path, const QByteArray &data, QString *error);

} // namespace SafeReplace
