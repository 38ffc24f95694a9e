#include "platform/files/LinkTarget.h"

#include <QFileInfo>

namespace LinkTarget {

bool resolve(const QString &path, QString *target, QString *error)
{
    const QFileInfo info(path);
    if (!info.isSymLink()) {
        *target = path;
        return true;
    }
    const QString real = info.canonicalFilePath();
    if (real.isEmpty()) {
        if (error)
            *error = QStringLiteral("%1 is a symbolic link to %2, which does not exist.")
                         .arg(info.fileName(), info.symLinkTarget());
        return false;
    }
    *target = real;
    return true;
}

} // namespace LinkTarget
