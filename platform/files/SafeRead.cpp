#include "platform/files/SafeRead.h"

#include "platform/files/FileOps.h"

#include <QCoreApplication>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

namespace SafeRead {

Result readAll(const QString &path, qint64 maxBytes, QByteArray *data)
{
    data->clear();
    FileOps &ops = FileOps::instance();
    const int fd = ops.open(FileOps::encodePath(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC, 0);
    if (fd < 0)
        return Result{errno == ENOENT ? Status::Missing : Status::OpenFailed, errno, 0};
    Result result;
    struct stat status;
    if (ops.fstat(fd, &status) != 0) {
        result = Result{Status::ReadFailed, errno, 0};
    } else if (!S_ISREG(status.st_mode)) {
        result = Result{Status::NotRegular, 0, 0};
    } else if (status.st_size > maxBytes) {
        result = Result{Status::TooLarge, 0, qint64(status.st_size)};
    } else {
        data->resize(qsizetype(status.st_size));
        const qint64 got = FileOps::preadFull(fd, data->data(), data->size(), 0);
        if (got < 0) {
            result = Result{Status::ReadFailed, errno, qint64(status.st_size)};
            data->clear();
        } else {
            data->resize(qsizetype(got));
            result.size = got;
        }
    }
    ops.close(fd);
    return result;
}

QString problem(const QString &name, const Result &result)
{
    switch (result.status) {
    case Status::Ok:
        return {};
    case Status::Missing:
    case Status::OpenFailed:
        return QCoreApplication::translate("SafeRead", "%1 could not be opened: %2.").arg(name, FileOps::errorText(result.error));
    case Status::NotRegular:
        return QCoreApplication::translate("SafeRead", "%1 is not a regular file.").arg(name);
    case Status::TooLarge:
        return QCoreApplication::translate("SafeRead", "%1 is too large (%2 bytes).").arg(name).arg(result.size);
    case Status::ReadFailed:
        return QCoreApplication::translate("SafeRead", "%1 could not be read: %2.").arg(name, FileOps::errorText(result.error));
    }
    return {};
}

} // namespace SafeRead
