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

// What writeFile does when path is a symbolic link.
enum class Links {
    WriteTarget,  // replace the file the link leads to; the link stays
    ReplaceLink,  // put a regular file in the link's place
};

// Creates "<path>.<8 random letters>.tmp" exclusively for reading and
// writing, with exactly mode, and names it in *tempPath: a name of its own
// for each write, so that processes writing one file through different links
// never meet on a temporary name. Returns the descriptor, or -1 with a
// sentence for the user in *error.
int createUniqueTemp(const QString &path, mode_t mode, QString *tempPath, QString *error);

// Writes data to a temporary file next to path (createUniqueTemp), flushes
// it, renames it over path and flushes the folder. When path is a symbolic
// link the file it leads to is replaced (a link that leads nowhere is refused),
// or the link itself, as links says. On failure path is unchanged,
// the temporary file is removed and *error holds a sentence for the user.
bool writeFile(const QString &path, const QByteArray &data, QString *error, Links links = Links::WriteTarget);

} // namespace SafeReplace
