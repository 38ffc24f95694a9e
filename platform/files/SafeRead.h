#pragma once

#include <QByteArray>
#include <QString>

// Reading a whole file that a user named (a list file, a property bag, a
// picture) so that nothing can hang or flood the program: the file is opened
// without blocking, so a pipe or a device in its place answers at once, it
// must be a regular file, and it is read only when it is no larger than the
// caller allows.
namespace SafeRead {

enum class Status { Ok, Missing, OpenFailed, NotRegular, TooLarge, ReadFailed };

struct Result
{
    Status status = Status::Ok;
    int error = 0;     // errno of OpenFailed and ReadFailed
    qint64 size = 0;   // the file's size, also for TooLarge
    bool ok() const { return status == Status::Ok; }
};

// Reads path whole into *data through the FileOps seam; *data is empty
// unless the result is Ok.
Result readAll(const QString &path, qint64 maxBytes, QByteArray *data);

// "name could not be opened: reason." and the like, for every status but Ok
// and TooLarge, whose sentence depends on what the file is for.
QString problem(const QString &name, const Result &result);

} // namespace SafeRead
